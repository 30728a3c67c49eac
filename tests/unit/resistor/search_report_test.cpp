#include "search_report.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

namespace kalvo {
namespace {

QString joinedRows(const TopTenRows& rows)
{
    QStringList lines;
    for (const TopTenRow& row : rows)
        lines << QStringList(row.begin(), row.end()).join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\n'));
}

struct ReportCase {
    const char* name;
    double nominal;
    ESeries series;
    DecadeRange range;
    const char* parallelText;
    const char* parallelRows;
    const char* serialText;
    const char* serialRows;
};

class SearchReportExamples : public testing::TestWithParam<ReportCase> { };

TEST_P(SearchReportExamples, ShowsExactTextsAndRows)
{
    const ReportCase& c = GetParam();
    const SearchReport report = searchReport(runSearch(c.nominal, c.series, c.range));
    EXPECT_EQ(report.parallelText, QString::fromUtf8(c.parallelText));
    EXPECT_EQ(joinedRows(report.parallelRows), QString::fromUtf8(c.parallelRows));
    EXPECT_EQ(report.serialText, QString::fromUtf8(c.serialText));
    EXPECT_EQ(joinedRows(report.serialRows), QString::fromUtf8(c.serialRows));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SearchReportExamples,
    testing::Values(
        // A standard value: only the serial panel speaks, the tables are filled all the same.
        ReportCase{"MatchedStandardValue", 4700, ESeries::E12, DecadeRange::TwoDecades, "",
                   "5600\t33000\t1.8631%\n6800\t15000\t-0.4490%\n4700\t820000\t-0.5699%\n"
                   "4700\t680000\t-0.6864%\n4700\t560000\t-0.8323%\n4700\t470000\t-0.9901%\n"
                   "4700\t390000\t-1.1908%\n5600\t27000\t-1.3184%\n4700\t330000\t-1.4042%\n"
                   "4700\t270000\t-1.7110%",
                   "Nominal\t= 4700 \nBest\t= 4700\n\nNominal matched!",
                   "39\t4700\t0.8298%\n33\t4700\t0.7021%\n27\t4700\t0.5745%\n22\t4700\t0.4681%\n"
                   "820\t3900\t0.4255%\n18\t4700\t0.3830%\n15\t4700\t0.3191%\n12\t4700\t0.2553%\n"
                   "10\t4700\t0.2128%\n4700\t0\t0.0000%"},
        // 270 + 4700 and 330 + 4700 are both 30 away; the first visited wins. Equal
        // differences (1200 + 3900, 1800 + 3300) keep the order they were listed in.
        ReportCase{"FirstVisitedOfEqualDistances", 5000, ESeries::E12, DecadeRange::TwoDecades,
                   "Nominal\t= 5000 \nBest\t= 5000 \nR1\t= 10000\nR2\t= 10000\n\nDiff = 0.000000  /  0.000%",
                   "5600\t82000\t4.8402%\n6800\t22000\t3.8889%\n5600\t68000\t3.4783%\n"
                   "5600\t56000\t1.8182%\n5600\t47000\t0.0760%\n10000\t10000\t0.0000%\n"
                   "6800\t18000\t-1.2903%\n5600\t39000\t-2.0628%\n8200\t12000\t-2.5743%\n"
                   "5600\t33000\t-4.2487%",
                   "Nominal\t= 5000 \nBest\t= 4970 \nR1\t= 270\nR2\t= 4700\n\nDiff = -30.000000  /  -0.600%",
                   "1200\t3900\t2.0000%\n1800\t3300\t2.0000%\n390\t4700\t1.8000%\n330\t4700\t0.6000%\n"
                   "270\t4700\t-0.6000%\n220\t4700\t-1.6000%\n2200\t2700\t-2.0000%\n"
                   "1000\t3900\t-2.0000%\n180\t4700\t-2.4000%\n150\t4700\t-3.0000%"},
        // 0.47 searches the decade 1 .. 10; E3 in one decade has nine distinct
        // combinations, so the last row of each table is an empty record.
        ReportCase{"SubUnitNominalAndEmptyRecords", 0.47, ESeries::E3, DecadeRange::SameDecade,
                   "Nominal\t= 0.47 \nBest\t= 0.5 \nR1\t= 1\nR2\t= 1\n\nDiff = 0.030000  /  6.383%",
                   "4.7\t4.7\t400.0000%\n2.2\t4.7\t218.8406%\n2.2\t2.2\t134.0426%\n1\t4.7\t75.4386%\n"
                   "1\t2.2\t46.2766%\n1\t1\t6.3830%\n1\t0\t-100.0000%\n2.2\t0\t-100.0000%\n"
                   "4.7\t0\t-100.0000%\n0\t0\t-100.0000%",
                   "Nominal\t= 0.47 \nBest\t= 1 \nR1\t= 1\nR2\t= 0\n\nDiff = 0.530000  /  112.766%",
                   "4.7\t4.7\t1900.0000%\n2.2\t4.7\t1368.0851%\n1\t4.7\t1112.7660%\n4.7\t0\t900.0000%\n"
                   "2.2\t2.2\t836.1702%\n1\t2.2\t580.8511%\n2.2\t0\t368.0851%\n1\t1\t325.5319%\n"
                   "1\t0\t112.7660%\n0\t0\t-100.0000%"},
        // A difference of 100000 switches to "%lg"; 99999 keeps six decimals.
        ReportCase{"DifferenceOf100000", 900000, ESeries::E3, DecadeRange::HigherDecade,
                   "Nominal\t= 900000 \nBest\t= 824561 \nR1\t= 1e+06\nR2\t= 4.7e+06\n\n"
                   "Diff = -75438.596491  /  -8.382%",
                   "4.7e+06\t4.7e+06\t161.1111%\n2.2e+06\t4.7e+06\t66.5056%\n2.2e+06\t2.2e+06\t22.2222%\n"
                   "1e+06\t4.7e+06\t-8.3821%\n1e+06\t2.2e+06\t-23.6111%\n1e+06\t1e+06\t-44.4444%\n"
                   "1e+06\t0\t-100.0000%\n2.2e+06\t0\t-100.0000%\n4.7e+06\t0\t-100.0000%\n0\t0\t-100.0000%",
                   "Nominal\t= 900000 \nBest\t= 1e+06 \nR1\t= 1e+06\nR2\t= 0\n\nDiff = 100000  /  11.111%",
                   "4.7e+06\t4.7e+06\t944.4444%\n2.2e+06\t4.7e+06\t666.6667%\n1e+06\t4.7e+06\t533.3333%\n"
                   "4.7e+06\t0\t422.2222%\n2.2e+06\t2.2e+06\t388.8889%\n1e+06\t2.2e+06\t255.5556%\n"
                   "2.2e+06\t0\t144.4444%\n1e+06\t1e+06\t122.2222%\n1e+06\t0\t11.1111%\n0\t0\t-100.0000%"},
        ReportCase{"DifferenceBelow100000", 900001, ESeries::E3, DecadeRange::HigherDecade,
                   "Nominal\t= 900001 \nBest\t= 824561 \nR1\t= 1e+06\nR2\t= 4.7e+06\n\n"
                   "Diff = -75439.596491  /  -8.382%",
                   "4.7e+06\t4.7e+06\t161.1108%\n2.2e+06\t4.7e+06\t66.5055%\n2.2e+06\t2.2e+06\t22.2221%\n"
                   "1e+06\t4.7e+06\t-8.3822%\n1e+06\t2.2e+06\t-23.6112%\n1e+06\t1e+06\t-44.4445%\n"
                   "1e+06\t0\t-100.0000%\n2.2e+06\t0\t-100.0000%\n4.7e+06\t0\t-100.0000%\n0\t0\t-100.0000%",
                   "Nominal\t= 900001 \nBest\t= 1e+06 \nR1\t= 1e+06\nR2\t= 0\n\nDiff = 99999.000000  /  11.111%",
                   "4.7e+06\t4.7e+06\t944.4433%\n2.2e+06\t4.7e+06\t666.6658%\n1e+06\t4.7e+06\t533.3326%\n"
                   "4.7e+06\t0\t422.2216%\n2.2e+06\t2.2e+06\t388.8883%\n1e+06\t2.2e+06\t255.5552%\n"
                   "2.2e+06\t0\t144.4442%\n1e+06\t1e+06\t122.2220%\n1e+06\t0\t11.1110%\n0\t0\t-100.0000%"}),
    [](const testing::TestParamInfo<ReportCase>& info) { return info.param.name; });

class UnsearchableNominal : public testing::TestWithParam<const char*> { };

// Nothing non-finite is searched, cast or sorted: both panels ask for a usable value.
TEST_P(UnsearchableNominal, SaysSoInBothPanelsAndLeavesTheTablesEmpty)
{
    const SearchResult result
        = runSearch(nominalFromText(QString::fromUtf8(GetParam())), ESeries::E96, DecadeRange::ThreeDecades);
    EXPECT_FALSE(result.searchable);
    EXPECT_EQ(result.serial.topTen, TopTenList{});
    EXPECT_EQ(result.parallel.topTen, TopTenList{});
    const SearchReport report = searchReport(result);
    const QString message = QStringLiteral("A positive finite nominal value\nis needed (1e-150 to 1e+150).");
    EXPECT_EQ(report.parallelText, message);
    EXPECT_EQ(report.serialText, message);
    const TopTenRows emptyRows{};
    EXPECT_EQ(report.parallelRows, emptyRows);
    EXPECT_EQ(report.serialRows, emptyRows);
}

INSTANTIATE_TEST_SUITE_P(Inputs, UnsearchableNominal,
                         testing::Values("", "0", "-0", "-4700", "abc", "nan", "inf", "-inf", "1e308", "1.0000001e150",
                                         "9.9e-151", "1e-320"));

TEST(NominalFromText, ReadsNumbersAndGivesZeroOtherwise)
{
    EXPECT_EQ(nominalFromText(QString()), 0);
    EXPECT_EQ(nominalFromText(QStringLiteral("4k7")), 0);
    EXPECT_EQ(nominalFromText(QStringLiteral("4.7e3")), 4700);
    EXPECT_EQ(nominalFromText(QStringLiteral("0.47")), 0.47);
}

// At both ends of the accepted range every number shown is finite, in every series and range.
TEST(SearchRangeLimits, GiveFiniteResultsEverywhere)
{
    for (const double nominal : {minimumNominal, 3.3e-150, 9.99e149, maximumNominal})
        for (const ESeries series : allSeries)
            for (const DecadeRange range : allDecadeRanges) {
                const SearchResult result = runSearch(nominal, series, range);
                ASSERT_TRUE(result.searchable);
                for (const ConnectionResult* connection : {&result.serial, &result.parallel}) {
                    EXPECT_TRUE(std::isfinite(connection->best.difference));
                    for (const TopTenRecord& record : connection->topTen)
                        EXPECT_TRUE(std::isfinite(record.difference)) << nominal;
                }
                // Two resistors in parallel never collapse to 0 through underflow.
                for (const TopTenRecord& record : result.parallel.topTen) {
                    if (record.index2 != 0) {
                        EXPECT_GT(record.difference, -nominal) << nominal;
                    }
                }
                const SearchReport report = searchReport(result);
                for (const QString& text : {report.parallelText, report.serialText})
                    EXPECT_FALSE(text.contains(QLatin1String("nan")) || text.contains(QLatin1String("inf"))) << nominal;
            }
}

} // namespace
} // namespace kalvo
