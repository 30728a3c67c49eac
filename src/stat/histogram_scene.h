#pragma once

#include "histogram.h"

#include <QSize>

class QGraphicsScene;
class QObject;

namespace kalvo {

// A scene of the histogram that fits a view of viewSize: one red bar per bin growing
// up from y = 0 with its interval and count as tooltip, the smallest and largest X as
// labels below the left and right ends.
QGraphicsScene* createHistogramScene(const Histogram& histogram, QSize viewSize, QObject* parent);

} // namespace kalvo
