#include "sweep.h"

#include <algorithm>
#include <cmath>

namespace kalvo::analysis {

QString sweepRequestError(const Topology& topology, const SweepRequest& request)
{
    if (request.field < 1 || request.field > topology.visibleInputs || topology.isFormulaField(request.field))
        return QStringLiteral("a sweep needs a visible number field");
    if (request.points < 1 || request.points > maxSweepPoints)
        return QStringLiteral("a sweep takes 1 to %1 points").arg(maxSweepPoints);
    if (!std::isfinite(request.from) || !std::isfinite(request.to))
        return QStringLiteral("a sweep needs finite limits");
    if (request.logarithmic && !(request.from > 0.0 && request.to > 0.0))
        return QStringLiteral("a logarithmic sweep needs positive limits");
    return {};
}

std::vector<double> sweepAbscissae(const SweepRequest& request)
{
    std::vector<double> xs(static_cast<size_t>(std::max(request.points, 0)));
    const int last = request.points - 1;
    for (int i = 0; i < request.points; ++i) {
        const double f = last > 0 ? static_cast<double>(i) / last : 0.0;
        xs[static_cast<size_t>(i)] = request.logarithmic ? request.from * std::pow(request.to / request.from, f)
                                                         : request.from + (request.to - request.from) * f;
    }
    if (last > 0)
        xs.back() = request.to; // no rounding drift at the end
    return xs;
}

std::vector<SweepPoint> sweep(Evaluation& evaluation, const SweepRequest& request)
{
    std::vector<SweepPoint> points;
    if (!sweepRequestError(evaluation.topology(), request).isEmpty())
        return points;
    const std::vector<double> xs = sweepAbscissae(request);
    points.reserve(xs.size());
    for (double x : xs)
        points.push_back({x, evaluation.at(request.field, x, request.detail)});
    return points;
}

std::vector<SweepColumn> sweepColumns(const std::vector<SweepPoint>& points)
{
    // In the order first printed, then only those finite somewhere.
    std::vector<SweepColumn> columns;
    std::vector<bool> finite;
    for (const SweepPoint& point : points)
        for (const Quantity& q : point.report.quantities) {
            const auto known
                = std::find_if(columns.begin(), columns.end(), [&](const SweepColumn& c) { return c.key == q.key; });
            const size_t index = static_cast<size_t>(known - columns.begin());
            if (known == columns.end()) {
                columns.push_back({q.key, q.unit});
                finite.push_back(false);
            }
            if (std::isfinite(q.value))
                finite[index] = true;
        }
    std::vector<SweepColumn> shown;
    for (size_t i = 0; i < columns.size(); ++i)
        if (finite[i])
            shown.push_back(columns[i]);
    return shown;
}

QString columnTitle(const QString& key, const QString& unit)
{
    return unit.isEmpty() || unit == QLatin1String("1") ? key : key + QStringLiteral(" [") + unit + QLatin1Char(']');
}

QString sweepTable(const Topology& topology, int field, const std::vector<SweepPoint>& points)
{
    const std::vector<SweepColumn> columns = sweepColumns(points);
    QString table = columnTitle(topology.fieldLabel(field), QString::fromUtf8(topology.unit(field).shown));
    for (const SweepColumn& column : columns)
        table += QLatin1Char('\t') + columnTitle(column.key, column.unit);
    table += QLatin1Char('\n');
    for (const SweepPoint& point : points) {
        table += fieldText(point.x);
        for (const SweepColumn& column : columns) {
            const Quantity* q = point.report.quantity(column.key);
            table += QLatin1Char('\t')
                + (q != nullptr && std::isfinite(q->value) ? fieldText(q->value) : QStringLiteral("nan"));
        }
        table += QLatin1Char('\n');
    }
    return table;
}

} // namespace kalvo::analysis
