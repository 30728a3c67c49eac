#include "study.h"

#include "coaxial_filaments.h"
#include "constants.h"
#include "lines_above_ground.h"
#include "report_values.h"
#include "straight_filaments.h"
#include "winding_integrals.h"

namespace kalvo::accuracy {
namespace {

constexpr int circularLoop = 1;
constexpr int rectangularLoop = 2;
constexpr int loopMutual = 3;
constexpr int lineMutual = 4;

} // namespace

// d = 1 mm, loop diameter x; against the ring at DC.
void writeCircularLoop(std::FILE* out)
{
    std::fputs("x_over_d,formula,reference,error\n", out);
    for (const double ratio : logSpaced(2.0, 1e4, 29)) {
        const double formula = inductanceValue(circularLoop, {1.0, ratio}, "L");
        const double exact = reference::roundWireRingInductance(ratio / 2e3, 0.5e-3);
        writeRow(out, {ratio, formula, exact, formula / exact - 1.0});
    }
}

// d = 1 mm, short side y, long side x; against Grover's rectangle at DC.
void writeRectangularLoop(std::FILE* out)
{
    std::fputs("y_over_d,x_over_y,error\n", out);
    for (const double aspect : logSpaced(1.0, 100.0, 21))
        for (const double shortSide : logSpaced(2.0, 1e4, 31)) {
            const double longSide = aspect * shortSide;
            const double formula = inductanceValue(rectangularLoop, {1.0, longSide, shortSide}, "L");
            const double exact = reference::rectangularLoopInductance(longSide / 1e3, shortSide / 1e3, 1e-3);
            writeRow(out, {shortSide, aspect, formula / exact - 1.0});
        }
}

// The larger loop of 100 mm2; against coaxial circular loops (Maxwell).
void writeLoopMutual(std::FILE* out)
{
    constexpr double larger = 100.0;
    std::fputs("r_over_sqrt_a,area_ratio,error,warned\n", out);
    for (const double areaRatio : logSpaced(0.001, 1.0, 31))
        for (const double distance : logSpaced(1.0, 10.0, 46)) {
            const double smaller = larger * areaRatio;
            const double r = distance * std::sqrt(larger);
            const Report report = inductanceReport(loopMutual, {larger, smaller, r});
            const double exact = reference::coaxialFilamentsMutual(std::sqrt(larger / physics::pi) / 1e3,
                                                                   std::sqrt(smaller / physics::pi) / 1e3, r / 1e3);
            writeRow(out,
                     {distance, areaRatio, report.quantity(u"L")->value / exact - 1.0,
                      report.warnings.isEmpty() ? 0.0 : 1.0});
        }
}

// Equal loops of 100 mm2, circles and squares, against Maxwell's and Grover's formulas.
void writeLoopMutualSquares(std::FILE* out)
{
    constexpr double area = 100.0;
    std::fputs("r_over_sqrt_a,circles_error,squares_error\n", out);
    for (const double distance : logSpaced(1.0, 10.0, 46)) {
        const double r = distance * std::sqrt(area);
        const double formula = inductanceValue(loopMutual, {area, area, r}, "L");
        const double radius = std::sqrt(area / physics::pi) / 1e3;
        const double circles = reference::coaxialFilamentsMutual(radius, radius, r / 1e3);
        const double squares = reference::coaxialSquaresMutual(std::sqrt(area) / 1e3, r / 1e3);
        writeRow(out, {distance, formula / circles - 1.0, formula / squares - 1.0});
    }
}

// Round wires of diameter d = 1 mm at height h, s apart, over 1 m; the line inductance
// typed is the exact one of a wire above ground. Against the method of images; wires that
// would overlap (s < d) have no error.
void writeLineMutual(std::FILE* out)
{
    std::fputs("s_over_h,h_over_d,error\n", out);
    for (const double height : logSpaced(1.0, 1000.0, 31))
        for (const double separation : logSpaced(0.1, 10.0, 41)) {
            const double s = separation * height;
            double error = std::nan("");
            if (s >= 1.0) {
                const double perMetre = reference::wireAboveGroundInductance(height / 1e3, 1e-3) * 1e9;
                const double formula = inductanceValue(lineMutual, {s, height, perMetre, 1000.0}, "L");
                error = formula / reference::wiresAboveGroundMutual(s / 1e3, height / 1e3) - 1.0;
            }
            writeRow(out, {separation, height, error});
        }
}

} // namespace kalvo::accuracy
