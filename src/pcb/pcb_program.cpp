#include "pcb_program.h"

#include "pcb_descriptions.h"
#include "pcb_reports.h"

namespace kalvo {
namespace {

using namespace pcb;
using namespace units;

constexpr std::array<Unit, maxInputFields> lineUnits{millimetre, millimetre, millimetre, micrometre, none};

// In the order the buttons stand in the group, numbered in that order too.
constexpr Topology topologies[] = {
    {.number = 1,
     .buttonText = "Track Width",
     .labels = {"I", "dT", "t", "l", "", ""},
     .visibleInputs = 4,
     .picture = 1,
     .description = trackWidthDescription,
     .defaults = {nullptr, "10", "35", "100"},
     .report = trackWidthReport,
     .units = {ampere, degreeCelsius, micrometre, millimetre}},
    {.number = 2,
     .buttonText = "Via",
     .labels = {"d", "p", "h", "D1", "D2", "er"},
     .visibleInputs = 6,
     .picture = 2,
     .description = viaDescription,
     .defaults = {nullptr, "25", "1.6", nullptr, nullptr, "4.3"},
     .report = viaReport,
     .units = {millimetre, micrometre, millimetre, millimetre, millimetre, none}},
    {.number = 3,
     .buttonText = "Coplanar WG",
     .labels = {"h", "w", "s", "t", "er", ""},
     .visibleInputs = 5,
     .picture = 3,
     .description = coplanarDescription,
     .defaults = {nullptr, nullptr, nullptr, "35", "4.3"},
     .report = coplanarReport,
     .units = lineUnits},
    {.number = 4,
     .buttonText = "Grounded CPW",
     .labels = {"h", "w", "s", "t", "er", ""},
     .visibleInputs = 5,
     .picture = 4,
     .description = groundedCoplanarDescription,
     .defaults = {nullptr, nullptr, nullptr, "35", "4.3"},
     .report = groundedCoplanarReport,
     .units = lineUnits},
    {.number = 5,
     .buttonText = "Diff. Microstrip",
     .labels = {"h", "w", "s", "t", "er", ""},
     .visibleInputs = 5,
     .picture = 5,
     .description = differentialMicrostripDescription,
     .defaults = {nullptr, nullptr, nullptr, "35", "4.3"},
     .report = differentialMicrostripReport,
     .units = lineUnits},
    {.number = 6,
     .buttonText = "Diff. Stripline",
     .labels = {"b", "w", "s", "t", "er", ""},
     .visibleInputs = 5,
     .picture = 6,
     .description = differentialStriplineDescription,
     .defaults = {nullptr, nullptr, nullptr, "35", "4.3"},
     .report = differentialStriplineReport,
     .units = lineUnits},
    {.number = 7,
     .buttonText = "Edge Clearance",
     .labels = {"V", "", "", "", "", ""},
     .visibleInputs = 1,
     .picture = 7,
     .description = edgeClearanceDescription,
     .report = edgeClearanceReport,
     .units = {volt}},
    {.number = 8,
     .buttonText = "Fusing Current",
     .labels = {"w", "t", "tp", "Ta", "", ""},
     .visibleInputs = 4,
     .picture = 8,
     .description = fusingCurrentDescription,
     .defaults = {nullptr, "35", "1", "25"},
     .report = fusingCurrentReport,
     .units = {millimetre, micrometre, second, degreeCelsius}},
    {.number = 9,
     .buttonText = "Track Temp.",
     .labels = {"w", "t", "I", "", "", ""},
     .visibleInputs = 3,
     .picture = 9,
     .description = trackTemperatureDescription,
     .defaults = {nullptr, "35"},
     .report = trackTemperatureReport,
     .units = {millimetre, micrometre, ampere}},
};

// The impedance program's wide group of nine buttons, with a sixth input row for the via.
constexpr WindowLayout layout()
{
    WindowLayout wide = wideGroupLayout(9);
    wide.inputRows = 6;
    return wide;
}

constexpr Program program{
    .name = "pcb",
    .windowTitle = "PCB Kalvo 1.0",
    .iconResource = ":/pic/LogoMini.svg",
    .picturePrefix = ":/pic/bitmap",
    .layout = layout(),
    .normalDigits = {3, 0.01},
    .moreDigits = {15, 0.001},
    .startupText = pcb::startupText,
    .rememberedFields = 6,
    .topologies = topologies,
};

} // namespace

const Program& pcbProgram()
{
    return program;
}

} // namespace kalvo
