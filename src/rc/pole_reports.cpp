#include "rc_reports.h"

#include <cmath>

namespace kalvo::rc {
namespace {

constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;

// A pole at re is stable when it does not lie in the right half plane (NaN is not).
bool stable(double re)
{
    return re <= 0.0;
}

QString twoRealPoles(const CalculationInput& input, double re, double im, double re2)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double t1 = -1.0 / re;
    const double t2 = -1.0 / re2;
    const double damping = (t1 + t2) / (2.0 * std::sqrt(t1 * t2));
    const double fn = 1.0 / (twoPi * std::sqrt(t1 * t2));
    const QString head = QStringLiteral("RE\t\t= ") + num(re) + QStringLiteral("\nRE2\t\t= ") + num(re2)
        + QStringLiteral("\nIM\t\t= ") + num(im) + QStringLiteral("\nFnatural\t= ") + num(fn);
    const QString times = QStringLiteral("\nD\t\t= ") + num(damping) + QStringLiteral("\nT1\t\t= ") + num(t1)
        + QStringLiteral("\ts\nT2\t\t= ") + num(t2);
    if (stable(re) && stable(re2)) {
        return head + QStringLiteral("\tHz (-40dB/Dec. after Fn)") + times
            + QStringLiteral("\ts\n\nNo Oscillation / Stable\n"
                             "f(t)= 1 -( T1/(T1-T2) )*e^(-t/T1) + ( T2/(T1-T2) )*e^(-t/T2)\n\n"
                             "f(s) = 1 / ( (1 + T1*s) * (1 + T2*s) ) = 1 / ( 1 + (T1+T2)*s + T1*T2*(s^2) )");
    }
    return head + QStringLiteral("\tHz") + times
        + QStringLiteral("\ts\n\nInstable\nf(t)= 1 -( T1/(T1-T2) )*e^(t/T1) + ( T2/(T1-T2) )*e^(t/T2)");
}

QString complexPolePair(const CalculationInput& input, double re, double im)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double w0 = std::sqrt(re * re + im * im);
    const double damping = -re / w0;
    const double fn = w0 / twoPi;
    const double fosc = fn * std::sqrt(1.0 - damping * damping);
    const double t = 1.0 / w0;
    const double overshoot = 100.0 * std::exp(-pi * damping / std::sqrt(1.0 - damping * damping));
    const double decay = t / damping;
    const QString head = QStringLiteral("RE\t\t= ") + num(re) + QStringLiteral("\nIM\t\t= ") + num(im)
        + QStringLiteral("\nFnatural\t= ") + num(fn);
    const QString body = QStringLiteral("\nFoszillate\t= ") + num(fosc) + QStringLiteral("\tHz (Self res.)\nD\t\t= ")
        + num(damping) + QStringLiteral("\nT\t\t= ") + num(t);
    if (stable(re)) {
        return head + QStringLiteral("\tHz (-40dB/Dec. after Fn)") + body + QStringLiteral("\ts\nOvershot\t= ")
            + num(overshoot) + QStringLiteral("\t%\nTa\t\t= ") + num(decay)
            + QStringLiteral("\ts (decrement const.)\n\nStable\n"
                             "f(t) = e^(-t/Ta) * SIN( 2*PI * Foszillate * t + Phase)\n\n"
                             "f(s) = 1 / ( 1 + 2*D*T*s + ( T*s )^2 )");
    }
    return head + QStringLiteral("\tHz") + body
        + QStringLiteral("\ts\n\nInstable\nf(t) = e^(t/T) * SIN( 2*PI * Foszillate * t + Phase)");
}

} // namespace

QString singlePoleReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double re = input.value(1);
    const double t = -1.0 / re;
    const double fn = 1.0 / (t * 2.0 * pi);
    const QString head = QStringLiteral("RE\t\t= ") + num(re) + QStringLiteral("\nIM\t\t= 0\nFnatural\t= ") + num(fn)
        + QStringLiteral("\tHz (-20dB/Dec. after Fn)\nT\t\t= ") + num(t);
    if (stable(re))
        return head + QStringLiteral("\ts\n\nNo Oscillation / Stable\nF(t) = e^(-t/T)\n\nf(s) = 1 / (1 + T*s)");
    return head + QStringLiteral("\ts\n\nIntable\nF(t) = e^(t/T)");
}

QString doublePoleReport(const CalculationInput& input)
{
    const double re = input.value(1);
    const double im = input.value(2);
    const double re2 = input.value(3);
    if (im == 0.0)
        return twoRealPoles(input, re, im, re2);
    return complexPolePair(input, re, im);
}

} // namespace kalvo::rc
