// The field solver against exact solutions, each within 0.1 % (the solver's default
// tolerance is on the capacitances, the impedance error is about half of it). The
// impedance of free space is mu0 c0 (376.73 Ohm) here, not 120 pi: the classic formulas'
// "30 pi" and "60" stand for eta0 / 4 and eta0 / (2 pi) and differ from them by 0.07 %.
#include "constants.h"
#include "cross_sections.h"
#include "field_solver.h"

#include <boost/math/special_functions/ellint_1.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kalvo::fieldsolver {
namespace {

using physics::pi;

constexpr double eta0 = physics::mu0 * physics::c0; // 376.730 Ohm
constexpr double exactTolerance = 1e-3; // relative

double ellipticK(double k)
{
    return boost::math::ellint_1(k);
}

// Cohn: a strip of zero thickness centred between planes b apart,
// Z0 = eta0 / (4 sqrt(er)) K(k) / K(k'), k = sech(pi w / 2b), k' = tanh(pi w / 2b).
double cohnStripline(double b, double w, double er)
{
    const double k = 1.0 / std::cosh(pi * w / (2.0 * b));
    const double kPrime = std::tanh(pi * w / (2.0 * b));
    return eta0 / (4.0 * std::sqrt(er)) * ellipticK(k) / ellipticK(kPrime);
}

// Cohn's coupled strips: Z = eta0 / (4 sqrt(er)) K(k') / K(k) with
// k = tanh(pi w / 2b) tanh(pi (w + s) / 2b) (even) or tanh(pi w / 2b) coth(pi (w + s) / 2b) (odd).
double cohnCoupled(double b, double w, double s, double er, bool odd)
{
    const double first = std::tanh(pi * w / (2.0 * b));
    const double second = std::tanh(pi * (w + s) / (2.0 * b));
    const double k = odd ? first / second : first * second;
    return eta0 / (4.0 * std::sqrt(er)) * ellipticK(std::sqrt(1.0 - k * k)) / ellipticK(k);
}

void expectRelativelyNear(double actual, double expected, double tolerance)
{
    EXPECT_NEAR(actual / expected, 1.0, tolerance) << "actual " << actual << ", expected " << expected;
}

LineParameters solvedLine(const CrossSection& crossSection)
{
    const Result result = solve(crossSection);
    EXPECT_EQ(result.error, Error::None) << errorMessage(result.error);
    EXPECT_LE(result.estimatedError, Options{}.tolerance);
    return singleLine(result);
}

struct StriplineCase {
    const char* name;
    double b, w, er;
};

class ZeroThicknessStripline : public testing::TestWithParam<StriplineCase> { };

TEST_P(ZeroThicknessStripline, MatchesCohnsEllipticIntegralFormula)
{
    const StriplineCase& c = GetParam();
    const LineParameters line = solvedLine(stripline(c.b, c.w, 0.0, c.er));
    expectRelativelyNear(line.impedance, cohnStripline(c.b, c.w, c.er), exactTolerance);
    expectRelativelyNear(line.effectivePermittivity, c.er, 1e-12);
}

// b = 1 mm, w = 0.5 mm, er = 1: Z0 = 100.43 Ohm.
INSTANTIATE_TEST_SUITE_P(
    Cohn, ZeroThicknessStripline,
    testing::Values(StriplineCase{"Narrow", 1e-3, 0.1e-3, 1.0}, StriplineCase{"Medium", 1e-3, 0.5e-3, 1.0},
                    StriplineCase{"FiftyOhmFr4", 1.6e-3, 0.55e-3, 4.3}, StriplineCase{"Wide", 0.2e-3, 2e-3, 3.5},
                    StriplineCase{"VeryWide", 1e-3, 5e-3, 10.0}),
    [](const testing::TestParamInfo<StriplineCase>& info) { return std::string(info.param.name); });

TEST(ZeroThicknessStripline, ReferenceValue)
{
    // Cohn: b = 1, w = 0.5, er = 1 gives 100.43 Ohm.
    EXPECT_NEAR(cohnStripline(1.0, 0.5, 1.0), 100.4325, 1e-4);
}

struct CoupledCase {
    const char* name;
    double b, w, s, er;
};

class ZeroThicknessCoupledStripline : public testing::TestWithParam<CoupledCase> { };

TEST_P(ZeroThicknessCoupledStripline, MatchesCohnsOddAndEvenFormulas)
{
    const CoupledCase& c = GetParam();
    const Result result = solve(coupledStripline(c.b, c.w, c.s, 0.0, c.er));
    ASSERT_EQ(result.error, Error::None) << errorMessage(result.error);
    const CoupledLineParameters lines = coupledLines(result);
    expectRelativelyNear(lines.oddImpedance, cohnCoupled(c.b, c.w, c.s, c.er, true), exactTolerance);
    expectRelativelyNear(lines.evenImpedance, cohnCoupled(c.b, c.w, c.s, c.er, false), exactTolerance);
    expectRelativelyNear(lines.oddEffectivePermittivity, c.er, 1e-12);
    expectRelativelyNear(lines.evenEffectivePermittivity, c.er, 1e-12);
    EXPECT_DOUBLE_EQ(lines.differentialImpedance, 2.0 * lines.oddImpedance);
    EXPECT_DOUBLE_EQ(lines.commonImpedance, 0.5 * lines.evenImpedance);
}

INSTANTIATE_TEST_SUITE_P(Cohn, ZeroThicknessCoupledStripline,
                         testing::Values(CoupledCase{"Loose", 1e-3, 0.5e-3, 1e-3, 1.0},
                                         CoupledCase{"Medium", 1e-3, 0.5e-3, 0.2e-3, 1.0},
                                         CoupledCase{"Tight", 1e-3, 0.3e-3, 0.05e-3, 4.3},
                                         CoupledCase{"WideStrips", 0.5e-3, 2e-3, 0.2e-3, 3.0}),
                         [](const testing::TestParamInfo<CoupledCase>& info) { return std::string(info.param.name); });

struct RoundCase {
    const char* name;
    double d, other, er;
};

class Coax : public testing::TestWithParam<RoundCase> { };

TEST_P(Coax, MatchesLogarithmicFormula)
{
    // Z0 = eta0 / (2 pi sqrt(er)) ln(D/d).
    const RoundCase& c = GetParam();
    const LineParameters line = solvedLine(coax(c.d, c.other, c.er));
    expectRelativelyNear(line.impedance, eta0 / (2.0 * pi * std::sqrt(c.er)) * std::log(c.other / c.d), exactTolerance);
}

INSTANTIATE_TEST_SUITE_P(Exact, Coax,
                         testing::Values(RoundCase{"FiftyOhmAir", 1e-3, 2.3e-3, 1.0},
                                         RoundCase{"Rg58", 0.9e-3, 2.95e-3, 2.25},
                                         RoundCase{"Thin", 0.1e-3, 10e-3, 1.0}, RoundCase{"Thick", 1e-3, 1.1e-3, 4.0}),
                         [](const testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

TEST(LayeredCoax, MatchesTheTwoLogarithmicCapacitancesInSeries)
{
    // C = 2 pi eps0 / (ln(d/d1)/er1 + ln(d2/d)/er2): d1 = 1, d = 1.6, d2 = 3 mm, er 2.1 and 4
    // give Z0 = 38.79 Ohm, eeff = 2.884.
    const double d1 = 1e-3, d = 1.6e-3, d2 = 3e-3, er1 = 2.1, er2 = 4.0;
    const double c = 2.0 * pi * physics::eps0 / (std::log(d / d1) / er1 + std::log(d2 / d) / er2);
    const double cAir = 2.0 * pi * physics::eps0 / std::log(d2 / d1);
    const LineParameters line = solvedLine(layeredCoax(d1, d, d2, er1, er2));
    expectRelativelyNear(line.impedance, 1.0 / (physics::c0 * std::sqrt(c * cAir)), exactTolerance);
    expectRelativelyNear(line.effectivePermittivity, c / cAir, exactTolerance);
    expectRelativelyNear(line.capacitance, c, exactTolerance);
}

TEST(InsulatedInnerConductor, IsTheLayeredCoax)
{
    // The inner dielectric as the wire's insulation instead of a layer: the same line.
    const double d1 = 1e-3, d = 1.6e-3, d2 = 3e-3, er1 = 2.1, er2 = 4.0;
    CrossSection cs = coax(d1, d2, er2);
    cs.conductors[0].insulation = 0.5 * (d - d1);
    cs.conductors[0].insulationEr = er1;
    const double c = 2.0 * pi * physics::eps0 / (std::log(d / d1) / er1 + std::log(d2 / d) / er2);
    const double cAir = 2.0 * pi * physics::eps0 / std::log(d2 / d1);
    expectRelativelyNear(solvedLine(cs).impedance, 1.0 / (physics::c0 * std::sqrt(c * cAir)), exactTolerance);
}

class WireAboveGround : public testing::TestWithParam<RoundCase> { };

TEST_P(WireAboveGround, MatchesAcoshFormula)
{
    // Z0 = eta0 / (2 pi sqrt(er)) acosh(2h/d), h the height of the centre.
    const RoundCase& c = GetParam();
    const LineParameters line = solvedLine(wireAboveGround(c.d, c.other, c.er));
    expectRelativelyNear(line.impedance, eta0 / (2.0 * pi * std::sqrt(c.er)) * std::acosh(2.0 * c.other / c.d),
                         exactTolerance);
}

INSTANTIATE_TEST_SUITE_P(Exact, WireAboveGround,
                         testing::Values(RoundCase{"Close", 1e-3, 0.6e-3, 1.0}, RoundCase{"Medium", 1e-3, 2e-3, 2.0},
                                         RoundCase{"High", 0.5e-3, 20e-3, 1.0}),
                         [](const testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

class TwoWireLine : public testing::TestWithParam<RoundCase> { };

TEST_P(TwoWireLine, MatchesAcoshFormula)
{
    // Z0 = eta0 / (pi sqrt(er)) acosh(D/d), D the centre distance.
    const RoundCase& c = GetParam();
    const LineParameters line = solvedLine(twoWires(c.d, c.other, c.er));
    expectRelativelyNear(line.impedance, eta0 / (pi * std::sqrt(c.er)) * std::acosh(c.other / c.d), exactTolerance);
}

INSTANTIATE_TEST_SUITE_P(Exact, TwoWireLine,
                         testing::Values(RoundCase{"Close", 1e-3, 1.1e-3, 1.0},
                                         RoundCase{"Medium", 0.5e-3, 1.5e-3, 2.5},
                                         RoundCase{"Far", 0.2e-3, 10e-3, 1.0}),
                         [](const testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace kalvo::fieldsolver
