#include "quantity_checks.h"

#include "report_cases.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cmath>
#include <limits>

namespace kalvo::test {
namespace {

// Where shown stands in text at or after `from` as a number of its own, not as a part
// of a longer number or name; -1 where it does not.
qsizetype wholeNumberAt(const QString& text, const QString& shown, qsizetype from)
{
    for (qsizetype at = text.indexOf(shown, from); at >= 0; at = text.indexOf(shown, at + 1)) {
        const qsizetype end = at + shown.size();
        const bool aloneBefore = at == 0 || !(text[at - 1].isLetterOrNumber() || text[at - 1] == QLatin1Char('.'));
        const bool aloneAfter = end == text.size()
            || !(text[end].isDigit() || text[end] == QLatin1Char('.') || text[end] == QLatin1Char('E'));
        if (aloneBefore && aloneAfter)
            return at;
    }
    return -1;
}

// Half a unit of the last digit of a printed number: "14.823" gives 0.0005, "9.950E-3"
// gives 0.0000005, "60" gives 0.5.
double halfLastDigit(const QString& shown)
{
    const qsizetype e = shown.indexOf(QLatin1Char('E'));
    const QString mantissa = e < 0 ? shown : shown.left(e);
    const int exponent = e < 0 ? 0 : shown.mid(e + 1).toInt();
    const qsizetype point = mantissa.indexOf(QLatin1Char('.'));
    const qsizetype decimals = point < 0 ? 0 : mantissa.size() - point - 1;
    return 0.5 * std::pow(10.0, exponent - static_cast<int>(decimals));
}

} // namespace

std::vector<ExpectedQuantity> operator+(std::vector<ExpectedQuantity> first,
                                        const std::vector<ExpectedQuantity>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

void expectValueAsPrinted(const Quantity& q, double scale)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    if (q.shown == QLatin1String("NaN")) {
        EXPECT_TRUE(std::isnan(q.value)) << q.key.toStdString();
        return;
    }
    if (q.shown == QLatin1String("+infinity") || q.shown == QLatin1String("-infinity")) {
        EXPECT_EQ(q.value, q.shown.startsWith(QLatin1Char('-')) ? -infinity : infinity) << q.key.toStdString();
        return;
    }
    bool isNumber = false;
    const double printed = q.shown.toDouble(&isNumber);
    ASSERT_TRUE(isNumber) << q.key.toStdString() << " " << q.shown.toStdString();
    // Only zero prints as zero; other numbers are rounded to their last digit.
    const double tolerance = printed == 0.0 ? 0.0 : (halfLastDigit(q.shown) + 1e-12 * std::fabs(printed)) * scale;
    EXPECT_NEAR(q.value, printed * scale, tolerance) << q.key.toStdString() << " " << q.shown.toStdString();
}

void expectKeysAndTextsAgree(const Report& report)
{
    QSet<QString> keys;
    qsizetype searchFrom = 0;
    for (const Quantity& q : report.quantities) {
        SCOPED_TRACE(q.key.toStdString());
        EXPECT_FALSE(q.key.isEmpty());
        EXPECT_FALSE(keys.contains(q.key)) << "recorded twice";
        keys.insert(q.key);
        for (const QChar ch : q.key)
            EXPECT_TRUE(ch.unicode() > 32 && ch.unicode() < 127) << "not printable ASCII";
        EXPECT_FALSE(q.shown.isEmpty());
        const qsizetype at = wholeNumberAt(report.text, q.shown, searchFrom);
        EXPECT_GE(at, 0) << q.shown.toStdString() << " is not printed after the number before";
        if (at >= 0)
            searchFrom = at + q.shown.size();
    }
    for (const QString& warning : report.warnings)
        EXPECT_TRUE(report.text.simplified().contains(warning)) << warning.toStdString();
}

void expectRecordedAsPrinted(const Report& report, const std::vector<ExpectedQuantity>& expected,
                             const QStringList& warnings)
{
    SCOPED_TRACE(report.text.toStdString());
    EXPECT_EQ(report.warnings, warnings);
    expectKeysAndTextsAgree(report);
    ASSERT_EQ(report.quantities.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Quantity& q = report.quantities[i];
        const ExpectedQuantity& e = expected[i];
        SCOPED_TRACE(e.key.toStdString());
        EXPECT_EQ(q.key, e.key);
        EXPECT_EQ(q.unit, QString::fromUtf8(e.unit.si));
        EXPECT_EQ(q.shownUnit, QString::fromUtf8(e.unit.shown));
        EXPECT_EQ(q.block, e.block);
        expectValueAsPrinted(q, e.unit.scale);
    }
}

void expectQuantityCase(const Program& program, const QuantityCase& c, bool moreDigits)
{
    const Report report = evaluate(program, c.report, c.inputs, moreDigits);
    expectRecordedAsPrinted(report, c.quantities, c.warnings);
    EXPECT_EQ(report.ok, c.ok);
}

} // namespace kalvo::test
