#include "fits.h"

#include "c_format.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kalvo {
namespace {

Fit lineFit(const StatList& list, FitKind kind)
{
    // Working copies of the regression's u and v, room for the whole list.
    std::array<double, kMaxList> u{};
    std::array<double, kMaxList> v{};
    const std::size_t n = list.entries().size();
    for (std::size_t i = 0; i < n; ++i) {
        const StatEntry& e = list.entries()[i];
        u[i] = kind == FitKind::Power ? std::log(e.x) : e.x;
        v[i] = kind == FitKind::Linear ? e.y : std::log(e.y);
    }
    const Regression line = linearRegression(std::span(u.data(), n), std::span(v.data(), n));
    Fit fit{kind};
    if (kind == FitKind::Linear) {
        fit.a = line.slope;
        fit.b = line.intercept;
    } else {
        fit.a = std::exp(line.intercept);
        fit.b = line.slope;
    }
    fit.r = line.r;
    return fit;
}

double determinant(const double m[3][3])
{
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
        + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// Determinant of m with column replaced by the right side.
double replacedDeterminant(const double m[3][3], const double right[3], int column)
{
    double copy[3][3];
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            copy[row][col] = col == column ? right[row] : m[row][col];
    return determinant(copy);
}

// The normal equations of the least-squares parabola, solved by Cramer's rule.
Fit quadraticFit(const StatList& list)
{
    double s1 = 0, s2 = 0, s3 = 0, s4 = 0, sy = 0, sxy = 0, sx2y = 0;
    for (const StatEntry& e : list.entries()) {
        const double x2 = e.x * e.x;
        s1 += e.x;
        s2 += x2;
        s3 += x2 * e.x;
        s4 += x2 * x2;
        sy += e.y;
        sxy += e.x * e.y;
        sx2y += x2 * e.y;
    }
    const double n = list.count();
    const double matrix[3][3] = {{s4, s3, s2}, {s3, s2, s1}, {s2, s1, n}};
    const double right[3] = {sx2y, sxy, sy};
    const double d = determinant(matrix);
    Fit fit{FitKind::Quadratic};
    fit.a = replacedDeterminant(matrix, right, 0) / d;
    fit.b = replacedDeterminant(matrix, right, 1) / d;
    fit.c = replacedDeterminant(matrix, right, 2) / d;
    return fit;
}

QString formatReport(const Fit& fit, int n, double failure2Sum)
{
    const double perEntry = failure2Sum / n;
    switch (fit.kind) {
    case FitKind::Linear:
        return cFormat("Least squares fit for  Y = a * X + b \n\na\t= %lg\nb\t= %lg\n\nn\t= %d\nr\t= %lg\n\n"
                       "Failure^2 Sum\t= %lg\nFailure^2 Sum/n\t= %lg",
                       {fit.a, fit.b, n, fit.r, failure2Sum, perEntry});
    case FitKind::Quadratic:
        return cFormat("Least squares fit for  Y = a*X^2 + b*X + c \n\na\t= %lg\nb\t= %lg\nc\t= %lg\n\nn\t= %d\n\n"
                       "Failure^2 Sum\t= %lg\nFailure^2 Sum/n\t= %lg",
                       {fit.a, fit.b, fit.c, n, failure2Sum, perEntry});
    case FitKind::Exponential:
        return cFormat("Linear least squares fit for  Y = a * e^( b * X )\n\na\t= %lg\nb\t= %lg\n\nn\t= %d\n"
                       "r\t= %lg\n\nFailure^2 Sum\t= %lg\nFailure^2 Sum/n\t= %lg",
                       {fit.a, fit.b, n, fit.r, failure2Sum, perEntry});
    case FitKind::Power:
        return cFormat("Linear least squares fit for  Y = a * X^b \n\na\t= %lg\nb\t= %lg\n\nn\t= %d\nr\t= %lg\n\n"
                       "Failure^2 Sum\t= %lg\nFailure^2 Sum/n\t= %lg",
                       {fit.a, fit.b, n, fit.r, failure2Sum, perEntry});
    }
    return {};
}

} // namespace

Regression linearRegression(std::span<const double> u, std::span<const double> v)
{
    double su = 0, sv = 0, suu = 0, svv = 0, suv = 0;
    for (std::size_t i = 0; i < u.size() && i < v.size(); ++i) {
        su += u[i];
        sv += v[i];
        suu += u[i] * u[i];
        svv += v[i] * v[i];
        suv += u[i] * v[i];
    }
    const double n = static_cast<double>(std::min(u.size(), v.size()));
    const double d = n * suu - su * su;
    Regression line;
    line.slope = (n * suv - sv * su) / d;
    line.intercept = (suu * sv - suv * su) / d;
    line.r = (suv - su * sv / n) / std::sqrt((suu - su * su / n) * (svv - sv * sv / n));
    return line;
}

double Fit::valueAt(double x) const
{
    switch (kind) {
    case FitKind::Linear:
        return a * x + b;
    case FitKind::Quadratic:
        return c + (x * (a * x) + b * x);
    case FitKind::Exponential:
        return a * std::exp(b * x);
    case FitKind::Power:
        return a * std::pow(x, b);
    }
    return 0;
}

int minimumEntries(FitKind kind)
{
    return kind == FitKind::Quadratic ? 3 : 2;
}

QString tooFewForFitMessage(FitKind kind)
{
    switch (kind) {
    case FitKind::Linear:
        return QStringLiteral("Need at least two Xi for linear fit!");
    case FitKind::Quadratic:
        return QStringLiteral("Need at least three Xi for quadratic fit!");
    case FitKind::Exponential:
        return QStringLiteral("Need at least two Xi for exponential fit!");
    case FitKind::Power:
        return QStringLiteral("Need at least two Xi for power fit!");
    }
    return {};
}

Fit computeFit(const StatList& list, FitKind kind)
{
    return kind == FitKind::Quadratic ? quadraticFit(list) : lineFit(list, kind);
}

std::optional<QString> fitReport(StatList& list, FitKind kind)
{
    if (list.count() < minimumEntries(kind))
        return std::nullopt;
    const Fit fit = computeFit(list, kind);
    double failure2Sum = 0;
    for (int i = 0; i < list.count(); ++i) {
        const StatEntry& e = list.at(i);
        const double failure = e.y - fit.valueAt(e.x);
        list.setResidual(i, failure, 100 * failure / e.y);
        failure2Sum += failure * failure;
    }
    return formatReport(fit, list.count(), failure2Sum);
}

} // namespace kalvo
