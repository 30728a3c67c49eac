#include "constants.h"
#include "rc_reports.h"

#include <array>
#include <cmath>

namespace kalvo::rc {
namespace {

using physics::mmPerInch;
using physics::twoPi;
using physics::umPerInch;

// The arithmetic runs in inches, the unit of the resistivity; reading the fields in
// metres instead would change the last digits of the printed results.
constexpr double copperResistivity = 6.787e-07; // ohm-inch at 20 degrees Celsius
constexpr double copperTemperatureCoefficient = 0.0039; // per kelvin around 20 degrees Celsius
constexpr double milliohmPerOhm = 1000.0;

// Shares of the voltage drop (0.45, 0.25, 0.10) divided by milliohmPerOhm, since
// b / resistivity below carries the milliohm scale of the plane resistance.
constexpr std::array<double, 3> dropShares{0.00045, 0.00025, 0.0001};
constexpr std::array<const char*, 3> dropSharePercent{"45", "25", "10"};

// Prints the diameters around a contact within which 45 %, 25 % and 10 % of the drop lie.
void contactDiameters(ReportBuilder& report, const char* contact, double diameterInch, double b, double resistivity)
{
    for (size_t i = 0; i < dropShares.size(); ++i) {
        const double c = b * dropShares[i] / resistivity;
        const QString name = QLatin1String(contact) + QLatin1Char(' ') + QLatin1String(dropSharePercent[i])
            + QStringLiteral("% radius");
        report << "\n" << name << " = ";
        report.number(QString(name).replace(QLatin1Char(' '), QLatin1Char('_')), std::exp(c) * diameterInch * mmPerInch,
                      units::millimetre)
            << "\t[mm]";
    }
}

} // namespace

// A thin plane of thickness t between two round contacts of diameters d1 and d2 at the
// distance X: R = rho / (2 pi t) * (ln(2X/d1) + ln(2X/d2)); a disc contact d1 in a
// plane of diameter X: R = rho / (2 pi t) * ln(X/d1).
Report groundplaneReport(const CalculationInput& input)
{
    const double x = input.value(1) / mmPerInch;
    const double d1 = input.value(2) / mmPerInch;
    const double d2 = input.value(3) / mmPerInch;
    const double thickness = input.value(4) / umPerInch;
    const double temperature = input.value(5);

    const double a = (copperResistivity / (twoPi * thickness)) * milliohmPerOhm;
    const double l = std::log(2.0 * x / d1) + std::log(2.0 * x / d2);
    const double factor = (temperature - 20.0) * copperTemperatureCoefficient + 1.0;
    const double rPlane = a * l * factor;
    const double resistivity = factor * copperResistivity;
    const double b = twoPi * thickness * rPlane;
    const double rDisc = std::log(x / d1) * (resistivity * milliohmPerOhm / (twoPi * thickness));

    ReportBuilder report(input.format, input.detail);
    report << "\nRplane= ";
    report.number("Rplane", rPlane, units::milliohm) << "\t[mOhm]  Plane Resistance\n";
    contactDiameters(report, "d1", d1, b, resistivity);
    report << "\n";
    contactDiameters(report, "d2", d2, b, resistivity);
    report << "\n\n\nRdisc= ";
    report.number("Rdisc", rDisc, units::milliohm) << "\t[mOhm]  Disc Resistance";
    return report.take();
}

} // namespace kalvo::rc
