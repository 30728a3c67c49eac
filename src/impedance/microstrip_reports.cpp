#include "impedance_reports.h"
#include "line_report.h"
#include "microstrip_core.h"

#include <cmath>

namespace kalvo::impedance {
namespace {

// A thin coating of the board's material pulls eeff towards er, the more so the
// thinner the board (height in mm).
double coatedImpedance(double z0, double heightMm, double er, double eeff)
{
    const double q = std::exp(-0.05 / heightMm);
    return z0 / std::sqrt((1.0 - q) * er / eeff + q);
}

// Covered microstrip: the dielectric above the trace raises eeff towards er.
QString coveredMicrostripBlock(double b, double b1, double w, double t, double er, const NumberFormat& format)
{
    const Microstrip line = microstrip(b, w, t, er);
    const double y = std::exp(-2.0 * (b1 - b) / b);
    const double eemb = (1.0 - y) * er + y * line.effectivePermittivity;
    const double zemb = std::sqrt(line.effectivePermittivity) * line.impedance / std::sqrt(eemb);
    return QStringLiteral("\nHogan Formula:") + lineBlock(zemb, impedanceLabel, lineConstants(zemb, eemb), format)
        + (line.withinValidity ? QStringLiteral("\nNo accuracy is granted.")
                               : QStringLiteral("\n**** Warning ****  Accuracy is questionable!"));
}

// IPC-D-317A, modified; all lengths in metres.
QString ipcEmbeddedBlock(double b, double b1, double w, double t, double er, const NumberFormat& format)
{
    const double er2 = er * (1.0 - std::exp(-1.55 * b1 / b));
    const double logTerm = std::log(5.98 * b / (0.8 * w + t));
    const double z2 = 60.0 / std::sqrt(er2) * logTerm;
    const double c2 = er2 * 5.5512e-11 / logTerm; // F/m
    const double l2 = c2 * (z2 * z2); // H/m
    const double pd2 = std::sqrt(er2) * 3.3366e-09; // s/m
    const LineConstants constants{.inductance = l2 * 1e9, .capacitance = c2 * 1e12, .delay = pd2 * 1e9};
    QString text
        = QStringLiteral("\n\nIPC-D-317A (Modified) Formula:") + lineBlock(z2, impedanceLabel, constants, format);
    // Written as the range that holds, so that NaN inputs get the warning too.
    const bool inRange = b1 >= 1.2 * b && er >= 1.0 && er <= 15.0;
    if (!inRange)
        text += QStringLiteral(
            "\n**** Warning ****  Accuracy is questionable, b1 should be >1.2*b and er should be between 1...15!");
    return text;
}

} // namespace

QString microstripReport(const CalculationInput& input)
{
    const double h = input.value(1) / mmPerInch;
    const double w = input.value(2) / mmPerInch;
    const double t = input.value(3) / umPerInch;
    const double er = input.value(4);
    const Microstrip line = microstrip(h, w, t, er);
    const double zc = coatedImpedance(line.impedance, h * mmPerInch, er, line.effectivePermittivity);
    return lineBlock(line.impedance, impedanceLabel, lineConstants(line.impedance, line.effectivePermittivity),
                     input.format)
        + (line.withinValidity
               ? QStringLiteral("\n\nAccuracy is better than 2 percent.")
               : QStringLiteral("\n\n**** Warning ****\nAccuracy is questionable, probably worse than 2 percent!"))
        + QStringLiteral("\n\nZc\t= ") + formatNumber(zc, input.format)
        + QStringLiteral("\tOhm\tEstimation of a 25um surface coating with same er");
}

QString embeddedMicrostripReport(const CalculationInput& input)
{
    const double b = input.value(1);
    const double b1 = input.value(2);
    const double w = input.value(3);
    const double t = input.value(4);
    const double er = input.value(5);
    return coveredMicrostripBlock(b / mmPerInch, b1 / mmPerInch, w / mmPerInch, t / umPerInch, er, input.format)
        + ipcEmbeddedBlock(b * 0.001, b1 * 0.001, w * 0.001, t * 1e-06, er, input.format);
}

} // namespace kalvo::impedance
