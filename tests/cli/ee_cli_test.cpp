#include "cli_runner.h"

#include <gtest/gtest.h>

namespace kalvo::test {
namespace {

struct CliCase {
    const char* name;
    QStringList args; // after "ee"
    const char* expected;
};

void PrintTo(const CliCase& c, std::ostream* os) { *os << c.name; }

class EeCliTest : public testing::TestWithParam<CliCase> {};

// Topologies are named by text (any case) or button number; fields not given keep the
// window's start texts (K = 0.07, Ro = 1000, Alpha = 3850).
TEST_P(EeCliTest, PrintsTheReportOfEachTopology)
{
    const CliCase& c = GetParam();
    const CliResult result = runKalvoCli(QStringList{QStringLiteral("ee")} + c.args);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Topologies, EeCliTest,
    testing::Values(
    CliCase{"ScopeProbe", {"Scope Probe", "100", "10", "30", "200"},
         "\n"
         "Fr\t= 159.155     \t[Mhz]\tProbe Resonant Frequency\n"
         "Q\t= 3.333        \t[]\tCircuit Q (Noticeable overshot if Q>0.7)\n"
         "Trm\t= 3.400        \t[ns]\tMaximum save risetime, Resonance Circuit limited\n"
         "Trs\t= 0.660        \t[ns]\tRs && Cp Risetime limit\n"
         "\n"
         "Circuit will show noticeable ringing with signal risetimes smaller than Trm! \n"},
    CliCase{"BoardCrosstalk", {"board crosstalk", "0.5", "3.3", "20", "60", "5"},
         "\n"
         "Sdi\t= 401.280     \t[A/us]\tShort Line di/dt (Capacitive)\n"
         "Ldi\t= 110.000     \t[A/us]\tLong Line di/dt (Resistive)\n"
         "\n"
         "Vcs\t= 2006.400    \t[mV]\tShort Line Crosstalk, inductive\n"
         "Vcl\t= 550.000     \t[mV]\tLong Line Crosstalk, inductive\n"
         "\n"
         "Be careful with these results as crosstalk is not easy to\n"
         "estimate and dependent on various parameters!\n"},
    CliCase{"CableCrosstalk", {"3", "0.5", "0.5", "20", "120", "4.5"},
         "\n"
         " Kr\t= 11.565E-3   \t[%]\tReverse coupling coefficient, inductive\n"
         "\n"
         " Forward coupling is hard to predict, but smaller than reverse coupling.\n"},
    CliCase{"RibbonCrosstalkWithDefaultK", {"Ribbon Crosstalk", "1.27", "2.54"},
         "\n"
         "Kr\t=5.600        \t[%]\tReverse coupling coefficient\n"},
    CliCase{"BulkDecoupling", {"5", "2000", "3.3", "2", "50", "20"},
         "\n"
         " di\t= 3.300        \t[A]\tWorst expected peak current\n"
         " Xmax\t= 15.152E-3   \t[Ohm]\tMaxiumum allowed power supply impedance\n"
         "\t\t\t\t(Up to digital knee frequency)\n"
         " Fpsw\t= 0.121        \t[Mhz]\tPower supply alone has low enough impedance up to Fpsw\n"
         " Cb\t= 87.120      \t[uF]\tMinimum recommended Bulk Capacitor\n"
         "\n"
         " Bulk capacitor ESR should not exceed Xmax.\n"
         "\n"
         " di\t= Cl*Uo / Tr\n"
         " Xmax\t= du / di\n"
         " Fpsw\t= Xmax / ( 2*PI*Lp )\n"
         " Cb\t= 1 / ( 2*PI*Fpsw*Xmax )\n"},
    CliCase{"HfDecoupling", {"HF Decoupling", "0.1", "20", "1.5", "2"},
         "\n"
         " Fbm\t= 0.796        \t[MHz]\tBulk capacitor works up to Fbm\n"
         " Lmax\t= 63.662E-3   \t[nH]\tMaximum allowed series Inductance ( From Xmax and Tr )\n"
         " N\t= 23.562      \t[]\tRequired number of HF capacitors\n"
         " Ca\t= 2000.000    \t[nF]\tRequired array capacitance\n"
         " Cd\t= 84.883      \t[nF]\tMinimum required HF capacitor value\n"
         "\n"
         " Fbm\t= Xmax / ( 2*PI*Lb )\n"
         " Lmax\t= Xmax*Tr / PI = Xmax/( 2*PI*Fknee )\n"
         " N\t= Ld / Lmax\n"
         " Ca\t= 1 / ( 2*PI*Fbm*Xmax )\n"
         " Cd\t= Ca/N\n"},
    CliCase{"DigitalSpectrum", {"Digital Spectrum", "40", "2"},
         "\n"
         "F1\t= 12.500      \t[MHz]\tBase Frequency (-20dB/Decade after F1) \n"
         "F2\t= 250.000     \t[MHz]\tKnee Frequency (At least -40dB/Decade after F2)\n"
         "A2\t= -32.821     \t[dB]\tAmplitude attenuation at F2\n"
         "N\t= k*25.000      \t[MHz]\tNulls do appear at multiples of clock rate (k=1,2,3...)\n"
         "\n"
         "fko\t>= 500.000     \t[MHz]\tRecommended bandwith for measurement equipment\n"
         "\n"
         "A system with a bandwith up to F2 will not significantly disort the signal.\n"
         "\n"
         "F1\t= 0.5/T\n"
         "F2\t= 0.5/Ta\n"
         "A2\t= -20*log10(F2/F1)-6.8\n"
         "N\t= k * 1/T\n"
         "fko\t= 2*F2 \n"},
    CliCase{"DigitalSpectrumRejected", {"7", "2", "40"},
         "T must be greater than Ta\n"},
    CliCase{"DigitalLine", {"8", "400", "120", "150", "0.5"},
         "\n"
         "Ll\t= 60.000      \t[nH]\tLine inductance \n"
         "Cl\t= 18.000      \t[pF]\tLine capacitance\n"
         "tpn\t= 6.928        \t[ns/m]\tLine propagation delay per meter\n"
         "tp\t= 1.039        \t[ns]\tLine propagation delay\n"
         "2*tp\t= 2.078        \t[ns]\tReflection delay\n"
         "lr\t= 72.169      \t[mm]\tRise time length\n"
         "x\t= 0.481        \t[]\tRisetime/Line length factor (Lumped system if x>6)\n"
         "\n"
         "Line should be modelled as distributed system\n"
         "(Transmission-Line, probably some sort of termination is required)\n"},
    CliCase{"RtdTemperatureWithDefaultRoAndAlpha", {"Platinum RTD", "", "25"},
         "a\t= 3.9083E-3\n"
         "b\t= -5.775E-7\n"
         "c\t= -4.183E-12\n"
         "\n"
         "Rt\t= 1097.347    \t[Ohm]\tRTD resistance at temperature T\n"},
    CliCase{"RtdPt100Resistance", {"9", "84.27", "", "100", "3850"},
         "a\t= 3.9083E-3\n"
         "b\t= -5.775E-7\n"
         "c\t= -4.183E-12\n"
         "\n"
         "T\t= -40.002     \t[°C]\tRTD temperature\n"
         "\n"
         "diff\t=-0.706E-9   \t[Ohm]\tCalculation difference to Ro\n"}),
    [](const testing::TestParamInfo<CliCase>& info) { return std::string(info.param.name); });

TEST(EeCli, MoreDigitsPrintsFifteenDecimals)
{
    const CliResult result = runKalvoCli({"ee", "1", "100", "10", "30", "200", "--more-digits"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(),
         "\n"
         "Fr\t= 159.1549430918953\t[Mhz]\tProbe Resonant Frequency\n"
         "Q\t= 3.333333333333334\t[]\tCircuit Q (Noticeable overshot if Q>0.7)\n"
         "Trm\t= 3.400000000000000\t[ns]\tMaximum save risetime, Resonance Circuit limited\n"
         "Trs\t= 0.660000000000000\t[ns]\tRs && Cp Risetime limit\n"
         "\n"
         "Circuit will show noticeable ringing with signal risetimes smaller than Trm! \n");
}

TEST(EeCli, ListsTheNineTopologiesInGroupOrder)
{
    const CliResult result = runKalvoCli({"ee", "--list"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.toStdString(),
              "1\tScope Probe\n2\tBoard Crosstalk\n3\tCable Crosstalk\n4\tRibbon Crosstalk\n5\tBulk Decoupling\n"
              "6\tHF Decoupling\n7\tDigital Spectrum\n8\tDigital Line\n9\tPlatinum RTD\n");
}

TEST(EeCli, RejectsASixthValue)
{
    const CliResult result = runKalvoCli({"ee", "Board Crosstalk", "1", "2", "3", "4", "5", "6"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.isEmpty());
}

} // namespace
} // namespace kalvo::test
