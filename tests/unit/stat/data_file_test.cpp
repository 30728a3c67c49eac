#include "data_file.h"
#include "fits.h"
#include "report_file.h"
#include "stat_mode.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>
#include <vector>

namespace kalvo {
namespace {

using Pairs = std::vector<std::pair<double, double>>;

Pairs pairs(const StatList& list)
{
    Pairs result;
    for (const StatEntry& e : list.entries())
        result.emplace_back(e.x, e.y);
    return result;
}

DataLoad append(const QByteArray& content, StatList& list)
{
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    return appendDataFile(buffer, list);
}

struct DataCase {
    const char* name;
    QByteArray content;
    Pairs expected;
};

void PrintTo(const DataCase& c, std::ostream* out)
{
    *out << c.name;
}

class DataFile : public ::testing::TestWithParam<DataCase> { };

TEST_P(DataFile, AppendsThePairsBeforeTheTerminator)
{
    StatList list;
    list.append(-1, -1);
    const DataLoad load = append(GetParam().content, list);
    Pairs expected{{-1, -1}};
    expected.insert(expected.end(), GetParam().expected.begin(), GetParam().expected.end());
    EXPECT_EQ(pairs(list), expected);
    EXPECT_EQ(load.appended, static_cast<int>(GetParam().expected.size()));
    EXPECT_FALSE(load.listFilled);
    EXPECT_EQ(list.at(list.count() - 1).number, list.count() - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DataFile,
    ::testing::Values(DataCase{"Example", "1\t0\n2\t0.5\n3\t0.96\nEND\n", {{1, 0}, {2, 0.5}, {3, 0.96}}},
                      DataCase{"NoTerminatorNoFinalBreak", "1 2\n3 4", {{1, 2}, {3, 4}}},
                      DataCase{"LegendEndsTheData", "1 2\n3 4 legend\n5 6\n", {{1, 2}}},
                      DataCase{"CapitalEndIsData", "1 2\nEnd\n5 6\n", {{1, 2}, {0, 0}, {5, 6}}},
                      DataCase{"BlankAndTextLinesAreZero", "\n  \nabc\n7 8\n", {{0, 0}, {0, 0}, {0, 0}, {7, 8}}},
                      DataCase{"WindowsLineBreaksAndMoreColumns", "1 2 3\r\n4\t\t5 x\r\n", {{1, 2}, {4, 5}}},
                      DataCase{"EmptyFile", "", {}},
                      DataCase{"NulBytes", QByteArray("1 2\n\0\0\n3 4\n", 11), {{1, 2}, {0, 0}, {3, 4}}},
                      DataCase{"LongLineIsOneLine", "5 6 " + QByteArray(10000, 'x') + "\n7 8\n", {{5, 6}, {7, 8}}},
                      DataCase{"TerminatorAcrossAChunkBoundary", "1 1 " + QByteArray(4090, ' ') + "end\n2 2\n", {}},
                      DataCase{"TerminatorInALongLine",
                               "1 1\n" + QByteArray(20000, ' ') + "END" + QByteArray(20000, ' ') + "\n2 2\n",
                               {{1, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataFileLimit, StopsAtAFullListAndSaysSo)
{
    StatList list;
    QByteArray content;
    for (int i = 0; i < kMaxList + 10; ++i)
        content += QByteArray::number(i) + " 1\n";
    const DataLoad load = append(content, list);
    EXPECT_TRUE(load.listFilled);
    EXPECT_EQ(load.appended, kMaxList);
    EXPECT_EQ(list.at(kMaxList - 1).x, kMaxList - 1);
    EXPECT_EQ(listFilledOnLoadMessage(), QStringLiteral("Maxlist Reached!\nDid not load all Data!"));
}

TEST(DataFileLimit, AFullListReadsNothingEvenFromAnEmptyFile)
{
    StatList list;
    while (list.append(1, 1)) { }
    EXPECT_TRUE(append("", list).listFilled);
    EXPECT_TRUE(append("5 5\nEND\n", list).listFilled);
}

TEST(DataFileLimit, TheLastLineWithoutBreakFillsTheListWithoutAMessage)
{
    StatList list;
    for (int i = 0; i < kMaxList - 1; ++i)
        list.append(1, 1);
    EXPECT_FALSE(append("9 9", list).listFilled); // the end of the file was met by this read
    list.remove(0);
    EXPECT_TRUE(append("9 9\n", list).listFilled); // the end is met only by the next read
}

// Any bytes load, and every evaluation of what they give ends normally.
TEST(DataFileRobustness, RandomBytesThroughEveryMode)
{
    std::mt19937 random(7);
    const char alphabet[] = "0123456789 \t\n.-+eEinfaxNDd\0\r";
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes;
        const int size = static_cast<int>(random() % 3000);
        for (int i = 0; i < size; ++i)
            bytes += alphabet[random() % (sizeof alphabet - 1)];
        for (const ModeButton& button : modeButtons()) {
            StatList list;
            append(bytes, list);
            const ModeResult result = runMode(list, button.mode, 3 + static_cast<int>(random() % 248));
            ASSERT_FALSE(result.text.isEmpty());
            ASSERT_FALSE(reportText(list, result.text).isEmpty());
        }
    }
}

TEST(Report, TextAndRoundTripThroughAFileWithANonAsciiName)
{
    StatList list;
    list.append(0, 0);
    list.append(1, 2);
    list.append(2, 2);
    const QString result = fitReport(list, FitKind::Linear).value();
    const QString report = reportText(list, result);
    EXPECT_TRUE(report.startsWith(QStringLiteral("0\t0\t0.111111\t-0.333333\t-inf%\t1\n"
                                                 "1\t2\t0.444444\t0.666667\t33.3333%\t2\n"
                                                 "2\t2\t0.111111\t-0.333333\t-16.6667%\t3\n"
                                                 "END\nX\tY\tFailure^2\tFailure\tFailure%\tNumber\n\n")))
        << report.toStdString();
    EXPECT_TRUE(report.endsWith(result));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Messung \u00e4\u00f6\u00fc \u20ac \u6e2c\u5b9a.txt"));
    ASSERT_EQ(saveReport(path, report), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), report.toLatin1());

    StatList loaded;
    const DataLoad load = loadDataFile(path, loaded);
    EXPECT_TRUE(load.error.isEmpty());
    EXPECT_EQ(pairs(loaded), pairs(list));
}

TEST(Report, FailuresNameTheFile)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no/such/dir/r.txt"));
    const QString reason = saveReport(missing, QStringLiteral("x"));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(
        reportFileErrorMessage(missing, QStringLiteral("No such file")),
        QStringLiteral("Cannot write the report file \"%1\": No such file").arg(QDir::toNativeSeparators(missing)));

    StatList list;
    const DataLoad load = loadDataFile(missing, list);
    EXPECT_FALSE(load.error.isEmpty());
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(dataFileErrorMessage(QStringLiteral("/a/b.txt"), QStringLiteral("gone")),
              QStringLiteral("Cannot open the data file \"/a/b.txt\": gone"));
}

TEST(Report, AFullDiskIsAFailure)
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    EXPECT_FALSE(saveReport(QStringLiteral("/dev/full"), QString(100000, QLatin1Char('x'))).isEmpty());
}

} // namespace
} // namespace kalvo
