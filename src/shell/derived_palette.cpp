#include "derived_palette.h"

#include <QEvent>
#include <QWidget>

namespace kalvo {

DerivedPalette::DerivedPalette(QWidget* widget, Derive derive)
    : QObject(widget)
    , widget(widget)
    , derive(std::move(derive))
{
    widget->installEventFilter(this);
    apply();
}

// An empty palette gives the widget back the one it inherits; the derived colours are
// set over that.
void DerivedPalette::apply()
{
    applying = true;
    widget->setPalette(QPalette());
    QPalette palette = widget->palette();
    derive(palette);
    widget->setPalette(palette);
    applying = false;
}

bool DerivedPalette::eventFilter(QObject* watched, QEvent* event)
{
    const bool paletteChanged
        = event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange;
    if (watched == widget && paletteChanged && !applying)
        apply();
    return QObject::eventFilter(watched, event);
}

} // namespace kalvo
