#include "impedance_program.h"
#include "impedance_reports.h"
#include "microstrip.h"
#include "report_cases.h"
#include "stripline.h"

#include <gtest/gtest.h>

#include <cmath>

// Expected numbers come from reference_reports.py, an independent Python version of
// the formulas and of the number format.
namespace kalvo::impedance {
using namespace physics;
namespace {

using test::ReportCase;

class ImpedanceReportTest : public testing::TestWithParam<ReportCase> { };

// Compared to the last character: tabs and padding line up the result panel.
TEST_P(ImpedanceReportTest, GivesTheExactReport)
{
    EXPECT_EQ(test::evaluate(impedanceProgram(), GetParam()).text.toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ImpedanceReportTest,
    testing::Values(
        ReportCase{"MicrostripWideTrace",
                   microstripReport,
                   {"1.6", "3", "35", "4.3"},
                   "\n"
                   "Z\t= 50.724      \tOhm\tCharacteristic Impedance \n"
                   "L\t= 304.786     \tnH/m\tInductane per meter\n"
                   "C\t= 118.459     \tpF/m\tCapacitance per meter\n"
                   "pd\t= 6.009        \tns/m\tPropagation delay\n"
                   "\n"
                   "Accuracy is better than 2 percent.\n"
                   "\n"
                   "Zc\t= 50.472      \tOhm\tEstimation of a 25um surface coating with same er"},
        ReportCase{"MicrostripTooNarrow",
                   microstripReport,
                   {"1.6", "0.1", "35", "4.3"},
                   "\n"
                   "Z\t= 157.312     \tOhm\tCharacteristic Impedance \n"
                   "L\t= 872.365     \tnH/m\tInductane per meter\n"
                   "C\t= 35.251      \tpF/m\tCapacitance per meter\n"
                   "pd\t= 5.545        \tns/m\tPropagation delay\n"
                   "\n"
                   "**** Warning ****\n"
                   "Accuracy is questionable, probably worse than 2 percent!\n"
                   "\n"
                   "Zc\t= 155.984     \tOhm\tEstimation of a 25um surface coating with same er"},
        ReportCase{"EmbeddedCovered",
                   embeddedMicrostripReport,
                   {"0.2", "0.4", "0.3", "35", "4.3"},
                   "\n"
                   "Hogan Formula:\n"
                   "Z\t= 47.468      \tOhm\tCharacteristic Impedance \n"
                   "L\t= 322.051     \tnH/m\tInductane per meter\n"
                   "C\t= 142.930     \tpF/m\tCapacitance per meter\n"
                   "pd\t= 6.785        \tns/m\tPropagation delay\n"
                   "No accuracy is granted.\n"
                   "\n"
                   "IPC-D-317A (Modified) Formula:\n"
                   "Z\t= 43.525      \tOhm\tCharacteristic Impedance \n"
                   "L\t= 293.763     \tnH/m\tInductane per meter\n"
                   "C\t= 155.070     \tpF/m\tCapacitance per meter\n"
                   "pd\t= 6.761        \tns/m\tPropagation delay"},
        ReportCase{"EmbeddedCoverEqualsHeight",
                   embeddedMicrostripReport,
                   {"0.2", "0.2", "0.3", "35", "4.3"},
                   "\n"
                   "Hogan Formula:\n"
                   "Z\t= 54.859      \tOhm\tCharacteristic Impedance \n"
                   "L\t= 322.051     \tnH/m\tInductane per meter\n"
                   "C\t= 107.009     \tpF/m\tCapacitance per meter\n"
                   "pd\t= 5.870        \tns/m\tPropagation delay\n"
                   "No accuracy is granted.\n"
                   "\n"
                   "IPC-D-317A (Modified) Formula:\n"
                   "Z\t= 47.921      \tOhm\tCharacteristic Impedance \n"
                   "L\t= 293.763     \tnH/m\tInductane per meter\n"
                   "C\t= 127.920     \tpF/m\tCapacitance per meter\n"
                   "pd\t= 6.141        \tns/m\tPropagation delay\n"
                   "**** Warning ****  Accuracy is questionable, b1 should be >1.2*b and er should be between 1...15!"},
        ReportCase{"DifferentialApart",
                   differentialReport,
                   {"0.2", "0.3", "50"},
                   "\n"
                   "Zdm\t= 88.627      \tOhm\tCharacteristic Microstrip Differential Impedance (Upper Picture)\n"
                   "\n"
                   "Zds\t= 99.552      \tOhm\tCharacteristic Stripline Differential Impedance (Lower Picture)\n"
                   "\n"
                   "No accuracy is granted."},
        ReportCase{"StriplineNarrow",
                   striplineReport,
                   {"1.6", "0.5", "35", "4.3"},
                   "\n"
                   "Z\t= 56.930      \tOhm\tCharacteristic Impedance \n"
                   "L\t= 393.773     \tnH/m\tInductane per meter\n"
                   "C\t= 121.495     \tpF/m\tCapacitance per meter\n"
                   "pd\t= 6.917        \tns/m\tPropagation delay\n"
                   "\n"
                   "Accuracy is better than 1.3 percent."},
        ReportCase{"StriplineQuarterBound",
                   striplineReport,
                   {"1.6", "1", "250", "4.3"},
                   "\n"
                   "Z\t= 32.809      \tOhm\tCharacteristic Impedance \n"
                   "L\t= 226.930     \tnH/m\tInductane per meter\n"
                   "C\t= 210.820     \tpF/m\tCapacitance per meter\n"
                   "pd\t= 6.917        \tns/m\tPropagation delay\n"
                   "\n"
                   "**** Warning ****\n"
                   "Accuracy is questionable, probably worse than 2 percent!"},
        ReportCase{"OffsetStripline",
                   offsetStriplineReport,
                   {"0.2", "0.5", "0.15", "35", "4.3"},
                   "\n"
                   "Seymour Formula:\n"
                   "Z\t= 58.406      \tOhm\tCharacteristic Impedance \n"
                   "L\t= 403.981     \tnH/m\tInductane per meter\n"
                   "C\t= 118.425     \tpF/m\tCapacitance per meter\n"
                   "pd\t= 6.917        \tns/m\tPropagation delay\n"
                   "\n"
                   "Hogan Formula:\n"
                   "Z\t= 63.459      \tOhm\tCharacteristic Impedance \n"
                   "L\t= 438.926     \tnH/m\tInductane per meter\n"
                   "C\t= 108.996     \tpF/m\tCapacitance per meter\n"
                   "pd\t= 6.917        \tns/m\tPropagation delay\n"
                   "\n"
                   "No accuracy is guaranteed for both formulas."},
        ReportCase{"WireAboveGround",
                   wireAboveGroundReport,
                   {"0.5", "2", "1"},
                   "\n"
                   "Z\t= 166.355     \tOhm\tCharacteristic Impedance \n"
                   "L\t= 554.887     \tnH/m\tInductane per meter\n"
                   "C\t= 20.051      \tpF/m\tCapacitance per meter\n"
                   "pd\t= 3.336        \tns/m\tPropagation delay"},
        ReportCase{"WireAtQuarterDiameter",
                   wireAboveGroundReport,
                   {"1", "0.25", "1"},
                   "\n"
                   "Z\t= 0.0         \tOhm\tCharacteristic Impedance \n"
                   "L\t= 0.0         \tnH/m\tInductane per meter\n"
                   "C\t= +infinity   \tpF/m\tCapacitance per meter\n"
                   "pd\t= 3.336        \tns/m\tPropagation delay"},
        ReportCase{"CoaxFiftyOhm",
                   coaxReport,
                   {"1", "3.5", "2.25"},
                   "\n"
                   "Z\t= 50.111      \tOhm\tCharacteristic Impedance \n"
                   "L\t= 250.719     \tnH/m\tInductane per meter\n"
                   "C\t= 99.846      \tpF/m\tCapacitance per meter\n"
                   "pd\t= 5.003        \tns/m\tPropagation delay"},
        ReportCase{.name = "CoaxFiftyOhmMoreDigits",
                   .report = coaxReport,
                   .inputs = {"1", "3.5", "2.25"},
                   .expected = "\n"
                               "Z\t= 50.11051873981472\tOhm\tCharacteristic Impedance \n"
                               "L\t= 250.7192999523616\tnH/m\tInductane per meter\n"
                               "C\t= 99.84583870767653\tpF/m\tCapacitance per meter\n"
                               "pd\t= 5.003326771653543\tns/m\tPropagation delay",
                   .moreDigits = true},
        // Lengths in inches, as the formulas are stated: in metres each of the next three
        // ends in another last digit.
        ReportCase{.name = "MicrostripNarrowTraceMoreDigits",
                   .report = microstripReport,
                   .inputs = {"1.6", "0.5", "35", "4.3"},
                   .expected = "\n"
                               "Z\t= 109.0545241388068\tOhm\tCharacteristic Impedance \n"
                               "L\t= 621.1611650102886\tnH/m\tInductane per meter\n"
                               "C\t= 52.22962668943861\tpF/m\tCapacitance per meter\n"
                               "pd\t= 5.695877084564251\tns/m\tPropagation delay\n"
                               "\n"
                               "Accuracy is better than 2 percent.\n"
                               "\n"
                               "Zc\t= 108.2668910695882\tOhm\tEstimation of a 25um surface coating with same er",
                   .moreDigits = true},
        ReportCase{.name = "CoaxWithInchDigits",
                   .report = coaxReport,
                   .inputs = {"0.8", "2.5", "1"},
                   .expected = "\n"
                               "Z\t= 68.36605699130187\tOhm\tCharacteristic Impedance \n"
                               "L\t= 228.0384821446484\tnH/m\tInductane per meter\n"
                               "C\t= 48.78957962321478\tpF/m\tCapacitance per meter\n"
                               "pd\t= 3.335551181102363\tns/m\tPropagation delay",
                   .moreDigits = true},
        ReportCase{.name = "WireWithInchDigits",
                   .report = wireAboveGroundReport,
                   .inputs = {"0.8", "2", "1"},
                   .expected = "\n"
                               "Z\t= 138.1551055796427\tOhm\tCharacteristic Impedance \n"
                               "L\t= 460.8234255914990\tnH/m\tInductane per meter\n"
                               "C\t= 24.14352453431050\tpF/m\tCapacitance per meter\n"
                               "pd\t= 3.335551181102363\tns/m\tPropagation delay",
                   .moreDigits = true},
        ReportCase{
            "TwistedPair",
            twistedPairReport,
            {"0.5", "0.9", "3.5", "40"},
            "\n"
            "Z\t= 110.807     \tOhm\tCharacteristic Impedance: Lefferson formula for hard insulation\n"
            "L\t= 477.164     \tnH/m\tInductane per meter\n"
            "C\t= 38.863      \tpF/m\tCapacitance per meter\n"
            "pd\t= 4.306        \tns/m\tPropagation delay\n"
            "\n"
            "Z\t= 108.788     \tOhm\tCharacteristic Impedance: Lefferson formula for soft insulation (PTFE) \n"
            "L\t= 477.164     \tnH/m\tInductane per meter\n"
            "C\t= 40.319      \tpF/m\tCapacitance per meter\n"
            "pd\t= 4.386        \tns/m\tPropagation delay\n"
            "\n"
            "Z\t= 107.031     \tOhm\tCharacteristic Impedance: Broxon, Linkhart formula, correctness is not sure\n"
            "L\t= 477.164     \tnH/m\tInductane per meter\n"
            "C\t= 41.653      \tpF/m\tCapacitance per meter\n"
            "pd\t= 4.458        \tns/m\tPropagation delay\n"
            "\n"
            "Z\t= 76.517      \tOhm\tCharacteristic Impedance: For wires fully embedded in material of er \n"
            "L\t= 477.495     \tnH/m\tInductane per meter\n"
            "C\t= 81.556      \tpF/m\tCapacitance per meter\n"
            "pd\t= 6.240        \tns/m\tPropagation delay"},
        ReportCase{"SkinCopper1MHz",
                   skinEffectReport,
                   {"1", "0.0175", "1", "1e6"},
                   "\n"
                   "ds\t= 66.579E-3   \tmm\tSkin depth ( Depth where current density is down to 37% ) \n"
                   "Aw\t= 0.785        \tmm2\tWire area\n"
                   "Ae\t= 0.195        \tmm2\tActive wire area\n"
                   "delta\t= 4.023        \t\tRelative resistance rise due to skin effect\n"
                   "\n"
                   "Skin depth is also called \"average current depth\"\n"
                   "The skin depth is correct for many wire shapes (e.g. rectangular)\n"
                   "and so allows approximate calculation of active area."},
        ReportCase{.name = "SkinCopper1MHzMoreDigits",
                   .report = skinEffectReport,
                   .inputs = {"1", "0.0175", "1", "1e6"},
                   .expected
                   = "\n"
                     "ds\t= 0.066579289455147\tmm\tSkin depth ( Depth where current density is down to 37% ) \n"
                     "Aw\t= 0.785398163397448\tmm2\tWire area\n"
                     "Ae\t= 0.195238949112978\tmm2\tActive wire area\n"
                     "delta\t= 4.022753487281709\t\tRelative resistance rise due to skin effect\n"
                     "\n"
                     "Skin depth is also called \"average current depth\"\n"
                     "The skin depth is correct for many wire shapes (e.g. rectangular)\n"
                     "and so allows approximate calculation of active area.",
                   .moreDigits = true},
        ReportCase{"SkinCopper50Hz",
                   skinEffectReport,
                   {"1", "0.0175", "1", "50"},
                   "\n"
                   "d\t= 9.416        \tmm\tSkin depth ( Depth where current density is down to 37% ) \n"
                   "Aw\t= 0.785        \tmm2\tWire area\n"
                   "\n"
                   "Resistance rise is not strong for this wire (<30%)\n"
                   "\n"
                   "Skin depth is also called \"average current depth\"\n"
                   "The skin depth is correct for many wire shapes (e.g. rectangular)\n"
                   "and so allows approximate calculation of active area."},
        // Start-up state: d and w empty, so every number is NaN and the range test fails.
        ReportCase{"MicrostripEmptyWidthAndHeight",
                   microstripReport,
                   {"", "", "35", "4.3"},
                   "\n"
                   "Z\t= NaN         \tOhm\tCharacteristic Impedance \n"
                   "L\t= NaN         \tnH/m\tInductane per meter\n"
                   "C\t= NaN         \tpF/m\tCapacitance per meter\n"
                   "pd\t= NaN         \tns/m\tPropagation delay\n"
                   "\n"
                   "**** Warning ****\n"
                   "Accuracy is questionable, probably worse than 2 percent!\n"
                   "\n"
                   "Zc\t= NaN         \tOhm\tEstimation of a 25um surface coating with same er"},
        // Touching wires: acosh(1) = 0, so C is infinite and Z = sqrt(0 / inf) = 0; the
        // integral meets inf - inf.
        ReportCase{
            "TwistedPairWiresTouching",
            twistedPairReport,
            {"0.5", "0.5", "1", "0"},
            "\n"
            "Z\t= 0.0         \tOhm\tCharacteristic Impedance: Lefferson formula for hard insulation\n"
            "L\t= 0.0         \tnH/m\tInductane per meter\n"
            "C\t= +infinity   \tpF/m\tCapacitance per meter\n"
            "pd\t= 3.336        \tns/m\tPropagation delay\n"
            "\n"
            "Z\t= 0.0         \tOhm\tCharacteristic Impedance: Lefferson formula for soft insulation (PTFE) \n"
            "L\t= 0.0         \tnH/m\tInductane per meter\n"
            "C\t= +infinity   \tpF/m\tCapacitance per meter\n"
            "pd\t= 3.336        \tns/m\tPropagation delay\n"
            "\n"
            "Z\t= NaN         \tOhm\tCharacteristic Impedance: Broxon, Linkhart formula, correctness is not sure\n"
            "L\t= 0.0         \tnH/m\tInductane per meter\n"
            "C\t= NaN         \tpF/m\tCapacitance per meter\n"
            "pd\t= NaN         \tns/m\tPropagation delay\n"
            "\n"
            "Z\t= 0.0         \tOhm\tCharacteristic Impedance: For wires fully embedded in material of er \n"
            "L\t= 0.0         \tnH/m\tInductane per meter\n"
            "C\t= +infinity   \tpF/m\tCapacitance per meter\n"
            "pd\t= 3.336        \tns/m\tPropagation delay"}),
    test::caseName);

// Which formula branch and which verdict a report takes, told by its first number.
struct BranchCase {
    const char* name;
    ReportFunction report;
    QStringList inputs;
    const char* firstNumber;
    const char* verdict;
    bool verdictShown;
};

void PrintTo(const BranchCase& c, std::ostream* os)
{
    *os << c.name;
}

class ImpedanceBranchTest : public testing::TestWithParam<BranchCase> { };

TEST_P(ImpedanceBranchTest, TakesTheBranchAndVerdict)
{
    const BranchCase& c = GetParam();
    const QString report = test::evaluate(impedanceProgram(), c.report, c.inputs).text;
    EXPECT_TRUE(report.contains(QStringLiteral("= ") + QLatin1String(c.firstNumber))) << report.toStdString();
    EXPECT_EQ(report.contains(QLatin1String(c.verdict)), c.verdictShown) << report.toStdString();
}

constexpr const char* microstripGood = "Accuracy is better than 2 percent.";
constexpr const char* ipcWarning = "b1 should be >1.2*b";
constexpr const char* thinWire = "Resistance rise is not strong for this wire";

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ImpedanceBranchTest,
    testing::Values(
        // h <= w, h > w (with we by 2h/t), h > 2 pi w (we by 4 pi w/t); the typed width
        // decides even where the effective width exceeds h.
        BranchCase{
            "MicrostripHeightBelowWidth", microstripReport, {"1.6", "3", "35", "4.3"}, "50.724", microstripGood, true},
        BranchCase{"MicrostripHeightEqualsWidth",
                   microstripReport,
                   {"1.6", "1.6", "35", "4.3"},
                   "70.293",
                   microstripGood,
                   true},
        BranchCase{"MicrostripHeightAboveWidth",
                   microstripReport,
                   {"1.6", "0.5", "35", "4.3"},
                   "109.055",
                   microstripGood,
                   true},
        // 35 um copper on a 0.2 mm trace (t/w = 0.175): outside the region where the
        // field solver confirms the formula to 2 percent.
        BranchCase{"MicrostripHeightAboveTwoPiWidth",
                   microstripReport,
                   {"1.6", "0.2", "35", "4.3"},
                   "137.362",
                   microstripGood,
                   false},
        BranchCase{"MicrostripEffectiveWidthAboveHeight",
                   microstripReport,
                   {"1.6", "1.55", "35", "4.3"},
                   "71.552",
                   microstripGood,
                   true},
        BranchCase{
            "MicrostripPermittivity16", microstripReport, {"1.6", "3", "35", "16"}, "27.297", microstripGood, false},
        BranchCase{"MicrostripPermittivityBelow16",
                   microstripReport,
                   {"1.6", "3", "35", "15.999"},
                   "27.298",
                   microstripGood,
                   true},
        BranchCase{"MicrostripNotANumber", microstripReport, {"nan", "3", "35", "4.3"}, "NaN", microstripGood, false},
        BranchCase{"EmbeddedPermittivity15",
                   embeddedMicrostripReport,
                   {"0.2", "0.4", "0.3", "35", "15"},
                   "25.524",
                   ipcWarning,
                   false},
        BranchCase{"EmbeddedPermittivityAbove15",
                   embeddedMicrostripReport,
                   {"0.2", "0.4", "0.3", "35", "15.01"},
                   "25.515",
                   ipcWarning,
                   true},
        BranchCase{"EmbeddedCoverNotANumber",
                   embeddedMicrostripReport,
                   {"0.2", "nan", "0.3", "35", "4.3"},
                   "NaN",
                   ipcWarning,
                   true},
        // w/b = 0.3125 narrow, w/b = 0.35 wide; t/w = 0.11 and 0.25 exactly.
        BranchCase{"StriplineNarrowStrip",
                   striplineReport,
                   {"1.6", "0.5", "35", "4.3"},
                   "56.930",
                   "better than 1.3 percent",
                   true},
        BranchCase{"StriplineWideAtBound",
                   striplineReport,
                   {"1.6", "0.56", "35", "4.3"},
                   "54.165",
                   "better than 1.3 percent",
                   true},
        BranchCase{"StriplineThicknessAtElevenPercent",
                   striplineReport,
                   {"1.1", "1", "110", "4.3"},
                   "28.557",
                   "better than 2 percent",
                   true},
        BranchCase{"StriplineThicknessAtQuarter",
                   striplineReport,
                   {"1.6", "1", "250", "4.3"},
                   "32.809",
                   "worse than 2 percent",
                   true},
        BranchCase{"DifferentialTouching", differentialReport, {"0.2", "0", "50"}, "52.000", "Zds\t= 65.300 ", true},
        BranchCase{"SkinDiameterFourDepths",
                   skinEffectReport,
                   {"1", "0.0175", "1", "70924.82854963644"},
                   "0.250",
                   thinWire,
                   true},
        BranchCase{"SkinDiameterAboveFourDepths",
                   skinEffectReport,
                   {"1", "0.0175", "1", "70924.8285496365"},
                   "0.250",
                   thinWire,
                   false},
        BranchCase{"SkinZeroFrequency", skinEffectReport, {"1", "0.0175", "1", "0"}, "+infinity", thinWire, true},
        BranchCase{"SkinZeroResistivity", skinEffectReport, {"1", "0", "1", "50"}, "0.0 ", "delta\t= +infinity", true}),
    [](const testing::TestParamInfo<BranchCase>& info) { return std::string(info.param.name); });

// The lines of one report, for comparing parts of two reports.
QStringList linesOf(ReportFunction report, const QStringList& inputs)
{
    return test::evaluate(impedanceProgram(), report, inputs, true).text.split(QLatin1Char('\n'));
}

TEST(OffsetStripline, GivesTheSameReportWithTheGapsSwapped)
{
    EXPECT_EQ(
        test::evaluate(impedanceProgram(), offsetStriplineReport, {"0.2", "0.5", "0.15", "35", "4.3"}, true).text,
        test::evaluate(impedanceProgram(), offsetStriplineReport, {"0.5", "0.2", "0.15", "35", "4.3"}, true).text);
}

// With equal gaps the Seymour line is the centred stripline of b = 2 h1 + t.
TEST(OffsetStripline, CentredTraceMatchesTheStripline)
{
    const QStringList offset = linesOf(offsetStriplineReport, {"0.5", "0.5", "0.15", "35", "4.3"});
    const QStringList centred = linesOf(striplineReport, {"1.035", "0.15", "35", "4.3"});
    EXPECT_EQ(offset[2].left(14), centred[1].left(14)); // Z to 9 significant digits
    EXPECT_EQ(offset[5], centred[4]); // pd depends on er alone
}

// A cover no thicker than the trace height leaves the surface microstrip.
TEST(EmbeddedMicrostrip, CoverAtTraceHeightGivesTheSurfaceImpedance)
{
    const QStringList embedded = linesOf(embeddedMicrostripReport, {"0.2", "0.2", "0.3", "35", "4.3"});
    const QStringList surface = linesOf(microstripReport, {"0.2", "0.3", "35", "4.3"});
    EXPECT_EQ(embedded[2].left(16), surface[1].left(16)); // Z to 11 significant digits
    EXPECT_EQ(embedded[5], surface[4]);
}

// In air the insulation drops out: both Lefferson formulas and the integral agree
// (Z and L to 8 significant digits).
TEST(TwistedPair, InAirTheFirstThreeFormulasAgree)
{
    const QStringList lines = linesOf(twistedPairReport, {"0.5", "0.9", "1", "0"});
    ASSERT_EQ(lines.size(), 20);
    for (int block : {1, 2})
        for (int row : {1, 2})
            EXPECT_EQ(lines[5 * block + row].left(13), lines[row].left(13)) << block << ' ' << row;
}

// What an engineer checks first, against the textbook values.
// Z0 = 60 ln(d2/d1) / sqrt(er) = 60 ln(3.5) / 1.5 = 50.11 ohm.
TEST(ImpedanceSanity, FiftyOhmCoax)
{
    EXPECT_TRUE(test::evaluate(impedanceProgram(), coaxReport, {"1", "3.5", "2.25"})
                    .text.startsWith(QStringLiteral("\nZ\t= 50.111 ")));
}

TEST(ImpedanceSanity, MicrostripOnFr4NearFiftyOhm)
{
    // 1.6 mm FR-4 (er 4.3), 35 um copper: a 3 mm trace is close to 50 ohm.
    const Microstrip line = microstrip(1.6 / 25.4, 3.0 / 25.4, 35.0 / 25400.0, 4.3);
    EXPECT_NEAR(line.impedance, 50.0, 2.5);
    EXPECT_GT(line.effectivePermittivity, 3.0);
    EXPECT_LT(line.effectivePermittivity, 4.3);
}

TEST(ImpedanceSanity, StriplineImpedanceIsIndependentOfTheUnit)
{
    EXPECT_NEAR(Zstrip(1.6, 0.5, 0.035, 4.3), Zstrip(1.6 / 25.4, 0.5 / 25.4, 0.035 / 25.4, 4.3), 1e-9);
    EXPECT_NEAR(Zstrip(1.6, 0.5, 0.035, 4.3) * std::sqrt(4.3), Zstrip(1.6, 0.5, 0.035, 1.0), 1e-9);
}

// delta = sqrt(rho / (pi f mu0)) = 66.58 um for rho = 1.75e-8 ohm m at 1 MHz.
TEST(ImpedanceSanity, SkinDepthOfCopperAtOneMegahertz)
{
    EXPECT_TRUE(test::evaluate(impedanceProgram(), skinEffectReport, {"1", "0.0175", "1", "1e6"})
                    .text.startsWith(QStringLiteral("\nds\t= 66.579E-3 ")));
}

// Whatever is typed, every topology answers with a report and never stalls.
TEST(ImpedanceRobustness, EveryTopologyAnswersOddInput)
{
    const QStringList odd[] = {{"", "", "", "", ""},
                               {"-1", "-1", "-1", "-1", "-1"},
                               {"nan", "nan", "nan", "nan", "nan"},
                               {"inf", "1e308", "-0", "1e-320", "inf"},
                               {"1e308", "1e308", "1e308", "1e308", "1e308"}};
    for (const Topology& topology : impedanceProgram().topologies)
        for (const QStringList& inputs : odd)
            EXPECT_TRUE(test::evaluate(impedanceProgram(), topology.report, inputs).text.contains(QLatin1Char('=')))
                << topology.buttonText << ' ' << inputs.join(QLatin1Char(' ')).toStdString();
}

} // namespace
} // namespace kalvo::impedance
