#include "xy_reports.h"
#include "constants.h"

#include <array>
#include <cmath>
#include <optional>

namespace kalvo::xy {
namespace {

using physics::pi;
using physics::twoPi;
constexpr double largestAngle = 263.0; // radians; beyond it sin and cos lose their accuracy

// The first count inputs read strictly: empty is 0, any other text must be a number.
template <size_t count>
std::optional<std::array<double, count>> readInputs(const CalculationInput& input)
{
    std::array<double, count> values{};
    for (size_t i = 0; i < count; ++i) {
        const int field = static_cast<int>(i) + 1;
        if (input.text(field).isEmpty())
            continue;
        bool isNumber = false;
        values[i] = input.value(field, isNumber);
        if (!isNumber)
            return std::nullopt;
    }
    return values;
}

Report inputFailure(const CalculationInput& input)
{
    return ReportBuilder(input.format, input.detail).failure(QStringLiteral("Input Failure!")).take();
}

// The unit the angle is typed and printed in, as the "Angle" group chooses it.
const Unit& angleUnit(const CalculationInput& input)
{
    return input.radians ? units::radian : units::degree;
}

} // namespace

Report linearReport(const CalculationInput& input)
{
    const auto values = readInputs<5>(input);
    if (!values)
        return inputFailure(input);
    const auto [x1, x2, x3, y1, y2] = *values;
    const double a = (y1 - y2) / (x1 - x2);
    const double b = (x1 * y2 - x2 * y1) / (x1 - x2);
    const double y3 = b + a * x3;
    ReportBuilder report(input.format, input.detail);
    report << "\nY = a * X + b\n\na\t= ";
    report.number("a", a, units::none) << "\nb\t= ";
    report.number("b", b, units::none) << "\n\nY3@X3\t= ";
    report.number("Y3@X3", y3, units::none);
    return report.take();
}

Report parabolaReport(const CalculationInput& input)
{
    const auto values = readInputs<6>(input);
    if (!values)
        return inputFailure(input);
    const auto [x1, x2, x3, y1, y2, y3] = *values;
    const double d = x1 * (x2 * x2 - x3 * x3) - x1 * x1 * (x2 - x3) + x2 * x3 * x3 - x3 * x2 * x2;
    const double a = (x1 * (y2 - y3) - x2 * (y1 - y3) + x3 * (y1 - y2)) / d;
    const double b = -(x3 * x3 * (y1 - y2) + x1 * x1 * (y2 - y3) - x2 * x2 * (y1 - y3)) / d;
    const double c
        = (x1 * (x2 * x2 * y3 - x3 * x3 * y2) - x1 * x1 * (x2 * y3 - x3 * y2) + y1 * (x2 * x3 * x3 - x3 * x2 * x2)) / d;
    ReportBuilder report(input.format, input.detail);
    report << "\nY = a * X^2 + b * X + c\n\na\t= ";
    report.number("a", a, units::none) << "\nb\t= ";
    report.number("b", b, units::none) << "\nc\t= ";
    report.number("c", c, units::none) << "\n ";
    return report.take();
}

// One root is X; two real roots are X1 and X2; a complex pair prints as
// X1 = X1_re + X1_im i and X2 = X2_re - X2_im i.
Report quadraticReport(const CalculationInput& input)
{
    const auto values = readInputs<3>(input);
    if (!values)
        return inputFailure(input);
    const auto [a, b, c] = *values;
    ReportBuilder report(input.format, input.detail);
    report << "\na * X^2 + b * X + c = 0\n\n";
    const double d = b * b - 4.0 * a * c;
    if (a == 0.0 || d == 0.0) {
        report << "X\t= ";
        report.number("X", a == 0.0 ? -c / b : b / (-2.0 * a), units::none) << "\n";
    } else if (d > 0.0) {
        report << "X1\t= ";
        report.number("X1", (std::sqrt(d) - b) / (2.0 * a), units::none) << "\nX2\t= ";
        report.number("X2", (-b - std::sqrt(d)) / (2.0 * a), units::none) << "\n";
    } else {
        const double re = b / (-2.0 * a);
        const double im = std::sqrt(-d) / (a + a);
        report << "X1\t= ";
        report.number("X1_re", re, units::none) << " + ";
        report.number("X1_im", im, units::none) << "i\nX2\t= ";
        report.number("X2_re", re, units::none) << " - ";
        report.number("X2_im", im, units::none) << "i\n";
    }
    return report.take();
}

Report polarToRectReport(const CalculationInput& input)
{
    const auto values = readInputs<2>(input);
    if (!values)
        return inputFailure(input);
    const auto [amplitude, angle] = *values;
    const double radians = input.radians ? angle : angle * pi / 180.0;
    const double x = std::cos(radians) * amplitude;
    const double y = std::sin(radians) * amplitude;
    ReportBuilder report(input.format, input.detail);
    if (std::fabs(radians) > largestAngle)
        return report.failure(QStringLiteral("\nAngle too big")).take();
    report << "\nAmpl.\t= ";
    report.number("Ampl.", amplitude, units::none) << "\nAngle\t= ";
    report.number("Angle", angle, angleUnit(input)) << (input.radians ? " rad \n\nX\t= " : " deg \n\nX\t= ");
    report.number("X", x, units::none) << "\nY\t= ";
    report.number("Y", y, units::none) << "\n";
    return report.take();
}

Report rectToPolarReport(const CalculationInput& input)
{
    const auto values = readInputs<2>(input);
    if (!values)
        return inputFailure(input);
    const auto [x, y] = *values;
    const double amplitude = std::sqrt(y * y + x * x);
    double t = std::atan(std::fabs(y) / std::fabs(x));
    if (!input.radians)
        t = t * 180.0 / pi;
    const double half = input.radians ? pi : 180.0;
    const double full = input.radians ? twoPi : 360.0;
    // Quadrant rules in this order; a later rule overrides an earlier one.
    double angle = t;
    if (x <= 0.0 && y >= 0.0)
        angle = half - t;
    if (x <= 0.0 && y <= 0.0)
        angle = t + half;
    if (x >= 0.0 && y < 0.0)
        angle = full - t;
    ReportBuilder report(input.format, input.detail);
    report << "\nX\t= ";
    report.number("X", x, units::none) << "\nY\t= ";
    report.number("Y", y, units::none) << " \n\nAmpl.\t= ";
    report.number("Ampl.", amplitude, units::none) << "\nAngle\t= ";
    report.number("Angle", angle, angleUnit(input)) << (input.radians ? " rad\n" : " deg\n");
    return report.take();
}

} // namespace kalvo::xy
