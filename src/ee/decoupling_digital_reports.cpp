#include "constants.h"
#include "ee_reports.h"

#include <cmath>

namespace kalvo::ee {
namespace {

// A line shorter than a sixth of its rise-time length behaves as a lumped circuit.
constexpr double lumpedLineFactor = 6.0;

} // namespace

Report bulkDecouplingReport(const CalculationInput& input)
{
    const double cl = input.si(1);
    const double uo = input.si(2);
    const double tr = input.si(3);
    const double du = input.si(4);
    const double lp = input.si(5);

    const double di = cl * uo / tr;
    const double xmax = du / di;
    const double fpsw = xmax / (physics::twoPi * lp);
    const double cb = 1.0 / (physics::twoPi * fpsw * xmax);

    ReportBuilder report(input.format, input.detail);
    report << "\n di\t= ";
    report.number("di", di, units::ampere) << "\t[A]\tWorst expected peak current\n Xmax\t= ";
    report.number("Xmax", xmax, units::ohm)
        << "\t[Ohm]\tMaxiumum allowed power supply impedance\n\t\t\t\t(Up to digital knee frequency)\n Fpsw\t= ";
    report.number("Fpsw", fpsw * 1e-06, units::megahertz)
        << "\t[Mhz]\tPower supply alone has low enough impedance up to Fpsw\n Cb\t= ";
    report.number("Cb", cb * 1e6, units::microfarad) << "\t[uF]\tMinimum recommended Bulk Capacitor\n\n ";
    report.warning(QStringLiteral("Bulk capacitor ESR should not exceed Xmax."));
    report << "\n\n di\t= Cl*Uo / Tr\n Xmax\t= du / di\n Fpsw\t= Xmax / ( 2*PI*Lp )\n Cb\t= 1 / ( 2*PI*Fpsw*Xmax )";
    return report.take();
}

Report hfDecouplingReport(const CalculationInput& input)
{
    const double xmax = input.si(1);
    const double lb = input.si(2);
    const double ld = input.si(3);
    const double tr = input.si(4);

    const double fbm = xmax / (physics::twoPi * lb);
    const double lmax = xmax * tr / physics::pi;
    const double count = ld / lmax; // not rounded: the user sees how close it is to the next integer
    const double ca = 1.0 / (physics::twoPi * fbm * xmax);
    const double cd = ca / count;

    ReportBuilder report(input.format, input.detail);
    report << "\n Fbm\t= ";
    report.number("Fbm", fbm * 1e-06, units::megahertz) << "\t[MHz]\tBulk capacitor works up to Fbm\n Lmax\t= ";
    report.number("Lmax", lmax * 1e9, units::nanohenry)
        << "\t[nH]\tMaximum allowed series Inductance ( From Xmax and Tr )\n N\t= ";
    report.number("N", count, units::none) << "\t[]\tRequired number of HF capacitors\n Ca\t= ";
    report.number("Ca", ca * 1e9, units::nanofarad) << "\t[nF]\tRequired array capacitance\n Cd\t= ";
    report.number("Cd", cd * 1e9, units::nanofarad)
        << "\t[nF]\tMinimum required HF capacitor value\n\n Fbm\t= Xmax / ( 2*PI*Lb )\n"
           " Lmax\t= Xmax*Tr / PI = Xmax/( 2*PI*Fknee )\n N\t= Ld / Lmax\n Ca\t= 1 / ( 2*PI*Fbm*Xmax )\n Cd\t= Ca/N";
    return report.take();
}

// Reads the times by dividing by 1e9: multiplying by the unit's factor 1e-9 instead
// would change the last digit of many results.
Report digitalSpectrumReport(const CalculationInput& input)
{
    const double period = input.value(1) / 1e9;
    const double riseTime = input.value(2) / 1e9;
    ReportBuilder report(input.format, input.detail);
    if (riseTime > period)
        return report.failure(QStringLiteral("T must be greater than Ta")).take();

    const double baseFrequency = 0.5 / period;
    const double kneeFrequency = 0.5 / riseTime;
    const double nullSpacing = 1.0 / period;
    const double bandwidth = 2.0 * kneeFrequency;
    const double kneeAttenuation = -20.0 * std::log10(kneeFrequency / baseFrequency) - 6.8;

    report << "\nF1\t= ";
    report.number("F1", baseFrequency / 1e6, units::megahertz)
        << "\t[MHz]\tBase Frequency (-20dB/Decade after F1) \nF2\t= ";
    report.number("F2", kneeFrequency / 1e6, units::megahertz)
        << "\t[MHz]\tKnee Frequency (At least -40dB/Decade after F2)\nA2\t= ";
    report.number("A2", kneeAttenuation, units::decibel) << "\t[dB]\tAmplitude attenuation at F2\nN\t= k*";
    report.number("N", nullSpacing / 1e6, units::megahertz)
        << "\t[MHz]\tNulls do appear at multiples of clock rate (k=1,2,3...)\n\nfko\t>= ";
    report.number("fko", bandwidth / 1e6, units::megahertz)
        << "\t[MHz]\tRecommended bandwith for measurement equipment\n\n";
    report.warning(QStringLiteral("A system with a bandwith up to F2 will not significantly disort the signal."));
    report << "\n\nF1\t= 0.5/T\nF2\t= 0.5/Ta\nA2\t= -20*log10(F2/F1)-6.8\nN\t= k * 1/T\nfko\t= 2*F2 ";
    return report.take();
}

// Reads the fields by dividing by their factors, for the reason given above.
Report digitalLineReport(const CalculationInput& input)
{
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

    ReportBuilder report(input.format, input.detail);
    report << "\nLl\t= ";
    report.number("Ll", inductance * 1e9, units::nanohenry) << "\t[nH]\tLine inductance \nCl\t= ";
    report.number("Cl", capacitance * 1e12, units::picofarad) << "\t[pF]\tLine capacitance\ntpn\t= ";
    report.number("tpn", delayPerMetre * 1e9, units::nanosecondPerMetre)
        << "\t[ns/m]\tLine propagation delay per meter\ntp\t= ";
    report.number("tp", delay * 1e9, units::nanosecond) << "\t[ns]\tLine propagation delay\n2*tp\t= ";
    report.number("2*tp", delay * 2e9, units::nanosecond) << "\t[ns]\tReflection delay\nlr\t= ";
    report.number("lr", riseTimeLength * 1000, units::millimetre) << "\t[mm]\tRise time length\nx\t= ";
    report.number("x", factor, units::none) << "\t[]\tRisetime/Line length factor (Lumped system if x>6)\n\n";
    report.warning(factor <= lumpedLineFactor
                       ? QStringLiteral("Line should be modelled as distributed system\n"
                                        "(Transmission-Line, probably some sort of termination is required)")
                       : QStringLiteral("Line may be modelled as lumped system\n"
                                        "(RC-Line, probably no termination is required)"));
    return report.take();
}

} // namespace kalvo::ee
