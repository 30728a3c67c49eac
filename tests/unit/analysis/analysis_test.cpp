// Solve, sweep and the quantity catalog on a small made-up program whose results are
// known in closed form, and the engineering number reader.
#include "catalog.h"
#include "engineering_number.h"
#include "evaluation.h"
#include "solve.h"
#include "sweep.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalvo::analysis {
namespace {

// Field 1 is x [mm]; field 2 a constant k. Results: Y = (x - 2)(x - 5) with two roots,
// P = 1 / (x - 3) with a pole and no root, K = k independent of x, and W only while
// x > 10 (a branch).
Report testReport(const CalculationInput& input)
{
    const double x = input.value(1);
    const double k = input.value(2);
    ReportBuilder report(input.format, input.detail);
    report << "Y\t= ";
    report.number("Y", (x - 2.0) * (x - 5.0), units::ohm) << "\tOhm\tthe parabola\nP\t= ";
    report.number("P", 1.0 / (x - 3.0), units::none) << "\nK\t= ";
    report.number("K", k, units::nanohenry) << "\tnH";
    if (x > 10.0) {
        report << "\nW\t= ";
        report.number("W", x, units::millimetre) << "\tmm";
        report.warning(QStringLiteral("\nwide"));
    }
    return report.take();
}

constexpr Topology topologies[] = {{.number = 1,
                                    .buttonText = "Test",
                                    .labels = {"x", "k", "", "", "", ""},
                                    .visibleInputs = 2,
                                    .defaults = {"1", "7"},
                                    .report = testReport,
                                    .units = {units::millimetre, units::nanohenry}}};

constexpr Program program{.name = "test", .layout = {.inputRows = 2}, .rememberedFields = 2, .topologies = topologies};

Evaluation evaluationWith(const QString& x)
{
    CalculationInput input = program.startInput(topologies[0]);
    input.texts[0] = x;
    return Evaluation(program, topologies[0], input);
}

TEST(Solve, FindsBothRootsNearestFirst)
{
    Evaluation evaluation = evaluationWith(QStringLiteral("4.9"));
    const SolveResult result = solve(evaluation, {.field = 1, .key = "Y", .target = 0.0});
    ASSERT_EQ(result.status, SolveStatus::Found);
    ASSERT_EQ(result.roots.size(), 2u);
    EXPECT_NEAR(result.roots[0], 5.0, 5e-9); // nearest 4.9
    EXPECT_NEAR(result.roots[1], 2.0, 2e-9);
}

TEST(Solve, ReachesANonZeroTargetInANegativeRange)
{
    // (x - 2)(x - 5) = 10 at x = (7 -+ sqrt(49 - 40 + 40)) / 2 = 3.5 -+ 3.5: x = 0 and x = 7.
    Evaluation evaluation = evaluationWith(QStringLiteral("-1"));
    const SolveResult result = solve(evaluation, {.field = 1, .key = "Y", .target = 10.0, .range = Range{-4.0, 1.0}});
    ASSERT_EQ(result.status, SolveStatus::Found);
    ASSERT_EQ(result.roots.size(), 1u);
    EXPECT_NEAR(result.roots[0], 0.0, 1e-9);
}

TEST(Solve, APoleIsNotARoot)
{
    // 1 / (x - 3) changes sign at the pole but never equals 0.
    Evaluation evaluation = evaluationWith(QStringLiteral("1"));
    const SolveResult result = solve(evaluation, {.field = 1, .key = "P", .target = 0.0, .range = Range{0.0, 10.0}});
    EXPECT_EQ(result.status, SolveStatus::NoRoot);
    EXPECT_TRUE(result.roots.empty());
}

TEST(Solve, SaysWhatCannotBeSolved)
{
    Evaluation evaluation = evaluationWith(QStringLiteral("1"));
    struct Case {
        const char* name;
        SolveRequest request;
        SolveStatus status;
    };
    const Case cases[] = {
        {"independent", {.field = 1, .key = "K", .target = 1e-9}, SolveStatus::NotDependent},
        {"unknown key", {.field = 1, .key = "Q", .target = 1.0}, SolveStatus::UnknownQuantity},
        {"out of reach", {.field = 1, .key = "Y", .target = -5.0}, SolveStatus::NoRoot},
        {"hidden field", {.field = 3, .key = "Y", .target = 0.0}, SolveStatus::BadRequest},
        {"NaN target", {.field = 1, .key = "Y", .target = std::nan("")}, SolveStatus::BadRequest},
        {"empty range", {.field = 1, .key = "Y", .target = 0.0, .range = Range{2.0, 2.0}}, SolveStatus::BadRequest},
        {"infinite range",
         {.field = 1, .key = "Y", .target = 0.0, .range = Range{0.0, INFINITY}},
         SolveStatus::BadRequest},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SolveResult result = solve(evaluation, c.request);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(solveFailureMessage(evaluation, c.request, result).isEmpty(), c.status == SolveStatus::Found);
    }
}

TEST(Solve, NoRootMessageGivesRangeAndSpan)
{
    Evaluation evaluation = evaluationWith(QStringLiteral("1"));
    const SolveRequest request{.field = 1, .key = "Y", .target = -5.0, .range = Range{3.0, 4.0}};
    const SolveResult result = solve(evaluation, request);
    // On 3..4 the parabola runs from -2 down to nearly -2.25 (vertex at 3.5, between two
    // log-spaced points of the scan) and back to -2.
    EXPECT_EQ(solveFailureMessage(evaluation, request, result).toStdString(),
              "no x reaches Y = -5 Ohm for x = 3 to 4 mm (Y ranges from -2.24999 to -2 Ohm there)");
}

TEST(Solve, ABranchOnlyQuantityIsSolvedWhereItIsPrinted)
{
    Evaluation evaluation = evaluationWith(QStringLiteral("20"));
    const SolveResult result = solve(evaluation, {.field = 1, .key = "W", .target = 0.03}); // 30 mm in m
    ASSERT_EQ(result.status, SolveStatus::Found);
    EXPECT_NEAR(result.roots.front(), 30.0, 1e-7);
}

// A repeated report reads the fields once; what the evaluation hands on (kalvo-cli
// changes a text of it and evaluates again) must still be read from its texts.
TEST(Evaluation, RepeatedReportsReadTheValueTheyAreGivenAndLeaveTheInputAsTyped)
{
    Evaluation evaluation = evaluationWith(QStringLiteral("4"));
    EXPECT_DOUBLE_EQ(evaluation.at(1, 7.5).quantity(u"Y")->value, (7.5 - 2.0) * (7.5 - 5.0));
    EXPECT_DOUBLE_EQ(evaluation.at(2, 0.25).quantity(u"K")->value, 0.25e-9);
    // Each repetition changes only its field: x is back at 4 for the second one.
    EXPECT_DOUBLE_EQ(evaluation.at(2, 0.25).quantity(u"Y")->value, (4.0 - 2.0) * (4.0 - 5.0));
    EXPECT_DOUBLE_EQ(evaluation.report().quantity(u"Y")->value, (4.0 - 2.0) * (4.0 - 5.0));

    CalculationInput handedOn = evaluation.input();
    EXPECT_EQ(handedOn.readFields, 0u);
    handedOn.texts[0] = QStringLiteral("6");
    EXPECT_DOUBLE_EQ(Evaluation(program, topologies[0], handedOn).report().quantity(u"Y")->value, 4.0);
}

TEST(Sweep, LogarithmicPointsIncludeBothEnds)
{
    const std::vector<double> xs
        = sweepAbscissae({.field = 1, .from = 0.1, .to = 10.0, .points = 3, .logarithmic = true});
    ASSERT_EQ(xs.size(), 3u);
    EXPECT_DOUBLE_EQ(xs[0], 0.1);
    EXPECT_NEAR(xs[1], 1.0, 1e-15);
    EXPECT_EQ(xs[2], 10.0);
}

TEST(Sweep, RefusesWhatItCannotRun)
{
    const Topology& topology = topologies[0];
    EXPECT_FALSE(sweepRequestError(topology, {.field = 1, .from = 0, .to = 1, .points = 0}).isEmpty());
    EXPECT_FALSE(sweepRequestError(topology, {.field = 1, .from = 0, .to = 1, .points = maxSweepPoints + 1}).isEmpty());
    EXPECT_FALSE(
        sweepRequestError(topology, {.field = 1, .from = -1, .to = 1, .points = 5, .logarithmic = true}).isEmpty());
    EXPECT_FALSE(sweepRequestError(topology, {.field = 1, .from = 0, .to = NAN, .points = 5}).isEmpty());
    EXPECT_FALSE(sweepRequestError(topology, {.field = 4, .from = 0, .to = 1, .points = 5}).isEmpty());
    EXPECT_TRUE(sweepRequestError(topology, {.field = 1, .from = 1, .to = 0, .points = 1}).isEmpty());
}

TEST(Sweep, TableHasEveryFiniteQuantityAndNanWhereAPointLacksIt)
{
    Evaluation evaluation = evaluationWith(QStringLiteral("1"));
    const auto points = sweep(evaluation, {.field = 1, .from = 3.0, .to = 12.0, .points = 2});
    // x = 3: P = 1/0 is infinite there but finite at 12, so it is a column; W only at 12.
    EXPECT_EQ(sweepTable(topologies[0], 1, points).toStdString(),
              "x [mm]\tY [Ohm]\tP\tK [H]\tW [m]\n"
              "3\t-2\tnan\t7e-09\tnan\n"
              "12\t70\t0.1111111111111111\t7e-09\t0.012\n");
}

TEST(Catalog, ListsBranchQuantitiesWithTheirDescriptions)
{
    const std::vector<QuantityInfo> catalog = quantityCatalog(program, topologies[0]);
    QStringList keys;
    for (const QuantityInfo& q : catalog)
        keys.append(q.key);
    EXPECT_EQ(keys, (QStringList{"Y", "P", "K", "W"}));
    EXPECT_EQ(catalog[0].description, QStringLiteral("the parabola"));
    EXPECT_EQ(catalog[2].unit, QStringLiteral("H"));
}

TEST(EngineeringNumber, ReadsSiPrefixes)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"50", 50},       {"10u", 10e-6}, {"1k", 1e3},       {"4k7", 4.7e3},   {"2.2n", 2.2e-9},
                          {"1meg", 1e6},    {"1MEG", 1e6},  {"3M", 3e6},       {"5m", 5e-3},     {"-1.5p", -1.5e-12},
                          {" 1e-3 ", 1e-3}, {"2G", 2e9},    {"1\u00b5", 1e-6}, {"0.5f", 0.5e-15}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> value = parseEngineeringNumber(QString::fromUtf8(c.text));
        ASSERT_TRUE(value.has_value());
        EXPECT_NEAR(*value, c.value, std::fabs(c.value) * 1e-15);
    }
    for (const char* bad : {"", "k", "4k7k", "1.2k3", "abc", "3mm", "1,6", "1x"})
        EXPECT_FALSE(parseEngineeringNumber(QString::fromUtf8(bad)).has_value()) << bad;
}

} // namespace
} // namespace kalvo::analysis
