// kalvo-cli --field-solver end to end: the check after the report, its JSON object, and
// the usage errors and failures a script must be able to tell apart.
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <numbers>

namespace kalvo::test {
namespace {

// The exact impedance of a coax of diameters 1 and 3.5 mm in er = 2.25.
const double exactCoaxZ = 376.730313668 / (2.0 * std::numbers::pi) / 1.5 * std::log(3.5);

QString out(const CliResult& result)
{
    return QString::fromUtf8(result.out);
}

TEST(FieldSolverCli, AppendsTheCheckAfterTheReport)
{
    const CliResult plain = runKalvoCli({"impedance", "Coax", "1", "3.5", "2.25"});
    const CliResult checked = runKalvoCli({"impedance", "Coax", "1", "3.5", "2.25", "--field-solver"});
    ASSERT_EQ(checked.exitCode, 0) << checked.err.constData();
    EXPECT_TRUE(checked.err.isEmpty());
    // The report stands unchanged, then an empty line and the check.
    ASSERT_TRUE(checked.out.startsWith(plain.out));
    const QString check = out(checked).mid(out(plain).size());
    EXPECT_TRUE(check.startsWith(QStringLiteral("\nField solver: a coaxial line with one dielectric.\n"
                                                "d1 = 1 mm, d2 = 3.5 mm, er = 2.25\nZ\t= 50.076      \tOhm\t")))
        << qPrintable(check);
    EXPECT_TRUE(check.contains(QStringLiteral("\nDifference of the report from the field solver:\nZ\t= ")));
}

TEST(FieldSolverCli, JsonCarriesTheSolversValuesAndTheDifferences)
{
    const CliResult result = runKalvoCli({"impedance", "Coax", "1", "3.5", "2.25", "--field-solver", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    const QJsonObject object = QJsonDocument::fromJson(result.out).object();
    const QJsonObject solver = object.value(QStringLiteral("fieldSolver")).toObject();
    EXPECT_NEAR(solver.value(QStringLiteral("Z")).toDouble() / exactCoaxZ, 1.0, 1e-3);
    EXPECT_NEAR(solver.value(QStringLiteral("eeff")).toDouble(), 2.25, 1e-6);
    EXPECT_NEAR(solver.value(QStringLiteral("L")).toDouble(), exactCoaxZ * 1.5 / 299792458.0, 1e-9);
    EXPECT_NEAR(solver.value(QStringLiteral("C")).toDouble(), 1.5 / (299792458.0 * exactCoaxZ), 1e-13);
    EXPECT_NEAR(solver.value(QStringLiteral("pd")).toDouble(), 1.5 / 299792458.0, 1e-14);
    const double estimated = solver.value(QStringLiteral("estimatedError")).toDouble(-1.0);
    EXPECT_GE(estimated, 0.0);
    EXPECT_LT(estimated, 1e-3);
    const QJsonObject differences = solver.value(QStringLiteral("differences")).toObject();
    EXPECT_EQ(differences.keys(), (QStringList{"C", "L", "Z", "pd"}));
    EXPECT_NEAR(differences.value(QStringLiteral("Z")).toDouble(), 0.0692, 0.01);
    // The report's own object is unchanged beside it.
    EXPECT_TRUE(object.value(QStringLiteral("report")).toString().startsWith(QStringLiteral("\nZ\t= 50.111")));
}

TEST(FieldSolverCli, FollowsASolve)
{
    const CliResult result = runKalvoCli({"impedance", "Microstrip", "1.6", "", "35", "4.3", "--solve", "w", "--target",
                                          "Z=50", "--field-solver", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    const QJsonObject object = QJsonDocument::fromJson(result.out).object();
    EXPECT_TRUE(object.contains(QStringLiteral("solve")));
    // The check is of the report at the root, where the formula gives 50 Ohm.
    const QJsonObject solver = object.value(QStringLiteral("fieldSolver")).toObject();
    const double difference
        = solver.value(QStringLiteral("differences")).toObject().value(QStringLiteral("Z")).toDouble();
    EXPECT_NEAR((1.0 + difference / 100.0) * solver.value(QStringLiteral("Z")).toDouble(), 50.0, 1e-6);
}

TEST(FieldSolverCli, RefusesWhatItCannotCheck)
{
    struct Case {
        QStringList args;
        int exitCode;
        const char* message; // the whole of standard error, or of the output's last line
    };
    const Case cases[] = {
        {{"impedance", "Differential", "1", "2", "50", "--field-solver"},
         2,
         "kalvo-cli: impedance Differential: --field-solver checks only Microstrip, Emb. Microstrip, Stripline, "
         "Offset Stripline, Wire above GND, Twisted Pair, Coax\n"},
        {{"rc", "RC", "1000", "1e-6", "--field-solver"},
         2,
         "kalvo-cli: rc: --field-solver checks no topology of this program\n"},
        {{"impedance", "Coax", "1", "3", "1", "--field-solver", "--sweep", "d1=1:2:3"},
         2,
         "kalvo-cli: impedance: --field-solver and --sweep cannot be combined\n"},
        {{"impedance", "Coax", "--quantities", "--field-solver"},
         2,
         "kalvo-cli: impedance: --quantities takes no other options\n"},
    };
    for (const Case& c : cases) {
        const CliResult result = runKalvoCli(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << qPrintable(c.args.join(' '));
        EXPECT_EQ(QString::fromUtf8(result.err), QString::fromUtf8(c.message));
        EXPECT_TRUE(result.out.isEmpty());
    }
}

TEST(FieldSolverCli, ACrossSectionTheSolverCannotTakeFails)
{
    const CliResult result = runKalvoCli({"impedance", "Microstrip", "", "", "35", "4.3", "--field-solver"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.endsWith("\nA size is zero, negative or not a finite number.\n")) << result.out.constData();

    const CliResult json = runKalvoCli({"impedance", "Microstrip", "", "", "35", "4.3", "--field-solver", "--json"});
    EXPECT_EQ(json.exitCode, 1);
    const QJsonObject solver
        = QJsonDocument::fromJson(json.out).object().value(QStringLiteral("fieldSolver")).toObject();
    EXPECT_EQ(solver.value(QStringLiteral("error")).toString(),
              QStringLiteral("A size is zero, negative or not a finite number."));
}

} // namespace
} // namespace kalvo::test
