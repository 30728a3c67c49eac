#include "broxon_linkhart_sums.h"
#include "impedance_reports.h"
#include "line_report.h"

#include <cmath>

namespace kalvo::impedance {
namespace {

// The formulas' own constants, kept as they give them: each differs in its last digits
// from the value physics::c0 or mu0 give (formulaEpsilon0 beside the sums).
constexpr double lightDelayPerMetre = 3.33564095198152e-09; // s, 1/c0 to 15 digits
constexpr double inverseLightSpeedSquared = 1.112650054829934e-17; // s^2/m^2, about 1/c0^2
constexpr double piEpsilon0 = pi * formulaEpsilon0; // F/m
constexpr double airPairCapacitance = 2.781625140253305e-11; // F/m, one unit in the last place above piEpsilon0
constexpr double mu0OverPi = 4e-07; // H/m; physics::mu0 / pi rounds away from it

// Two wires of diameter d at centre distance S, both in metres.
struct WirePair {
    double d = 0.0;
    double s = 0.0;
    double er = 1.0;
    double twistsPerMetre = 0.0;
    double acoshRatio = 0.0; // acosh(S/d)
};

// One formula's block: the keys of its results, its title and the note its impedance
// line ends in ("Characteristic Impedance: " note). Built once: solve and sweep print
// them many thousands of times.
struct FormulaBlock {
    LineKeys keys;
    QString title;
    const char* note;
};

FormulaBlock formulaBlock(const char* formula, const char* note)
{
    return {lineKeys(formula), QString::fromUtf8(note).trimmed(), note};
}

// Lefferson's insulation factor q, 0.0004 for hard and 0.001 for soft insulation.
constexpr double hardInsulation = 0.0004;
constexpr double softInsulation = 0.001;

LineConstants fromHenryAndFarad(double inductance, double capacitance, double delay)
{
    return {.inductance = inductance * 1e9, .capacitance = capacitance * 1e12, .delay = delay};
}

void printBlock(ReportBuilder& report, double z, const LineConstants& constants, const FormulaBlock& block)
{
    report.block(block.title);
    impedanceLine(report, z, block.keys);
    report << ": " << block.note;
    constantLines(report, constants, block.keys);
}

// Lefferson: the twist pitch angle raises the share of the insulation in eeff.
void leffersonBlock(ReportBuilder& report, const WirePair& pair, double q, const FormulaBlock& block)
{
    const double theta = std::atan(pair.twistsPerMetre * pi * pair.s) * 180.0 / pi; // degrees
    const double eeff = (q * (theta * theta) + 0.25) * (pair.er - 1.0) + 1.0;
    const double c = eeff * piEpsilon0 / pair.acoshRatio;
    const double l = eeff * inverseLightSpeedSquared / c;
    const double z = std::sqrt(l / c);
    const double pd = std::sqrt(eeff) * lightDelayPerMetre * 1e9;
    printBlock(report, z, fromHenryAndFarad(l, c, pd), block);
}

// Broxon and Linkhart: the air-line capacitance corrected by the insulation, found by
// the trapezoidal rule over 1001 points across the wire.
void broxonLinkhartBlock(ReportBuilder& report, const WirePair& pair)
{
    static const LineKeys keys = lineKeys("BroxonLinkhart");
    const double l3 = mu0OverPi * pair.acoshRatio;
    const double cAir = airPairCapacitance / pair.acoshRatio;
    const double step = pair.d * 0.999999999999 / integrationSteps;
    // Wires that overlap (S < d) have no air-line capacitance, and no sum can change
    // that NaN: solve and sweep cross such pairs over half their range.
    const BroxonLinkhartSums sums
        = std::isnan(cAir) ? BroxonLinkhartSums{} : broxonLinkhartSums(pair.d, pair.s, pair.er, step);
    const double c3 = step * sums.insulated + cAir - step * sums.air;
    const double z3 = std::sqrt(l3 / c3);
    const double pd3 = std::sqrt(l3 * c3) * 1e9;
    report.block(QStringLiteral("Broxon, Linkhart formula"));
    impedanceLine(report, z3, keys);
    report << ": ";
    report.warning(QStringLiteral("Broxon, Linkhart formula, correctness is not sure"));
    constantLines(report, fromHenryAndFarad(l3, c3, pd3), keys);
}

void embeddedWiresBlock(ReportBuilder& report, const WirePair& pair)
{
    static const FormulaBlock block = formulaBlock("Embedded", "For wires fully embedded in material of er ");
    const double z4 = 120.0 * pair.acoshRatio / std::sqrt(pair.er);
    LineConstants constants;
    constants.delay = std::sqrt(pair.er) * lightDelayPerMetre * 1e9;
    constants.inductance = constants.delay * z4;
    constants.capacitance = constants.delay * 1000.0 / z4;
    printBlock(report, z4, constants, block);
}

} // namespace

Report twistedPairReport(const CalculationInput& input)
{
    WirePair pair;
    // Divided, not scaled by the field's 1e-3: that moves the last printed digit.
    pair.d = input.value(1) / 1000.0;
    pair.s = input.value(2) / 1000.0;
    pair.er = input.value(3);
    pair.twistsPerMetre = input.si(4);
    const double x = pair.s / pair.d;
    pair.acoshRatio = std::log(x + std::sqrt(x * x - 1.0));
    static const FormulaBlock hard = formulaBlock("LeffersonHard", "Lefferson formula for hard insulation");
    static const FormulaBlock soft = formulaBlock("LeffersonSoft", "Lefferson formula for soft insulation (PTFE) ");
    ReportBuilder report(input.format, input.detail);
    leffersonBlock(report, pair, hardInsulation, hard);
    report << "\n";
    leffersonBlock(report, pair, softInsulation, soft);
    report << "\n";
    broxonLinkhartBlock(report, pair);
    report << "\n";
    embeddedWiresBlock(report, pair);
    return report.take();
}

} // namespace kalvo::impedance
