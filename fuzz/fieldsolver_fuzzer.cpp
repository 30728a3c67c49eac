// The field solver over arbitrary cross-sections: zero, negative, NaN and infinite sizes,
// touching and overlapping conductors, conductors through planes and interfaces, sizes a
// billion apart. No input may crash, hang or grow memory without bound; a result without
// error must be finite, of the right size and within its tolerance.
//
// Input: mode byte, counts byte, then either a builder (kind byte and six values) or the
// cross-section itself: ground byte, spacing, outer er, per layer its thickness and er, per
// conductor a flags byte (1 circle, 2 grounded, 4 insulated) and x, y, width, thickness
// (and insulation, insulation er). Mode bit 1:
// values are the bits of doubles (any value, NaN included); otherwise a value is one
// signed byte divided by 8. Mode bits 2-3 choose the tolerance. Counts byte: bits 0-1
// layers (0 to 3), bits 2-3 conductors (1 to 4), bit 4 a builder.
#include "cross_sections.h"
#include "field_solver.h"
#include "fuzz_input.h"

#include <cmath>
#include <cstdlib>

namespace {

using namespace kalvo::fieldsolver;

constexpr int fuzzMaxElements = 400; // keeps every run well inside the time limit
constexpr double tolerances[] = {1e-3, 1e-2, 3e-2, 1e-4};

double takeValue(kalvo::fuzz::FuzzInput& input, bool rawDoubles)
{
    if (rawDoubles)
        return input.takeDouble();
    return static_cast<signed char>(input.takeByte()) / 8.0;
}

CrossSection builtCrossSection(kalvo::fuzz::FuzzInput& input, bool raw)
{
    const int kind = input.takeByte() % 13;
    double v[6];
    for (double& value : v)
        value = takeValue(input, raw);
    switch (kind) {
    case 0:
        return microstrip(v[0], v[1], v[2], v[3]);
    case 1:
        return embeddedMicrostrip(v[0], v[1], v[2], v[3], v[4]);
    case 2:
        return stripline(v[0], v[1], v[2], v[3]);
    case 3:
        return offsetStripline(v[0], v[1], v[2], v[3], v[4]);
    case 4:
        return wireAboveGround(v[0], v[1], v[2]);
    case 5:
        return twoWires(v[0], v[1], v[2]);
    case 6:
        return coax(v[0], v[1], v[2]);
    case 7:
        return layeredCoax(v[0], v[1], v[2], v[3], v[4]);
    case 8:
        return coplanarWaveguide(v[0], v[1], v[2], v[3], v[4], v[5] > 0.0);
    case 9:
        return coplanarWaveguide(v[0], v[1], v[2], v[3], v[4], v[5] > 0.0, v[5]);
    case 10:
        return coupledMicrostrip(v[0], v[1], v[2], v[3], v[4]);
    case 11:
        return insulatedWires(v[0], v[1], v[2], v[3]);
    default:
        return coupledStripline(v[0], v[1], v[2], v[3], v[4]);
    }
}

CrossSection describedCrossSection(kalvo::fuzz::FuzzInput& input, bool raw, int layers, int conductors)
{
    CrossSection cs;
    cs.ground = static_cast<CrossSection::Ground>(input.takeByte() % 4);
    cs.spacing = takeValue(input, raw);
    cs.outerEr = takeValue(input, raw);
    for (int k = 0; k < layers; ++k) {
        const double thickness = takeValue(input, raw);
        cs.layers.push_back({thickness, takeValue(input, raw)});
    }
    for (int k = 0; k < conductors; ++k) {
        const std::uint8_t flags = input.takeByte();
        Conductor c;
        c.shape = flags & 1 ? Conductor::Shape::Circle : Conductor::Shape::Rectangle;
        c.signal = !(flags & 2);
        c.x = takeValue(input, raw);
        c.y = takeValue(input, raw);
        c.width = takeValue(input, raw);
        c.thickness = takeValue(input, raw);
        if (flags & 4) {
            c.insulation = takeValue(input, raw);
            c.insulationEr = takeValue(input, raw);
        }
        cs.conductors.push_back(c);
    }
    return cs;
}

int signalCount(const CrossSection& cs)
{
    int count = 0;
    for (const Conductor& c : cs.conductors)
        count += c.signal ? 1 : 0;
    return count;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kalvo::fuzz::FuzzInput input(data, size);
    const std::uint8_t mode = input.takeByte();
    const std::uint8_t counts = input.takeByte();
    const bool raw = mode & 1;
    const Options options{.tolerance = tolerances[(mode >> 1) & 3], .maxElements = fuzzMaxElements};
    const CrossSection cs = counts & 16 ? builtCrossSection(input, raw)
                                        : describedCrossSection(input, raw, counts & 3, 1 + ((counts >> 2) & 3));

    const Result result = solve(cs, options);
    check(errorMessage(result.error) != nullptr);
    if (result.error != Error::None && result.error != Error::NotConverged) {
        check(result.capacitance.size == 0);
        return 0;
    }
    const int n = signalCount(cs);
    check(result.capacitance.size == n && result.airCapacitance.size == n);
    check(result.elements > 0 && result.elements <= fuzzMaxElements);
    check(std::isfinite(result.estimatedError));
    if (result.error == Error::None)
        check(result.estimatedError <= options.tolerance);
    for (int i = 0; i < n; ++i) {
        check(result.capacitance(i, i) > 0.0 && result.airCapacitance(i, i) > 0.0);
        for (int j = 0; j < n; ++j)
            check(std::isfinite(result.capacitance(i, j)) && std::isfinite(result.airCapacitance(i, j)));
    }
    if (n == 1)
        check(std::isfinite(singleLine(result).impedance));
    if (n == 2)
        check(std::isfinite(coupledLines(result).oddImpedance));
    return 0;
}
