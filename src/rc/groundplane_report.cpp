#include "rc_reports.h"

#include <array>
#include <cmath>

namespace kalvo::rc {
namespace {

constexpr double twoPi = 6.283185307179586;
constexpr double copperResistivity = 6.787e-07; // ohm-inch at 20 degrees Celsius
constexpr double copperTemperatureCoefficient = 0.0039; // per kelvin around 20 degrees Celsius
constexpr double mmPerInch = 25.4;
constexpr double milliohm = 1000.0;

} // namespace

QString groundplaneReport(const CalculationInput& input)
{
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double x = input.value(1) / mmPerInch;
    const double d1 = input.value(2) / mmPerInch;
    const double d2 = input.value(3) / mmPerInch;
    const double thickness = input.value(4) / 25400.0;
    const double temperature = input.value(5);

    const double a = (copperResistivity / (twoPi * thickness)) * milliohm;
    const double l = std::log(2.0 * x / d1) + std::log(2.0 * x / d2);
    const double factor = (temperature - 20.0) * copperTemperatureCoefficient + 1.0;
    const double rPlane = a * l * factor;
    const double resistivity = factor * copperResistivity;
    const double b = twoPi * thickness * rPlane;

    // Diameters around each contact within which 45 %, 25 % and 10 % of the drop lie.
    constexpr std::array<double, 3> shares{0.00045, 0.00025, 0.0001};
    constexpr std::array<const char*, 3> percent{"45", "25", "10"};
    QString contact1;
    QString contact2;
    for (size_t i = 0; i < shares.size(); ++i) {
        const double c = b * shares[i] / resistivity;
        const QString tag = QLatin1String(percent[i]) + QStringLiteral("% radius = ");
        contact1 += QStringLiteral("\nd1 ") + tag + num(std::exp(c) * d1 * mmPerInch) + QStringLiteral("\t[mm]");
        contact2 += QStringLiteral("\nd2 ") + tag + num(std::exp(c) * d2 * mmPerInch) + QStringLiteral("\t[mm]");
    }
    const double rDisc = std::log(x / d1) * (resistivity * milliohm / (twoPi * thickness));

    return QStringLiteral("\nRplane= ") + num(rPlane) + QStringLiteral("\t[mOhm]  Plane Resistance\n") + contact1
        + QStringLiteral("\n") + contact2 + QStringLiteral("\n\n\nRdisc= ") + num(rDisc)
        + QStringLiteral("\t[mOhm]  Disc Resistance");
}

} // namespace kalvo::rc
