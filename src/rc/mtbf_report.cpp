#include "rc_reports.h"

#include <cmath>

namespace kalvo::rc {
namespace {

constexpr double hoursPerFitUnit = 1e9;
constexpr double boltzmannEvPerKelvin = 8.617e-5;
constexpr double celsiusToKelvin = 273.16;

} // namespace

// Converts between MTBF and FIT (whichever is given) and moves the MTBF from T1 to T2,
// by the Arrhenius model when Ea is given, else by halving it every 10 degrees.
Report mtbfReport(const CalculationInput& input)
{
    ReportBuilder report(input.format, input.detail);
    const bool mtbfGiven = !input.text(1).isEmpty();
    const bool fitGiven = !input.text(2).isEmpty();
    if (mtbfGiven && fitGiven) {
        report.failure(QStringLiteral("Either the MTBF or the FIT value may be given, but not both at the same time!"));
        return report.take();
    }

    double mtbf = 0.0;
    double fit = 0.0;
    if (!mtbfGiven) {
        fit = input.value(2);
        mtbf = hoursPerFitUnit / fit;
    }
    if (!fitGiven) {
        mtbf = input.value(1);
        fit = hoursPerFitUnit / mtbf;
    }
    const double t = input.value(3);
    const double t1 = input.value(4);
    const double t2 = input.value(5);
    const bool arrhenius = !input.text(6).isEmpty();

    const double lambda = fit / hoursPerFitUnit;
    const double probability = 100.0 - 100.0 * std::exp(-t / mtbf);
    double acceleration = 0.0;
    if (arrhenius) {
        const double ea = input.value(6);
        acceleration
            = std::exp((1.0 / (t1 + celsiusToKelvin) - 1.0 / (t2 + celsiusToKelvin)) * (ea / boltzmannEvPerKelvin));
    } else {
        acceleration = 1.0 / std::pow(2.0, (t1 - t2) / 10.0);
    }
    const double mtbf2 = mtbf / acceleration;
    const double probability2 = 100.0 - 100.0 * std::exp(-t / mtbf2);

    report << "MTBF\t\t= ";
    report.number("MTBF", mtbf, units::hour) << "\t[h]\nFIT\t\t= ";
    report.number("FIT", fit, units::failuresInTime) << "\t[1/1e9h]\nLambda\t= ";
    report.number("Lambda", lambda, units::perHour) << "\t[1/h]\n\nprob(t)  \t= ";
    report.number("prob(t)", probability, units::percent) << "\t[%] Prob. of failure at time t and temp. T1\nAF\t\t= ";
    report.number("AF", acceleration, units::ratio) << "\t[] Acceleration factor\nMTBF(T2)\t= ";
    report.number("MTBF(T2)", mtbf2, units::hour) << "\t[h] MTBF at temperature T2\nprob2(t)\t= ";
    report.number("prob2(t)", probability2, units::percent) << "\t[%] Prob. of failure at time t and temp. T2\n\n";
    report.warning(QStringLiteral("For probability of Failure an exponential failure distribution is assumed."));
    report << "\n\n";
    if (arrhenius) {
        report.warning(QStringLiteral("Arrhenius acceleration model:"));
        report << "\nMTBF(T2)\t= MTBF(T1) / AF\nAF\t\t= exp( Ea/8.617e-5 * [ 1/(T1+273.16) -1/(T2+273.16) ] );\n";
    } else {
        report.warning(QStringLiteral("Double MTBF every 10 Degree Celsius is assumed"));
        report << "\nMTBF(T2)\t= MTBF(T1)*2^((T1-T2)/10)\n\n";
    }
    report << "prob(t)  \t= 100% -100*e^( -t / MTBF ) ";
    return report.take();
}

} // namespace kalvo::rc
