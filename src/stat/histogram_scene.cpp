#include "histogram_scene.h"

#include <QBrush>
#include <QCursor>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPen>

namespace kalvo {
namespace {

// Room left free at the right and top edges of the view.
constexpr double kMargin = 5;

QString labelText(double x)
{
    return QString::number(x, 'g', 4);
}

} // namespace

QGraphicsScene* createHistogramScene(const Histogram& histogram, QSize viewSize, QObject* parent)
{
    auto* scene = new QGraphicsScene(parent);
    QGraphicsTextItem* minLabel = scene->addText(labelText(histogram.xMin));
    minLabel->setPos(0, 0);
    QGraphicsTextItem* maxLabel = scene->addText(labelText(histogram.xMax));
    const double width = viewSize.width();
    maxLabel->setPos(width - maxLabel->boundingRect().width() - kMargin, 0);

    // The labels hang below the bars; the tallest bar gets the height that is left, so
    // that no bar is cut off and the heights stay proportional to the counts.
    const double xScale = (width - kMargin) / histogram.bins;
    const double yScale = (viewSize.height() - kMargin - minLabel->boundingRect().height()) / histogram.maxCount;

    const QPen outline(Qt::black);
    const QBrush fill(Qt::red, Qt::SolidPattern);
    for (int bin = 0; bin < histogram.bins; ++bin) {
        const double height = histogram.counts[static_cast<std::size_t>(bin)] * yScale;
        QGraphicsRectItem* bar = scene->addRect(QRectF(bin * xScale, 0, xScale, -height).normalized(), outline, fill);
        bar->setToolTip(binToolTip(histogram, bin));
        bar->setCursor(Qt::CrossCursor);
    }
    return scene;
}

} // namespace kalvo
