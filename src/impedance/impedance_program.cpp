#include "impedance_program.h"

#include "field_check.h"
#include "impedance_descriptions.h"
#include "impedance_reports.h"

namespace kalvo {
namespace {

using namespace impedance;

// In the order the buttons stand in the group; the inputMemory column and the picture
// follow the number of the button's name.
constexpr Topology topologies[] = {
    {.number = 1,
     .buttonText = "Microstrip",
     .labels = {"d", "w", "t", "er", ""},
     .visibleInputs = 4,
     .picture = 1,
     .description = microstripDescription,
     .defaults = {nullptr, nullptr, "35", "4.3"},
     .report = microstripReport,
     .units = {units::millimetre, units::millimetre, units::micrometre, units::none},
     .fieldCheck = fieldSolverCheck},
    {.number = 8,
     .buttonText = "Emb. Microstrip",
     .labels = {"b", "b1", "w", "t", "er"},
     .visibleInputs = 5,
     .picture = 8,
     .description = embeddedMicrostripDescription,
     .defaults = {nullptr, nullptr, nullptr, "35", "4.3"},
     .report = embeddedMicrostripReport,
     .units = {units::millimetre, units::millimetre, units::millimetre, units::micrometre, units::none},
     .fieldCheck = fieldSolverCheck},
    {.number = 2,
     .buttonText = "Stripline",
     .labels = {"b", "w", "t", "er", ""},
     .visibleInputs = 4,
     .picture = 2,
     .description = striplineDescription,
     .defaults = {nullptr, nullptr, "35", "4.3"},
     .report = striplineReport,
     .units = {units::millimetre, units::millimetre, units::micrometre, units::none},
     .fieldCheck = fieldSolverCheck},
    {.number = 3,
     .buttonText = "Offset Stripline",
     .labels = {"h1", "h2", "w", "t", "er"},
     .visibleInputs = 5,
     .picture = 3,
     .description = offsetStriplineDescription,
     .defaults = {nullptr, nullptr, nullptr, "35", "4.3"},
     .report = offsetStriplineReport,
     .units = {units::millimetre, units::millimetre, units::millimetre, units::micrometre, units::none},
     .fieldCheck = fieldSolverCheck},
    {.number = 9,
     .buttonText = "Differential",
     .labels = {"d", "S", "Zo", "", ""},
     .visibleInputs = 3,
     .picture = 9,
     .description = differentialDescription,
     .report = differentialReport,
     .units = {units::millimetre, units::millimetre, units::ohm}},
    {.number = 4,
     .buttonText = "Wire above GND",
     .labels = {"d", "h", "er", "", ""},
     .visibleInputs = 3,
     .picture = 4,
     .description = wireAboveGroundDescription,
     .report = wireAboveGroundReport,
     .units = {units::millimetre, units::millimetre, units::none},
     .fieldCheck = fieldSolverCheck},
    {.number = 5,
     .buttonText = "Twisted Pair",
     .labels = {"d", "S", "er", "T", ""},
     .visibleInputs = 4,
     .picture = 5,
     .description = twistedPairDescription,
     .defaults = {nullptr, nullptr, nullptr, "0"},
     .report = twistedPairReport,
     .units = {units::millimetre, units::millimetre, units::none, units::perMetre},
     .fieldCheck = fieldSolverCheck},
    {.number = 6,
     .buttonText = "Coax",
     .labels = {"d1", "d2", "er", "", ""},
     .visibleInputs = 3,
     .picture = 6,
     .description = coaxDescription,
     .report = coaxReport,
     .units = {units::millimetre, units::millimetre, units::none},
     .fieldCheck = fieldSolverCheck},
    {.number = 7,
     .buttonText = "Skin Effect",
     .labels = {"d", "rho", "ur", "f", ""},
     .visibleInputs = 4,
     .picture = 7,
     .description = skinEffectDescription,
     .defaults = {nullptr, "0.0175", "1"},
     .report = skinEffectReport,
     .units = {units::millimetre, units::ohmSquareMillimetrePerMetre, units::none, units::hertz}},
};

constexpr Program program{
    .name = "impedance",
    .windowTitle = "Impedance Kalvo 2.7",
    .iconResource = ":/pic/LogoMini.svg",
    .picturePrefix = ":/pic/bitmap",
    .layout = wideGroupLayout(9),
    .normalDigits = {3, 0.1},
    .moreDigits = {15, 0.001},
    .startupText = impedance::startupText,
    .rememberedFields = 5,
    .topologies = topologies,
};

} // namespace

const Program& impedanceProgram()
{
    return program;
}

} // namespace kalvo
