#include "ee_reports.h"

#include <cmath>
#include <numbers>

namespace kalvo::ee {
namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

// Above this Q a probe's ground loop rings noticeably.
constexpr double ringingQ = 0.7;
// The probe's passband is taken as 10 % wider than its rated limit.
constexpr double passbandMargin = 1.1;

constexpr const char* resonanceLimitedLine = "\t[ns]\tMaximum save risetime, Resonance Circuit limited\nTrs\t= ";
constexpr const char* passbandLimitedLine = "\t[ns]\tMaximum save risetime, Probe Passband limited\nTrs\t= ";

} // namespace

QString scopeProbeReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double lp = input.value(1) * 1e-09;
    const double cp = input.value(2) * 1e-12;
    const double rs = input.value(3);
    const double pp = input.value(4) * 1e6;

    const double fr = 1.0 / (twoPi * std::sqrt(lp * cp));
    const double q = std::sqrt(lp / cp) / rs;
    const double trs = 2.2 * rs * cp;
    const double resonanceRise = 3.4 * std::sqrt(lp * cp);
    const double passbandRise = 0.35 / pp;

    // A resonance at the passband's edge still shows in the measurement.
    const bool resonanceInPassband = fr <= passbandMargin * pp;
    const bool lowQ = q <= ringingQ;
    const char* closing = nullptr;
    if (lowQ)
        closing = resonanceInPassband
            ? "Circuit will probably not show noticeable ringing because of low circuit Q,\n"
              "but fastest measurable signal risetime is Trm."
            : "Circuit will not show ringing because Resonant Frequency is above\nProbe Passband and Circuit Q is low.";
    else
        closing = resonanceInPassband
            ? "Circuit will show noticeable ringing with signal risetimes smaller than Trm! "
            : "Circuit will probably not show ringing because\nResonant Frequency is above Probe Passband.";
    const double trm = resonanceInPassband ? resonanceRise : passbandRise;

    return QStringLiteral("\nFr\t= ") + num(fr * 1e-06) + QStringLiteral("\t[Mhz]\tProbe Resonant Frequency\nQ\t= ")
        + num(q) + QStringLiteral("\t[]\tCircuit Q (Noticeable overshot if Q>0.7)\nTrm\t= ") + num(trm * 1e9)
        + QLatin1String(resonanceInPassband ? resonanceLimitedLine : passbandLimitedLine) + num(trs * 1e9)
        + QStringLiteral("\t[ns]\tRs && Cp Risetime limit\n\n") + QLatin1String(closing);
}

QString boardCrosstalkReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double tr = input.value(1) * 1e-09;
    const double ur = input.value(2);
    const double cl = input.value(3) * 1e-12;
    const double zo = input.value(4);
    const double lm = input.value(5) * 1e-09;

    const double shortLineSlope = ur * 1.52 * cl / (tr * tr); // capacitively loaded
    const double longLineSlope = ur / (tr * zo); // resistively loaded
    const double shortLineCrosstalk = shortLineSlope * lm;
    const double longLineCrosstalk = longLineSlope * lm;

    return QStringLiteral("\nSdi\t= ") + num(shortLineSlope * 1e-06)
        + QStringLiteral("\t[A/us]\tShort Line di/dt (Capacitive)\nLdi\t= ") + num(longLineSlope * 1e-06)
        + QStringLiteral("\t[A/us]\tLong Line di/dt (Resistive)\n\nVcs\t= ") + num(shortLineCrosstalk * 1000)
        + QStringLiteral("\t[mV]\tShort Line Crosstalk, inductive\nVcl\t= ") + num(longLineCrosstalk * 1000)
        + QStringLiteral("\t[mV]\tLong Line Crosstalk, inductive\n\nBe careful with these results as crosstalk is "
                         "not easy to\nestimate and dependent on various parameters!");
}

QString cableCrosstalkReport(const CalculationInput& input)
{
    const double d1 = input.value(1);
    const double d2 = input.value(2);
    const double x = input.value(3);
    const double zo = input.value(4);
    const double pd = input.value(5);

    const double delayPerInch = pd * 1000 * 0.0254; // ps/in
    const double kr = (d1 * 2538 * d2) / (zo * delayPerInch * x * x);

    return QStringLiteral("\n Kr\t= ") + formatNumber(kr * 100, input.format)
        + QStringLiteral("\t[%]\tReverse coupling coefficient, inductive\n\n Forward coupling is hard to predict, "
                         "but smaller than reverse coupling.");
}

QString ribbonCrosstalkReport(const CalculationInput& input)
{
    const double x = input.value(1);
    const double xo = input.value(2);
    const double k = input.value(3);

    const double kr = k / (x * x / (xo * xo) + 1);

    return QStringLiteral("\nKr\t=") + formatNumber(kr * 100, input.format)
        + QStringLiteral("\t[%]\tReverse coupling coefficient");
}

} // namespace kalvo::ee
