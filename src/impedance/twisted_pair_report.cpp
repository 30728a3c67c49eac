#include "impedance_reports.h"
#include "line_report.h"

#include <cmath>

namespace kalvo::impedance {
namespace {

constexpr double lightDelayPerMetre = 3.33564095198152e-09; // s
constexpr double piEpsilon0 = 2.7816251402533042e-11; // F/m
constexpr double inverseLightSpeedSquared = 1.112650054829934e-17; // s^2/m^2
constexpr double epsilon0 = 8.854187818e-12; // F/m
constexpr double mu0OverPi = 4e-07; // H/m
constexpr int integrationSteps = 1000;

// Two wires of diameter d at centre distance S, both in metres.
struct WirePair {
    double d = 0.0;
    double s = 0.0;
    double er = 1.0;
    double twistsPerMetre = 0.0;
    double acoshRatio = 0.0; // acosh(S/d)
};

LineConstants fromHenryAndFarad(double inductance, double capacitance, double delay)
{
    return {.inductance = inductance * 1e9, .capacitance = capacitance * 1e12, .delay = delay};
}

// Lefferson: the twist pitch angle raises the share of the insulation in eeff; q is
// 0.0004 for hard and 0.001 for soft insulation.
QString leffersonBlock(const WirePair& pair, double q, const char* label, const NumberFormat& format)
{
    const double theta = std::atan(pair.twistsPerMetre * pi * pair.s) * 180.0 / pi; // degrees
    const double eeff = (q * (theta * theta) + 0.25) * (pair.er - 1.0) + 1.0;
    const double c = eeff * piEpsilon0 / pair.acoshRatio;
    const double l = eeff * inverseLightSpeedSquared / c;
    const double z = std::sqrt(l / c);
    const double pd = std::sqrt(eeff) * lightDelayPerMetre * 1e9;
    return lineBlock(z, label, fromHenryAndFarad(l, c, pd), format);
}

// Broxon and Linkhart: the air-line capacitance corrected by the insulation, found by
// the trapezoidal rule over 1001 points across the wire.
QString broxonLinkhartBlock(const WirePair& pair, const NumberFormat& format)
{
    const double d = pair.d;
    const double s = pair.s;
    const double k = 1.0 / pair.er - 1.0;
    const double l3 = mu0OverPi * pair.acoshRatio;
    const double cAir = 2.781625140253305e-11 / pair.acoshRatio;
    const double step = d * 0.999999999999 / integrationSteps;
    double sum1 = 0.0;
    double sum2 = 0.0;
    for (int i = 0; i <= integrationSteps; ++i) {
        const double y = i * step;
        const double weight = (i == 0 || i == integrationSteps) ? 0.5 : 1.0;
        const double insideWire = std::sqrt(d * d - y * y);
        sum1 += weight * epsilon0 / (s - insideWire);
        sum2 += weight * epsilon0 / (s + k * std::sqrt(s * s - y * y) - insideWire / pair.er);
    }
    const double c3 = step * sum2 + cAir - step * sum1;
    const double z3 = std::sqrt(l3 / c3);
    const double pd3 = std::sqrt(l3 * c3) * 1e9;
    return lineBlock(z3, "\tOhm\tCharacteristic Impedance: Broxon, Linkhart formula, correctness is not sure\nL\t= ",
                     fromHenryAndFarad(l3, c3, pd3), format);
}

QString embeddedWiresBlock(const WirePair& pair, const NumberFormat& format)
{
    const double z4 = 120.0 * pair.acoshRatio / std::sqrt(pair.er);
    LineConstants constants;
    constants.delay = std::sqrt(pair.er) * lightDelayPerMetre * 1e9;
    constants.inductance = constants.delay * z4;
    constants.capacitance = constants.delay * 1000.0 / z4;
    return lineBlock(
        z4, "\tOhm\tCharacteristic Impedance: For wires fully embedded in material of er \nL\t= ", constants, format);
}

} // namespace

QString twistedPairReport(const CalculationInput& input)
{
    WirePair pair;
    pair.d = input.value(1) / 1000.0;
    pair.s = input.value(2) / 1000.0;
    pair.er = input.value(3);
    pair.twistsPerMetre = input.value(4);
    const double x = pair.s / pair.d;
    pair.acoshRatio = std::log(x + std::sqrt(x * x - 1.0));
    return leffersonBlock(pair, 0.0004,
                          "\tOhm\tCharacteristic Impedance: Lefferson formula for hard insulation\nL\t= ", input.format)
        + QStringLiteral("\n")
        + leffersonBlock(
               pair, 0.001,
               "\tOhm\tCharacteristic Impedance: Lefferson formula for soft insulation (PTFE) \nL\t= ", input.format)
        + QStringLiteral("\n") + broxonLinkhartBlock(pair, input.format) + QStringLiteral("\n")
        + embeddedWiresBlock(pair, input.format);
}

} // namespace kalvo::impedance
