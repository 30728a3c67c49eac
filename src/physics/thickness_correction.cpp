#include "thickness_correction.h"

#include <array>
#include <cmath>
#include <limits>

namespace kalvo::physics {
namespace {

struct Column {
    double q;
    double k;
};

// Empirical correction for the winding thickness of long multi layer coils.
constexpr std::array<Column, 5> table{{{5.0, 0.225}, {10.0, 0.265}, {15.0, 0.3}, {20.0, 0.31}, {25.0, 0.318}}};

} // namespace

ThicknessCorrection thicknessCorrection(double q)
{
    for (const Column& column : table)
        if (std::fabs(q - column.q) < std::numeric_limits<double>::epsilon())
            return {column.k, false};
    if (q < table.front().q)
        return {table.front().k, true};
    if (q > table.back().q)
        return {table.back().k, true};
    for (size_t i = 1; i < table.size(); ++i) {
        if (table[i].q > q) {
            const Column& low = table[i - 1];
            const Column& high = table[i];
            return {low.k + (high.k - low.k) * (q - low.q) / (high.q - low.q), false};
        }
    }
    // Only not-a-number gets here: no column compares with it.
    return {std::numeric_limits<double>::quiet_NaN(), true};
}

} // namespace kalvo::physics
