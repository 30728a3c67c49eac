#include "form_building.h"

#include <QPlainTextEdit>

namespace kalvo {

void setUpResultPanel(QPlainTextEdit* panel)
{
    panel->setFont(QFont(QStringLiteral("Sans Serif"), 9));
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Active, QPalette::Base, QColor(239, 235, 231));
    palette.setColor(QPalette::Inactive, QPalette::Base, QColor(239, 235, 231));
    palette.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    panel->setBackgroundVisible(false);
    panel->setAcceptDrops(false);
    panel->setUndoRedoEnabled(false);
    panel->setLineWrapMode(QPlainTextEdit::NoWrap);
    panel->setTabStopDistance(40);
    panel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

} // namespace kalvo
