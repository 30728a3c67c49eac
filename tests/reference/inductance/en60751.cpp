#include "en60751.h"

#include <boost/math/tools/roots.hpp>

#include <cmath>
#include <cstdint>

namespace kalvo::reference {
namespace {

constexpr double a = 3.9083e-3;
constexpr double b = -5.775e-7;
constexpr double c = -4.183e-12;

} // namespace

double en60751Ratio(double celsius)
{
    const double t = celsius;
    const double quadratic = 1.0 + a * t + b * t * t;
    return t < 0.0 ? quadratic + c * (t - 100.0) * t * t * t : quadratic;
}

double en60751Temperature(double ratio)
{
    if (ratio >= 1.0)
        return (-a + std::sqrt(a * a - 4.0 * b * (1.0 - ratio))) / (2.0 * b);
    std::uintmax_t iterations = 200;
    const auto residual = [&](double t) { return en60751Ratio(t) - ratio; };
    const auto [low, high] = boost::math::tools::toms748_solve(
        residual, -250.0, 0.0, boost::math::tools::eps_tolerance<double>(50), iterations);
    return (low + high) / 2.0;
}

} // namespace kalvo::reference
