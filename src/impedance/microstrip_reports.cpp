#include "impedance_reports.h"
#include "line_report.h"
#include "microstrip.h"
#include "microstrip_accuracy.h"

#include <cmath>

// The line of Bahl and Garg depends on the ratios of its lengths alone; the reports give
// them in inches, as the formulas are stated: in metres the last printed digit moves.
namespace kalvo::impedance {
using namespace physics;
namespace {

// A thin coating of the board's material pulls eeff towards er, the more so the
// thinner the board (height in mm).
double coatedImpedance(double z0, double heightMm, double er, double eeff)
{
    const double q = std::exp(-0.05 / heightMm);
    return z0 / std::sqrt((1.0 - q) * er / eeff + q);
}

// Covered microstrip: the dielectric above the trace raises eeff towards er.
void coveredMicrostripBlock(ReportBuilder& report, double b, double b1, double w, double t, double er)
{
    const Microstrip line = microstrip(b, w, t, er);
    const double y = std::exp(-2.0 * (b1 - b) / b);
    const double eemb = (1.0 - y) * er + y * line.effectivePermittivity;
    const double zemb = std::sqrt(line.effectivePermittivity) * line.impedance / std::sqrt(eemb);
    report << "\n";
    static const LineKeys keys = lineKeys("Hogan");
    formulaTitle(report, QStringLiteral("Hogan Formula"));
    lineBlock(report, zemb, lineConstants(zemb, eemb), keys);
    report << "\n";
    report.warning(line.withinValidity ? QStringLiteral("No accuracy is granted.")
                                       : QStringLiteral("**** Warning ****  Accuracy is questionable!"));
}

// IPC-D-317A, modified; all lengths in metres.
void ipcEmbeddedBlock(ReportBuilder& report, double b, double b1, double w, double t, double er)
{
    const double er2 = er * (1.0 - std::exp(-1.55 * b1 / b));
    const double logTerm = std::log(5.98 * b / (0.8 * w + t));
    const double z2 = 60.0 / std::sqrt(er2) * logTerm;
    const double c2 = er2 * 5.5512e-11 / logTerm; // F/m
    const double l2 = c2 * (z2 * z2); // H/m
    const double pd2 = std::sqrt(er2) * 3.3366e-09; // s/m
    const LineConstants constants{.inductance = l2 * 1e9, .capacitance = c2 * 1e12, .delay = pd2 * 1e9};
    report << "\n\n";
    static const LineKeys keys = lineKeys("IPC");
    formulaTitle(report, QStringLiteral("IPC-D-317A (Modified) Formula"));
    lineBlock(report, z2, constants, keys);
    // Written as the range that holds, so that NaN inputs get the warning too.
    const bool inRange = b1 >= 1.2 * b && er >= 1.0 && er <= 15.0;
    if (!inRange) {
        report << "\n";
        report.warning(QStringLiteral(
            "**** Warning ****  Accuracy is questionable, b1 should be >1.2*b and er should be between 1...15!"));
    }
}

} // namespace

Report microstripReport(const CalculationInput& input)
{
    const double h = input.value(1) / mmPerInch;
    const double w = input.value(2) / mmPerInch;
    const double t = input.value(3) / umPerInch;
    const double er = input.value(4);
    const Microstrip line = microstrip(h, w, t, er);
    const double zc = coatedImpedance(line.impedance, h * mmPerInch, er, line.effectivePermittivity);
    ReportBuilder report(input.format, input.detail);
    lineBlock(report, line.impedance, lineConstants(line.impedance, line.effectivePermittivity));
    report << "\n\n";
    // The 2 percent claim holds only where the field solver confirmed it, a part of the
    // formula's validity range (thin strips of thick copper on high er fall outside).
    report.warning(line.withinValidity && microstripWithinTwoPercent(h, w, t, er)
                       ? QStringLiteral("Accuracy is better than 2 percent.")
                       : QStringLiteral("**** Warning ****\nAccuracy is questionable, probably worse than 2 percent!"));
    report << "\n\nZc\t= ";
    report.number(QStringLiteral("Zc"), zc, units::ohm) << "\tOhm\tEstimation of a 25um surface coating with same er";
    return report.take();
}

Report embeddedMicrostripReport(const CalculationInput& input)
{
    // Each field is read once (reading a text costs more than either block) and given
    // to Hogan's block in inches, to the IPC block in metres.
    const double b = input.value(1);
    const double b1 = input.value(2);
    const double w = input.value(3);
    const double t = input.value(4);
    const double er = input.value(5);
    const double mm = units::millimetre.scale;
    ReportBuilder report(input.format, input.detail);
    coveredMicrostripBlock(report, b / mmPerInch, b1 / mmPerInch, w / mmPerInch, t / umPerInch, er);
    ipcEmbeddedBlock(report, b * mm, b1 * mm, w * mm, t * units::micrometre.scale, er);
    return report.take();
}

} // namespace kalvo::impedance
