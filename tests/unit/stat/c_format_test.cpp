#include "c_format.h"
#include "c_scan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace kalvo {
namespace {

std::string printfText(const char* format, double value)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// The C library's printf is the reference (the tests run in the C locale).
TEST(CFormat, LgMatchesPrintfForATableOfValues)
{
    const double values[] = {0.0,
                             -0.0,
                             1.0,
                             -1.5,
                             0.1 + 0.2,
                             1.0 / 3,
                             2.0 / 3,
                             100000,
                             999999,
                             999999.5,
                             1e6,
                             1234567,
                             0.0001,
                             0.00001,
                             9.9999995e-5,
                             9.99999949e-5,
                             123.456789,
                             1e100,
                             -1e-100,
                             1.7976931348623157e308,
                             4.9e-324,
                             2.2250738585072014e-308,
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             -std::numeric_limits<double>::quiet_NaN(),
                             33.33333333,
                             0.5e-4,
                             5e-5,
                             12345.65,
                             1e15 + 0.3};
    for (const double value : values)
        EXPECT_EQ(formatLg(value).toStdString(), printfText("%lg", value)) << value;
}

TEST(CFormat, FixedWidthMatchesPrintf)
{
    for (const double value :
         {1.84, 12.71, 63.66, 0.0, -1.005, 123456.789, 1e300, std::numeric_limits<double>::infinity()})
        EXPECT_EQ(cFormat("%5.2lf", {value}).toStdString(), printfText("%5.2lf", value)) << value;
}

TEST(CFormat, MixesTextIntegersAndPercentSigns)
{
    EXPECT_EQ(cFormat("N=%d:\t%lg%%\t%d\n", {42, 0.25, -7}), QStringLiteral("N=42:\t0.25%\t-7\n"));
    EXPECT_EQ(cFormat("%%%%", {}), QStringLiteral("%%"));
    EXPECT_EQ(cFormat("a %lg b", {}), QStringLiteral("a  b")); // missing arguments write nothing
}

// scanf(text, "%lf %lf") in the C locale is the reference for the pair reader.
class ScanPair : public ::testing::TestWithParam<const char*> { };

TEST_P(ScanPair, MatchesScanf)
{
    const char* text = GetParam();
    double x = 0;
    double y = 0;
    std::sscanf(text, "%lf %lf", &x, &y);
    const ValuePair pair = scanPair(text);
    const auto same = [](double a, double b) {
        return std::memcmp(&a, &b, sizeof a) == 0
            || (std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b));
    };
    EXPECT_TRUE(same(pair.x, x)) << text << ": x " << pair.x << " instead of " << x;
    EXPECT_TRUE(same(pair.y, y)) << text << ": y " << pair.y << " instead of " << y;
}

INSTANTIATE_TEST_SUITE_P(Texts, ScanPair,
                         ::testing::Values("1 2", "  1.5\t\t-2.25 7 legend", "1,5 2", "1e 5", "1e+ 5", "1.5x 2",
                                           "0x1p3 2", "0x1.8 0X10", "-.5 .5", "+-1 2", "inf nan", "-INFINITY +Inf",
                                           "-nan 1", "1.e3 2", ". 3", "0x 3", "", "   ", "abc 1", "1e5e 2",
                                           "1e400 -1e400", "1e-400 2", "4.9e-324 1", "007 010", "1\r\n",
                                           "12345678901234567890123 0.000000000000000000000000001", "3\v4", "-0 -0"));

TEST(ScanDouble, MovesPastTheNumberOnly)
{
    std::size_t position = 0;
    EXPECT_EQ(scanDouble("  12.5abc", position), 12.5);
    EXPECT_EQ(position, 6u);
    EXPECT_FALSE(scanDouble("abc", position = 0).has_value());
    EXPECT_EQ(position, 0u);
}

} // namespace
} // namespace kalvo
