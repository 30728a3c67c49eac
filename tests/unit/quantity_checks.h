#pragma once

#include "report.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cmath>
#include <vector>

// Checks that a report's quantities agree with its text.
namespace kalvo::test {

// A number a report is expected to record: its key and the unit it is printed in.
struct ExpectedQuantity {
    const char* key;
    Unit unit;
};

// The report records exactly `expected`, in order and under unique keys outside any
// block; each shown text stands in the text after the one before; the SI value is the
// printed number times its unit's scale (to 1e-12, for a text printed with 15
// decimals), not finite where the text prints "NaN" or an infinity; and `warnings` are the statements
// it records, each printed.
inline void expectRecordedAsPrinted(const Report& report, const std::vector<ExpectedQuantity>& expected,
                                    const QStringList& warnings)
{
    SCOPED_TRACE(report.text.toStdString());
    ASSERT_EQ(report.quantities.size(), expected.size());
    QSet<QString> keys;
    qsizetype searchFrom = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        const Quantity& q = report.quantities[i];
        const ExpectedQuantity& e = expected[i];
        SCOPED_TRACE(e.key);
        EXPECT_EQ(q.key, QString::fromUtf8(e.key));
        EXPECT_EQ(q.unit, QString::fromUtf8(e.unit.si));
        EXPECT_EQ(q.shownUnit, QString::fromUtf8(e.unit.shown));
        EXPECT_TRUE(q.block.isEmpty());
        keys.insert(q.key);

        const qsizetype at = report.text.indexOf(q.shown, searchFrom);
        EXPECT_GE(at, 0) << q.shown.toStdString();
        searchFrom = at < 0 ? searchFrom : at + q.shown.size();

        bool isNumber = false;
        const double printed = q.shown.toDouble(&isNumber) * e.unit.scale;
        if (isNumber && std::isfinite(printed))
            EXPECT_NEAR(q.value, printed, 1e-12 * std::fabs(printed)) << q.shown.toStdString();
        else
            EXPECT_FALSE(std::isfinite(q.value)) << q.shown.toStdString();
    }
    EXPECT_EQ(keys.size(), static_cast<qsizetype>(expected.size()));
    EXPECT_EQ(report.warnings, warnings);
    for (const QString& warning : report.warnings)
        EXPECT_TRUE(report.text.simplified().contains(warning)) << warning.toStdString();
}

} // namespace kalvo::test
