#include "xy_program.h"

#include "xy_reports.h"

namespace kalvo {
namespace {

using namespace xy;

// Every field is a plain number; the angle's unit is chosen in the "Angle" group, so the
// reports give it with each result.
constexpr std::array<Unit, maxInputFields> plainNumbers{units::none, units::none, units::none,
                                                        units::none, units::none, units::none};

// No pictures and no descriptions: choosing a function only swaps inputs and labels.
constexpr Topology topologies[] = {
    {.number = 1,
     .buttonText = "2 Points Linear",
     .labels = {"X1", "X2", "X3", "Y1", "Y2", "--"},
     .visibleInputs = 6,
     .report = linearReport,
     .units = plainNumbers},
    {.number = 2,
     .buttonText = "3 Points Quadratic",
     .labels = {"X1", "X2", "X3", "Y1", "Y2", "Y3"},
     .visibleInputs = 6,
     .report = parabolaReport,
     .units = plainNumbers},
    {.number = 3,
     .buttonText = "Quad Equation",
     .labels = {"A", "B", "C", "--", "--", "--"},
     .visibleInputs = 6,
     .report = quadraticReport,
     .units = plainNumbers},
    {.number = 4,
     .buttonText = "Pol -> Rect",
     .labels = {"Ampl.", "Angle", "--", "--", "--", "--"},
     .visibleInputs = 6,
     .report = polarToRectReport,
     .units = plainNumbers},
    {.number = 5,
     .buttonText = "Rect -> Pol",
     .labels = {"X", "Y", "--", "--", "--", "--"},
     .visibleInputs = 6,
     .report = rectToPolarReport,
     .units = plainNumbers},
};

// Without a picture column the inputs take the left half and the two groups share
// the right half above the result panel.
constexpr Program program{
    .name = "xy",
    .windowTitle = "XY Kalvo 2.0",
    .groupTitle = "Function",
    .iconResource = ":/pic/LogoMini.svg",
    .layout = {.groupBox = QRect(320, 8, 181, 185),
               .frame = QRect(10, 10, 301, 216),
               .goButton = QRect(320, 200, 302, 28),
               .angleGroup = QRect(510, 8, 112, 185),
               .inputRows = 6,
               .pictureLabels = 0},
    .normalDigits = {4, 0.1},
    .moreDigits = {15, 0.001},
    .variant = FormatVariant::Xy,
    .rememberedFields = 6,
    .emptyInputsBecomeZero = true,
    .topologies = topologies,
};

} // namespace

const Program& xyProgram()
{
    return program;
}

} // namespace kalvo
