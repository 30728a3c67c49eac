#include "histogram.h"

#include "c_format.h"

#include <algorithm>
#include <cmath>

namespace kalvo {
namespace {

// Bin of x as a real number, (x - xMin) / binWidth. When xMax - xMin exceeds the
// range of a double (binWidth infinite) the same is computed with halved values.
double binPosition(const Histogram& h, double x)
{
    if (std::isfinite(h.binWidth))
        return (x - h.xMin) / h.binWidth;
    return (x / 2 - h.xMin / 2) / ((h.xMax / 2 - h.xMin / 2) / h.bins);
}

// The position truncated to a bin index; anything outside 0 .. bins - 1, or not a
// number at all, is clamped instead of converted.
int binIndex(double position, int bins)
{
    if (!(position >= 0))
        return 0;
    if (position >= bins)
        return bins - 1;
    return static_cast<int>(position);
}

} // namespace

double Histogram::edge(int i) const
{
    if (std::isfinite(binWidth))
        return xMin + i * binWidth;
    return 2 * (xMin / 2 + i * ((xMax / 2 - xMin / 2) / bins));
}

std::optional<Histogram> computeHistogram(StatList& list, int bins)
{
    const auto isFinite = [](const StatEntry& e) { return std::isfinite(e.x); };
    const auto entries = list.entries();
    if (std::count_if(entries.begin(), entries.end(), isFinite) < 2)
        return std::nullopt;
    list.sortList(SortMode::ByX); // the finite values come first, ascending
    const auto sorted = list.entries();
    Histogram h;
    h.n = static_cast<int>(std::count_if(sorted.begin(), sorted.end(), isFinite));
    h.notFinite = list.count() - h.n;
    h.bins = std::clamp(bins, kMinBins, kMaxBins);
    h.xMin = sorted.front().x;
    h.xMax = sorted[static_cast<std::size_t>(h.n - 1)].x;
    h.binWidth = (h.xMax - h.xMin) / h.bins;
    for (int i = 0; i < h.n; ++i) {
        const double x = sorted[static_cast<std::size_t>(i)].x;
        const int bin = h.binWidth == 0 ? 0 : binIndex(binPosition(h, x), h.bins);
        ++h.counts[static_cast<std::size_t>(bin)];
    }
    h.maxCount = *std::max_element(h.counts.begin(), h.counts.begin() + h.bins);
    return h;
}

QString histogramReport(const Histogram& h)
{
    QString text = cFormat("Histogramm for X:\n\nXmin\t\t= %lg\nXmax\t\t= %lg\nN\t\t= %d\nBinwith\t\t= %lg\n"
                           "Number of Bins\t= %d\nMax Xi\t\t= %lg  (Max. Number of Xi in a Bin)\n\n"
                           "Use F11 and F12 to vary Colwith",
                           {h.xMin, h.xMax, h.n, h.binWidth, h.bins, static_cast<double>(h.maxCount)});
    if (h.binWidth == 0)
        text += QStringLiteral("\n\nAll Xi are equal (Binwith 0): every Xi is counted in the first bin.");
    if (h.notFinite > 0)
        text += cFormat("\n\n%d Xi are not finite numbers (inf or nan) and are not counted.", {h.notFinite});
    return text;
}

QString binToolTip(const Histogram& h, int bin)
{
    return QString::number(h.edge(bin), 'g', 6) + QStringLiteral("...") + QString::number(h.edge(bin + 1), 'g', 6)
        + QLatin1Char('\n') + QString::number(h.counts[static_cast<std::size_t>(bin)]) + QStringLiteral(" Xi inside");
}

} // namespace kalvo
