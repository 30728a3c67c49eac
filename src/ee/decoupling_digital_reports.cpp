#include "ee_reports.h"

#include <cmath>
#include <numbers>

namespace kalvo::ee {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double twoPi = 2.0 * std::numbers::pi;

// A line shorter than a sixth of its rise-time length behaves as a lumped circuit.
constexpr double lumpedLineFactor = 6.0;

} // namespace

QString bulkDecouplingReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double cl = input.value(1) * 1e-12;
    const double uo = input.value(2);
    const double tr = input.value(3) * 1e-09;
    const double du = input.value(4) * 0.001;
    const double lp = input.value(5) * 1e-09;

    const double di = cl * uo / tr;
    const double xmax = du / di;
    const double fpsw = xmax / (twoPi * lp);
    const double cb = 1.0 / (twoPi * fpsw * xmax);

    return QStringLiteral("\n di\t= ") + num(di) + QStringLiteral("\t[A]\tWorst expected peak current\n Xmax\t= ")
        + num(xmax)
        + QStringLiteral("\t[Ohm]\tMaxiumum allowed power supply impedance\n\t\t\t\t(Up to digital knee frequency)\n"
                         " Fpsw\t= ")
        + num(fpsw * 1e-06) + QStringLiteral("\t[Mhz]\tPower supply alone has low enough impedance up to Fpsw\n Cb\t= ")
        + num(cb * 1e6)
        + QStringLiteral("\t[uF]\tMinimum recommended Bulk Capacitor\n\n Bulk capacitor ESR should not exceed Xmax.\n\n"
                         " di\t= Cl*Uo / Tr\n Xmax\t= du / di\n Fpsw\t= Xmax / ( 2*PI*Lp )\n"
                         " Cb\t= 1 / ( 2*PI*Fpsw*Xmax )");
}

QString hfDecouplingReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double xmax = input.value(1);
    const double lb = input.value(2) * 1e-09;
    const double ld = input.value(3) * 1e-09;
    const double tr = input.value(4) * 1e-09;

    const double fbm = xmax / (twoPi * lb);
    const double lmax = xmax * tr / pi;
    const double count = ld / lmax; // not rounded: the user sees how close it is to the next integer
    const double ca = 1.0 / (twoPi * fbm * xmax);
    const double cd = ca / count;

    return QStringLiteral("\n Fbm\t= ") + num(fbm * 1e-06)
        + QStringLiteral("\t[MHz]\tBulk capacitor works up to Fbm\n Lmax\t= ") + num(lmax * 1e9)
        + QStringLiteral("\t[nH]\tMaximum allowed series Inductance ( From Xmax and Tr )\n N\t= ") + num(count)
        + QStringLiteral("\t[]\tRequired number of HF capacitors\n Ca\t= ") + num(ca * 1e9)
        + QStringLiteral("\t[nF]\tRequired array capacitance\n Cd\t= ") + num(cd * 1e9)
        + QStringLiteral("\t[nF]\tMinimum required HF capacitor value\n\n Fbm\t= Xmax / ( 2*PI*Lb )\n"
                         " Lmax\t= Xmax*Tr / PI = Xmax/( 2*PI*Fknee )\n N\t= Ld / Lmax\n"
                         " Ca\t= 1 / ( 2*PI*Fbm*Xmax )\n Cd\t= Ca/N");
}

QString digitalSpectrumReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double period = input.value(1) / 1e9;
    const double riseTime = input.value(2) / 1e9;
    if (riseTime > period)
        return QStringLiteral("T must be greater than Ta");

    const double baseFrequency = 0.5 / period;
    const double kneeFrequency = 0.5 / riseTime;
    const double nullSpacing = 1.0 / period;
    const double bandwidth = 2.0 * kneeFrequency;
    const double kneeAttenuation = -20.0 * std::log10(kneeFrequency / baseFrequency) - 6.8;

    return QStringLiteral("\nF1\t= ") + num(baseFrequency / 1e6)
        + QStringLiteral("\t[MHz]\tBase Frequency (-20dB/Decade after F1) \nF2\t= ") + num(kneeFrequency / 1e6)
        + QStringLiteral("\t[MHz]\tKnee Frequency (At least -40dB/Decade after F2)\nA2\t= ") + num(kneeAttenuation)
        + QStringLiteral("\t[dB]\tAmplitude attenuation at F2\nN\t= k*") + num(nullSpacing / 1e6)
        + QStringLiteral("\t[MHz]\tNulls do appear at multiples of clock rate (k=1,2,3...)\n\nfko\t>= ")
        + num(bandwidth / 1e6)
        + QStringLiteral("\t[MHz]\tRecommended bandwith for measurement equipment\n\n"
                         "A system with a bandwith up to F2 will not significantly disort the signal.")
        + QStringLiteral("\n\nF1\t= 0.5/T\nF2\t= 0.5/Ta\nA2\t= -20*log10(F2/F1)-6.8\nN\t= k * 1/T\nfko\t= 2*F2 ");
}

QString digitalLineReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double inductancePerMetre = input.value(1) / 1e9;
    const double capacitancePerMetre = input.value(2) / 1e12;
    const double length = input.value(3) / 1000;
    const double riseTime = input.value(4) / 1e9;

    const double inductance = inductancePerMetre * length;
    const double capacitance = capacitancePerMetre * length;
    const double delayPerMetre = std::sqrt(inductancePerMetre * capacitancePerMetre);
    const double delay = delayPerMetre * length;
    const double riseTimeLength = riseTime / delayPerMetre;
    const double factor = riseTimeLength / length;

    return QStringLiteral("\nLl\t= ") + num(inductance * 1e9) + QStringLiteral("\t[nH]\tLine inductance \nCl\t= ")
        + num(capacitance * 1e12) + QStringLiteral("\t[pF]\tLine capacitance\ntpn\t= ") + num(delayPerMetre * 1e9)
        + QStringLiteral("\t[ns/m]\tLine propagation delay per meter\ntp\t= ") + num(delay * 1e9)
        + QStringLiteral("\t[ns]\tLine propagation delay\n2*tp\t= ") + num(delay * 2e9)
        + QStringLiteral("\t[ns]\tReflection delay\nlr\t= ") + num(riseTimeLength * 1000)
        + QStringLiteral("\t[mm]\tRise time length\nx\t= ") + num(factor)
        + QStringLiteral("\t[]\tRisetime/Line length factor (Lumped system if x>6)")
        + (factor <= lumpedLineFactor
               ? QStringLiteral("\n\nLine should be modelled as distributed system\n"
                                "(Transmission-Line, probably some sort of termination is required)")
               : QStringLiteral("\n\nLine may be modelled as lumped system\n"
                                "(RC-Line, probably no termination is required)"));
}

} // namespace kalvo::ee
