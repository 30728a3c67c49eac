#pragma once

#include <QColor>
#include <QPalette>

class QCustomPlot;

namespace kalvo {

// Colours a plot from a palette: background from Base, axes, ticks, labels, grid and
// legend from Text, so that it reads in light and dark themes alike.
void applyPlotPalette(QCustomPlot* plot, const QPalette& palette);

// The colour of curve n: distinct hues that hold their contrast on light and dark bases.
QColor curveColor(int n, const QPalette& palette);

} // namespace kalvo
