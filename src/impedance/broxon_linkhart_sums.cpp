// Every term is a correctly rounded quotient of correctly rounded square roots, the same
// value whether the loop runs a vector at a time or not, and the terms are added one by
// one in order: the sums are the same bits on every machine and build. (This file is
// compiled without errno for sqrt, so that its loops vectorize, and without contracting
// a * b + c, so that no clone uses a fused multiply-add.)
#include "broxon_linkhart_sums.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>

namespace kalvo::impedance {
namespace {

constexpr int integrationPoints = integrationSteps + 1;
// Room for whole vectors of up to eight lanes: the points past the last are computed,
// never added.
constexpr int paddedPoints = (integrationPoints + 7) / 8 * 8;
using PointValues = std::array<double, paddedPoints>;

// On x86-64 the loops get an AVX2 clone beside the baseline one, chosen when the program
// loads: twice the square roots and divisions per instruction where the processor has it.
#if defined(__x86_64__) && defined(__GNUC__)
#define KALVO_VECTOR_CLONES [[gnu::target_clones("avx2", "default")]]
#else
#define KALVO_VECTOR_CLONES
#endif

KALVO_VECTOR_CLONES void squareRoots(double d, double s, double step, PointValues& __restrict insideWire,
                                     PointValues& __restrict outsideWire)
{
    for (int i = 0; i < paddedPoints; ++i) {
        const double y = static_cast<double>(i) * step;
        insideWire[static_cast<size_t>(i)] = std::sqrt(d * d - y * y);
        outsideWire[static_cast<size_t>(i)] = std::sqrt(s * s - y * y);
    }
}

KALVO_VECTOR_CLONES void airTerms(double s, const PointValues& insideWire, PointValues& __restrict terms)
{
    for (int i = 0; i < paddedPoints; ++i)
        terms[static_cast<size_t>(i)] = formulaEpsilon0 / (s - insideWire[static_cast<size_t>(i)]);
}

KALVO_VECTOR_CLONES void insulatedTerms(double s, double er, const PointValues& insideWire,
                                        const PointValues& outsideWire, PointValues& __restrict terms)
{
    const double k = 1.0 / er - 1.0;
    for (int i = 0; i < paddedPoints; ++i) {
        const auto at = static_cast<size_t>(i);
        terms[at] = formulaEpsilon0 / (s + k * outsideWire[at] - insideWire[at] / er);
    }
}

#undef KALVO_VECTOR_CLONES

// The inner terms, in order, added to sum. The additions wait on each other, so two
// sums run in one loop when both are needed.
double innerSum(double sum, const PointValues& terms)
{
    for (int i = 1; i < integrationSteps; ++i)
        sum += terms[static_cast<size_t>(i)];
    return sum;
}

std::pair<double, double> innerSums(double first, const PointValues& firstTerms, double second,
                                    const PointValues& secondTerms)
{
    for (int i = 1; i < integrationSteps; ++i) {
        first += firstTerms[static_cast<size_t>(i)];
        second += secondTerms[static_cast<size_t>(i)];
    }
    return {first, second};
}

// Half an end term: the formula weighs the epsilon0 before it divides.
double halfEndTerm(double denominator)
{
    return 0.5 * formulaEpsilon0 / denominator;
}

// Bitwise equality: -0.0 and 0.0 give different sums where a denominator is zero.
bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Everything but the insulated terms depends on the wires alone, and solve and sweep of
// er or T change only er or nothing: the square roots and the air-line sum of the last
// wires, and the insulated sum of the last er, are kept.
class LastSums {
public:
    BroxonLinkhartSums of(double newD, double newS, double newEr, double newStep)
    {
        const bool newWires = !filled || !sameBits(newD, d) || !sameBits(newS, s) || !sameBits(newStep, step);
        if (!newWires && sameBits(newEr, er))
            return sums;
        d = newD;
        s = newS;
        er = newEr;
        step = newStep;
        if (newWires)
            squareRoots(d, s, step, insideWire, outsideWire);
        PointValues insulated;
        insulatedTerms(s, er, insideWire, outsideWire, insulated);
        const double k = 1.0 / er - 1.0;
        const auto insulatedDenominator = [&](size_t i) { return s + k * outsideWire[i] - insideWire[i] / er; };
        // Each sum starts from 0 as a plain loop's would: 0 + -0.0 is 0.
        double insulatedSum = 0.0;
        insulatedSum += halfEndTerm(insulatedDenominator(0));
        if (newWires) {
            PointValues air;
            airTerms(s, insideWire, air);
            double airSum = 0.0;
            airSum += halfEndTerm(s - insideWire[0]);
            std::tie(airSum, insulatedSum) = innerSums(airSum, air, insulatedSum, insulated);
            sums.air = airSum + halfEndTerm(s - insideWire[integrationSteps]);
        } else
            insulatedSum = innerSum(insulatedSum, insulated);
        sums.insulated = insulatedSum + halfEndTerm(insulatedDenominator(integrationSteps));
        filled = true;
        return sums;
    }

private:
    bool filled = false;
    double d = 0.0;
    double s = 0.0;
    double er = 0.0;
    double step = 0.0;
    PointValues insideWire{}; // sqrt(d^2 - y^2)
    PointValues outsideWire{}; // sqrt(s^2 - y^2)
    BroxonLinkhartSums sums;
};

} // namespace

BroxonLinkhartSums broxonLinkhartSums(double d, double s, double er, double step)
{
    thread_local LastSums last;
    return last.of(d, s, er, step);
}

} // namespace kalvo::impedance
