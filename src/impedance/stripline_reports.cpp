#include "impedance_reports.h"
#include "line_report.h"
#include "stripline.h"

#include <cmath>
#include <utility>

// Cohn's stripline depends on the ratios of its lengths alone; the reports give them in
// inches, as the formulas are stated: in metres the last printed digit moves, and the
// accuracy verdict finds t/w of 110 um over 1 mm below 0.11.
namespace kalvo::impedance {
using namespace physics;
namespace {

constexpr double offsetCorrection = 0.0325 * pi;

double parallel(double z1, double z2)
{
    return 2.0 * z1 * z2 / (z1 + z2);
}

QString accuracySentence(double b, double w, double t)
{
    if (t / b < 0.25 && t / w < 0.11)
        return QStringLiteral("Accuracy is better than 1.3 percent.");
    if (t / b < 0.25 && t / w < 0.25)
        return QStringLiteral("Accuracy is better than 2 percent.");
    return QStringLiteral("**** Warning ****\nAccuracy is questionable, probably worse than 2 percent!");
}

// Two centred striplines, one for each gap, in parallel.
double seymourImpedance(double h1, double h2, double w, double t, double er)
{
    return parallel(Zstrip(2.0 * h1 + t, w, t, er), Zstrip(2.0 * h2 + t, w, t, er));
}

// The centred air line of the whole separation, less a correction that grows with the
// offset of the trace and with its size.
double hoganImpedance(double h1, double h2, double w, double t, double er)
{
    const double separation = h1 + h2 + t;
    if (h2 < h1)
        std::swap(h1, h2);
    const double zp = parallel(Zstrip(h1, w, t, 1.0), Zstrip(h2, w, t, 1.0));
    const double deltaZ = offsetCorrection * (zp * zp) * std::pow(0.5 - (h1 + 0.5 * t) / separation, 2.2)
        * std::pow((t + w) / separation, 2.9);
    return (Zstrip(separation, w, t, 1.0) - deltaZ) / std::sqrt(er);
}

} // namespace

Report striplineReport(const CalculationInput& input)
{
    const double b = input.value(1) / mmPerInch;
    const double w = input.value(2) / mmPerInch;
    const double t = input.value(3) / umPerInch;
    const double er = input.value(4);
    const double z = Zstrip(b, w, t, er);
    ReportBuilder report(input.format, input.detail);
    lineBlock(report, z, lineConstants(z, er));
    report << "\n\n";
    report.warning(accuracySentence(b, w, t));
    return report.take();
}

Report offsetStriplineReport(const CalculationInput& input)
{
    const double h1 = input.value(1) / mmPerInch;
    const double h2 = input.value(2) / mmPerInch;
    const double w = input.value(3) / mmPerInch;
    const double t = input.value(4) / umPerInch;
    const double er = input.value(5);
    const double zs = seymourImpedance(h1, h2, w, t, er);
    const double zh = hoganImpedance(h1, h2, w, t, er);
    ReportBuilder report(input.format, input.detail);
    report << "\n";
    static const LineKeys seymourKeys = lineKeys("Seymour");
    static const LineKeys hoganKeys = lineKeys("Hogan");
    formulaTitle(report, QStringLiteral("Seymour Formula"));
    lineBlock(report, zs, lineConstants(zs, er), seymourKeys);
    report << "\n\n";
    formulaTitle(report, QStringLiteral("Hogan Formula"));
    lineBlock(report, zh, lineConstants(zh, er), hoganKeys);
    report << "\n\n";
    report.warning(QStringLiteral("No accuracy is guaranteed for both formulas."));
    return report.take();
}

} // namespace kalvo::impedance
