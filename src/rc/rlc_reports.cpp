#include "constants.h"
#include "rc_reports.h"

#include <cmath>

namespace kalvo::rc {

using physics::pi;
using physics::twoPi;

Report rcReport(const CalculationInput& input)
{
    const double r = input.si(1);
    const double c = input.si(2);
    const double t = r * c;
    const double settle = 6.9 * t;
    const double f3db = 1.0 / (r * twoPi * c);
    const double rise = 1.0 / (3.0 * f3db);
    const double f20db = 10.0 * f3db;
    const double highPass = f3db / 10.0;
    ReportBuilder report(input.format, input.detail);
    report << "R\t= ";
    report.number("R", r, units::ohm) << "\tOhm \nC\t= ";
    report.number("C", c, units::farad) << "\tF\nT\t= ";
    report.number("T", t, units::second) << "\ts\n6.9T\t= ";
    report.number("6.9T", settle, units::second) << "\ts (0.1%)\nTa\t= ";
    report.number("Ta", rise, units::second) << "\ts (approx.)\nF3db\t= ";
    report.number("F3db", f3db, units::hertz) << "\tHz\nF20db\t= ";
    report.number("F20db", f20db, units::hertz) << "\tHz ( or ";
    report.number("Fhighpass", highPass, units::hertz)
        << " Hz for RC-Highpass )\n\nT\t= R*C\nF3db\t= 1/(2*PI*R*C)\nTa\t= 1/(3*Fg) (10%-90% approx.) ";
    return report.take();
}

// Below critical damping (|D| < 1) the step response oscillates; at and above it the
// circuit has two real time constants.
Report serialRlcReport(const CalculationInput& input)
{
    const double r = input.si(1);
    const double c = input.si(2);
    const double l = input.si(3);
    const double damping = (r / 2.0) * std::sqrt(c / l);
    const double f0 = 1.0 / (twoPi * std::sqrt(l * c));
    const double bandwidth = r / (twoPi * l);
    const double q = std::sqrt(l / c) / r;
    const bool oscillates = std::fabs(damping) < 1.0;

    ReportBuilder report(input.format, input.detail);
    report << "R\t\t= ";
    report.number("R", r, units::ohm) << " \nC\t\t= ";
    report.number("C", c, units::farad) << "\nL\t\t= ";
    report.number("L", l, units::henry) << (oscillates ? " \nFnatural\t= " : "\nFnatural\t= ");
    report.number("Fnatural", f0, units::hertz) << "\tHz (Impedance res.)\nD\t\t= ";
    report.number("D", damping, units::ratio);
    if (oscillates) {
        const double overshoot = 100.0 * std::exp(-pi * damping / std::sqrt(1.0 - damping * damping));
        const double fd = f0 * std::sqrt(1.0 - damping * damping);
        const double t = 1.0 / (twoPi * f0);
        report << "\nFresonance\t= ";
        report.number("Fresonance", fd, units::hertz) << "\tHz (Self res.)\nBandwidth\t= ";
        report.number("Bandwidth", bandwidth, units::hertz) << "\tHz\nQ\t\t= ";
        report.number("Q", q, units::ratio) << "\nOvershot\t= ";
        report.number("Overshot", overshoot, units::percent, QString::number(overshoot, 'G', 4)) << "\t%\nT\t\t= ";
        report.number("T", t, units::second) << "\ts\n\n";
        report.warning(QStringLiteral("Circuit shows oszillation"));
        return report.take();
    }
    const double root = std::sqrt(r * r * c - 4.0 * l);
    const double t1 = -2.0 * l * std::sqrt(c) / (root - r * std::sqrt(c));
    const double t2 = 2.0 * l * std::sqrt(c) / (r * std::sqrt(c) + root);
    report << "\nBandwidth\t= ";
    report.number("Bandwidth", bandwidth, units::hertz) << "\tHz\nQ\t\t= ";
    report.number("Q", q, units::ratio) << "\nT1\t\t= ";
    report.number("T1", t1, units::second) << "\ts (bigger is dominant)\nT2\t\t= ";
    report.number("T2", t2, units::second) << "\ts\n\n";
    report.warning(QStringLiteral("No Oscillation"));
    return report.take();
}

} // namespace kalvo::rc
