#include "rc_reports.h"

#include <cmath>

namespace kalvo::rc {
namespace {

constexpr double hoursPerFitUnit = 1e9;
constexpr double boltzmannEvPerKelvin = 8.617e-5;
constexpr double celsiusToKelvin = 273.16;

} // namespace

QString mtbfReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const bool mtbfGiven = !input.text(1).isEmpty();
    const bool fitGiven = !input.text(2).isEmpty();
    if (mtbfGiven && fitGiven)
        return QStringLiteral("Either the MTBF or the FIT value may be given, but not both at the same time!");

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

    QString report = QStringLiteral("MTBF\t\t= ") + num(mtbf) + QStringLiteral("\t[h]\nFIT\t\t= ") + num(fit)
        + QStringLiteral("\t[1/1e9h]\nLambda\t= ") + num(lambda) + QStringLiteral("\t[1/h]\n\nprob(t)  \t= ")
        + num(probability) + QStringLiteral("\t[%] Prob. of failure at time t and temp. T1\nAF\t\t= ")
        + num(acceleration) + QStringLiteral("\t[] Acceleration factor\nMTBF(T2)\t= ") + num(mtbf2)
        + QStringLiteral("\t[h] MTBF at temperature T2\nprob2(t)\t= ") + num(probability2)
        + QStringLiteral("\t[%] Prob. of failure at time t and temp. T2\n\n"
                         "For probability of Failure an exponential failure distribution is assumed.\n\n");
    if (arrhenius) {
        report += QStringLiteral("Arrhenius acceleration model:\nMTBF(T2)\t= MTBF(T1) / AF\n"
                                 "AF\t\t= exp( Ea/8.617e-5 * [ 1/(T1+273.16) -1/(T2+273.16) ] );\n");
    } else {
        report += QStringLiteral("Double MTBF every 10 Degree Celsius is assumed\n"
                                 "MTBF(T2)\t= MTBF(T1)*2^((T1-T2)/10)\n\n");
    }
    return report + QStringLiteral("prob(t)  \t= 100% -100*e^( -t / MTBF ) ");
}

} // namespace kalvo::rc
