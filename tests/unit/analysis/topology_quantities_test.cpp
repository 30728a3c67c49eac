// Every topology of every calculator program records its printed results as quantities:
// solve, sweep, plots and --json see nothing of a report that prints numbers without
// recording them. Each quantity's shown text and description must stand on one line of
// the report's text; the topologies run one after another in one process, so a
// description kept from another report would show. Repeated evaluation, with or without
// the text, gives the reports of the values typed.
#include "evaluation.h"
#include "program_registry.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo::analysis {
namespace {

// Inputs for the topologies whose start inputs end in an error report; nullptr keeps
// the start text.
struct TypicalInput {
    std::string_view program;
    int topology; // N of radioButton_N
    std::array<const char*, maxInputFields> values;
};

constexpr TypicalInput typicalInputs[] = {
    {"rc", 6, {"-6", "50", "75"}}, // T match: -6 dB between 50 and 75 Ohm
    {"rc", 7, {"-6", "50", "75"}}, // PI match
    {"ee", 9, {"602.56"}}, // Platinum RTD: a resistance, the temperature to find
};

struct Case {
    const Program* program;
    const Topology* topology;
};

std::vector<Case> everyTopology()
{
    std::vector<Case> cases;
    for (const Program* program : calculatorPrograms())
        for (const Topology& topology : program->topologies)
            if (topology.report != nullptr)
                cases.push_back({program, &topology});
    return cases;
}

std::string caseName(const testing::TestParamInfo<Case>& info)
{
    std::string name = std::string(info.param.program->name) + '_' + info.param.topology->buttonText;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

const TypicalInput* typicalInputOf(const Case& c)
{
    for (const TypicalInput& typical : typicalInputs)
        if (typical.program == c.program->name && typical.topology == c.topology->number)
            return &typical;
    return nullptr;
}

// A line of text shows q's number and, whitespace simplified, its description.
bool printedOnOneLine(const QString& text, const Quantity& q)
{
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.contains(q.shown) && line.simplified().contains(q.description))
            return true;
    return false;
}

class EveryTopology : public testing::TestWithParam<Case> { };

TEST_P(EveryTopology, RecordsWhatItPrints)
{
    const Program& program = *GetParam().program;
    const Topology& topology = *GetParam().topology;
    for (const bool moreDigits : {false, true}) {
        CalculationInput input = program.startInput(topology, moreDigits);
        Report report = Evaluation(program, topology, input).report();
        if (!report.ok) {
            const TypicalInput* typical = typicalInputOf(GetParam());
            ASSERT_NE(typical, nullptr) << "the start input ends in an error; give typical inputs:\n"
                                        << report.text.toStdString();
            for (qsizetype field = 0; field < input.texts.size(); ++field)
                if (const char* value = typical->values[static_cast<size_t>(field)]; value != nullptr)
                    input.texts[field] = QString::fromUtf8(value);
            report = Evaluation(program, topology, input).report();
            ASSERT_TRUE(report.ok) << report.text.toStdString();
        }
        EXPECT_FALSE(report.quantities.empty()) << report.text.toStdString();
        for (const Quantity& q : report.quantities) {
            EXPECT_FALSE(q.shown.isEmpty()) << q.key.toStdString();
            EXPECT_TRUE(printedOnOneLine(report.text, q))
                << q.key.toStdString() << " shows \"" << q.shown.toStdString() << "\" and \""
                << q.description.toStdString() << "\", not on one line of:\n"
                << report.text.toStdString();
        }
    }
}

void expectSameQuantities(const Report& expected, const Report& actual, const std::string& where)
{
    ASSERT_EQ(expected.quantities.size(), actual.quantities.size()) << where;
    for (size_t i = 0; i < expected.quantities.size(); ++i) {
        const Quantity& e = expected.quantities[i];
        const Quantity& a = actual.quantities[i];
        EXPECT_EQ(e.key, a.key) << where;
        // Bit for bit: the same arithmetic must run whether or not the text is built.
        EXPECT_TRUE(e.value == a.value || (std::isnan(e.value) && std::isnan(a.value)))
            << where << ' ' << e.key.toStdString() << ": " << e.value << " != " << a.value;
        EXPECT_EQ(e.unit, a.unit) << where;
        EXPECT_EQ(e.shownUnit, a.shownUnit) << where;
        EXPECT_EQ(e.block, a.block) << where;
    }
    EXPECT_EQ(expected.warnings, actual.warnings) << where;
    EXPECT_EQ(expected.ok, actual.ok) << where;
}

// Solve and sweep change one field of inputs whose numbers they read once, and solve
// and plots build no text. Whatever the fields held before (numbers, nothing, a text
// that is no number), each point must be the report a user gets by typing the value.
TEST_P(EveryTopology, RepeatedPointsAreTheReportsOfTheTypedValue)
{
    const Program& program = *GetParam().program;
    const Topology& topology = *GetParam().topology;
    struct Typed {
        bool neighbour; // the next field, else the changed field itself
        const char* text; // nullptr: as started
    };
    for (const Typed typed : {Typed{true, nullptr}, Typed{true, ""}, Typed{true, "4k7"}, Typed{false, "4k7"}}) {
        for (int field = 1; field <= topology.visibleInputs; ++field) {
            if (topology.isFormulaField(field))
                continue;
            CalculationInput input = program.startInput(topology);
            input.repeated = true;
            const double started = input.value(field);
            const int changed = typed.neighbour ? field % topology.visibleInputs + 1 : field;
            if (typed.text != nullptr && !topology.isFormulaField(changed))
                input.texts[changed - 1] = QString::fromUtf8(typed.text);
            Evaluation evaluation(program, topology, input);
            for (const double value : {started * 0.5, 3.0, -2.0, 1e300}) {
                const std::string where = caseName({GetParam(), 0}) + " field " + std::to_string(field) + " = "
                    + fieldText(value).toStdString() + ", field " + std::to_string(changed) + " typed \""
                    + (typed.text != nullptr ? typed.text : "as started") + '"';
                CalculationInput typedInput = input;
                typedInput.texts[field - 1] = fieldText(value);
                const Report expected = Evaluation(program, topology, typedInput).report();
                const Report repeated = evaluation.at(field, value);
                EXPECT_EQ(expected.text, repeated.text) << where;
                expectSameQuantities(expected, repeated, where);
                const Report valuesOnly = evaluation.at(field, value, ReportDetail::ValuesOnly);
                EXPECT_TRUE(valuesOnly.text.isEmpty()) << where;
                expectSameQuantities(expected, valuesOnly, where);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CalculatorPrograms, EveryTopology, testing::ValuesIn(everyTopology()), caseName);

} // namespace
} // namespace kalvo::analysis
