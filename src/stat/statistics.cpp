#include "statistics.h"

#include "c_format.h"
#include "student_t.h"

#include <cmath>

namespace kalvo {
namespace {

struct Summary {
    int n = 0;
    double mean = 0;
    double rms = 0;
    double median = 0;
    double quartile25 = 0;
    double quartile75 = 0;
    double sdev = 0;
    double sdevMean = 0;
    double sum = 0;
    double sumSquares = 0;
    double min = 0;
    double max = 0;
};

// Median of the k values starting at first (ascending).
double medianOf(std::span<const StatEntry> sorted, int first, int k)
{
    const auto at = [&](int i) { return sorted[static_cast<std::size_t>(first + i)].x; };
    if (k % 2 == 1)
        return at((k - 1) / 2);
    return (at(k / 2 - 1) + at(k / 2)) * 0.5;
}

Summary summarise(std::span<const StatEntry> sorted)
{
    Summary s;
    s.n = static_cast<int>(sorted.size());
    const double count = s.n;
    const int half = s.n / 2; // for odd n the middle value belongs to neither half
    s.median = medianOf(sorted, 0, s.n);
    s.quartile25 = medianOf(sorted, 0, half);
    s.quartile75 = medianOf(sorted, s.n - half, half);
    for (const StatEntry& e : sorted) {
        s.sum += e.x;
        s.sumSquares += e.x * e.x;
    }
    s.mean = s.sum / count;
    s.rms = std::sqrt(s.sumSquares / count);
    double deviations = 0;
    for (const StatEntry& e : sorted)
        deviations += (e.x - s.mean) * (e.x - s.mean);
    s.sdev = std::sqrt(deviations / (count - 1));
    s.sdevMean = s.sdev / std::sqrt(count);
    s.min = sorted.front().x;
    s.max = sorted.back().x;
    return s;
}

QString oneVar1(const Summary& s)
{
    return cFormat("Statistics for X:  -->Go to One Var 2 for more Information\n\n"
                   "N\t\t\t= %d\t ( Poor if <10, Good if >30 )\n"
                   "Mean Value\t\t= %lg\n"
                   "RMS\t\t\t= %lg\n"
                   "Median\t\t\t= %lg\n"
                   "Quartile 25%% / 75%%\t\t= %lg / %lg\n"
                   "Sdev / 3*Sdev / 6*Sdev\t= %lg / %lg / %lg\n"
                   "Sdev of Mean / 3*...\t\t= %lg / %lg\t ( =Sdev/sqrt(N), 3*... )\n"
                   "Sum of X / X^2\t\t= %lg / %lg\n"
                   "Xmin / max\t\t= %lg / %lg",
                   {s.n, s.mean, s.rms, s.median, s.quartile25, s.quartile75, s.sdev, 3 * s.sdev, 6 * s.sdev,
                    s.sdevMean, 3 * s.sdevMean, s.sum, s.sumSquares, s.min, s.max});
}

QString oneVar2(const Summary& s)
{
    const StudentFactors t = studentFactors(s.n);
    return cFormat("If distribution of X is Gaussian and N=%d:\n\n"
                   "Trust Intervals for one Xi (Approximately):\n"
                   "For 68.3%% Trust deviation is <%5.2lf*Sdev   \t= Xi +/- %lg\n"
                   "For 95.0%% Trust deviation is <%5.2lf*Sdev   \t= Xi +/- %lg\n"
                   "For 99.0%% Trust deviation is <%5.2lf*Sdev   \t= Xi +/- %lg\n\n"
                   "Trust Intervals for Mean Value (Entire measurement):\n"
                   "For 68.3%% Trust  X = Mean +/- %5.2lf*Sdev_mean\t= %lg +/- %lg\n"
                   "For 95.0%% Trust  X = Mean +/- %5.2lf*Sdev_mean\t= %lg +/- %lg\n"
                   "For 99.0%% Trust  X = Mean +/- %5.2lf*Sdev_mean\t= %lg +/- %lg",
                   {s.n, t.t68, t.t68 * s.sdev, t.t95, t.t95 * s.sdev, t.t99, t.t99 * s.sdev, t.t68, s.mean,
                    t.t68 * s.sdevMean, t.t95, s.mean, t.t95 * s.sdevMean, t.t99, s.mean, t.t99 * s.sdevMean});
}

} // namespace

QString tooFewForStatisticsMessage()
{
    return QStringLiteral("Need at least two Xi for Statistics!");
}

std::optional<QString> statisticsReport(StatList& list, StatisticsVariant variant)
{
    if (list.count() < 2)
        return std::nullopt;
    list.sortList(SortMode::ByX);
    const Summary summary = summarise(list.entries());
    return variant == StatisticsVariant::OneVar1 ? oneVar1(summary) : oneVar2(summary);
}

} // namespace kalvo
