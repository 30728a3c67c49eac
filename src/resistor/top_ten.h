#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <span>

namespace kalvo {

enum class Connection { Serial, Parallel };

// One entry of a top-ten list: R1 = factor1 * E[index1], R2 = factor2 * E[index2] with E
// the searched series table. index2 0 means a single resistor. While searching,
// difference is |value - nominal|; once ranked it is the signed value - nominal.
struct TopTenRecord {
    double difference = std::numeric_limits<double>::max();
    double factor1 = 0;
    double factor2 = 0;
    std::int32_t index1 = 0;
    std::int32_t index2 = 0;

    friend bool operator==(const TopTenRecord&, const TopTenRecord&) = default;
};

inline constexpr int topTenSize = 10;

// A default-constructed list holds ten empty records.
using TopTenList = std::array<TopTenRecord, topTenSize>;

// R1 + R2 in series; R1 * R2 / (R1 + R2) in parallel, where an absent R2 (0) counts as 0.
inline double combinationValue(Connection connection, double r1, double r2)
{
    if (connection == Connection::Serial)
        return r1 + r2;
    return r2 == 0 ? 0 : r1 * r2 / (r1 + r2);
}

inline double firstResistor(const TopTenRecord& record, std::span<const double> table)
{
    return record.factor1 * table[record.index1];
}

inline double secondResistor(const TopTenRecord& record, std::span<const double> table)
{
    return record.factor2 * table[record.index2];
}

inline double recordValue(const TopTenRecord& record, Connection connection, std::span<const double> table)
{
    return combinationValue(connection, firstResistor(record, table), secondResistor(record, table));
}

// Replaces every difference by the signed value - nominal of the record's connection and
// sorts the records by it, largest first, keeping the order of equal ones. table is the
// series table the record indices refer to.
void rankTopTen(TopTenList& list, Connection connection, double nominal, std::span<const double> table);

} // namespace kalvo
