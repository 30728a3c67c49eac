#include "rc_program.h"

#include "match_network.h"
#include "rc_descriptions.h"
#include "rc_reports.h"

namespace kalvo {
namespace {

using namespace rc;

// The matching networks' loss d in dB and the impedances Ze and Za, which may be
// formulas for the expression engine.
constexpr std::array<Unit, maxInputFields> matchUnits{units::decibel, units::ohm, units::ohm};
constexpr unsigned matchFormulaFields = 0b110; // fields 2 (Ze) and 3 (Za)

// The label of row 6 ("Ea") is set only by MTBF; other topologies leave it as it is.
constexpr Topology topologies[] = {
    {.number = 1,
     .buttonText = "RC",
     .labels = {"R", "C", "", "", "", nullptr},
     .visibleInputs = 2,
     .picture = 1,
     .description = rcDescription,
     .report = rcReport,
     .units = {units::ohm, units::farad}},
    {.number = 2,
     .buttonText = "RLC Serial",
     .labels = {"R", "C", "L", "", "", nullptr},
     .visibleInputs = 3,
     .picture = 2,
     .description = serialRlcDescription,
     .report = serialRlcReport,
     .units = {units::ohm, units::farad, units::henry}},
    {.number = 3,
     .buttonText = "Double Pole",
     .labels = {"RE", "+/- IM", "RE2", "", "", nullptr},
     .visibleInputs = 3,
     .picture = 3,
     .description = doublePoleDescription,
     .report = doublePoleReport,
     .units = {units::perSecond, units::perSecond, units::perSecond}},
    {.number = 4,
     .buttonText = "Single Pole",
     .labels = {"RE", "", "", "", "", nullptr},
     .visibleInputs = 1,
     .picture = 4,
     .description = singlePoleDescription,
     .report = singlePoleReport,
     .units = {units::perSecond}},
    {.number = 5,
     .buttonText = "Groundplane",
     .labels = {"X", "d1", "d2", "d3", "Temp", nullptr},
     .visibleInputs = 5,
     .picture = 5,
     .description = groundplaneDescription,
     .report = groundplaneReport,
     .units = {units::millimetre, units::millimetre, units::millimetre, units::micrometre, units::degreeCelsius}},
    {.number = 6,
     .buttonText = "T match",
     .labels = {"d", "Ze", "Za", "", "", nullptr},
     .visibleInputs = 3,
     .picture = 6,
     .description = tMatchDescription,
     .report = tMatchReport,
     .units = matchUnits,
     .formulaFields = matchFormulaFields},
    {.number = 7,
     .buttonText = "PI match",
     .labels = {"d", "Ze", "Za", "", "", nullptr},
     .visibleInputs = 3,
     .picture = 7,
     .description = piMatchDescription,
     .report = piMatchReport,
     .units = matchUnits,
     .formulaFields = matchFormulaFields},
    {.number = 8,
     .buttonText = "MTBF",
     .labels = {"MTBF", "FIT", "t", "T1", "T2", "Ea"},
     .visibleInputs = 6,
     .picture = 8,
     .description = mtbfDescription,
     .report = mtbfReport,
     .units = {units::hour, units::failuresInTime, units::hour, units::degreeCelsius, units::degreeCelsius,
               units::electronvolt}},
};

constexpr Program program{
    .name = "rc",
    .windowTitle = "RC Kalvo 2.0",
    .iconResource = ":/pics/LogoMini.svg",
    .picturePrefix = ":/pics/bitmap",
    .layout = {.groupBox = QRect(190, 8, 121, 185),
               .frame = QRect(10, 10, 171, 216),
               .goButton = QRect(190, 200, 121, 28),
               .inputRows = 6,
               .pictureLabels = 8},
    .normalDigits = {3, 0.1},
    .moreDigits = {15, 0.1},
    .createEngine = createMatchingEngine,
    .topologies = topologies,
};

} // namespace

const Program& rcProgram()
{
    return program;
}

} // namespace kalvo
