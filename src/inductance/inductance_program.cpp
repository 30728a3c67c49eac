#include "inductance_program.h"

#include "inductance_descriptions.h"
#include "inductance_reports.h"

namespace kalvo {
namespace {

using namespace inductance;

// Rows beyond a topology's inputs are hidden and their labels emptied.
constexpr Topology topologies[] = {
    {.number = 1,
     .buttonText = "Circular Loop",
     .labels = {"d", "x", "", "", ""},
     .visibleInputs = 2,
     .picture = 1,
     .description = circularLoopDescription,
     .report = circularLoopReport,
     .units = {units::millimetre, units::millimetre}},
    {.number = 2,
     .buttonText = "Rectangular Loop",
     .labels = {"d", "x", "y", "", ""},
     .visibleInputs = 3,
     .picture = 2,
     .description = rectangularLoopDescription,
     .report = rectangularLoopReport,
     .units = {units::millimetre, units::millimetre, units::millimetre}},
    {.number = 3,
     .buttonText = "Mutual Ind. 1",
     .labels = {"A1", "A2", "r", "", ""},
     .visibleInputs = 3,
     .picture = 3,
     .description = loopMutualDescription,
     .report = loopMutualReport,
     .units = {units::squareMillimetre, units::squareMillimetre, units::millimetre}},
    {.number = 4,
     .buttonText = "Mutual Ind. 2",
     .labels = {"s", "h", "L", "x", ""},
     .visibleInputs = 4,
     .picture = 4,
     .description = lineMutualDescription,
     .report = lineMutualReport,
     .units = {units::millimetre, units::millimetre, units::nanohenryPerMetre, units::millimetre}},
    {.number = 5,
     .buttonText = "Single Layer Coil",
     .labels = {"N", "D", "l", "ur", ""},
     .visibleInputs = 4,
     .picture = 5,
     .description = singleLayerCoilDescription,
     .defaults = {nullptr, nullptr, nullptr, "1.0"},
     .report = singleLayerCoilReport,
     .units = {units::none, units::millimetre, units::millimetre, units::none}},
    {.number = 6,
     .buttonText = "Multi Layer Coil",
     .labels = {"N", "D1", "D2", "l", "ur"},
     .visibleInputs = 5,
     .picture = 6,
     .description = multiLayerCoilDescription,
     .defaults = {nullptr, nullptr, nullptr, nullptr, "1.0"},
     .report = multiLayerCoilReport,
     .units = {units::none, units::millimetre, units::millimetre, units::millimetre, units::none}},
    {.number = 7,
     .buttonText = "Optimized Coil",
     .labels = {"L", "d", "", "", ""},
     .visibleInputs = 2,
     .picture = 7,
     .description = optimizedCoilDescription,
     .report = optimizedCoilReport,
     .units = {units::microhenry, units::millimetre}},
    {.number = 8,
     .buttonText = "Toroid",
     .labels = {"D", "d", "h", "N", "ur"},
     .visibleInputs = 5,
     .picture = 8,
     .description = toroidDescription,
     .defaults = {nullptr, nullptr, nullptr, nullptr, "1.0"},
     .report = toroidReport,
     .units = {units::millimetre, units::millimetre, units::millimetre, units::none, units::none}},
    {.number = 9,
     .buttonText = "Shielding",
     .labels = {"d", "rho", "ur", "f", "s"},
     .visibleInputs = 5,
     .picture = 9,
     .description = shieldingDescription,
     .defaults = {nullptr, "0.0175", "1.0"},
     .report = shieldingReport,
     .units = {units::millimetre, units::ohmSquareMillimetrePerMetre, units::none, units::hertz, units::millimetre}},
};

constexpr Program program{
    .name = "inductance",
    .windowTitle = "Inductance Kalvo 2.1",
    .iconResource = ":/pic/LogoMini.svg",
    .picturePrefix = ":/pic/bitmap",
    // Five inputs beside nine topologies, like kalvo-impedance and kalvo-ee: the narrower
    // group of kalvo-rc would cut the longer button texts.
    .layout = wideGroupLayout(9),
    .normalDigits = {4, 0.01},
    .moreDigits = {15, 0.001},
    .startupText = welcomeText,
    .topologies = topologies,
};

} // namespace

const Program& inductanceProgram()
{
    return program;
}

} // namespace kalvo
