#pragma once

#include <QPoint>
#include <QTableWidget>

class QString;

namespace kalvo {

// A table from which the text of the current cell can be dragged out. The table only
// recognises the gesture and announces it; its owner starts the drag (startTextDrag).
class MTableWidget : public QTableWidget {
    Q_OBJECT
public:
    explicit MTableWidget(QWidget* parent = nullptr);

Q_SIGNALS:
    void NeedDropData();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint dragStartPosition;
};

// Drags text out of source as plain text, offering only the move action; returns when
// the drop is over.
void startTextDrag(QWidget* source, const QString& text);

// The owner's answer to NeedDropData(): drag the current cell's display text, if any.
void dragCurrentCellText(QTableWidget* table);

} // namespace kalvo
