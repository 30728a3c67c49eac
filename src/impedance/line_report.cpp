#include "line_report.h"

#include <cmath>

namespace kalvo::impedance {
namespace {

constexpr double lightDelayPerInch = 8.4723e-11; // s
constexpr double nsPerSecond = 1e9;
constexpr double inchesPerMetre = 39.37007874015748;

} // namespace

LineConstants lineConstants(double z, double e)
{
    LineConstants constants;
    constants.delay = std::sqrt(e) * lightDelayPerInch * nsPerSecond * inchesPerMetre;
    constants.inductance = constants.delay * z;
    constants.capacitance = constants.delay * 1000.0 / z;
    return constants;
}

QString lineBlock(double z, const char* label, const LineConstants& constants, const NumberFormat& format)
{
    return QStringLiteral("\nZ\t= ") + formatNumber(z, format) + QLatin1String(label)
        + formatNumber(constants.inductance, format) + QStringLiteral("\tnH/m\tInductane per meter\nC\t= ")
        + formatNumber(constants.capacitance, format) + QStringLiteral("\tpF/m\tCapacitance per meter\npd\t= ")
        + formatNumber(constants.delay, format) + QStringLiteral("\tns/m\tPropagation delay");
}

} // namespace kalvo::impedance
