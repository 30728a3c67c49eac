#pragma once

#include <QList>
#include <QString>

namespace kalvo::test {

inline constexpr int kLongTextLength = 100000;
inline constexpr int kBracketDepth = 10000;

// core inside depth pairs of brackets.
inline QString nestedBrackets(const QString& core, int depth = kBracketDepth)
{
    return QString(depth, QLatin1Char('(')) + core + QString(depth, QLatin1Char(')'));
}

struct HostileText {
    const char* name; // a test name: letters and digits only
    QString text;
};

// Texts that no input field may choke on: non-finite, extreme and signed-zero numbers,
// nothing, blanks, huge and deeply nested texts, and characters beyond ASCII.
inline QList<HostileText> hostileTexts()
{
    return {
        {"NotANumber", QStringLiteral("nan")},
        {"Infinity", QStringLiteral("inf")},
        {"NegativeInfinity", QStringLiteral("-inf")},
        {"NegativeZero", QStringLiteral("-0")},
        {"Huge", QStringLiteral("1e308")},
        {"NegativeHuge", QStringLiteral("-1e308")},
        {"Subnormal", QStringLiteral("1e-320")},
        {"Empty", QString()},
        {"Blanks", QStringLiteral(" \t ")},
        {"HundredThousandDigits", QString(kLongTextLength, QLatin1Char('9'))},
        {"HundredThousandLeadingZeros", QString(kLongTextLength, QLatin1Char('0')) + QStringLiteral("47")},
        {"NestedBrackets", nestedBrackets(QStringLiteral("50"))},
        {"BeyondAscii", QString::fromUtf8("\u00b5\u03a9\u00b0\u00ff\u20ac\U0001F600")},
    };
}

} // namespace kalvo::test
