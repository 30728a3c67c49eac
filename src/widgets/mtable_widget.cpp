#include "mtable_widget.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

namespace kalvo {

MTableWidget::MTableWidget(QWidget* parent)
    : QTableWidget(parent)
{
}

void MTableWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragStartPosition = event->position().toPoint();
    QTableWidget::mousePressEvent(event);
}

// Moves are not passed on: a held button never extends the selection.
void MTableWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - dragStartPosition).manhattanLength() < QApplication::startDragDistance())
        return;
    Q_EMIT NeedDropData();
}

void startTextDrag(QWidget* source, const QString& text)
{
    auto* drag = new QDrag(source);
    auto* mimeData = new QMimeData;
    mimeData->setText(text);
    drag->setMimeData(mimeData);
    drag->exec(Qt::MoveAction);
}

void dragCurrentCellText(QTableWidget* table)
{
    const QTableWidgetItem* item = table->currentItem();
    if (item == nullptr)
        return;
    const QString text = item->data(Qt::DisplayRole).toString();
    if (!text.isEmpty())
        startTextDrag(table, text);
}

} // namespace kalvo
