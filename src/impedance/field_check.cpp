#include "field_check.h"

#include "cross_sections.h"
#include "field_solver.h"

#include <QStringList>

#include <array>
#include <optional>

namespace kalvo::impedance {
namespace {

namespace fs = fieldsolver;

// The cross-section of one topology, from the input in SI units, and the sentence that
// says what it is.
struct CheckedLine {
    int topologyNumber;
    const char* solved;
    fs::CrossSection (*crossSection)(const CalculationInput& input);
};

constexpr std::array checkedLines{
    CheckedLine{1, "a trace of thickness t on a substrate of height d over one ground plane, air above",
                [](const CalculationInput& in) { return fs::microstrip(in.si(1), in.si(2), in.si(3), in.si(4)); }},
    CheckedLine{8, "a trace b above one ground plane inside a dielectric of height b1, air above",
                [](const CalculationInput& in) {
                    return fs::embeddedMicrostrip(in.si(1), in.si(2), in.si(3), in.si(4), in.si(5));
                }},
    CheckedLine{2, "a trace centred between two ground planes b apart, one dielectric",
                [](const CalculationInput& in) { return fs::stripline(in.si(1), in.si(2), in.si(3), in.si(4)); }},
    CheckedLine{3, "a trace h2 above the lower and h1 below the upper of two ground planes, one dielectric",
                [](const CalculationInput& in) {
                    const double t = in.si(4);
                    return fs::offsetStripline(in.si(1) + in.si(2) + t, in.si(2), in.si(3), t, in.si(5));
                }},
    CheckedLine{4, "a round wire, its centre h above one ground plane, in one medium",
                [](const CalculationInput& in) { return fs::wireAboveGround(in.si(1), in.si(2), in.si(3)); }},
    CheckedLine{5, "two round wires, centres S apart, fully embedded in one medium (untwisted)",
                [](const CalculationInput& in) { return fs::twoWires(in.si(1), in.si(2), in.si(3)); }},
    CheckedLine{6, "a coaxial line with one dielectric",
                [](const CalculationInput& in) { return fs::coax(in.si(1), in.si(2), in.si(3)); }},
};

const CheckedLine* checkedLine(const Topology* topology)
{
    if (topology == nullptr)
        return nullptr;
    for (const CheckedLine& line : checkedLines)
        if (line.topologyNumber == topology->number)
            return &line;
    return nullptr;
}

// "d = 1.6 mm, w = 3 mm, ..." as typed.
QString inputsLine(const CalculationInput& input)
{
    QStringList parts;
    for (int field = 1; field <= input.topology->visibleInputs; ++field) {
        QString part = input.topology->fieldLabel(field) + QStringLiteral(" = ") + input.text(field).trimmed();
        if (const char* unit = input.topology->unit(field).shown; *unit != '\0')
            part += QLatin1Char(' ') + QString::fromUtf8(unit);
        parts.append(part);
    }
    return parts.join(QStringLiteral(", "));
}

// One line value as the report prints it, with the solver's value in SI units.
struct SolvedValue {
    const char* key;
    Unit unit;
    const char* description;
    double si;
};

void valueLine(ReportBuilder& report, const QString& key, const SolvedValue& value, double shown)
{
    report << "\n" << value.key << "\t= ";
    report.number(key, shown, value.unit) << "\t" << value.unit.shown << "\t" << value.description;
}

// The report's key names the value of its line: "Z" or "Z_Hogan" is a Z.
bool isValueOf(const QString& key, const char* name)
{
    const QLatin1String base(name);
    return key == base || (key.startsWith(base) && key.size() > base.size() && key[base.size()] == QLatin1Char('_'));
}

void differenceBlocks(ReportBuilder& check, const Report& report, const std::array<SolvedValue, 5>& solved)
{
    check << "\n\nDifference of the report from the field solver:";
    QString block;
    for (const Quantity& quantity : report.quantities) {
        for (const SolvedValue& value : solved) {
            if (!isValueOf(quantity.key, value.key))
                continue;
            if (quantity.block != block) {
                block = quantity.block;
                check << "\n" << block << ":";
            }
            const double difference = (quantity.value / value.si - 1.0) * 100.0;
            check << "\n" << value.key << "\t= ";
            check.number(QLatin1Char('d') + quantity.key, difference, units::percent) << "\t%\t" << value.description;
        }
    }
}

} // namespace

Report fieldSolverCheck(const CalculationInput& input)
{
    ReportBuilder check(input.format, input.detail);
    const CheckedLine* line = checkedLine(input.topology);
    if (line == nullptr) {
        check.failure(QStringLiteral("The field solver has no cross-section for this topology."));
        return check.take();
    }
    check << "Field solver: " << line->solved << ".\n" << inputsLine(input);

    const fs::Result result = fs::solve(line->crossSection(input));
    if (result.error != fs::Error::None && result.error != fs::Error::NotConverged) {
        check.failure(QStringLiteral("\n") + QString::fromUtf8(fs::errorMessage(result.error)));
        return check.take();
    }
    const fs::LineParameters parameters = fs::singleLine(result);
    const std::array<SolvedValue, 5> solved{{
        {"Z", units::ohm, "Characteristic Impedance", parameters.impedance},
        {"eeff", units::none, "Effective dielectric constant", parameters.effectivePermittivity},
        {"L", units::nanohenryPerMetre, "Inductance per meter", parameters.inductance},
        {"C", units::picofaradPerMetre, "Capacitance per meter", parameters.capacitance},
        {"pd", units::nanosecondPerMetre, "Propagation delay", parameters.delay},
    }};
    for (const SolvedValue& value : solved)
        valueLine(check, QString::fromUtf8(value.key), value, value.si / value.unit.scale);
    check << "\nerr\t= ";
    check.number(QStringLiteral("err"), result.estimatedError * 100.0, units::percent)
        << "\t%\tEstimated error of the capacitances";
    if (result.error == fs::Error::NotConverged)
        check.warning(QStringLiteral("\n**** Warning ****  ") + QString::fromUtf8(fs::errorMessage(result.error)));

    differenceBlocks(check, input.topology->report(input), solved);
    return check.take();
}

} // namespace kalvo::impedance
