// The twisted pair's Broxon-Linkhart sums are computed a vector at a time and kept per
// thread between calls. Whatever came before, each call must give the bits of the plain
// trapezoidal loop over its own inputs: a kept sum of other wires, another er or the
// other zero would change the printed digits.
#include "broxon_linkhart_sums.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kalvo::impedance {
namespace {

BroxonLinkhartSums plainLoop(double d, double s, double er, double step)
{
    const double k = 1.0 / er - 1.0;
    BroxonLinkhartSums sums;
    for (int i = 0; i <= integrationSteps; ++i) {
        const double weight = i == 0 || i == integrationSteps ? 0.5 : 1.0;
        const double y = i * step;
        const double insideWire = std::sqrt(d * d - y * y);
        sums.air += weight * formulaEpsilon0 / (s - insideWire);
        sums.insulated += weight * formulaEpsilon0 / (s + k * std::sqrt(s * s - y * y) - insideWire / er);
    }
    return sums;
}

struct Wires {
    double d;
    double s;
    double er;
};

std::uint64_t bits(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

TEST(BroxonLinkhartSums, EveryCallGivesThePlainLoopsBitsWhateverCameBefore)
{
    // In this order: er alone changes and comes back, then S, then d, then the zeros.
    const std::vector<Wires> sequence = {
        {0.5e-3, 1.2e-3, 2.2}, {0.5e-3, 1.2e-3, 3.5}, {0.5e-3, 1.2e-3, 2.2}, {0.5e-3, 1.2e-3, 2.2},
        {0.5e-3, 2.0e-3, 2.2}, {0.8e-3, 2.0e-3, 2.2}, {0.8e-3, 2.0e-3, 1.0}, {1e-12, 2.0e-3, 4.0},
        {0.0, 0.0, 2.2},       {0.0, -0.0, 2.2},      {1e-3, 1e-3, 2.2},     {1e-3, 1e-3, -0.0},
        {1e-3, 1e-3, 0.0},     {0.5e-3, 1.2e-3, 2.2},
    };
    for (const bool backwards : {false, true})
        for (size_t n = 0; n < sequence.size(); ++n) {
            const Wires& w = sequence[backwards ? sequence.size() - 1 - n : n];
            const double step = w.d * 0.999999999999 / integrationSteps;
            const BroxonLinkhartSums expected = plainLoop(w.d, w.s, w.er, step);
            const BroxonLinkhartSums actual = broxonLinkhartSums(w.d, w.s, w.er, step);
            const bool bothNan = std::isnan(expected.air) && std::isnan(actual.air);
            EXPECT_TRUE(bits(expected.air) == bits(actual.air) || bothNan)
                << "air, d " << w.d << " S " << w.s << " er " << w.er << ": " << expected.air << " != " << actual.air;
            const bool bothNanInsulated = std::isnan(expected.insulated) && std::isnan(actual.insulated);
            EXPECT_TRUE(bits(expected.insulated) == bits(actual.insulated) || bothNanInsulated)
                << "insulated, d " << w.d << " S " << w.s << " er " << w.er << ": " << expected.insulated
                << " != " << actual.insulated;
        }
}

} // namespace
} // namespace kalvo::impedance
