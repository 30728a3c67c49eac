#include "line_estimates.h"
#include "line_solutions.h"
#include "pcb_program.h"
#include "pcb_reports.h"
#include "quantity_checks.h"
#include "report_cases.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QRegularExpression>

#include <cmath>
#include <string>

// Expected numbers: reference_values.py (an independent Python version of the published
// formulas) and, for the lines, the field solver itself.
namespace kalvo::pcb {
namespace {

using test::ReportCase; // "<>" in expected stands for a number that follows the field solver

// The text must be `expected` to the last character, each "<>" a printed number.
bool matches(const QString& text, const QString& expected)
{
    const QStringList pieces = expected.split(QStringLiteral("<>"));
    QStringList escaped;
    for (const QString& piece : pieces)
        escaped.append(QRegularExpression::escape(piece));
    const QRegularExpression pattern(QStringLiteral("\\A") + escaped.join(QStringLiteral("-?[0-9.]+(E[-+][0-9]+)? *"))
                                     + QStringLiteral("\\z"));
    return pattern.match(text).hasMatch();
}

class PcbReportText : public testing::TestWithParam<ReportCase> { };

TEST_P(PcbReportText, GivesTheExactReport)
{
    const QString text = test::evaluate(pcbProgram(), GetParam()).text;
    EXPECT_TRUE(matches(text, QString::fromStdString(GetParam().expected))) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PcbReportText,
    testing::ValuesIn(std::vector<ReportCase>{
        ReportCase{"TrackWidth3Amperes",
                   trackWidthReport,
                   {"3"},
                   "\nIPC-2152 (Brooks and Adam's fit, coefficients unverified):\n"
                   "W\t= 1.874        \tmm\tTrack width, outer layers; inner ones run cooler\n"
                   "\nIPC-2221:\nWout\t= 1.367        \tmm\tTrack width, outer layers\n"
                   "Win\t= 3.556        \tmm\tTrack width, inner layers\n"
                   "\nThe IPC-2152 track of length l:\nR20\t= 26.290      \tmOhm\tResistance at 20 °C\n"
                   "Rhot\t= 27.324      \tmOhm\tResistance at 20 °C + dT\nU\t= 81.971      \tmV\tVoltage drop at I\n"
                   "P\t= 245.913     \tmW\tPower at I"},
        // Johnson's via: 0.157 in board, 0.028 in pad, 0.055 in clearance, er 4.4:
        // 1.01 pF, 55.6 ps on a 50 Ohm line; here with a 0.012 in hole.
        ReportCase{"JohnsonsVia",
                   viaReport,
                   {"0.3048", "25", "3.9878", "0.7112", "1.397", "4.4"},
                   "\nA\t= 0.022        \tmm2\tCopper cross-section of the barrel\n"
                   "R\t= 3.129        \tmOhm\tResistance at 20 °C\n"
                   "I10\t= 1.641        \tA\tCurrent for a 10 °C rise (IPC-2152 fit, unverified)\n"
                   "I20\t= 2.320        \tA\tCurrent for a 20 °C rise\n"
                   "Rth\t= 465.298     \tK/W\tThermal resistance of the barrel\n"
                   "\nC\t= 1.010        \tpF\tCapacitance of the pad to the planes (Johnson)\n"
                   "L\t= 3.954        \tnH\tInductance (Johnson)\n"
                   "Z\t= 62.566      \tOhm\tImpedance, sqrt(L/C)\n"
                   "TrC\t= 55.556      \tps\t10-90 % rise time added by C on a 50 Ohm line\n"
                   "TrL\t= 86.988      \tps\t10-90 % rise time added by L on a 50 Ohm line"},
        ReportCase{"CoplanarOnFr4",
                   coplanarReport,
                   {"1.6", "1", "0.2"},
                   "\nField solver:\nZ0\t= <>\tOhm\tCharacteristic impedance\n"
                   "eeff\t= <>\t\tEffective permittivity\n"
                   "err\t= <>\t%\tEstimated error of the field solver's capacitances\n"
                   "\nConformal mapping (Ghione and Naldi):\nZ0\t= 54.355      \tOhm\t<>\t% from the field solver\n"
                   "eeff\t= 2.422        \t\t<>\t% from the field solver\n"
                   "**** Warning ****  The measured map does not show the closed form within 2 percent here."},
        ReportCase{"GroundedCoplanarThin",
                   groundedCoplanarReport,
                   {"1.6", "1", "0.2", "0"},
                   "\nField solver:\nZ0\t= <>\tOhm\tCharacteristic impedance\n"
                   "eeff\t= <>\t\tEffective permittivity\n"
                   "err\t= <>\t%\tEstimated error of the field solver's capacitances\n"
                   "\nConformal mapping (Ghione and Naldi):\nZ0\t= 54.893      \tOhm\t<>\t% from the field solver\n"
                   "eeff\t= 2.705        \t\t<>\t% from the field solver"},
        ReportCase{"DifferentialMicrostrip",
                   differentialMicrostripReport,
                   {"0.2", "0.3", "0.2"},
                   "\nField solver:\nZdiff\t= <>\tOhm\tDifferential impedance, 2 Zodd\n"
                   "Zcomm\t= <>\tOhm\tCommon-mode impedance, Zeven / 2\n"
                   "Zodd\t= <>\tOhm\tOdd-mode impedance\nZeven\t= <>\tOhm\tEven-mode impedance\n"
                   "eodd\t= <>\t\tOdd-mode effective permittivity\n"
                   "eeven\t= <>\t\tEven-mode effective permittivity\n"
                   "err\t= <>\t%\tEstimated error of the field solver's capacitances\n"
                   "\nKirschning and Jansen:\nZdiff\t= 94.469      \tOhm\t<>\t% from the field solver\n"
                   "Zcomm\t= 30.959      \tOhm\t<>\t% from the field solver\n"
                   "Zodd\t= 47.234      \tOhm\t<>\t% from the field solver\n"
                   "Zeven\t= 61.918      \tOhm\t<>\t% from the field solver\n"
                   "eodd\t= 2.661        \t\t<>\t% from the field solver\n"
                   "eeven\t= 3.356        \t\t<>\t% from the field solver\n"
                   "**** Warning ****  The measured map does not show the closed form within 2 percent here."},
        ReportCase{"DifferentialStripline",
                   differentialStriplineReport,
                   {"0.5", "0.15", "0.2"},
                   "\nField solver:\nZdiff\t= <>\tOhm\tDifferential impedance, 2 Zodd\n"
                   "Zcomm\t= <>\tOhm\tCommon-mode impedance, Zeven / 2\n"
                   "Zodd\t= <>\tOhm\tOdd-mode impedance\nZeven\t= <>\tOhm\tEven-mode impedance\n"
                   "eodd\t= <>\t\tOdd-mode effective permittivity\n"
                   "eeven\t= <>\t\tEven-mode effective permittivity\n"
                   "err\t= <>\t%\tEstimated error of the field solver's capacitances\n"
                   "\nCohn:\nZdiff\t= 92.044      \tOhm\t<>\t% from the field solver\n"
                   "Zcomm\t= 29.312      \tOhm\t<>\t% from the field solver\n"
                   "Zodd\t= 46.022      \tOhm\t<>\t% from the field solver\n"
                   "Zeven\t= 58.624      \tOhm\t<>\t% from the field solver\n"
                   "eodd\t= 4.300        \t\t<>\t% from the field solver\n"
                   "eeven\t= 4.300        \t\t<>\t% from the field solver\n"
                   "**** Warning ****  The measured map does not show the closed form within 2 percent here."},
        // Above 500 V the 500 V row plus the column's value per volt: B1 at 600 V is
        // 0.25 mm + 100 V * 0.0025 mm/V = 0.50 mm.
        ReportCase{"Clearance600Volts",
                   edgeClearanceReport,
                   {"600"},
                   "\nMinimum conductor spacing (IPC-2221B, table 6-1):\n"
                   "B1\t= 0.500        \tmm\tInternal conductors\n"
                   "B2\t= 3.000        \tmm\tExternal conductors, uncoated, sea level to 3050 m\n"
                   "B3\t= 15.000      \tmm\tExternal conductors, uncoated, above 3050 m\n"
                   "B4\t= 1.105        \tmm\tExternal conductors, with permanent polymer coating\n"
                   "A5\t= 1.105        \tmm\tExternal conductors, with conformal coating over assembly\n"
                   "A6\t= 1.805        \tmm\tExternal component lead/termination, uncoated\n"
                   "A7\t= 1.105        \tmm\tExternal component lead/termination, with conformal coating\n"
                   "\nAbove 500 V each column adds its value per volt to its 500 V spacing."},
        ReportCase{"Fusing10MilTrack",
                   fusingCurrentReport,
                   {"0.254"},
                   "\nA\t= 8.890E-3    \tmm2\tCopper cross-section\n"
                   "I\t= 2.567        \tA\tFusing current: melts the track in tp (Onderdonk)\n"
                   "J\t= 288.719     \tA/mm2\tCurrent density at the fusing current"},
        ReportCase{"TrackTemperature",
                   trackTemperatureReport,
                   {"1", "35", "2"},
                   "\nIPC-2152 (Brooks and Adam's fit, coefficients unverified):\n"
                   "dT\t= 9.150        \t°C\tTemperature rise, outer layers; inner ones run cooler\n"
                   "\nIPC-2221:\ndTout\t= 6.661        \t°C\tTemperature rise, outer layers\n"
                   "dTin\t= 32.187      \t°C\tTemperature rise, inner layers\n"
                   "**** Warning ****  Outside the IPC-2221 chart (up to 35 A, 700 square mils, rise 10 to 100 °C)."},
    }),
    test::caseName);

struct LineCase {
    const char* name;
    ReportFunction report;
    Line line;
    QStringList typed; // every field, in mm, um and er
    const char* headline; // the solver's first value
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.name;
}

class PcbLineReport : public testing::TestWithParam<LineCase> { };

// The headline is the field solver's own value, and each closed-form line gives its
// difference from the solver's.
TEST_P(PcbLineReport, HeadlinesTheFieldSolverAndMeasuresTheClosedFormAgainstIt)
{
    const LineCase& c = GetParam();
    const Report report = test::evaluate(pcbProgram(), c.report, c.typed);
    const LineShape shape{c.typed[0].toDouble() * 1e-3, c.typed[1].toDouble() * 1e-3, c.typed[2].toDouble() * 1e-3,
                          c.typed[3].toDouble() * 1e-6, c.typed[4].toDouble()};
    const fieldsolver::Result solved = fieldsolver::solve(crossSection(c.line, shape), {.tolerance = reportTolerance});
    const double headline = c.line == Line::Coplanar || c.line == Line::GroundedCoplanar
        ? fieldsolver::singleLine(solved).impedance
        : fieldsolver::coupledLines(solved).differentialImpedance;
    const Quantity* q = report.quantity(QString::fromUtf8(c.headline));
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->value, headline);
    for (const Quantity& difference : report.quantities)
        if (difference.key.startsWith(QLatin1Char('d')) && difference.key.contains(QLatin1Char('_'))) {
            const QString closedKey = difference.key.mid(1);
            const double closed = report.quantity(closedKey)->value;
            const double solver = report.quantity(closedKey.left(closedKey.indexOf(QLatin1Char('_'))))->value;
            EXPECT_NEAR(difference.value, (closed / solver - 1.0) * 100.0, 1e-9) << difference.key.toStdString();
        }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PcbLineReport,
    testing::Values(LineCase{"Coplanar", coplanarReport, Line::Coplanar, {"1.6", "1", "0.2", "35", "4.3"}, "Z0"},
                    LineCase{"GroundedCoplanar",
                             groundedCoplanarReport,
                             Line::GroundedCoplanar,
                             {"0.8", "0.5", "0.3", "18", "3.5"},
                             "Z0"},
                    LineCase{"DifferentialMicrostrip",
                             differentialMicrostripReport,
                             Line::CoupledMicrostrip,
                             {"0.2", "0.3", "0.2", "35", "4.3"},
                             "Zdiff"},
                    LineCase{"DifferentialStripline",
                             differentialStriplineReport,
                             Line::CoupledStripline,
                             {"0.5", "0.15", "0.2", "17.5", "3.2"},
                             "Zdiff"}),
    [](const auto& info) { return std::string(info.param.name); });

// Solve and Plot repeat the report hundreds of times: no field solve, and none of the
// solver's quantities recorded, only the closed form's.
TEST(PcbLineReport, RepeatedForSolveAndPlotGivesTheClosedFormAlone)
{
    CalculationInput input
        = test::typedInput(pcbProgram(), {.report = differentialMicrostripReport, .inputs = {"0.2", "0.3", "0.2"}});
    input.repeated = true;
    const Report report = differentialMicrostripReport(input);
    EXPECT_EQ(report.text.toStdString(),
              "\nField solver:\nNot run while Solve or Plot repeats the report; GO runs it.\n"
              "\nKirschning and Jansen:\n"
              "Zdiff\t= 94.469      \tOhm\tDifferential impedance, 2 Zodd\n"
              "Zcomm\t= 30.959      \tOhm\tCommon-mode impedance, Zeven / 2\n"
              "Zodd\t= 47.234      \tOhm\tOdd-mode impedance\n"
              "Zeven\t= 61.918      \tOhm\tEven-mode impedance\n"
              "eodd\t= 2.661        \t\tOdd-mode effective permittivity\n"
              "eeven\t= 3.356        \t\tEven-mode effective permittivity\n"
              "**** Warning ****  The measured map does not show the closed form within 2 percent here.");
    QStringList keys;
    for (const Quantity& q : report.quantities)
        keys.append(q.key);
    EXPECT_EQ(keys, (QStringList{"Zdiff_KJ", "Zcomm_KJ", "Zodd_KJ", "Zeven_KJ", "eodd_KJ", "eeven_KJ"}));
}

struct Branch {
    const char* name;
    ReportFunction report;
    QStringList typed;
    int quantities;
    int warnings;
};

void PrintTo(const Branch& b, std::ostream* os)
{
    *os << b.name;
}

class PcbQuantities : public testing::TestWithParam<Branch> { };

// Every printed number is recorded once under a unique key, with its SI value the printed
// number in its printed unit; warnings are recorded as printed.
TEST_P(PcbQuantities, RecordEveryNumberOnceWithItsSiValue)
{
    const Branch& b = GetParam();
    const Report report = test::evaluate(pcbProgram(), b.report, b.typed, true);
    EXPECT_EQ(static_cast<int>(report.quantities.size()), b.quantities);
    EXPECT_EQ(report.warnings.size(), b.warnings);
    const QHash<QString, double> scales{{"", 1.0},     {"%", 1.0},     {"A", 1.0},    {"A/mm2", 1e6}, {"K/W", 1.0},
                                        {"Ohm", 1.0},  {"mOhm", 1e-3}, {"mV", 1e-3},  {"mW", 1e-3},   {"mm", 1e-3},
                                        {"mm2", 1e-6}, {"nH", 1e-9},   {"pF", 1e-12}, {"ps", 1e-12},  {"°C", 1.0}};
    test::expectKeysAndTextsAgree(report);
    for (const Quantity& q : report.quantities) {
        ASSERT_TRUE(scales.contains(q.shownUnit)) << q.shownUnit.toStdString();
        EXPECT_TRUE(std::isfinite(q.value)) << q.key.toStdString();
        test::expectValueAsPrinted(q, scales[q.shownUnit]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Branches, PcbQuantities,
    testing::Values(Branch{"TrackWidthInRange", trackWidthReport, {"3"}, 7, 0},
                    Branch{"TrackWidthOutsideBoth", trackWidthReport, {"50", "120"}, 7, 2},
                    Branch{"ViaGood", viaReport, {"0.3", "25", "1.6", "0.6", "1"}, 10, 0},
                    Branch{"ViaPadInsideHole", viaReport, {"0.3", "25", "1.6", "0.2", "1"}, 10, 1},
                    Branch{"CpwSolvedThick", coplanarReport, {"1.6", "1", "0.2"}, 7, 1},
                    Branch{"CpwNoSolution", coplanarReport, {"1.6", "1", "0.2", "-35"}, 2, 2},
                    Branch{"GcpwThin", groundedCoplanarReport, {"1.6", "1", "0.2", "0"}, 7, 0},
                    Branch{"DiffMicrostripWithinMap", differentialMicrostripReport, {"0.2", "0.3", "0.3", "10"}, 19, 0},
                    Branch{"DiffMicrostripOutsideRange", differentialMicrostripReport, {"0.2", "3", "0.01"}, 19, 1},
                    Branch{"DiffStriplineThick", differentialStriplineReport, {"0.5", "0.15", "0.2"}, 19, 1},
                    Branch{"ClearanceLow", edgeClearanceReport, {"48"}, 7, 0},
                    Branch{"ClearanceAbove500", edgeClearanceReport, {"1000"}, 7, 1},
                    Branch{"FusingShort", fusingCurrentReport, {"0.254"}, 3, 0},
                    Branch{"FusingLong", fusingCurrentReport, {"0.254", "35", "60"}, 3, 1},
                    Branch{"TrackTemperature", trackTemperatureReport, {"1", "35", "3"}, 3, 0}),
    [](const auto& info) { return std::string(info.param.name); });

class PcbHostileInput : public testing::TestWithParam<const char*> { };

// Whatever is typed into every field, every report returns its whole text, at GO and
// repeated.
TEST_P(PcbHostileInput, EveryReportAnswers)
{
    const QString text = QString::fromUtf8(GetParam());
    for (const Topology& topology : pcbProgram().topologies)
        for (bool repeated : {false, true}) {
            CalculationInput input = pcbProgram().startInput(topology);
            input.repeated = repeated;
            for (QString& field : input.texts)
                field = text;
            const Report report = topology.report(input);
            EXPECT_FALSE(report.text.isEmpty()) << topology.buttonText;
        }
}

INSTANTIATE_TEST_SUITE_P(Texts, PcbHostileInput, testing::Values("", "0", "-1", "nan", "inf", "-0", "1e308", "1e-308"),
                         [](const auto& info) { return std::to_string(info.index); });

} // namespace
} // namespace kalvo::pcb
