#include "printf_format.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kalvo {
namespace {

QString cPrintf(const char* format, double x)
{
    std::array<char, 512> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, x);
    return QString::fromLatin1(buffer.data());
}

class PrintfFormat : public testing::TestWithParam<double> {
protected:
    void SetUp() override { ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr); }
};

TEST_P(PrintfFormat, MatchesPrintfInTheCLocale)
{
    const double x = GetParam();
    EXPECT_EQ(printfG(x), cPrintf("%lg", x));
    EXPECT_EQ(printfFixed(x, 6), cPrintf("%lf", x));
    EXPECT_EQ(printfFixed(x, 3), cPrintf("%.3lf", x));
    EXPECT_EQ(printfFixed(x, 4), cPrintf("%.4lf", x));
}

INSTANTIATE_TEST_SUITE_P(Values, PrintfFormat,
                         testing::Values(0.0, -0.0, 1.0, -30.0, 4700.0, 4970.0, 99999.99999949, 100000.0, 123456.5,
                                         999999.5, 1e6, 1e-4, 0.0001234565, 0.47, 2.5, 0.125, 1e-5, 4.4e-11,
                                         -0.6000000000000001, 8.2e-3, 1e15, 1e150, 1e-150, 1.7976931348623157e308,
                                         5e-324, std::numeric_limits<double>::infinity(),
                                         -std::numeric_limits<double>::infinity(), std::nan("")));

// Qt adopts the user's locale at start-up; a German LC_NUMERIC must not turn the
// decimal point into a comma.
TEST(PrintfFormatLocale, IgnoresTheProcessLocale)
{
    const char* german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    if (german == nullptr)
        german = std::setlocale(LC_NUMERIC, "de_DE");
    if (german == nullptr)
        GTEST_SKIP() << "no German locale installed";
    const QString printfText = cPrintf("%.3lf", -0.6);
    const QString g = printfG(4970.5);
    const QString fixed = printfFixed(-0.6, 3);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(printfText, QStringLiteral("-0,600")); // the locale is in force
    EXPECT_EQ(g, QStringLiteral("4970.5"));
    EXPECT_EQ(fixed, QStringLiteral("-0.600"));
}

} // namespace
} // namespace kalvo
