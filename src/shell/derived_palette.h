#pragma once

#include <QObject>

#include <functional>

class QPalette;
class QWidget;

namespace kalvo {

// Colours a widget derives from the palette it would have on its own (its parent's,
// the application's), derived again whenever that palette changes, for instance when
// the desktop switches to a dark theme. A child of the widget.
class DerivedPalette : public QObject {
public:
    using Derive = std::function<void(QPalette&)>;

    // Applies derive at once and after every palette change of widget.
    DerivedPalette(QWidget* widget, Derive derive);

    // Derives the colours again, e.g. after what derive depends on changed.
    void apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widget;
    Derive derive;
    bool applying = false; // the palette changes that apply() makes itself
};

} // namespace kalvo
