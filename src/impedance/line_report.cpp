#include "line_report.h"

#include <cmath>

namespace kalvo::impedance {
namespace {

constexpr double lightDelayPerInch = 8.4723e-11; // s
constexpr double nsPerSecond = 1e9;
constexpr double inchesPerMetre = 1000.0 / physics::mmPerInch;

} // namespace

LineConstants lineConstants(double z, double e)
{
    LineConstants constants;
    constants.delay = std::sqrt(e) * lightDelayPerInch * nsPerSecond * inchesPerMetre;
    constants.inductance = constants.delay * z;
    constants.capacitance = constants.delay * 1000.0 / z;
    return constants;
}

LineKeys lineKeys(const char* formula)
{
    const auto key = [formula](const char* name) {
        QString key = QString::fromUtf8(name);
        if (formula != nullptr)
            key += QLatin1Char('_') + QString::fromUtf8(formula);
        return key;
    };
    return {key("Z"), key("L"), key("C"), key("pd")};
}

const LineKeys& plainLineKeys()
{
    static const LineKeys keys = lineKeys(nullptr);
    return keys;
}

void impedanceLine(ReportBuilder& report, double z, const LineKeys& keys)
{
    report << "\nZ\t= ";
    report.number(keys.impedance, z, units::ohm) << "\tOhm\tCharacteristic Impedance";
}

void constantLines(ReportBuilder& report, const LineConstants& constants, const LineKeys& keys)
{
    report << "\nL\t= ";
    report.number(keys.inductance, constants.inductance, units::nanohenryPerMetre)
        << "\tnH/m\tInductane per meter\nC\t= ";
    report.number(keys.capacitance, constants.capacitance, units::picofaradPerMetre)
        << "\tpF/m\tCapacitance per meter\npd\t= ";
    report.number(keys.delay, constants.delay, units::nanosecondPerMetre) << "\tns/m\tPropagation delay";
}

void lineBlock(ReportBuilder& report, double z, const LineConstants& constants, const LineKeys& keys, const char* note)
{
    impedanceLine(report, z, keys);
    report << note;
    constantLines(report, constants, keys);
}

void formulaTitle(ReportBuilder& report, const QString& title)
{
    report.block(title);
    report << title << ":";
}

} // namespace kalvo::impedance
