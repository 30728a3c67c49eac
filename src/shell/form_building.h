#pragma once

#include <QRect>
#include <QString>

class QPlainTextEdit;
class QWidget;

namespace kalvo {

// Creates a widget of the suite's fixed-geometry forms: named, placed, parented.
template <typename Widget>
Widget* place(QWidget* parent, const char* objectName, const QRect& geometry)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(geometry);
    return widget;
}

// The same for a widget with a text: a label or a button.
template <typename Widget>
Widget* placeWithText(QWidget* parent, const char* objectName, const char* text, const QRect& geometry)
{
    auto* widget = place<Widget>(parent, objectName, geometry);
    widget->setText(QString::fromUtf8(text));
    return widget;
}

// The suite's result panel: read-only but selectable, grey base (a dark tone under a
// dark palette, following palette changes), 40-pixel tab stops for the report columns,
// no line wrap, no drops, no undo.
void setUpResultPanel(QPlainTextEdit* panel);

} // namespace kalvo
