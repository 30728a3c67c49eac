#include "cli_runner.h"
#include "line_estimates.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kalvo::test {
namespace {

TEST(PcbCli, ListsTheTopologiesInGroupOrder)
{
    const CliResult result = runKalvoCli({"pcb", "--list"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(),
              "1\tTrack Width\n2\tVia\n3\tCoplanar WG\n4\tGrounded CPW\n5\tDiff. Microstrip\n"
              "6\tDiff. Stripline\n7\tEdge Clearance\n8\tFusing Current\n9\tTrack Temp.\n");
}

// 230 V mains peak (325 V) falls into the 301-500 V row of IPC-2221B table 6-1.
TEST(PcbCli, PrintsTheClearanceTable)
{
    const CliResult result = runKalvoCli({"pcb", "edge clearance", "325"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(),
              "\nMinimum conductor spacing (IPC-2221B, table 6-1):\n"
              "B1\t= 0.250        \tmm\tInternal conductors\n"
              "B2\t= 2.500        \tmm\tExternal conductors, uncoated, sea level to 3050 m\n"
              "B3\t= 12.500      \tmm\tExternal conductors, uncoated, above 3050 m\n"
              "B4\t= 0.800        \tmm\tExternal conductors, with permanent polymer coating\n"
              "A5\t= 0.800        \tmm\tExternal conductors, with conformal coating over assembly\n"
              "A6\t= 1.500        \tmm\tExternal component lead/termination, uncoated\n"
              "A7\t= 0.800        \tmm\tExternal component lead/termination, with conformal coating\n");
}

// Fields not given keep the defaults: dT = 10 °C, t = 35 um, l = 100 mm.
TEST(PcbCli, TrackWidthByNumberWithDefaults)
{
    const CliResult result = runKalvoCli({"pcb", "1", "3"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(),
              "\nIPC-2152 (Brooks and Adam's fit, coefficients unverified):\n"
              "W\t= 1.874        \tmm\tTrack width, outer layers; inner ones run cooler\n"
              "\nIPC-2221:\nWout\t= 1.367        \tmm\tTrack width, outer layers\n"
              "Win\t= 3.556        \tmm\tTrack width, inner layers\n"
              "\nThe IPC-2152 track of length l:\nR20\t= 26.290      \tmOhm\tResistance at 20 °C\n"
              "Rhot\t= 27.324      \tmOhm\tResistance at 20 °C + dT\nU\t= 81.971      \tmV\tVoltage drop at I\n"
              "P\t= 245.913     \tmW\tPower at I\n");
}

// Solve repeats the report without the field solver: the gap of a 100 Ohm pair by the
// closed form, then the whole report at that gap, field solver first.
TEST(PcbCli, SolvesTheGapOfA100OhmPairByTheClosedForm)
{
    const CliResult result
        = runKalvoCli({"pcb", "Diff. Microstrip", "0.2", "0.3", "0.2", "--solve", "s", "--target", "Zdiff_KJ=100"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QStringList lines = QString::fromUtf8(result.out).split(QLatin1Char('\n'));
    ASSERT_TRUE(lines[0].startsWith(QLatin1String("s = ")) && lines[0].endsWith(QLatin1String(" mm")))
        << result.out.toStdString();
    const double gap = lines[0].mid(4).chopped(3).toDouble() * 1e-3;
    EXPECT_NEAR(2.0 * pcb::coupledMicrostrip(0.2e-3, 0.3e-3, gap, 35e-6, 4.3).oddImpedance, 100.0, 1e-6);
    EXPECT_TRUE(result.out.contains(QLatin1String("\n\nField solver:\nZdiff\t= "))) << result.out.toStdString();
}

// The solver's values are printed at GO only: Solve and Plot offer the closed form's.
TEST(PcbCli, OffersTheClosedFormsForSolveAndSweep)
{
    const CliResult listed = runKalvoCli({"pcb", "Coplanar WG", "1.6", "1", "0.2", "--quantities"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_TRUE(listed.out.contains(QLatin1String("quantity\tZ0_GN\tOhm\t")));
    EXPECT_FALSE(listed.out.contains(QLatin1String("quantity\tZ0\t")));

    const CliResult solverKey
        = runKalvoCli({"pcb", "Coplanar WG", "1.6", "1", "0.2", "--solve", "w", "--target", "Z0=50"});
    expectOneLineError(solverKey);
    EXPECT_TRUE(solverKey.err.contains("Z0")) << solverKey.err.toStdString();

    const CliResult swept = runKalvoCli({"pcb", "6", "0.5", "0.15", "0.2", "--sweep", "w=0.1:0.2:3"});
    ASSERT_EQ(swept.exitCode, 0) << swept.err.toStdString();
    const QStringList rows = QString::fromUtf8(swept.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].toStdString(),
              "w [mm]\tZdiff_Cohn [Ohm]\tZcomm_Cohn [Ohm]\tZodd_Cohn [Ohm]\tZeven_Cohn [Ohm]\teodd_Cohn\teeven_Cohn");
}

// JSON at GO carries both: the solver's values and the closed form's beside them.
TEST(PcbCli, JsonHoldsTheSolverAndTheClosedForm)
{
    const CliResult result = runKalvoCli({"pcb", "4", "1.6", "1", "0.2", "0", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject object = QJsonDocument::fromJson(result.out).object();
    QStringList keys;
    for (const QJsonValue& q : object.value(QStringLiteral("quantities")).toArray())
        keys.append(q.toObject().value(QStringLiteral("key")).toString());
    EXPECT_EQ(keys, (QStringList{"Z0", "eeff", "err", "Z0_GN", "dZ0_GN", "eeff_GN", "deeff_GN"}));
    EXPECT_TRUE(object.value(QStringLiteral("warnings")).toArray().isEmpty());
}

TEST(PcbCli, RejectsASeventhValue)
{
    const CliResult result = runKalvoCli({"pcb", "Via", "1", "2", "3", "4", "5", "6", "7"});
    expectOneLineError(result);
}

} // namespace
} // namespace kalvo::test
