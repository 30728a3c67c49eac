#pragma once

#include "evaluation.h"

#include <optional>
#include <vector>

namespace kalvo::analysis {

// The range a field is searched over, in the unit the field is typed in.
struct Range {
    double low = 1e-9;
    double high = 1e9;
};

// Without a range given: 1e-9 to 1e9 in the field's unit.
inline constexpr Range defaultSolveRange{};

struct SolveRequest {
    int field = 0; // 1-based
    QString key; // the quantity to reach
    double target = 0.0; // in the quantity's SI unit
    std::optional<Range> range; // none: defaultSolveRange
};

enum class SolveStatus {
    Found,
    NoRoot, // the quantity never reaches the target in the range
    NotDependent, // the quantity does not change with the field
    UnknownQuantity, // the topology never prints the key in the range
    BadRequest, // no such numeric field, an empty or non-finite range or target
};

struct SolveResult {
    SolveStatus status = SolveStatus::BadRequest;
    std::vector<double> roots; // field values, the one nearest the field's given value first
    Range searched;
    double smallest = 0.0; // the span of the quantity's finite values in the range
    double largest = 0.0;
    QString unit; // the quantity's SI unit
};

// Scans the range (log-spaced where it is positive, else linear) for every sign change
// of quantity - target and refines each with a bracketing root finder. A sign change
// across a pole or a jump is not a root: each root is checked to reach the target.
SolveResult solve(Evaluation& evaluation, const SolveRequest& request);

// The message of a solve that found nothing, naming field and key; empty when found.
QString solveFailureMessage(const Evaluation& evaluation, const SolveRequest& request, const SolveResult& result);

} // namespace kalvo::analysis
