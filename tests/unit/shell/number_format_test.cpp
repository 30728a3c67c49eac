#include "number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace kalvo {
namespace {

struct FormatCase {
    const char* name;
    double value;
    int digits;
    double fixedLowerLimit;
    FormatVariant variant;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.name;
}

class FormatNumberTest : public testing::TestWithParam<FormatCase> { };

TEST_P(FormatNumberTest, GivesTheExactText)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, {c.digits, c.fixedLowerLimit, c.variant}).toStdString(), c.expected);
    // A quantity's shown text is the number without its padding.
    const FormattedNumber formatted = formattedNumber(c.value, {c.digits, c.fixedLowerLimit, c.variant});
    EXPECT_EQ(QString(formatted.number()), QString::fromLatin1(c.expected).trimmed());
}

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr auto calc = FormatVariant::Calculator;
constexpr auto xy = FormatVariant::Xy;

INSTANTIATE_TEST_SUITE_P(
    Calculator, FormatNumberTest,
    testing::Values(FormatCase{"Zero", 0.0, 3, 0.1, calc, "0.0         "},
                    FormatCase{"NegativeZero", -0.0, 3, 0.1, calc, "0.0         "},
                    FormatCase{"Half", 0.5, 3, 0.1, calc, "0.500        "},
                    FormatCase{"FixedFourDigits", 1234.5, 3, 0.1, calc, "1234.500    "},
                    FormatCase{"NegativeFixed", -1234.5, 3, 0.1, calc, "-1234.500   "},
                    FormatCase{"TenThousandIsExponent", 10000, 3, 0.1, calc, "10.000E3    "},
                    FormatCase{"Kilo", 123456, 3, 0.1, calc, "123.456E3   "},
                    FormatCase{"Milli", 0.05, 3, 0.1, calc, "50.000E-3   "},
                    FormatCase{"NegativeMilli", -0.05, 3, 0.1, calc, "-50.000E-3 "},
                    FormatCase{"MantissaBelowOne", 2.5e-7, 3, 0.1, calc, "0.250E-6    "},
                    FormatCase{"JustBelowTenThousand", 9999.5, 3, 0.1, calc, "9999.500    "},
                    FormatCase{"LowerLimitItselfIsExponent", 0.1, 3, 0.1, calc, "100.000E-3 "},
                    FormatCase{"JustAboveLowerLimit", 0.1000001, 3, 0.1, calc, "0.100        "},
                    FormatCase{"LowerLimitFollowsSetting", 0.05, 3, 0.01, calc, "0.050        "},
                    FormatCase{"PlusInfinity", inf, 3, 0.1, calc, "+infinity   "},
                    FormatCase{"MinusInfinity", -inf, 3, 0.1, calc, "-infinity   "},
                    FormatCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), 3, 0.1, calc, "NaN         "},
                    FormatCase{"FifteenDigitsBelowTen", 0.5, 15, 0.1, calc, "0.500000000000000"},
                    FormatCase{"FifteenDigitsCappedAtThousand", 1234.5, 15, 0.1, calc, "1234.500000000000"},
                    FormatCase{"FifteenDigitsNegative", -1234.5, 15, 0.1, calc, "-1234.500000000000"},
                    FormatCase{"FifteenDigitsExponent", 123456, 15, 0.1, calc, "123.4560000000000E3"},
                    FormatCase{"LargestDouble", 1.7976931348623157e308, 3, 0.1, calc, "179.769E306"},
                    FormatCase{"SmallestSubnormal", 4.9406564584124654e-324, 3, 0.1, calc, "4.941E-324 "},
                    FormatCase{"RoundsHalfEvenLikePrintf", 0.1125, 3, 0.1, calc, "0.113        "}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Xy, FormatNumberTest,
    testing::Values(FormatCase{"ZeroIsBare", 0.0, 4, 0.1, xy, "0"}, FormatCase{"NoPadding", 0.5, 4, 0.1, xy, "0.5000"},
                    FormatCase{"ExponentNoPadding", 123456, 4, 0.1, xy, "123.4560E3"},
                    FormatCase{"InfinityBare", inf, 4, 0.1, xy, "+infinity"},
                    FormatCase{"NaNBare", std::numeric_limits<double>::quiet_NaN(), 4, 0.1, xy, "NaN"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

// Qt adopts the user's locale at start-up; a German LC_NUMERIC must not turn the
// decimal point into a comma.
TEST(FormatNumberLocale, IgnoresTheProcessLocale)
{
    const char* german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    if (german == nullptr)
        german = std::setlocale(LC_NUMERIC, "de_DE");
    if (german == nullptr)
        GTEST_SKIP() << "no German locale installed";
    const QString text = formatNumber(1234.5, {});
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(text.toStdString(), "1234.500    ");
}

} // namespace
} // namespace kalvo
