// kalvo-cli's --solve, --sweep, --quantities and the check that values are numbers.
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace kalvo::test {
namespace {

// The value of the first line "LABEL = VALUE UNIT" kalvo-cli --solve prints.
double firstRoot(const QByteArray& out)
{
    const QString line = QString::fromUtf8(out).section(QLatin1Char('\n'), 0, 0);
    return line.section(QLatin1Char(' '), 2, 2).toDouble();
}

// The number a report prints on its line "KEY\t= NUMBER".
double printed(const QByteArray& report, const QString& key)
{
    const QRegularExpression line(QStringLiteral("(?:^|\\n)") + QRegularExpression::escape(key)
                                  + QStringLiteral("\\t+= *([-+0-9.eE]+)"));
    const QRegularExpressionMatch match = line.match(QString::fromUtf8(report));
    return match.hasMatch() ? match.captured(1).toDouble() : qQNaN();
}

TEST(SolveCli, FindsTheMicrostripWidthFor50Ohm)
{
    const CliResult result
        = runKalvoCli({"impedance", "Microstrip", "1.6", "", "35", "4.3", "--solve", "w", "--target", "Z=50"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const double w = firstRoot(result.out);
    EXPECT_NEAR(w, 3.07, 0.01) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains("\nZ\t= 50.000 ")) << result.out.toStdString();
    // The root to 1e-6: the report's own Z with 15 digits at w is 50 within the root's tolerance.
    const CliResult exact
        = runKalvoCli({"impedance", "Microstrip", "1.6", QString::number(w, 'g', 17), "35", "4.3", "--more-digits"});
    EXPECT_NEAR(printed(exact.out, QStringLiteral("Z")), 50.0, 50.0 * 1e-9);
    const CliResult wider = runKalvoCli(
        {"impedance", "Microstrip", "1.6", QString::number(w * (1 + 1e-6), 'g', 17), "35", "4.3", "--more-digits"});
    EXPECT_LT(printed(wider.out, QStringLiteral("Z")), 50.0);
}

TEST(SolveCli, ATargetOutOfReachExitsOneWithTheRangeSearched)
{
    const CliResult result
        = runKalvoCli({"impedance", "Microstrip", "1.6", "3", "35", "4.3", "--solve", "w", "--target", "Z=5000"});
    expectOneLineError(result, 1);
    EXPECT_TRUE(result.err.startsWith("kalvo-cli: no w reaches Z = 5000 Ohm for w = 1e-09 to 1e+09 mm (Z ranges from "))
        << result.err.toStdString();
}

TEST(SweepCli, MicrostripImpedanceFallsWithWidthAndMatchesEachReport)
{
    const CliResult result
        = runKalvoCli({"impedance", "Microstrip", "1.6", "3", "35", "4.3", "--sweep", "w=0.1:10:50", "--log"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QList<QByteArray> lines = result.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 51); // header and 50 points
    const QList<QByteArray> header = lines.front().split('\t');
    ASSERT_EQ(header.value(0), "w [mm]");
    ASSERT_EQ(header.value(1), "Z [Ohm]");
    double previous = qInf();
    for (int i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> cells = lines[i].split('\t');
        const double z = cells.value(1).toDouble();
        EXPECT_LT(z, previous) << lines[i].toStdString();
        previous = z;
        if (i % 10 == 1) { // a sample of points against the single-point report
            const CliResult single = runKalvoCli(
                {"impedance", "Microstrip", "1.6", QString::fromUtf8(cells.value(0)), "35", "4.3", "--more-digits"});
            EXPECT_NEAR(printed(single.out, QStringLiteral("Z")), z, std::abs(z) * 1e-13);
        }
    }
}

TEST(QuantitiesCli, ListsInputsAndResults)
{
    const CliResult result = runKalvoCli({"impedance", "Coax", "--quantities"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.startsWith("input\t1\td1\tmm\ninput\t2\td2\tmm\ninput\t3\ter\t\n"))
        << result.out.toStdString();
    EXPECT_TRUE(result.out.contains("\nquantity\tZ\tOhm\tCharacteristic Impedance\n")) << result.out.toStdString();
}

struct UsageCase {
    const char* name;
    QStringList args;
    const char* message; // the whole line on standard error
};

class AnalysisUsage : public testing::TestWithParam<UsageCase> { };

TEST_P(AnalysisUsage, IsOneLineAndExitTwo)
{
    const CliResult result = runKalvoCli(GetParam().args);
    expectOneLineError(result);
    EXPECT_EQ(result.err.toStdString(), std::string("kalvo-cli: ") + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnalysisUsage,
    testing::Values(
        UsageCase{"UnitInValue",
                  {"impedance", "Microstrip", "1.6", "3mm"},
                  "impedance Microstrip: w = \"3mm\" is not a number"},
        UsageCase{"PrefixInValue", {"rc", "RC", "4k7"}, "rc RC: R = \"4k7\" is not a number"},
        UsageCase{
            "DecimalComma", {"impedance", "Microstrip", "1,6"}, "impedance Microstrip: d = \"1,6\" is not a number"},
        UsageCase{"UnknownField",
                  {"impedance", "Coax", "--solve", "q", "--target", "Z=50"},
                  "Coax has no input field q (see --quantities)"},
        UsageCase{"UnknownKey",
                  {"impedance", "Coax", "--solve", "d2", "--target", "Zx=50"},
                  "Coax has no result Zx for d2 = 1e-09 to 1e+09 mm (see --quantities)"},
        UsageCase{
            "TargetWithoutSolve", {"impedance", "Coax", "--target", "Z=50"}, "impedance: --target belongs to --solve"},
        UsageCase{"NonFiniteTarget",
                  {"impedance", "Coax", "--solve", "d2", "--target", "Z=inf"},
                  "the target inf is not a finite number"},
        UsageCase{"EqualRange",
                  {"impedance", "Coax", "--solve", "d2", "--target", "Z=50", "--between", "2", "2"},
                  "--between needs two different finite numbers"},
        UsageCase{
            "TooManyPoints", {"impedance", "Coax", "--sweep", "d2=1:10:100001"}, "a sweep takes 1 to 100000 points"},
        UsageCase{"LogThroughZero",
                  {"impedance", "Coax", "--sweep", "d2=0:10:5", "--log"},
                  "a logarithmic sweep needs positive limits"},
        UsageCase{
            "BadSweep", {"impedance", "Coax", "--sweep", "d2=1:10"}, "--sweep needs FIELD=FROM:TO:N, not d2=1:10"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kalvo::test
