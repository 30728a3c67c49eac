#include "xy_reports.h"

#include <array>
#include <cmath>
#include <optional>

namespace kalvo::xy {
namespace {

constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;
constexpr double largestAngle = 263.0; // radians; beyond it sin and cos lose their accuracy

// The first count inputs read strictly: empty is 0, any other text must be a number.
template <size_t count>
std::optional<std::array<double, count>> readInputs(const CalculationInput& input)
{
    std::array<double, count> values{};
    for (size_t i = 0; i < count; ++i) {
        const QString text = input.text(static_cast<int>(i) + 1);
        if (text.isEmpty())
            continue;
        bool ok = false;
        values[i] = text.toDouble(&ok);
        if (!ok)
            return std::nullopt;
    }
    return values;
}

const QString inputFailure = QStringLiteral("Input Failure!");

} // namespace

QString linearReport(const CalculationInput& input)
{
    const auto values = readInputs<5>(input);
    if (!values)
        return inputFailure;
    const auto [x1, x2, x3, y1, y2] = *values;
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double a = (y1 - y2) / (x1 - x2);
    const double b = (x1 * y2 - x2 * y1) / (x1 - x2);
    const double y3 = b + a * x3;
    return QStringLiteral("\nY = a * X + b\n\na\t= ") + num(a) + QStringLiteral("\nb\t= ") + num(b)
        + QStringLiteral("\n\nY3@X3\t= ") + num(y3);
}

QString parabolaReport(const CalculationInput& input)
{
    const auto values = readInputs<6>(input);
    if (!values)
        return inputFailure;
    const auto [x1, x2, x3, y1, y2, y3] = *values;
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double d = x1 * (x2 * x2 - x3 * x3) - x1 * x1 * (x2 - x3) + x2 * x3 * x3 - x3 * x2 * x2;
    const double a = (x1 * (y2 - y3) - x2 * (y1 - y3) + x3 * (y1 - y2)) / d;
    const double b = -(x3 * x3 * (y1 - y2) + x1 * x1 * (y2 - y3) - x2 * x2 * (y1 - y3)) / d;
    const double c
        = (x1 * (x2 * x2 * y3 - x3 * x3 * y2) - x1 * x1 * (x2 * y3 - x3 * y2) + y1 * (x2 * x3 * x3 - x3 * x2 * x2)) / d;
    return QStringLiteral("\nY = a * X^2 + b * X + c\n\na\t= ") + num(a) + QStringLiteral("\nb\t= ") + num(b)
        + QStringLiteral("\nc\t= ") + num(c) + QStringLiteral("\n ");
}

QString quadraticReport(const CalculationInput& input)
{
    const auto values = readInputs<3>(input);
    if (!values)
        return inputFailure;
    const auto [a, b, c] = *values;
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const QString head = QStringLiteral("\na * X^2 + b * X + c = 0\n\n");
    if (a == 0.0)
        return head + QStringLiteral("X\t= ") + num(-c / b) + QStringLiteral("\n");
    const double d = b * b - 4.0 * a * c;
    if (d > 0.0) {
        const double x1 = (std::sqrt(d) - b) / (2.0 * a);
        const double x2 = (-b - std::sqrt(d)) / (2.0 * a);
        return head + QStringLiteral("X1\t= ") + num(x1) + QStringLiteral("\nX2\t= ") + num(x2) + QStringLiteral("\n");
    }
    if (d == 0.0)
        return head + QStringLiteral("X\t= ") + num(b / (-2.0 * a)) + QStringLiteral("\n");
    const double re = b / (-2.0 * a);
    const double im = std::sqrt(-d) / (a + a);
    return head + QStringLiteral("X1\t= ") + num(re) + QStringLiteral(" + ") + num(im) + QStringLiteral("i\nX2\t= ")
        + num(re) + QStringLiteral(" - ") + num(im) + QStringLiteral("i\n");
}

QString polarToRectReport(const CalculationInput& input)
{
    const auto values = readInputs<2>(input);
    if (!values)
        return inputFailure;
    const auto [amplitude, angle] = *values;
    const auto num = [&](double v) { return formatNumber(v, input.format); };
    const double radians = input.radians ? angle : angle * pi / 180.0;
    const double x = std::cos(radians) * amplitude;
    const double y = std::sin(radians) * amplitude;
    if (std::fabs(radians) > largestAngle)
        return QStringLiteral("\nAngle too big");
    return QStringLiteral("\nAmpl.\t= ") + num(amplitude) + QStringLiteral("\nAngle\t= ") + num(angle)
        + (input.radians ? QStringLiteral(" rad \n\nX\t= ") : QStringLiteral(" deg \n\nX\t= ")) + num(x)
        + QStringLiteral("\nY\t= ") + num(y) + QStringLiteral("\n");
}

QString rectToPolarReport(const CalculationInput& input)
{
    const auto values = readInputs<2>(input);
    if (!values)
        return inputFailure;
    const auto [x, y] = *values;
    const auto num = [&](double v) { return formatNumber(v, input.format); };
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
    return QStringLiteral("\nX\t= ") + num(x) + QStringLiteral("\nY\t= ") + num(y) + QStringLiteral(" \n\nAmpl.\t= ")
        + num(amplitude) + QStringLiteral("\nAngle\t= ") + num(angle)
        + (input.radians ? QStringLiteral(" rad\n") : QStringLiteral(" deg\n"));
}

} // namespace kalvo::xy
