#include "source_ranges.h"

#include "copper.h"

namespace kalvo::pcb {

// Written as the ranges that hold, so that NaN lies outside them.
bool withinIpc2152Charts(double thickness, double rise)
{
    return thickness >= 17.5e-6 && thickness <= 105e-6 && rise >= 1.0 && rise <= 100.0;
}

bool withinIpc2221Chart(double current, double area, double rise)
{
    return current >= 0.0 && current <= 35.0 && area >= 0.0 && area <= 700.0 * squareMetresPerSquareMil && rise >= 10.0
        && rise <= 100.0;
}

} // namespace kalvo::pcb
