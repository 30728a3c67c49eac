#include "clearance.h"

#include <cmath>

namespace kalvo::pcb {

// IPC-2221B, table 6-1, "Electrical Conductor Spacing", in mm.
const std::array<ClearanceColumn, 7> clearanceColumns{{
    {"B1", "Internal conductors", {0.05, 0.05, 0.1, 0.1, 0.2, 0.2, 0.2, 0.2, 0.25}, 0.0025},
    {"B2",
     "External conductors, uncoated, sea level to 3050 m",
     {0.1, 0.1, 0.6, 0.6, 0.6, 1.25, 1.25, 1.25, 2.5},
     0.005},
    {"B3", "External conductors, uncoated, above 3050 m", {0.1, 0.1, 0.6, 1.5, 3.2, 3.2, 6.4, 12.5, 12.5}, 0.025},
    {"B4",
     "External conductors, with permanent polymer coating",
     {0.05, 0.05, 0.13, 0.13, 0.4, 0.4, 0.4, 0.4, 0.8},
     0.00305},
    {"A5",
     "External conductors, with conformal coating over assembly",
     {0.13, 0.13, 0.13, 0.13, 0.4, 0.4, 0.4, 0.4, 0.8},
     0.00305},
    {"A6", "External component lead/termination, uncoated", {0.13, 0.25, 0.4, 0.5, 0.8, 0.8, 0.8, 0.8, 1.5}, 0.00305},
    {"A7",
     "External component lead/termination, with conformal coating",
     {0.13, 0.13, 0.13, 0.13, 0.4, 0.4, 0.4, 0.8, 0.8},
     0.00305},
}};

double minimumSpacing(const ClearanceColumn& column, double volts)
{
    const double v = std::fabs(volts);
    if (std::isnan(v))
        return v;
    for (std::size_t row = 0; row < clearanceRowLimits.size(); ++row)
        if (v <= clearanceRowLimits[row])
            return column.spacing[row];
    const double lastLimit = clearanceRowLimits.back();
    return column.spacing.back() + column.perVoltAbove500 * (v - lastLimit);
}

} // namespace kalvo::pcb
