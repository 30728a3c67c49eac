#include "inductance_program.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

// Empty fields, text, zero, negative zero, not-a-number, infinities and extreme
// magnitudes in every field of every topology: each report is still produced, with
// the formatter's words where a number is not finite.
TEST(InductanceRobustness, EveryTopologyReportsAnyInput)
{
    const QStringList nasty{"", "abc", "0", "-0", "nan", "inf", "-inf", "1e308", "-1e308", "4.9e-324", "-5"};
    const Program& program = inductanceProgram();
    for (const Topology& topology : program.topologies) {
        ASSERT_NE(topology.report, nullptr) << topology.buttonText;
        for (const QString& value : nasty) {
            for (int field = 0; field < topology.visibleInputs; ++field) {
                CalculationInput input;
                input.topology = &topology;
                input.format = program.numberFormat(false);
                for (int row = 0; row < program.layout.inputRows; ++row)
                    input.texts.append(row == field ? value : QStringLiteral("3"));
                const QString report = topology.report(input).text;
                EXPECT_TRUE(report.startsWith(QLatin1Char('\n'))) << topology.buttonText << " " << field;
                input.format = program.numberFormat(true);
                EXPECT_FALSE(topology.report(input).text.isEmpty());
            }
            CalculationInput all;
            all.topology = &topology;
            all.format = program.numberFormat(false);
            for (int row = 0; row < program.layout.inputRows; ++row)
                all.texts.append(value);
            EXPECT_TRUE(topology.report(all).text.startsWith(QLatin1Char('\n'))) << topology.buttonText;
        }
    }
}

} // namespace
} // namespace kalvo
