#pragma once

#include "evaluation.h"

#include <vector>

namespace kalvo::analysis {

inline constexpr int maxSweepPoints = 100000;

struct SweepRequest {
    int field = 0; // 1-based
    double from = 0.0;
    double to = 0.0;
    int points = 0; // 1 to maxSweepPoints
    bool logarithmic = false;
    // ValuesOnly where only the values are read (plots, sweep tables): several times faster.
    ReportDetail detail = ReportDetail::Full;
};

struct SweepPoint {
    double x = 0.0; // the field's value, in the unit it is typed in
    Report report;
};

// Why a sweep request cannot run, or empty when it can.
QString sweepRequestError(const Topology& topology, const SweepRequest& request);

// The points from `from` to `to` (both included), evenly spaced or evenly spaced in the
// logarithm; one point is `from` alone.
std::vector<double> sweepAbscissae(const SweepRequest& request);

std::vector<SweepPoint> sweep(Evaluation& evaluation, const SweepRequest& request);

// A column of a sweep table: a quantity key with its SI unit, in the order first printed.
struct SweepColumn {
    QString key;
    QString unit;
};

// Every quantity that is finite at some point of the sweep.
std::vector<SweepColumn> sweepColumns(const std::vector<SweepPoint>& points);

// The table kalvo-cli --sweep prints and the plot window exports: a header line with the
// field and every column's key and unit, then one tab-separated line per point; a
// quantity a point does not print, or prints as a non-finite number, is "nan".
QString sweepTable(const Topology& topology, int field, const std::vector<SweepPoint>& points);

// A header cell: "key [unit]", or the key alone for a plain ratio.
QString columnTitle(const QString& key, const QString& unit);

} // namespace kalvo::analysis
