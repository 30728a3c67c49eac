#include "ee_reports.h"
#include "platinum_rtd.h"

#include <charconv>

namespace kalvo::ee {
using namespace physics;
namespace {

// The range EN 60751 specifies the equations for.
constexpr double lowestSpecifiedTemperature = -200.0;
constexpr double highestSpecifiedTemperature = 850.0;

// A coefficient the way data sheets write it: its shortest digits with at least one
// decimal, "E" and the bare exponent ("3.9083E-3", "-6.0E-12"); zero is "0.0".
QString coefficientText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0.0");
    char buffer[32];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    const QString text = QString::fromLatin1(buffer, end - buffer); // "-6e-12", "3.9083e-03"
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    QString mantissa = text.left(e);
    if (!mantissa.contains(QLatin1Char('.')))
        mantissa += QStringLiteral(".0");
    return mantissa + QLatin1Char('E') + QString::number(text.mid(e + 1).toInt());
}

void coefficientLines(ReportBuilder& report, const RtdCoefficients& k)
{
    report << "a\t= ";
    report.number("a", k.a, units::perKelvin, coefficientText(k.a)) << "\nb\t= ";
    report.number("b", k.b, units::perSquareKelvin, coefficientText(k.b)) << "\nc\t= ";
    report.number("c", k.c, units::perKelvinToTheFourth, coefficientText(k.c)) << "\n";
}

void temperatureLine(ReportBuilder& report, double t)
{
    report << "\nT\t= ";
    report.number("T", t, units::degreeCelsius) << "\t[°C]\tRTD temperature";
}

} // namespace

// Converts whichever of R and T was entered into the other.
Report platinumRtdReport(const CalculationInput& input)
{
    bool haveResistance = false;
    bool haveTemperature = false;
    const double r = input.value(1, haveResistance);
    const double t = input.value(2, haveTemperature);
    const double ro = input.value(3);
    const int alpha = input.text(4).toInt(); // 0 unless a whole decimal number

    ReportBuilder report(input.format, input.detail);
    if (haveResistance == haveTemperature)
        return report
            .failure(QStringLiteral("\nPlease enter a correct value for ether R or T but not both at the same time!"))
            .take();
    const RtdCoefficients* k = rtdCoefficients(alpha);
    if (k == nullptr)
        return report.failure(QStringLiteral("\nPlease enter a valid Alpha value: 3750, 3770 or 3850 ppm/K")).take();

    coefficientLines(report, *k);
    double temperature = t;
    if (haveTemperature) {
        report << "\nRt\t= ";
        report.number("Rt", ro * resistanceRatio(*k, t), units::ohm) << "\t[Ohm]\tRTD resistance at temperature T";
    } else if (r >= ro) {
        temperature = quadraticTemperature(*k, ro, r);
        temperatureLine(report, temperature);
    } else if (k->c == 0.0) {
        // Without a c term the quadratic is exact below 0 degrees as well.
        temperature = quadraticTemperature(*k, ro, r);
        report << "\n";
        temperatureLine(report, temperature);
    } else {
        const std::optional<BisectionResult> solution = subZeroTemperature(*k, ro, r);
        if (!solution)
            return report
                .failure(QStringLiteral(
                    "\n\n *** Error: Temperature is outside the specified Range! (lower than -200°C) ***"))
                .take();
        if (!solution->converged)
            report.warning(QStringLiteral("\nNo convergence!\n"));
        temperature = solution->temperature;
        temperatureLine(report, temperature);
        report << "\n\ndiff\t=";
        report.number("diff", solution->residual, units::ohm) << "\t[Ohm]\tCalculation difference to Ro";
    }

    // Written so that a temperature that is not a number is warned about as well.
    if (!(temperature >= lowestSpecifiedTemperature && temperature <= highestSpecifiedTemperature))
        report.warning(
            QStringLiteral("\n\n *** Warning: Temperature is outside the specified range (-200°C...850°C)\n\n"
                           " *** No accuracy is granted!"));
    return report.take();
}

} // namespace kalvo::ee
