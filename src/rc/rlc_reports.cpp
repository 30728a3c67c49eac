#include "rc_reports.h"

#include <cmath>

namespace kalvo::rc {
namespace {
constexpr double twoPi = 6.283185307179586;
constexpr double pi = 3.141592653589793;
} // namespace

QString rcReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double r = input.value(1);
    const double c = input.value(2);
    const double t = r * c;
    const double settle = 6.9 * t;
    const double f3db = 1.0 / (r * twoPi * c);
    const double rise = 1.0 / (3.0 * f3db);
    const double f20db = 10.0 * f3db;
    const double highPass = f3db / 10.0;
    return QStringLiteral("R\t= ") + num(r) + QStringLiteral("\tOhm \nC\t= ") + num(c) + QStringLiteral("\tF\nT\t= ")
        + num(t) + QStringLiteral("\ts\n6.9T\t= ") + num(settle) + QStringLiteral("\ts (0.1%)\nTa\t= ") + num(rise)
        + QStringLiteral("\ts (approx.)\nF3db\t= ") + num(f3db) + QStringLiteral("\tHz\nF20db\t= ") + num(f20db)
        + QStringLiteral("\tHz ( or ") + num(highPass)
        + QStringLiteral(" Hz for RC-Highpass )\n\nT\t= R*C\nF3db\t= 1/(2*PI*R*C)\n"
                         "Ta\t= 1/(3*Fg) (10%-90% approx.) ");
}

QString serialRlcReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double r = input.value(1);
    const double c = input.value(2);
    const double l = input.value(3);
    const double damping = (r / 2.0) * std::sqrt(c / l);
    const double f0 = 1.0 / (twoPi * std::sqrt(l * c));
    const double bandwidth = r / (twoPi * l);
    const double q = std::sqrt(l / c) / r;

    if (std::fabs(damping) < 1.0) {
        const double overshoot = 100.0 * std::exp(-pi * damping / std::sqrt(1.0 - damping * damping));
        const double fd = f0 * std::sqrt(1.0 - damping * damping);
        const double t = 1.0 / (twoPi * f0);
        return QStringLiteral("R\t\t= ") + num(r) + QStringLiteral(" \nC\t\t= ") + num(c) + QStringLiteral("\nL\t\t= ")
            + num(l) + QStringLiteral(" \nFnatural\t= ") + num(f0) + QStringLiteral("\tHz (Impedance res.)\nD\t\t= ")
            + num(damping) + QStringLiteral("\nFresonance\t= ") + num(fd)
            + QStringLiteral("\tHz (Self res.)\nBandwidth\t= ") + num(bandwidth) + QStringLiteral("\tHz\nQ\t\t= ")
            + num(q) + QStringLiteral("\nOvershot\t= ") + QString::number(overshoot, 'G', 4)
            + QStringLiteral("\t%\nT\t\t= ") + num(t) + QStringLiteral("\ts\n\nCircuit shows oszillation");
    }
    const double root = std::sqrt(r * r * c - 4.0 * l);
    const double t1 = -2.0 * l * std::sqrt(c) / (root - r * std::sqrt(c));
    const double t2 = 2.0 * l * std::sqrt(c) / (r * std::sqrt(c) + root);
    return QStringLiteral("R\t\t= ") + num(r) + QStringLiteral(" \nC\t\t= ") + num(c) + QStringLiteral("\nL\t\t= ")
        + num(l) + QStringLiteral("\nFnatural\t= ") + num(f0) + QStringLiteral("\tHz (Impedance res.)\nD\t\t= ")
        + num(damping) + QStringLiteral("\nBandwidth\t= ") + num(bandwidth) + QStringLiteral("\tHz\nQ\t\t= ") + num(q)
        + QStringLiteral("\nT1\t\t= ") + num(t1) + QStringLiteral("\ts (bigger is dominant)\nT2\t\t= ") + num(t2)
        + QStringLiteral("\ts\n\nNo Oscillation");
}

} // namespace kalvo::rc
