// Every topology of every calculator program records its printed results as quantities:
// solve, sweep, plots and --json see nothing of a report that prints numbers without
// recording them. Each quantity's shown text and description must stand on one line of
// the report's text; the topologies run one after another in one process, so a
// description kept from another report would show.
#include "evaluation.h"
#include "program_registry.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
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

INSTANTIATE_TEST_SUITE_P(CalculatorPrograms, EveryTopology, testing::ValuesIn(everyTopology()), caseName);

} // namespace
} // namespace kalvo::analysis
