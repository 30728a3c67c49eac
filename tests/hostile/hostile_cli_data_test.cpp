// Hostile data files for kalvo-cli stat, hostile nominal values for kalvo-cli resistor
// and hostile formulas for kalvo-cli calc: each ends in a defined text or a message.
#include "cli_runner.h"
#include "hostile_texts.h"
#include "resistor_search.h"
#include "search_report.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace kalvo::test {
namespace {

constexpr qsizetype kEndlessLineBytes = 16 * 1024 * 1024;
constexpr int kManyLines = 100000;
const QByteArray kListFilled("Maxlist Reached!\nDid not load all Data!\n");

QByteArray manyLines()
{
    QByteArray data;
    for (int i = 1; i <= kManyLines; ++i)
        data += QByteArray::number(i) + ' ' + QByteArray::number(2 * i) + '\n';
    return data;
}

// The data lines a loaded list prints before its "END" line, in entry order.
QByteArray dataLines(const QList<QByteArray>& pairs)
{
    QByteArray lines;
    for (qsizetype i = 0; i < pairs.size(); ++i)
        lines += pairs[i] + "\t0\t0\t0%\t" + QByteArray::number(i + 1) + '\n';
    return lines;
}

QByteArray loadedLines(int count)
{
    QList<QByteArray> pairs;
    for (int i = 1; i <= count; ++i)
        pairs.append(QByteArray::number(i) + '\t' + QByteArray::number(2 * i));
    return dataLines(pairs);
}

struct DataFileCase {
    const char* name;
    QByteArray contents;
    QByteArray expectedLines; // what stands before "END" in the report
    QByteArray expectedErr;
};

class HostileDataFile : public testing::TestWithParam<DataFileCase> { };

TEST_P(HostileDataFile, LoadsWhatTheLinesSay)
{
    const DataFileCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(c.contents), c.contents.size());
    file.close();

    const CliResult result = runKalvoCli({"stat", "One Var 1", path});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.err, c.expectedErr);
    const qsizetype end = result.out.indexOf("END\n");
    ASSERT_GE(end, 0);
    EXPECT_EQ(result.out.left(end), c.expectedLines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileDataFile,
    testing::Values(DataFileCase{"Empty", "", "", ""}, DataFileCase{"BlankLines", "\n \n\t\r\n", "", ""},
                    DataFileCase{"NulBytes", QByteArray("1 2\n\0\n3\0 4\n5 6\n", 15),
                                 dataLines({"1\t2", "3\t0", "5\t6"}), ""},
                    DataFileCase{"CrLf", "1 2\r\n3 4\r\nEND\r\n5 6\r\n", dataLines({"1\t2", "3\t4"}), ""},
                    DataFileCase{"NoFinalNewline", "1 2\n3 4", dataLines({"1\t2", "3\t4"}), ""},
                    DataFileCase{"BytesBeyondAscii", "\xff\xfe 1\n\xc3\xa4 2\n7 \x80\n", dataLines({"7\t0"}), ""},
                    DataFileCase{"SpecialNumbers", "nan inf\n-0 1e-320\n1e308 -inf\n",
                                 dataLines({"nan\tinf", "-0\t9.99989e-321", "1e+308\t-inf"}), ""},
                    DataFileCase{"EndlessDigits", "1 2\n" + QByteArray(kEndlessLineBytes, '7') + "\n3 4\n",
                                 dataLines({"1\t2", "inf\t0", "3\t4"}), ""},
                    DataFileCase{"EndlessLineWithoutNewline", "1 2\n" + QByteArray(kEndlessLineBytes, 'x'),
                                 dataLines({"1\t2"}), ""},
                    DataFileCase{"TerminatorFarIntoAnEndlessLine",
                                 "1 2\n" + QByteArray(kEndlessLineBytes, ' ') + "END\n3 4\n", dataLines({"1\t2"}), ""},
                    DataFileCase{"HundredThousandLines", manyLines(), loadedLines(1025), kListFilled}),
    [](const testing::TestParamInfo<DataFileCase>& info) { return info.param.name; });

TEST(HostileDataFileName, NonAsciiNameLoads)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8("d\u00e4t\u00e9n \u03a9 \u6570\u636e \U0001F600.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1 2\n");
    file.close();
    const CliResult result = runKalvoCli({"stat", "7", path});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.startsWith(dataLines({"1\t2"}) + "END\n"));
}

TEST(HostileDataFileName, UnreadableFilesAreNamedInOneMessage)
{
    QTemporaryDir dir;
    const QStringList paths{dir.filePath(QString::fromUtf8("fehlt \u00e4\u00f6\u00fc.txt")), dir.path(),
                            dir.filePath(QString(200, QLatin1Char('n')) + "/data")};
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const CliResult result = runKalvoCli({"stat", "7", path});
        expectOneLineError(result, 1);
        EXPECT_TRUE(result.err.startsWith("kalvo-cli: Cannot open the data file \"" + path.toUtf8() + "\": "))
            << result.err.toStdString();
    }
}

class HostileNominal : public testing::TestWithParam<HostileText> { };

// A nominal value outside the searchable range gets the message in both panels; a
// searchable one, however it is written, the search of its value.
TEST_P(HostileNominal, GivesTheMessageOrTheSearchOfItsValue)
{
    const QString text = GetParam().text;
    const CliResult result = runKalvoCli({"resistor", "--", text});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const double nominal = nominalFromText(text);
    if (isSearchableNominal(nominal)) {
        EXPECT_EQ(result.out, runKalvoCli({"resistor", QString::number(nominal, 'g', 17)}).out);
    } else {
        const QByteArray message = unsearchableText().toUtf8();
        EXPECT_EQ(result.out.left(message.size() + 6), message + "\n----\n");
        EXPECT_TRUE(result.out.contains("----\n" + message + "\n----\n"));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileNominal, testing::ValuesIn(hostileTexts()),
                         [](const testing::TestParamInfo<HostileText>& info) { return info.param.name; });

struct FormulaCase {
    const char* name;
    QStringList args;
    int exitCode;
    QByteArray out;
};

class HostileFormula : public testing::TestWithParam<FormulaCase> { };

TEST_P(HostileFormula, GivesAResultOrAnError)
{
    const FormulaCase& c = GetParam();
    const CliResult result = runKalvoCli(QStringList{"calc"} + c.args);
    EXPECT_EQ(result.exitCode, c.exitCode) << result.err.toStdString();
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, QByteArray());
}

const QByteArray kSyntaxError("error 304: Syntax or Var Not Found\n");
const QString kHundredThousandDigits(kLongTextLength, QLatin1Char('1'));

INSTANTIATE_TEST_SUITE_P(
    Formulas, HostileFormula,
    testing::Values(
        FormulaCase{"NotANumber", {"nan"}, 1, kSyntaxError},
        FormulaCase{"Infinity", {"--real", "inf"}, 1, kSyntaxError},
        FormulaCase{"NegativeZero", {"--real", "-0"}, 0, "-0\n"},
        FormulaCase{"Subnormal", {"--real", "1e-320"}, 0, "9.9998886718268301e-321\n"},
        FormulaCase{"Empty", {""}, 0, "0 0\n"}, FormulaCase{"Blanks", {"   "}, 0, "0 0\n"},
        FormulaCase{"Tab", {"\t"}, 1, "error 1: Syntax\n"},
        FormulaCase{"BeyondAscii", {QString::fromUtf8("\u00b5\u03a9")}, 1, kSyntaxError},
        FormulaCase{
            "HundredThousandDigits", {"--real", kHundredThousandDigits}, 1, "error 203: Infinite Result (Overflow)\n"},
        FormulaCase{"HundredThousandCharacterDefinition",
                    {"--define", "a=" + kHundredThousandDigits, "a"},
                    1,
                    "error 305: Argument too big\n"},
        FormulaCase{"HundredNestedBrackets", {nestedBrackets("1", 100)}, 0, "1 0\n"},
        FormulaCase{"TenThousandNestedBrackets", {nestedBrackets("1")}, 1, "error 306: Stackdepth too high\n"},
        FormulaCase{"TenThousandNestedBracketsDefined",
                    {"--define", "a=" + nestedBrackets("1"), "a"},
                    1,
                    "error 306: Stackdepth too high\n"}),
    [](const testing::TestParamInfo<FormulaCase>& info) { return info.param.name; });

} // namespace
} // namespace kalvo::test
