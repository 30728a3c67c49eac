#include "impedance_reports.h"
#include "line_report.h"

#include <cmath>

namespace kalvo::impedance {
namespace {

// The formulas' own constants, kept as they give them: each differs in its last digits
// from the value physics::c0, eps0 or mu0 give.
constexpr double lightDelayPerMetre = 3.33564095198152e-09; // s, 1/c0 to 15 digits
constexpr double inverseLightSpeedSquared = 1.112650054829934e-17; // s^2/m^2, about 1/c0^2
constexpr double epsilon0 = 8.854187818e-12; // F/m, as the start-up text gives it
constexpr double piEpsilon0 = pi * epsilon0; // F/m
constexpr double airPairCapacitance = 2.781625140253305e-11; // F/m, one unit in the last place above piEpsilon0
constexpr double mu0OverPi = 4e-07; // H/m; physics::mu0 / pi rounds away from it
constexpr int integrationSteps = 1000;

// Two wires of diameter d at centre distance S, both in metres.
struct WirePair {
    double d = 0.0;
    double s = 0.0;
    double er = 1.0;
    double twistsPerMetre = 0.0;
    double acoshRatio = 0.0; // acosh(S/d)
};

// Lefferson's insulation factor q, 0.0004 for hard and 0.001 for soft insulation, with
// the key suffix and the words the report prints for the formula.
struct Insulation {
    double q;
    const char* formula;
    const char* note;
};

constexpr Insulation hardInsulation{0.0004, "LeffersonHard", "Lefferson formula for hard insulation"};
constexpr Insulation softInsulation{0.001, "LeffersonSoft", "Lefferson formula for soft insulation (PTFE) "};

LineConstants fromHenryAndFarad(double inductance, double capacitance, double delay)
{
    return {.inductance = inductance * 1e9, .capacitance = capacitance * 1e12, .delay = delay};
}

// The block of one formula, which the note after "Characteristic Impedance: " names.
void formulaBlock(ReportBuilder& report, double z, const LineConstants& constants, const char* formula,
                  const char* note)
{
    report.block(QString::fromUtf8(note).trimmed());
    impedanceLine(report, z, formula);
    report << ": " << note;
    constantLines(report, constants, formula);
}

// Lefferson: the twist pitch angle raises the share of the insulation in eeff.
void leffersonBlock(ReportBuilder& report, const WirePair& pair, const Insulation& insulation)
{
    const double theta = std::atan(pair.twistsPerMetre * pi * pair.s) * 180.0 / pi; // degrees
    const double eeff = (insulation.q * (theta * theta) + 0.25) * (pair.er - 1.0) + 1.0;
    const double c = eeff * piEpsilon0 / pair.acoshRatio;
    const double l = eeff * inverseLightSpeedSquared / c;
    const double z = std::sqrt(l / c);
    const double pd = std::sqrt(eeff) * lightDelayPerMetre * 1e9;
    formulaBlock(report, z, fromHenryAndFarad(l, c, pd), insulation.formula, insulation.note);
}

// Broxon and Linkhart: the air-line capacitance corrected by the insulation, found by
// the trapezoidal rule over 1001 points across the wire.
void broxonLinkhartBlock(ReportBuilder& report, const WirePair& pair)
{
    const double d = pair.d;
    const double s = pair.s;
    const double k = 1.0 / pair.er - 1.0;
    const double l3 = mu0OverPi * pair.acoshRatio;
    const double cAir = airPairCapacitance / pair.acoshRatio;
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
    const char* formula = "BroxonLinkhart";
    report.block(QStringLiteral("Broxon, Linkhart formula"));
    impedanceLine(report, z3, formula);
    report << ": ";
    report.warning(QStringLiteral("Broxon, Linkhart formula, correctness is not sure"));
    constantLines(report, fromHenryAndFarad(l3, c3, pd3), formula);
}

void embeddedWiresBlock(ReportBuilder& report, const WirePair& pair)
{
    const double z4 = 120.0 * pair.acoshRatio / std::sqrt(pair.er);
    LineConstants constants;
    constants.delay = std::sqrt(pair.er) * lightDelayPerMetre * 1e9;
    constants.inductance = constants.delay * z4;
    constants.capacitance = constants.delay * 1000.0 / z4;
    formulaBlock(report, z4, constants, "Embedded", "For wires fully embedded in material of er ");
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
    ReportBuilder report(input.format);
    leffersonBlock(report, pair, hardInsulation);
    report << "\n";
    leffersonBlock(report, pair, softInsulation);
    report << "\n";
    broxonLinkhartBlock(report, pair);
    report << "\n";
    embeddedWiresBlock(report, pair);
    return report.take();
}

} // namespace kalvo::impedance
