#include "solve.h"

#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalvo::analysis {
namespace {

// Points of the scan: enough to separate the roots of the suite's formulas, few
// enough that a solve stays well under a millisecond.
constexpr int scanPoints = 181;
constexpr int maxRootIterations = 60;
// A refined root must bring the quantity this close to the target (relative).
constexpr double acceptedMismatch = 1e-7;

double quantityAt(Evaluation& evaluation, int field, double x, const QString& key, bool& seen)
{
    const Report report = evaluation.at(field, x, ReportDetail::ValuesOnly);
    const Quantity* q = report.quantity(key);
    if (q == nullptr)
        return std::numeric_limits<double>::quiet_NaN();
    seen = true;
    return q->value;
}

std::vector<double> scanAbscissae(const Range& range)
{
    std::vector<double> xs(scanPoints);
    const bool logarithmic = range.low > 0.0;
    for (int i = 0; i < scanPoints; ++i) {
        const double f = static_cast<double>(i) / (scanPoints - 1);
        xs[static_cast<size_t>(i)]
            = logarithmic ? range.low * std::pow(range.high / range.low, f) : range.low + (range.high - range.low) * f;
    }
    xs.back() = range.high;
    return xs;
}

bool validRange(const Range& range)
{
    return std::isfinite(range.low) && std::isfinite(range.high) && range.low < range.high;
}

// Numbers in messages: six significant digits.
QString messageNumber(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

SolveResult solve(Evaluation& evaluation, const SolveRequest& request)
{
    SolveResult result;
    Range range = request.range.value_or(defaultSolveRange);
    if (range.low > range.high)
        std::swap(range.low, range.high);
    result.searched = range;
    const Topology& topology = evaluation.topology();
    if (request.field < 1 || request.field > topology.visibleInputs || topology.isFormulaField(request.field)
        || !validRange(range) || !std::isfinite(request.target))
        return result;

    const std::vector<double> xs = scanAbscissae(range);
    std::vector<double> residuals(xs.size());
    bool seen = false;
    result.smallest = std::numeric_limits<double>::infinity();
    result.largest = -std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < xs.size(); ++i) {
        const double value = quantityAt(evaluation, request.field, xs[i], request.key, seen);
        residuals[i] = value - request.target;
        if (std::isfinite(value)) {
            result.smallest = std::min(result.smallest, value);
            result.largest = std::max(result.largest, value);
        }
    }
    if (const Report sample = evaluation.report(); const Quantity* q = sample.quantity(request.key))
        result.unit = q->unit;
    if (!seen) {
        result.status = SolveStatus::UnknownQuantity;
        return result;
    }
    if (!(result.smallest < result.largest)) {
        result.status = SolveStatus::NotDependent;
        return result;
    }

    const double scale
        = std::max(std::fabs(request.target), std::max(std::fabs(result.smallest), std::fabs(result.largest)));
    const auto residual = [&](double x) {
        bool unused = false;
        return quantityAt(evaluation, request.field, x, request.key, unused) - request.target;
    };
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        const double fa = residuals[i];
        const double fb = residuals[i + 1];
        if (!std::isfinite(fa) || !std::isfinite(fb))
            continue;
        double root = 0.0;
        if (fa == 0.0)
            root = xs[i];
        else if (fb == 0.0 || (fa < 0.0) == (fb < 0.0))
            continue; // a zero at the right end is the next interval's left end
        else {
            std::uintmax_t iterations = maxRootIterations;
            const auto bracket = boost::math::tools::toms748_solve(
                residual, xs[i], xs[i + 1], fa, fb, boost::math::tools::eps_tolerance<double>(50), iterations);
            root = bracket.first + (bracket.second - bracket.first) / 2.0;
        }
        const double mismatch = std::fabs(residual(root));
        if (std::isfinite(mismatch) && mismatch <= acceptedMismatch * scale)
            result.roots.push_back(root);
    }
    if (xs.size() > 0 && residuals.back() == 0.0)
        result.roots.push_back(xs.back());

    const double given = evaluation.input().value(request.field);
    std::stable_sort(result.roots.begin(), result.roots.end(),
                     [given](double a, double b) { return std::fabs(a - given) < std::fabs(b - given); });
    result.status = result.roots.empty() ? SolveStatus::NoRoot : SolveStatus::Found;
    return result;
}

QString solveFailureMessage(const Evaluation& evaluation, const SolveRequest& request, const SolveResult& result)
{
    const Topology& topology = evaluation.topology();
    const QString field = topology.fieldLabel(request.field);
    const QString fieldUnit = QString::fromUtf8(topology.unit(request.field).shown);
    const QString range = QStringLiteral("%1 = %2 to %3%4")
                              .arg(field, messageNumber(result.searched.low), messageNumber(result.searched.high),
                                   fieldUnit.isEmpty() ? QString() : QLatin1Char(' ') + fieldUnit);
    const QString unit
        = result.unit.isEmpty() || result.unit == QLatin1String("1") ? QString() : QLatin1Char(' ') + result.unit;
    switch (result.status) {
    case SolveStatus::Found:
        return {};
    case SolveStatus::NoRoot:
        return QStringLiteral("no %1 reaches %2 = %3%4 for %5 (%2 ranges from %6 to %7%4 there)")
            .arg(field, request.key, messageNumber(request.target), unit, range, messageNumber(result.smallest),
                 messageNumber(result.largest));
    case SolveStatus::NotDependent:
        return QStringLiteral("%1 does not depend on %2 (it is %3%4 for %5)")
            .arg(request.key, field, messageNumber(result.smallest), unit, range);
    case SolveStatus::UnknownQuantity:
        return QStringLiteral("%1 has no result %2 for %3 (see --quantities)")
            .arg(QString::fromUtf8(topology.buttonText), request.key, range);
    case SolveStatus::BadRequest:
        break;
    }
    return QStringLiteral("cannot solve for %1: it must be a visible number field, with a finite target and a range of "
                          "two different finite values")
        .arg(field.isEmpty() ? QString::number(request.field) : field);
}

} // namespace kalvo::analysis
