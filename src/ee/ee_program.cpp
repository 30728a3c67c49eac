#include "ee_program.h"

#include "ee_descriptions.h"
#include "ee_reports.h"

namespace kalvo {
namespace {

using namespace ee;

constexpr Topology topologies[] = {
    {.number = 1,
     .buttonText = "Scope Probe",
     .labels = {"Lp", "Cp", "Rs", "Pp", ""},
     .visibleInputs = 4,
     .picture = 1,
     .description = scopeProbeDescription,
     .report = scopeProbeReport,
     .units = {units::nanohenry, units::picofarad, units::ohm, units::megahertz}},
    {.number = 2,
     .buttonText = "Board Crosstalk",
     .labels = {"Tr", "Ur", "Cl", "Zo", "Lm"},
     .visibleInputs = 5,
     .picture = 2,
     .description = boardCrosstalkDescription,
     .report = boardCrosstalkReport,
     .units = {units::nanosecond, units::volt, units::picofarad, units::ohm, units::nanohenry}},
    {.number = 3,
     .buttonText = "Cable Crosstalk",
     .labels = {"d1", "d2", "X", "Zo", "Pd"},
     .visibleInputs = 5,
     .picture = 3,
     .description = cableCrosstalkDescription,
     .report = cableCrosstalkReport,
     .units = {units::millimetre, units::millimetre, units::millimetre, units::ohm, units::nanosecondPerMetre}},
    {.number = 4,
     .buttonText = "Ribbon Crosstalk",
     .labels = {"X", "Xo", "K", "", ""},
     .visibleInputs = 3,
     .picture = 4,
     .description = ribbonCrosstalkDescription,
     .defaults = {nullptr, nullptr, "0.07"},
     .report = ribbonCrosstalkReport,
     .units = {units::millimetre, units::millimetre, units::none}},
    {.number = 5,
     .buttonText = "Bulk Decoupling",
     .labels = {"Cl", "Uo", "Tr", "du", "Lp"},
     .visibleInputs = 5,
     .picture = 5,
     .description = bulkDecouplingDescription,
     .report = bulkDecouplingReport,
     .units = {units::picofarad, units::volt, units::nanosecond, units::millivolt, units::nanohenry}},
    {.number = 6,
     .buttonText = "HF Decoupling",
     .labels = {"Xmax", "Lb", "Ld", "Tr", ""},
     .visibleInputs = 4,
     .picture = 6,
     .description = hfDecouplingDescription,
     .report = hfDecouplingReport,
     .units = {units::ohm, units::nanohenry, units::nanohenry, units::nanosecond}},
    {.number = 7,
     .buttonText = "Digital Spectrum",
     .labels = {"T", "Ta", "", "", ""},
     .visibleInputs = 2,
     .picture = 7,
     .description = digitalSpectrumDescription,
     .report = digitalSpectrumReport,
     .units = {units::nanosecond, units::nanosecond}},
    {.number = 8,
     .buttonText = "Digital Line",
     .labels = {"L", "C", "d", "Ta", ""},
     .visibleInputs = 4,
     .picture = 8,
     .description = digitalLineDescription,
     .report = digitalLineReport,
     .units = {units::nanohenryPerMetre, units::picofaradPerMetre, units::millimetre, units::nanosecond}},
    // The RTD has no schematic: every picture is hidden.
    {.number = 9,
     .buttonText = "Platinum RTD",
     .labels = {"R", "T", "Ro", "Alpha", ""},
     .visibleInputs = 4,
     .picture = 0,
     .description = platinumRtdDescription,
     .defaults = {nullptr, nullptr, "1000", "3850"},
     .report = platinumRtdReport,
     .units = {units::ohm, units::degreeCelsius, units::ohm, units::ppmPerKelvin}},
};

constexpr Program program{
    .name = "ee",
    .windowTitle = "EE Kalvo 2.1",
    .iconResource = ":/pic/LogoMini.svg",
    .picturePrefix = ":/pic/bitmap",
    .layout = wideGroupLayout(8),
    .normalDigits = {3, 0.1},
    .moreDigits = {15, 0.001},
    .startupText = startupText,
    .rememberedFields = 5,
    .topologies = topologies,
};

} // namespace

const Program& eeProgram()
{
    return program;
}

} // namespace kalvo
