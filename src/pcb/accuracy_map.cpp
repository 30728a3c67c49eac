#include "accuracy_map.h"

#include <algorithm>

namespace kalvo::pcb {

// Every test is written as the range that holds, so that NaN lies outside.

bool withinCoplanarRange(const LineShape& shape)
{
    return shape.t >= 0.0 && shape.t <= shape.s / 2.0 && shape.er >= 1.0;
}

bool withinKirschningJansenRange(const LineShape& shape)
{
    const double u = shape.w / shape.height;
    const double g = shape.s / shape.height;
    return u >= 0.1 && u <= 10.0 && g >= 0.1 && g <= 10.0 && shape.er >= 1.0 && shape.er <= 18.0 && shape.t >= 0.0;
}

bool withinCohnRange(const LineShape& shape)
{
    return shape.t >= 0.0 && shape.t <= 0.1 * shape.height && shape.w > 0.0 && shape.s > 0.0;
}

// The regions below were measured with the field solver (docs/ACCURACY.md, "PCB lines");
// each promises every printed impedance and effective permittivity within 2 percent.

// Conformal mapping: zero thickness only; Gupta's thickness correction is 3 percent off
// already at t = 0.02 s on the measured grid.
bool coplanarWithinTwoPercent(const LineShape& shape)
{
    return shape.t == 0.0 && shape.w + 2.0 * shape.s <= 2.5 * shape.height;
}

bool groundedCoplanarWithinTwoPercent(const LineShape& shape)
{
    return shape.t == 0.0 && shape.s <= shape.height;
}

// Kirschning and Jansen: the whole range at zero thickness; with metal, traces and gap at
// least as wide as the substrate is high and the metal at most a tenth of the narrower
// (and of at most 0.2 h, as far as it was measured).
bool coupledMicrostripWithinTwoPercent(const LineShape& shape)
{
    return shape.t == 0.0
        || (shape.w >= shape.height && shape.s >= shape.height && shape.t <= 0.1 * std::min(shape.w, shape.s)
            && shape.t <= 0.2 * shape.height);
}

// Cohn: exact at zero thickness; his thin-strip correction holds where the metal is at
// most 5 percent of the gap and the traces not narrower than 0.3 b.
bool coupledStriplineWithinTwoPercent(const LineShape& shape)
{
    return shape.t == 0.0 || (shape.w >= 0.3 * shape.height && shape.t <= 0.05 * shape.s);
}

} // namespace kalvo::pcb
