#include "ee_reports.h"
#include "platinum_rtd.h"

namespace kalvo::ee {
namespace {

// The range EN 60751 specifies the equations for.
constexpr double lowestSpecifiedTemperature = -200.0;
constexpr double highestSpecifiedTemperature = 850.0;

QString temperatureLine(double t, const NumberFormat& format)
{
    return QStringLiteral("\nT\t= ") + formatNumber(t, format) + QStringLiteral("\t[°C]\tRTD temperature");
}

} // namespace

// Converts whichever of R and T was entered into the other.
QString platinumRtdReport(const CalculationInput& input)
{
    bool haveResistance = false;
    bool haveTemperature = false;
    const double r = input.text(1).toDouble(&haveResistance);
    const double t = input.text(2).toDouble(&haveTemperature);
    const double ro = input.value(3);
    const int alpha = input.text(4).toInt(); // 0 unless a whole decimal number

    if (haveResistance == haveTemperature)
        return QStringLiteral("\nPlease enter a correct value for ether R or T but not both at the same time!");
    const RtdCoefficients* k = rtdCoefficients(alpha);
    if (k == nullptr)
        return QStringLiteral("\nPlease enter a valid Alpha value: 3750, 3770 or 3850 ppm/K");

    QString report = QString::fromUtf8(k->text);
    double temperature = t;
    if (haveTemperature) {
        report += QStringLiteral("\nRt\t= ") + formatNumber(ro * resistanceRatio(*k, t), input.format)
            + QStringLiteral("\t[Ohm]\tRTD resistance at temperature T");
    } else if (r >= ro) {
        temperature = quadraticTemperature(*k, ro, r);
        report += temperatureLine(temperature, input.format);
    } else if (k->c == 0.0) {
        // Without a c term the quadratic is exact below 0 degrees as well.
        temperature = quadraticTemperature(*k, ro, r);
        report += QLatin1Char('\n') + temperatureLine(temperature, input.format);
    } else {
        const std::optional<BisectionResult> solution = subZeroTemperature(*k, ro, r);
        if (!solution)
            return report
                + QStringLiteral("\n\n *** Error: Temperature is outside the specified Range! (lower than -200°C) ***");
        if (!solution->converged)
            report += QStringLiteral("\nNo convergence!\n");
        temperature = solution->temperature;
        report += temperatureLine(temperature, input.format) + QStringLiteral("\n\ndiff\t=")
            + formatNumber(solution->residual, input.format) + QStringLiteral("\t[Ohm]\tCalculation difference to Ro");
    }

    // Written so that a temperature that is not a number is warned about as well.
    if (!(temperature >= lowestSpecifiedTemperature && temperature <= highestSpecifiedTemperature))
        report += QStringLiteral("\n\n *** Warning: Temperature is outside the specified range (-200°C...850°C)\n\n"
                                 " *** No accuracy is granted!");
    return report;
}

} // namespace kalvo::ee
