#include "constants.h"
#include "ee_reports.h"

#include <cmath>

namespace kalvo::ee {
namespace {

// Above this Q a probe's ground loop rings noticeably.
constexpr double ringingQ = 0.7;
// The probe's passband is taken as 10 % wider than its rated limit.
constexpr double passbandMargin = 1.1;

constexpr const char* resonanceLimitedLine = "\t[ns]\tMaximum save risetime, Resonance Circuit limited\nTrs\t= ";
constexpr const char* passbandLimitedLine = "\t[ns]\tMaximum save risetime, Probe Passband limited\nTrs\t= ";

} // namespace

Report scopeProbeReport(const CalculationInput& input)
{
    const double lp = input.si(1);
    const double cp = input.si(2);
    const double rs = input.si(3);
    const double pp = input.si(4);

    const double fr = 1.0 / (physics::twoPi * std::sqrt(lp * cp));
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

    ReportBuilder report(input.format, input.detail);
    report << "\nFr\t= ";
    report.number("Fr", fr * 1e-06, units::megahertz) << "\t[Mhz]\tProbe Resonant Frequency\nQ\t= ";
    report.number("Q", q, units::none) << "\t[]\tCircuit Q (Noticeable overshot if Q>0.7)\nTrm\t= ";
    report.number("Trm", trm * 1e9, units::nanosecond)
        << (resonanceInPassband ? resonanceLimitedLine : passbandLimitedLine);
    report.number("Trs", trs * 1e9, units::nanosecond) << "\t[ns]\tRs && Cp Risetime limit\n\n";
    report.warning(QString::fromUtf8(closing));
    return report.take();
}

Report boardCrosstalkReport(const CalculationInput& input)
{
    const double tr = input.si(1);
    const double ur = input.si(2);
    const double cl = input.si(3);
    const double zo = input.si(4);
    const double lm = input.si(5);

    const double shortLineSlope = ur * 1.52 * cl / (tr * tr); // capacitively loaded
    const double longLineSlope = ur / (tr * zo); // resistively loaded
    const double shortLineCrosstalk = shortLineSlope * lm;
    const double longLineCrosstalk = longLineSlope * lm;

    ReportBuilder report(input.format, input.detail);
    report << "\nSdi\t= ";
    report.number("Sdi", shortLineSlope * 1e-06, units::amperePerMicrosecond)
        << "\t[A/us]\tShort Line di/dt (Capacitive)\nLdi\t= ";
    report.number("Ldi", longLineSlope * 1e-06, units::amperePerMicrosecond)
        << "\t[A/us]\tLong Line di/dt (Resistive)\n\nVcs\t= ";
    report.number("Vcs", shortLineCrosstalk * 1000, units::millivolt)
        << "\t[mV]\tShort Line Crosstalk, inductive\nVcl\t= ";
    report.number("Vcl", longLineCrosstalk * 1000, units::millivolt) << "\t[mV]\tLong Line Crosstalk, inductive\n\n";
    report.warning(QStringLiteral("Be careful with these results as crosstalk is not easy to\n"
                                  "estimate and dependent on various parameters!"));
    return report.take();
}

// The empirical coefficient is made for millimetres and picoseconds per inch, so the
// fields are read as typed.
Report cableCrosstalkReport(const CalculationInput& input)
{
    const double d1 = input.value(1);
    const double d2 = input.value(2);
    const double x = input.value(3);
    const double zo = input.value(4);
    const double pd = input.value(5);

    const double delayPerInch = pd * 1000 * 0.0254; // ps/in
    const double kr = (d1 * 2538 * d2) / (zo * delayPerInch * x * x);

    ReportBuilder report(input.format, input.detail);
    report << "\n Kr\t= ";
    report.number("Kr", kr * 100, units::percent) << "\t[%]\tReverse coupling coefficient, inductive\n\n ";
    report.warning(QStringLiteral("Forward coupling is hard to predict, but smaller than reverse coupling."));
    return report.take();
}

Report ribbonCrosstalkReport(const CalculationInput& input)
{
    const double x = input.value(1); // only the ratio of the two distances counts
    const double xo = input.value(2);
    const double k = input.value(3);

    const double kr = k / (x * x / (xo * xo) + 1);

    ReportBuilder report(input.format, input.detail);
    report << "\nKr\t=";
    report.number("Kr", kr * 100, units::percent) << "\t[%]\tReverse coupling coefficient";
    return report.take();
}

} // namespace kalvo::ee
