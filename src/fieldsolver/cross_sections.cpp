#include "cross_sections.h"

#include <algorithm>

namespace kalvo::fieldsolver {
namespace {

using Shape = Conductor::Shape;
using Ground = CrossSection::Ground;

Conductor rectangle(double x, double bottom, double w, double t, bool signal = true)
{
    return {.shape = Shape::Rectangle, .x = x, .y = bottom + 0.5 * t, .width = w, .thickness = t, .signal = signal};
}

Conductor circle(double x, double y, double d, bool signal = true)
{
    return {.shape = Shape::Circle, .x = x, .y = y, .width = d, .signal = signal};
}

} // namespace

CrossSection microstrip(double h, double w, double t, double er)
{
    return {.ground = Ground::Below, .layers = {{h, er}}, .conductors = {rectangle(0.0, h, w, t)}};
}

CrossSection embeddedMicrostrip(double b, double b1, double w, double t, double er)
{
    return {.ground = Ground::Below, .layers = {{b1, er}}, .conductors = {rectangle(0.0, b, w, t)}};
}

CrossSection stripline(double b, double w, double t, double er)
{
    return offsetStripline(b, 0.5 * (b - t), w, t, er);
}

CrossSection offsetStripline(double b, double h, double w, double t, double er)
{
    return {.ground = Ground::BelowAndAbove, .spacing = b, .outerEr = er, .conductors = {rectangle(0.0, h, w, t)}};
}

CrossSection wireAboveGround(double d, double h, double er)
{
    return {.ground = Ground::Below, .outerEr = er, .conductors = {circle(0.0, h, d)}};
}

CrossSection twoWires(double d, double s, double er)
{
    return {.ground = Ground::None,
            .outerEr = er,
            .conductors = {circle(-0.5 * s, 0.0, d), circle(0.5 * s, 0.0, d, false)}};
}

CrossSection insulatedWires(double d, double s, double D, double er)
{
    CrossSection cs = twoWires(d, s, 1.0);
    for (Conductor& wire : cs.conductors) {
        wire.insulation = 0.5 * (D - d);
        wire.insulationEr = er;
    }
    return cs;
}

CrossSection coax(double d1, double d2, double er)
{
    return {.ground = Ground::CoaxialShield, .spacing = 0.5 * d2, .outerEr = er, .conductors = {circle(0.0, 0.0, d1)}};
}

CrossSection layeredCoax(double d1, double d, double d2, double erInner, double erOuter)
{
    return {.ground = Ground::CoaxialShield,
            .spacing = 0.5 * d2,
            .layers = {{0.5 * d, erInner}},
            .outerEr = erOuter,
            .conductors = {circle(0.0, 0.0, d1)}};
}

// Measured with the solver (h = 1, w = 1, s = 0.3, er = 4.3): grounds 5 times the larger
// of w + 2s and h wide are within 0.002 % of infinitely wide ones over a ground plane;
// without one the result approaches its limit as 1/width, and 20 times are within 0.01 %.
double coplanarSideWidth(double h, double w, double s, bool groundBelow)
{
    return (groundBelow ? 5.0 : 20.0) * std::max(w + 2.0 * s, h);
}

CrossSection coplanarWaveguide(double h, double w, double s, double t, double er, bool groundBelow, double sideWidth)
{
    const double g = sideWidth > 0.0 ? sideWidth : coplanarSideWidth(h, w, s, groundBelow);
    const double offset = 0.5 * w + s + 0.5 * g;
    return {.ground = groundBelow ? Ground::Below : Ground::None,
            .layers = {{h, er}},
            .conductors
            = {rectangle(0.0, h, w, t), rectangle(-offset, h, g, t, false), rectangle(offset, h, g, t, false)}};
}

CrossSection coupledMicrostrip(double h, double w, double s, double t, double er)
{
    const double x = 0.5 * (w + s);
    return {
        .ground = Ground::Below, .layers = {{h, er}}, .conductors = {rectangle(-x, h, w, t), rectangle(x, h, w, t)}};
}

CrossSection coupledStripline(double b, double w, double s, double t, double er)
{
    const double x = 0.5 * (w + s);
    const double bottom = 0.5 * (b - t);
    return {.ground = Ground::BelowAndAbove,
            .spacing = b,
            .outerEr = er,
            .conductors = {rectangle(-x, bottom, w, t), rectangle(x, bottom, w, t)}};
}

} // namespace kalvo::fieldsolver
