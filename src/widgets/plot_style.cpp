#include "plot_style.h"

#include <qcustomplot.h>

#include <array>

namespace kalvo {
namespace {

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}

void styleAxis(QCPAxis* axis, const QColor& text, const QColor& grid)
{
    const QPen pen(text, 1);
    axis->setBasePen(pen);
    axis->setTickPen(pen);
    axis->setSubTickPen(pen);
    axis->setTickLabelColor(text);
    axis->setLabelColor(text);
    axis->grid()->setPen(QPen(grid, 1, Qt::DotLine));
    axis->grid()->setSubGridPen(Qt::NoPen);
    axis->grid()->setZeroLinePen(QPen(grid, 1));
}

} // namespace

void applyPlotPalette(QCustomPlot* plot, const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    QColor grid = text;
    grid.setAlphaF(0.3);
    plot->setBackground(base);
    for (QCPAxisRect* rect : plot->axisRects()) {
        rect->setBackground(base);
        for (QCPAxis* axis : rect->axes())
            styleAxis(axis, text, grid);
    }
    if (plot->legend != nullptr) {
        plot->legend->setBrush(base);
        plot->legend->setBorderPen(QPen(text));
        plot->legend->setTextColor(text);
    }
}

QColor curveColor(int n, const QPalette& palette)
{
    // Hues after the Okabe-Ito palette for colour-blind readers; lighter on dark bases.
    static constexpr std::array<QRgb, 6> light{0x0072B2, 0xD55E00, 0x009E73, 0xCC79A7, 0xE69F00, 0x56B4E9};
    static constexpr std::array<QRgb, 6> dark{0x56B4E9, 0xE69F00, 0x33D6A0, 0xE8A0CC, 0xF0E442, 0x6FA8FF};
    const auto& colors = isDark(palette) ? dark : light;
    return QColor(colors[static_cast<size_t>(n) % colors.size()]);
}

} // namespace kalvo
