#include "inductance_program.h"
#include "inductance_reports.h"
#include "report_cases.h"

#include <gtest/gtest.h>

namespace kalvo::inductance {
namespace {

using test::ReportCase;

class ToroidShieldingReportTest : public testing::TestWithParam<ReportCase> { };

TEST_P(ToroidShieldingReportTest, GivesTheExactReport)
{
    EXPECT_EQ(test::evaluate(inductanceProgram(), GetParam()).text.toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ToroidShieldingReportTest,
    testing::Values(
        // L1 = 100 pi 100 25e-6 / 0.02 = 39.27 nH; L2 = mu0 100 0.005 / (2 pi) ln(25 / 15) = 51.08 nH
        ReportCase{"ToroidInNanohenry",
                   toroidReport,
                   {"20", "5", "5", "10", "1.0"},
                   "\nL1\t= 39.2699     \t[nH]\tRound cross section Inductance\n"
                   "\nL2\t= 51.0826     \t[nH]\tRectangular cross section Inductance"},
        // L1 = 999.91 nH stays in nH, although L2 is above 1000 nH
        ReportCase{"ToroidJustBelowOneMicrohenry",
                   toroidReport,
                   {"20", "5", "5", "50", "1.0185"},
                   "\nL1\t= 999.9100    \t[nH]\tRound cross section Inductance\n"
                   "\nL2\t= 1300.6897   \t[nH]\tRectangular cross section Inductance"},
        // L1 = 1000.007 nH switches both lines to uH
        ReportCase{"ToroidJustAboveOneMicrohenry",
                   toroidReport,
                   {"20", "5", "5", "50", "1.0186"},
                   "\nL1\t= 1.0000      \t[uH]\tRound cross section Inductance\n"
                   "\nL2\t= 1.3008      \t[uH]\tRectangular cross section Inductance"},
        // copper at 1 MHz: skin depth 0.0666 mm, e^(0.2 / 0.0666) = 20.2 (26.1 dB);
        // slot: 20 log10(299.79 m / 0.02 m) = 83.5 dB
        ReportCase{"ShieldingSlotAttenuatesMore",
                   shieldingReport,
                   {"0.2", "0.0175", "1.0", "1e6", "10"},
                   "\nds\t= 0.0666      \t[mm]\tSkin depth \n"
                   "Hx/Ho\t= 20.1648     \t[]\tMagnetic field attenuation\n"
                   "Hx/Ho\t= -26.0919    \t[dB]\tMagnetic field attenuation\n"
                   "Hx/Hs\t= 83.5158     \t[dB]\tSlot field attenuation (Worst case)\n"
                   "\nShield thickness is dominant, try to increase shield thickness for better results."},
        // a 1 m slot at 100 MHz: 20 log10(2.998 / 2) = 3.5 dB
        ReportCase{"ShieldingSlotDominant",
                   shieldingReport,
                   {"0.2", "0.0175", "1.0", "100e6", "1000"},
                   "\nds\t= 6.6579E-3   \t[mm]\tSkin depth \n"
                   "Hx/Ho\t= 11.1156E12 \t[]\tMagnetic field attenuation\n"
                   "Hx/Ho\t= -260.9187   \t[dB]\tMagnetic field attenuation\n"
                   "Hx/Hs\t= 3.5158      \t[dB]\tSlot field attenuation (Worst case)\n"
                   "\nSlot length is dominant, try to shorten the slots for better results."},
        // wavelength 1 m: a 0.5 m slot no longer attenuates
        ReportCase{"ShieldingSlotOfHalfAWavelength",
                   shieldingReport,
                   {"0.2", "0.0175", "1.0", "299792458", "500"},
                   "\nds\t= 3.8453E-3   \t[mm]\tSkin depth \n"
                   "Hx/Ho\t= 38.7616E21 \t[]\tMagnetic field attenuation\n"
                   "Hx/Ho\t= -451.7680   \t[dB]\tMagnetic field attenuation\n"
                   "Hx/Hs\t= 0.0         \t[dB]\tSlot field attenuation (Worst case)\n"
                   "\nSlot length is dominant, try to shorten the slots for better results."}),
    test::caseName);

// 1 mm of copper at 10 GHz is 1502 skin depths: e^(d/ds) overflows, the attenuation in dB,
// 8.686 d/ds = 13046 dB, does not; the 10 mm slot then limits the shielding.
TEST(ShieldingReport, ThickSheetAttenuationStaysFinite)
{
    EXPECT_EQ(
        test::evaluate(inductanceProgram(), shieldingReport, {"1", "0.0175", "1.0", "10e9", "10"}).text.toStdString(),
        "\nds\t= 0.6658E-3   \t[mm]\tSkin depth \n"
        "Hx/Ho\t= +infinity   \t[]\tMagnetic field attenuation\n"
        "Hx/Ho\t= -13.0459E3 \t[dB]\tMagnetic field attenuation\n"
        "Hx/Hs\t= 3.5158      \t[dB]\tSlot field attenuation (Worst case)\n"
        "\nSlot length is dominant, try to shorten the slots for better results.");
}

TEST(ShieldingReport, SlotLongerThanHalfAWavelengthDoesNotAttenuate)
{
    const std::string report
        = test::evaluate(inductanceProgram(), shieldingReport, {"0.2", "0.0175", "1.0", "1e6", "200000"})
              .text.toStdString();
    EXPECT_NE(report.find("Hx/Hs\t= 0.0         \t[dB]"), std::string::npos) << report;
}

// With more digits every number has up to 16 significant digits.
TEST(ToroidReport, MoreDigitsPrintFifteenDecimals)
{
    const std::string report
        = test::evaluate(inductanceProgram(), toroidReport, {"20", "5", "5", "10", "1.0"}, true).text.toStdString();
    EXPECT_EQ(report,
              "\nL1\t= 39.26990816987242\t[nH]\tRound cross section Inductance\n"
              "\nL2\t= 51.08256237659908\t[nH]\tRectangular cross section Inductance");
}

} // namespace
} // namespace kalvo::inductance
