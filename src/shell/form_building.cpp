#include "form_building.h"

#include "derived_palette.h"

#include <QPlainTextEdit>

namespace kalvo {
namespace {

// The result panel's grey under a light palette; under a dark one a dark tone of the
// same warm hue. Either keeps the palette's text colour readable.
void deriveResultPanelColours(QPalette& palette)
{
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    const QColor base = dark ? QColor(58, 54, 50) : QColor(239, 235, 231);
    palette.setColor(QPalette::Active, QPalette::Base, base);
    palette.setColor(QPalette::Inactive, QPalette::Base, base);
    if (!dark)
        palette.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
}

} // namespace

void setUpResultPanel(QPlainTextEdit* panel)
{
    panel->setFont(QFont(QStringLiteral("Sans Serif"), 9));
    new DerivedPalette(panel, deriveResultPanelColours);
    panel->setAutoFillBackground(true);
    panel->setBackgroundVisible(false);
    panel->setAcceptDrops(false);
    panel->setUndoRedoEnabled(false);
    panel->setLineWrapMode(QPlainTextEdit::NoWrap);
    panel->setTabStopDistance(40);
    panel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

} // namespace kalvo
