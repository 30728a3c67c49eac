#include "constants.h"
#include "rc_reports.h"

#include <cmath>

namespace kalvo::rc {
namespace {

using physics::pi;
using physics::twoPi;

// A pole at re is stable when it does not lie in the right half plane (NaN is not).
bool stable(double re)
{
    return re <= 0.0;
}

Report twoRealPoles(const CalculationInput& input, double re, double im, double re2)
{
    const double t1 = -1.0 / re;
    const double t2 = -1.0 / re2;
    const double damping = (t1 + t2) / (2.0 * std::sqrt(t1 * t2));
    const double fn = 1.0 / (twoPi * std::sqrt(t1 * t2));
    const bool isStable = stable(re) && stable(re2);

    ReportBuilder report(input.format, input.detail);
    report << "RE\t\t= ";
    report.number("RE", re, units::perSecond) << "\nRE2\t\t= ";
    report.number("RE2", re2, units::perSecond) << "\nIM\t\t= ";
    report.number("IM", im, units::perSecond) << "\nFnatural\t= ";
    report.number("Fnatural", fn, units::hertz) << (isStable ? "\tHz (-40dB/Dec. after Fn)" : "\tHz") << "\nD\t\t= ";
    report.number("D", damping, units::ratio) << "\nT1\t\t= ";
    report.number("T1", t1, units::second) << "\ts\nT2\t\t= ";
    report.number("T2", t2, units::second) << "\ts\n\n";
    if (isStable) {
        report.warning(QStringLiteral("No Oscillation / Stable"));
        report << "\nf(t)= 1 -( T1/(T1-T2) )*e^(-t/T1) + ( T2/(T1-T2) )*e^(-t/T2)\n\n"
                  "f(s) = 1 / ( (1 + T1*s) * (1 + T2*s) ) = 1 / ( 1 + (T1+T2)*s + T1*T2*(s^2) )";
    } else {
        report.warning(QStringLiteral("Instable"));
        report << "\nf(t)= 1 -( T1/(T1-T2) )*e^(t/T1) + ( T2/(T1-T2) )*e^(t/T2)";
    }
    return report.take();
}

Report complexPolePair(const CalculationInput& input, double re, double im)
{
    const double w0 = std::sqrt(re * re + im * im);
    const double damping = -re / w0;
    const double fn = w0 / twoPi;
    const double fosc = fn * std::sqrt(1.0 - damping * damping);
    const double t = 1.0 / w0;
    const bool isStable = stable(re);

    ReportBuilder report(input.format, input.detail);
    report << "RE\t\t= ";
    report.number("RE", re, units::perSecond) << "\nIM\t\t= ";
    report.number("IM", im, units::perSecond) << "\nFnatural\t= ";
    report.number("Fnatural", fn, units::hertz)
        << (isStable ? "\tHz (-40dB/Dec. after Fn)" : "\tHz") << "\nFoszillate\t= ";
    report.number("Foszillate", fosc, units::hertz) << "\tHz (Self res.)\nD\t\t= ";
    report.number("D", damping, units::ratio) << "\nT\t\t= ";
    report.number("T", t, units::second) << "\ts\n";
    if (!isStable) {
        report << "\n";
        report.warning(QStringLiteral("Instable"));
        report << "\nf(t) = e^(t/T) * SIN( 2*PI * Foszillate * t + Phase)";
        return report.take();
    }
    const double overshoot = 100.0 * std::exp(-pi * damping / std::sqrt(1.0 - damping * damping));
    const double decay = t / damping;
    report << "Overshot\t= ";
    report.number("Overshot", overshoot, units::percent) << "\t%\nTa\t\t= ";
    report.number("Ta", decay, units::second) << "\ts (decrement const.)\n\n";
    report.warning(QStringLiteral("Stable"));
    report << "\nf(t) = e^(-t/Ta) * SIN( 2*PI * Foszillate * t + Phase)\n\nf(s) = 1 / ( 1 + 2*D*T*s + ( T*s )^2 )";
    return report.take();
}

} // namespace

Report singlePoleReport(const CalculationInput& input)
{
    const double re = input.si(1);
    const double t = -1.0 / re;
    const double fn = 1.0 / (t * 2.0 * pi);

    ReportBuilder report(input.format, input.detail);
    report << "RE\t\t= ";
    report.number("RE", re, units::perSecond) << "\nIM\t\t= ";
    report.number("IM", 0.0, units::perSecond, QStringLiteral("0")) << "\nFnatural\t= ";
    report.number("Fnatural", fn, units::hertz) << "\tHz (-20dB/Dec. after Fn)\nT\t\t= ";
    report.number("T", t, units::second) << "\ts\n\n";
    if (stable(re)) {
        report.warning(QStringLiteral("No Oscillation / Stable"));
        report << "\nF(t) = e^(-t/T)\n\nf(s) = 1 / (1 + T*s)";
    } else {
        report.warning(QStringLiteral("Intable"));
        report << "\nF(t) = e^(t/T)";
    }
    return report.take();
}

// With IM zero (or empty) the two poles are the real RE and RE2; otherwise they are the
// complex pair RE +/- j IM.
Report doublePoleReport(const CalculationInput& input)
{
    const double re = input.si(1);
    const double im = input.si(2);
    const double re2 = input.si(3);
    if (im == 0.0)
        return twoRealPoles(input, re, im, re2);
    return complexPolePair(input, re, im);
}

} // namespace kalvo::rc
