#include "ee_program.h"
#include "ee_reports.h"
#include "report_cases.h"

#include <gtest/gtest.h>

// Expected texts were worked out by hand from the formulas (a separate script, not
// this code) and agree with the quoted examples: a probe of 100 nH, 10 pF, 30 Ohm and
// 100 MHz resonates at 159.15 MHz with Q = 3.33; 1000 pF at 5 V switched in 1 ns with
// 100 mV allowed drop needs 25 uF; a Pt1000 at 100 degrees reads 1385.055 Ohm.
namespace kalvo::ee {
namespace {

using test::ReportCase;

class EeReportTest : public testing::TestWithParam<ReportCase> { };

// Reports are compared to the last character: tabs and padding line up the panel.
TEST_P(EeReportTest, GivesTheExactReport)
{
    EXPECT_EQ(test::evaluate(eeProgram(), GetParam()).text.toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EeReportTest,
    testing::Values(ReportCase{"ScopeProbePassbandLimitedRinging",
                               scopeProbeReport,
                               {"100", "10", "30", "100"},
                               "\n"
                               "Fr\t= 159.155     \t[Mhz]\tProbe Resonant Frequency\n"
                               "Q\t= 3.333        \t[]\tCircuit Q (Noticeable overshot if Q>0.7)\n"
                               "Trm\t= 3.500        \t[ns]\tMaximum save risetime, Probe Passband limited\n"
                               "Trs\t= 0.660        \t[ns]\tRs && Cp Risetime limit\n"
                               "\n"
                               "Circuit will probably not show ringing because\n"
                               "Resonant Frequency is above Probe Passband."},
                    ReportCase{"BoardCrosstalk",
                               boardCrosstalkReport,
                               {"1", "5", "50", "50", "10"},
                               "\n"
                               "Sdi\t= 380.000     \t[A/us]\tShort Line di/dt (Capacitive)\n"
                               "Ldi\t= 100.000     \t[A/us]\tLong Line di/dt (Resistive)\n"
                               "\n"
                               "Vcs\t= 3800.000    \t[mV]\tShort Line Crosstalk, inductive\n"
                               "Vcl\t= 1000.000    \t[mV]\tLong Line Crosstalk, inductive\n"
                               "\n"
                               "Be careful with these results as crosstalk is not easy to\n"
                               "estimate and dependent on various parameters!"},
                    ReportCase{"CableCrosstalk",
                               cableCrosstalkReport,
                               {"1", "1", "10", "100", "5"},
                               "\n"
                               " Kr\t= 0.200        \t[%]\tReverse coupling coefficient, inductive\n"
                               "\n"
                               " Forward coupling is hard to predict, but smaller than reverse coupling."},
                    ReportCase{"RibbonCrosstalkSignalAsFarAsGround",
                               ribbonCrosstalkReport,
                               {"1", "1", "0.07"},
                               "\n"
                               "Kr\t=3.500        \t[%]\tReverse coupling coefficient"},
                    ReportCase{"BulkDecoupling",
                               bulkDecouplingReport,
                               {"1000", "5", "1", "100", "10"},
                               "\n"
                               " di\t= 5.000        \t[A]\tWorst expected peak current\n"
                               " Xmax\t= 20.000E-3   \t[Ohm]\tMaxiumum allowed power supply impedance\n"
                               "\t\t\t\t(Up to digital knee frequency)\n"
                               " Fpsw\t= 0.318        \t[Mhz]\tPower supply alone has low enough impedance up to Fpsw\n"
                               " Cb\t= 25.000      \t[uF]\tMinimum recommended Bulk Capacitor\n"
                               "\n"
                               " Bulk capacitor ESR should not exceed Xmax.\n"
                               "\n"
                               " di\t= Cl*Uo / Tr\n"
                               " Xmax\t= du / di\n"
                               " Fpsw\t= Xmax / ( 2*PI*Lp )\n"
                               " Cb\t= 1 / ( 2*PI*Fpsw*Xmax )"},
                    ReportCase{"HfDecoupling",
                               hfDecouplingReport,
                               {"0.5", "10", "1.5", "1"},
                               "\n"
                               " Fbm\t= 7.958        \t[MHz]\tBulk capacitor works up to Fbm\n"
                               " Lmax\t= 0.159        \t[nH]\tMaximum allowed series Inductance ( From Xmax and Tr )\n"
                               " N\t= 9.425        \t[]\tRequired number of HF capacitors\n"
                               " Ca\t= 40.000      \t[nF]\tRequired array capacitance\n"
                               " Cd\t= 4.244        \t[nF]\tMinimum required HF capacitor value\n"
                               "\n"
                               " Fbm\t= Xmax / ( 2*PI*Lb )\n"
                               " Lmax\t= Xmax*Tr / PI = Xmax/( 2*PI*Fknee )\n"
                               " N\t= Ld / Lmax\n"
                               " Ca\t= 1 / ( 2*PI*Fbm*Xmax )\n"
                               " Cd\t= Ca/N"},
                    ReportCase{"DigitalSpectrum",
                               digitalSpectrumReport,
                               {"100", "5"},
                               "\n"
                               "F1\t= 5.000        \t[MHz]\tBase Frequency (-20dB/Decade after F1) \n"
                               "F2\t= 100.000     \t[MHz]\tKnee Frequency (At least -40dB/Decade after F2)\n"
                               "A2\t= -32.821     \t[dB]\tAmplitude attenuation at F2\n"
                               "N\t= k*10.000      \t[MHz]\tNulls do appear at multiples of clock rate (k=1,2,3...)\n"
                               "\n"
                               "fko\t>= 200.000     \t[MHz]\tRecommended bandwith for measurement equipment\n"
                               "\n"
                               "A system with a bandwith up to F2 will not significantly disort the signal.\n"
                               "\n"
                               "F1\t= 0.5/T\n"
                               "F2\t= 0.5/Ta\n"
                               "A2\t= -20*log10(F2/F1)-6.8\n"
                               "N\t= k * 1/T\n"
                               "fko\t= 2*F2 "},
                    ReportCase{"DigitalSpectrumBothEmpty",
                               digitalSpectrumReport,
                               {"", ""},
                               "\n"
                               "F1\t= +infinity   \t[MHz]\tBase Frequency (-20dB/Decade after F1) \n"
                               "F2\t= +infinity   \t[MHz]\tKnee Frequency (At least -40dB/Decade after F2)\n"
                               "A2\t= NaN         \t[dB]\tAmplitude attenuation at F2\n"
                               "N\t= k*+infinity   \t[MHz]\tNulls do appear at multiples of clock rate (k=1,2,3...)\n"
                               "\n"
                               "fko\t>= +infinity   \t[MHz]\tRecommended bandwith for measurement equipment\n"
                               "\n"
                               "A system with a bandwith up to F2 will not significantly disort the signal.\n"
                               "\n"
                               "F1\t= 0.5/T\n"
                               "F2\t= 0.5/Ta\n"
                               "A2\t= -20*log10(F2/F1)-6.8\n"
                               "N\t= k * 1/T\n"
                               "fko\t= 2*F2 "},
                    ReportCase{"DigitalLineDistributed",
                               digitalLineReport,
                               {"500", "100", "100", "1"},
                               "\n"
                               "Ll\t= 50.000      \t[nH]\tLine inductance \n"
                               "Cl\t= 10.000      \t[pF]\tLine capacitance\n"
                               "tpn\t= 7.071        \t[ns/m]\tLine propagation delay per meter\n"
                               "tp\t= 0.707        \t[ns]\tLine propagation delay\n"
                               "2*tp\t= 1.414        \t[ns]\tReflection delay\n"
                               "lr\t= 141.421     \t[mm]\tRise time length\n"
                               "x\t= 1.414        \t[]\tRisetime/Line length factor (Lumped system if x>6)\n"
                               "\n"
                               "Line should be modelled as distributed system\n"
                               "(Transmission-Line, probably some sort of termination is required)"},
                    ReportCase{"DigitalLineLumped",
                               digitalLineReport,
                               {"500", "100", "10", "1"},
                               "\n"
                               "Ll\t= 5.000        \t[nH]\tLine inductance \n"
                               "Cl\t= 1.000        \t[pF]\tLine capacitance\n"
                               "tpn\t= 7.071        \t[ns/m]\tLine propagation delay per meter\n"
                               "tp\t= 70.711E-3   \t[ns]\tLine propagation delay\n"
                               "2*tp\t= 0.141        \t[ns]\tReflection delay\n"
                               "lr\t= 141.421     \t[mm]\tRise time length\n"
                               "x\t= 14.142      \t[]\tRisetime/Line length factor (Lumped system if x>6)\n"
                               "\n"
                               "Line may be modelled as lumped system\n"
                               "(RC-Line, probably no termination is required)"},
                    ReportCase{"RtdResistanceAt100Degrees",
                               platinumRtdReport,
                               {"", "100", "1000", "3850"},
                               "a\t= 3.9083E-3\n"
                               "b\t= -5.775E-7\n"
                               "c\t= -4.183E-12\n"
                               "\n"
                               "Rt\t= 1385.055    \t[Ohm]\tRTD resistance at temperature T"},
                    ReportCase{"RtdResistanceBelowZero",
                               platinumRtdReport,
                               {"", "-100", "1000", "3850"},
                               "a\t= 3.9083E-3\n"
                               "b\t= -5.775E-7\n"
                               "c\t= -4.183E-12\n"
                               "\n"
                               "Rt\t= 602.558     \t[Ohm]\tRTD resistance at temperature T"},
                    ReportCase{"RtdTemperatureByQuadratic",
                               platinumRtdReport,
                               {"1385.055", "", "1000", "3850"},
                               "a\t= 3.9083E-3\n"
                               "b\t= -5.775E-7\n"
                               "c\t= -4.183E-12\n"
                               "\n"
                               "T\t= 100.000     \t[°C]\tRTD temperature"},
                    ReportCase{"RtdTemperatureByBisection",
                               platinumRtdReport,
                               {"602.56", "", "1000", "3850"},
                               "a\t= 3.9083E-3\n"
                               "b\t= -5.775E-7\n"
                               "c\t= -4.183E-12\n"
                               "\n"
                               "T\t= -100.000    \t[°C]\tRTD temperature\n"
                               "\n"
                               "diff\t=5.865E-9    \t[Ohm]\tCalculation difference to Ro"},
                    ReportCase{"RtdBelowZeroWithoutCTerm",
                               platinumRtdReport,
                               {"500", "", "1000", "3770"},
                               "a\t= 3.92E-3\n"
                               "b\t= -6.03E-7\n"
                               "c\t= 0.0\n"
                               "\n"
                               "\n"
                               "T\t= -125.142    \t[°C]\tRTD temperature"},
                    ReportCase{"RtdThinFilmSet",
                               platinumRtdReport,
                               {"80", "", "100", "3750"},
                               "a\t= 3.8102E-3\n"
                               "b\t= -6.01888E-7\n"
                               "c\t= -6.0E-12\n"
                               "\n"
                               "T\t= -52.029     \t[°C]\tRTD temperature\n"
                               "\n"
                               "diff\t=81.528E-12 \t[Ohm]\tCalculation difference to Ro"},
                    ReportCase{"RtdBelowTheSearchedInterval",
                               platinumRtdReport,
                               {"50", "", "1000", "3850"},
                               "a\t= 3.9083E-3\n"
                               "b\t= -5.775E-7\n"
                               "c\t= -4.183E-12\n"
                               "\n"
                               "\n"
                               " *** Error: Temperature is outside the specified Range! (lower than -200°C) ***"},
                    ReportCase{"RtdAboveTheRange",
                               platinumRtdReport,
                               {"", "900", "1000", "3850"},
                               "a\t= 3.9083E-3\n"
                               "b\t= -5.775E-7\n"
                               "c\t= -4.183E-12\n"
                               "\n"
                               "Rt\t= 4049.695    \t[Ohm]\tRTD resistance at temperature T\n"
                               "\n"
                               " *** Warning: Temperature is outside the specified range (-200°C...850°C)\n"
                               "\n"
                               " *** No accuracy is granted!"},
                    ReportCase{"RtdNotANumberResistanceAtZero",
                               platinumRtdReport,
                               {"500", "", "nan", "3850"},
                               "a\t= 3.9083E-3\n"
                               "b\t= -5.775E-7\n"
                               "c\t= -4.183E-12\n"
                               "\n"
                               "No convergence!\n"
                               "\n"
                               "T\t= -150.000    \t[°C]\tRTD temperature\n"
                               "\n"
                               "diff\t=NaN         \t[Ohm]\tCalculation difference to Ro"}),
    test::caseName);

TEST(EeReportMoreDigits, PrintsFifteenDecimalsAndSmallValuesInFixedForm)
{
    EXPECT_EQ(test::evaluate(eeProgram(), scopeProbeReport, {"100", "10", "30", "100"}, true).text.toStdString(),
              "\nFr\t= 159.1549430918953\t[Mhz]\tProbe Resonant Frequency\n"
              "Q\t= 3.333333333333334\t[]\tCircuit Q (Noticeable overshot if Q>0.7)\n"
              "Trm\t= 3.500000000000000\t[ns]\tMaximum save risetime, Probe Passband limited\n"
              "Trs\t= 0.660000000000000\t[ns]\tRs && Cp Risetime limit\n\n"
              "Circuit will probably not show ringing because\nResonant Frequency is above Probe Passband.");
    EXPECT_EQ(test::evaluate(eeProgram(), platinumRtdReport, {"602.56", "", "1000", "3850"}, true).text.toStdString(),
              "a\t= 3.9083E-3\nb\t= -5.775E-7\nc\t= -4.183E-12\n"
              "\nT\t= -99.99960523709888\t[°C]\tRTD temperature\n"
              "\ndiff\t=5.865445018571336E-9\t[Ohm]\tCalculation difference to Ro");
}

// Where a calculation changes its verdict: the report must hold `contained` and end
// with `ending`.
struct BoundaryCase {
    const char* name;
    ReportFunction report;
    QStringList inputs;
    const char* contained;
    const char* ending;
};

void PrintTo(const BoundaryCase& c, std::ostream* os)
{
    *os << c.name;
}

class EeBoundaryTest : public testing::TestWithParam<BoundaryCase> { };

TEST_P(EeBoundaryTest, ChoosesTheVerdictOfItsSide)
{
    const BoundaryCase& c = GetParam();
    const std::string report = test::evaluate(eeProgram(), c.report, c.inputs).text.toStdString();
    EXPECT_NE(report.find(c.contained), std::string::npos) << report;
    EXPECT_TRUE(report.ends_with(c.ending)) << report;
}

constexpr const char* resonanceLimited
    = "Trm\t= 3.400        \t[ns]\tMaximum save risetime, Resonance Circuit limited\n";
constexpr const char* passbandLimited = "Trm\t= 3.500        \t[ns]\tMaximum save risetime, Probe Passband limited\n";
constexpr const char* lowQInPassband = "Circuit will probably not show noticeable ringing because of low circuit Q,\n"
                                       "but fastest measurable signal risetime is Trm.";
constexpr const char* lowQAbovePassband = "Circuit will not show ringing because Resonant Frequency is above\n"
                                          "Probe Passband and Circuit Q is low.";
constexpr const char* highQAbovePassband = "Circuit will probably not show ringing because\n"
                                           "Resonant Frequency is above Probe Passband.";
constexpr const char* highQInPassband = "Circuit will show noticeable ringing with signal risetimes smaller than Trm! ";
// 100 nH and 10 pF resonate at exactly 1.1 times this passband in double arithmetic.
constexpr const char* passbandAtResonance = "144.68631190172303";
constexpr const char* distributed = "\n\nLine should be modelled as distributed system\n(Transmission-Line, probably "
                                    "some sort of termination is required)";
constexpr const char* lumped
    = "\n\nLine may be modelled as lumped system\n(RC-Line, probably no termination is required)";
constexpr const char* rangeWarning = "\n\n *** Warning: Temperature is outside the specified range (-200°C...850°C)\n\n"
                                     " *** No accuracy is granted!";
constexpr const char* rtCaption = "\t[Ohm]\tRTD resistance at temperature T";

INSTANTIATE_TEST_SUITE_P(
    Boundaries, EeBoundaryTest,
    testing::Values(
        BoundaryCase{
            "ProbeLowQInPassband", scopeProbeReport, {"100", "10", "1000", "200"}, resonanceLimited, lowQInPassband},
        BoundaryCase{"ProbeLowQAbovePassband",
                     scopeProbeReport,
                     {"100", "10", "1000", "100"},
                     passbandLimited,
                     lowQAbovePassband},
        BoundaryCase{"ProbeHighQAbovePassband",
                     scopeProbeReport,
                     {"100", "10", "30", "100"},
                     passbandLimited,
                     highQAbovePassband},
        BoundaryCase{
            "ProbeHighQInPassband", scopeProbeReport, {"100", "10", "30", "200"}, resonanceLimited, highQInPassband},
        BoundaryCase{"ProbeResonanceAtPassbandEdgeHighQ",
                     scopeProbeReport,
                     {"100", "10", "30", passbandAtResonance},
                     resonanceLimited,
                     highQInPassband},
        BoundaryCase{"ProbeResonanceAtPassbandEdgeLowQ",
                     scopeProbeReport,
                     {"100", "10", "1000", passbandAtResonance},
                     resonanceLimited,
                     lowQInPassband},
        BoundaryCase{"ProbeQExactlySevenTenths",
                     scopeProbeReport,
                     {"49", "10", "100", "100"},
                     "Q\t= 0.700        \t",
                     lowQAbovePassband},
        BoundaryCase{"ProbeQJustAboveSevenTenths",
                     scopeProbeReport,
                     {"49", "10", "99.99", "100"},
                     "Q\t= 0.700        \t",
                     highQAbovePassband},
        BoundaryCase{"SpectrumRiseTimeEqualToClock",
                     digitalSpectrumReport,
                     {"10", "10"},
                     "F1\t= 50.000      \t[MHz]\tBase Frequency (-20dB/Decade after F1) \nF2\t= 50.000      \t"
                     "[MHz]\tKnee Frequency (At least -40dB/Decade after F2)\nA2\t= -6.800      \t[dB]",
                     "fko\t= 2*F2 "},
        BoundaryCase{"LineFactorExactlySix",
                     digitalLineReport,
                     {"100", "1000", "20", "1.2"},
                     "\nx\t= 6.000        \t",
                     distributed},
        BoundaryCase{"LineFactorJustAboveSix",
                     digitalLineReport,
                     {"100", "1000", "20", "1.2000001"},
                     "\nx\t= 6.000        \t",
                     lumped},
        BoundaryCase{"RtdResistanceEqualToRo",
                     platinumRtdReport,
                     {"1000", "", "1000", "3850"},
                     "\nT\t= 0.0         \t[°C]\tRTD temperature",
                     "\nT\t= 0.0         \t[°C]\tRTD temperature"},
        BoundaryCase{
            "RtdAtTheUpperLimit", platinumRtdReport, {"", "850", "1000", "3850"}, "Rt\t= 3904.811    ", rtCaption},
        BoundaryCase{"RtdAboveTheUpperLimit",
                     platinumRtdReport,
                     {"", "850.001", "1000", "3850"},
                     "Rt\t= 3904.814    ",
                     rangeWarning},
        BoundaryCase{
            "RtdAtTheLowerLimit", platinumRtdReport, {"", "-200", "1000", "3850"}, "Rt\t= 185.201     ", rtCaption},
        BoundaryCase{"RtdBelowTheLowerLimit",
                     platinumRtdReport,
                     {"", "-200.001", "1000", "3850"},
                     "Rt\t= 185.196     ",
                     rangeWarning},
        BoundaryCase{"RtdBisectionBelowTheLowerLimit",
                     platinumRtdReport,
                     {"180", "", "1000", "3850"},
                     "\nT\t= -201.202    \t[°C]",
                     rangeWarning},
        // Ro * W(-225) to the last bit: the lower end itself is outside the interval.
        BoundaryCase{"RtdResistanceAtMinus225Degrees",
                     platinumRtdReport,
                     {"75.91129257812503", "", "1000", "3850"},
                     "c\t= -4.183E-12\n\n\n *** Error:",
                     "(lower than -200°C) ***"},
        BoundaryCase{"RtdResistanceJustAboveMinus225Degrees",
                     platinumRtdReport,
                     {"75.912", "", "1000", "3850"},
                     "\nT\t= -225.000    \t[°C]",
                     rangeWarning},
        BoundaryCase{"RtdUnreadableResistanceBesideATemperature",
                     platinumRtdReport,
                     {"1k", "100", "1000", "3850"},
                     "Rt\t= 1385.055    ",
                     rtCaption},
        BoundaryCase{"RtdTemperatureNotANumber",
                     platinumRtdReport,
                     {"", "nan", "1000", "3850"},
                     "Rt\t= NaN         ",
                     rangeWarning}),
    [](const testing::TestParamInfo<BoundaryCase>& info) { return std::string(info.param.name); });

struct MessageCase {
    const char* name;
    QStringList inputs; // R, T, Ro, Alpha
    const char* message;
};

void PrintTo(const MessageCase& c, std::ostream* os)
{
    *os << c.name;
}

class RtdMessageTest : public testing::TestWithParam<MessageCase> { };

// The R/T check comes before the Alpha check; either message is the whole report.
TEST_P(RtdMessageTest, ReplacesTheWholeReport)
{
    const MessageCase& c = GetParam();
    EXPECT_EQ(test::evaluate(eeProgram(), platinumRtdReport, c.inputs).text.toStdString(), c.message);
}

constexpr const char* eitherRorT = "\nPlease enter a correct value for ether R or T but not both at the same time!";
constexpr const char* validAlpha = "\nPlease enter a valid Alpha value: 3750, 3770 or 3850 ppm/K";

INSTANTIATE_TEST_SUITE_P(
    Messages, RtdMessageTest,
    testing::Values(MessageCase{"BothGiven", {"1000", "100", "1000", "3850"}, eitherRorT},
                    MessageCase{"NeitherGiven", {"", "", "1000", "3850"}, eitherRorT},
                    MessageCase{"OnlyAnUnreadableResistance", {"1k", "", "1000", "3850"}, eitherRorT},
                    MessageCase{"BothGivenAndAlphaInvalid", {"1000", "100", "1000", "1234"}, eitherRorT},
                    MessageCase{"AlphaNotOfAStandardSet", {"", "100", "1000", "3851"}, validAlpha},
                    MessageCase{"AlphaWithADecimalPoint", {"", "100", "1000", "3850.0"}, validAlpha},
                    MessageCase{"AlphaEmpty", {"", "100", "1000", ""}, validAlpha},
                    MessageCase{"AlphaBeyondAnInteger", {"1000", "", "1000", "385000000000000000000"}, validAlpha},
                    MessageCase{"AlphaInfinite", {"1000", "", "1000", "inf"}, validAlpha}),
    [](const testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kalvo::ee
