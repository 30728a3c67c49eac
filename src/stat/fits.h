#pragma once

#include "stat_list.h"

#include <QString>
#include <optional>
#include <span>

namespace kalvo {

// The least-squares fits of Y over X.
enum class FitKind {
    Linear, // Y = a*x + b
    Quadratic, // Y = a*x^2 + b*x + c
    Exponential, // Y = a*e^(b*x), a straight line through ln Y
    Power // Y = a*x^b, a straight line through ln X and ln Y
};

// Slope, intercept and correlation coefficient of v over u.
struct Regression {
    double slope = 0;
    double intercept = 0;
    double r = 0;
};

// Straight-line least-squares regression of v over u for the pairs (u[i], v[i]). Not
// guarded: with all u equal the results are non-finite.
Regression linearRegression(std::span<const double> u, std::span<const double> v);

// Coefficients of a fit; r is only set by the fits through a straight line.
struct Fit {
    FitKind kind = FitKind::Linear;
    double a = 0;
    double b = 0;
    double c = 0;
    double r = 0;

    double valueAt(double x) const;
};

// Entries a fit needs at least (2, or 3 for the quadratic fit).
int minimumEntries(FitKind kind);
// The message shown instead of a report when the list is too short.
QString tooFewForFitMessage(FitKind kind);
// The coefficients over the entries in array order; requires minimumEntries(kind).
Fit computeFit(const StatList& list, FitKind kind);
// Fits the list, stores every entry's residual and returns the report; nothing (and no
// change) when the list is too short.
std::optional<QString> fitReport(StatList& list, FitKind kind);

} // namespace kalvo
