#include "input_feedback.h"

#include "derived_palette.h"

#include <QLineEdit>
#include <QPalette>

#include <cmath>

namespace kalvo {
namespace {

constexpr const char* markProperty = "kalvoUnreadable";

// The base colour tinted towards red, enough to be seen on light and dark bases while
// the text colour keeps its contrast.
QColor errorTint(const QColor& base)
{
    const bool dark = base.lightness() < 128;
    const QColor red = dark ? QColor(170, 40, 40) : QColor(255, 120, 120);
    const double share = dark ? 0.55 : 0.45;
    return QColor::fromRgbF(base.redF() * (1 - share) + red.redF() * share,
                            base.greenF() * (1 - share) + red.greenF() * share,
                            base.blueF() * (1 - share) + red.blueF() * share);
}

// The rule, tooltip and colours of one marked field; a child of the field.
class UnreadableInputMark : public QObject {
    Q_OBJECT
public:
    UnreadableInputMark(QLineEdit* edit, ReadsCompletely reads, QString tooltip)
        : QObject(edit)
        , edit(edit)
        , reads(std::move(reads))
        , tooltip(std::move(tooltip))
        , colours(new DerivedPalette(edit, [edit](QPalette& palette) {
            if (isMarkedUnreadable(edit))
                palette.setColor(QPalette::Base, errorTint(palette.color(QPalette::Base)));
        }))
    {
        connect(edit, &QLineEdit::textChanged, this, &UnreadableInputMark::check);
        check();
    }

    void check()
    {
        const QString text = edit->text();
        const bool unreadable = !text.isEmpty() && !reads(text);
        if (isMarkedUnreadable(edit) == unreadable)
            return;
        edit->setProperty(markProperty, unreadable);
        if (unreadable) {
            plainToolTip = edit->toolTip();
            edit->setToolTip(tooltip);
        } else {
            edit->setToolTip(plainToolTip);
        }
        colours->apply();
    }

private:
    QLineEdit* edit;
    ReadsCompletely reads;
    QString tooltip;
    QString plainToolTip; // the tooltip while the field is not marked
    DerivedPalette* colours;
};

} // namespace

bool readsAsDouble(const QString& text)
{
    bool ok = false;
    text.toDouble(&ok);
    return ok;
}

bool readsAsDoubleOrInfinity(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok || std::isinf(value);
}

void markUnreadableInput(QLineEdit* edit, ReadsCompletely reads, const QString& tooltip)
{
    new UnreadableInputMark(edit, std::move(reads), tooltip);
}

void recheckUnreadableInput(QLineEdit* edit)
{
    if (auto* mark = edit->findChild<UnreadableInputMark*>(QString(), Qt::FindDirectChildrenOnly))
        mark->check();
}

bool isMarkedUnreadable(const QLineEdit* edit)
{
    return edit->property(markProperty).toBool();
}

} // namespace kalvo

#include "input_feedback.moc"
