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

QString formulaKey(const char* name, const char* formula)
{
    QString key = QString::fromUtf8(name);
    if (formula != nullptr)
        key += QLatin1Char('_') + QString::fromUtf8(formula);
    return key;
}

void impedanceLine(ReportBuilder& report, double z, const char* formula)
{
    report << "\nZ\t= ";
    report.number(formulaKey("Z", formula), z, units::ohm) << "\tOhm\tCharacteristic Impedance";
}

void constantLines(ReportBuilder& report, const LineConstants& constants, const char* formula)
{
    report << "\nL\t= ";
    report.number(formulaKey("L", formula), constants.inductance, units::nanohenryPerMetre)
        << "\tnH/m\tInductane per meter\nC\t= ";
    report.number(formulaKey("C", formula), constants.capacitance, units::picofaradPerMetre)
        << "\tpF/m\tCapacitance per meter\npd\t= ";
    report.number(formulaKey("pd", formula), constants.delay, units::nanosecondPerMetre) << "\tns/m\tPropagation delay";
}

void lineBlock(ReportBuilder& report, double z, const LineConstants& constants, const char* formula, const char* note)
{
    impedanceLine(report, z, formula);
    report << note;
    constantLines(report, constants, formula);
}

void formulaTitle(ReportBuilder& report, const char* title)
{
    report.block(QString::fromUtf8(title));
    report << title << ":";
}

} // namespace kalvo::impedance
