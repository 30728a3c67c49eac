#include "top_ten.h"

#include <algorithm>

namespace kalvo {

void rankTopTen(TopTenList& list, Connection connection, double nominal, std::span<const double> table)
{
    for (TopTenRecord& record : list)
        record.difference = recordValue(record, connection, table) - nominal;
    std::stable_sort(list.begin(), list.end(),
                     [](const TopTenRecord& a, const TopTenRecord& b) { return a.difference > b.difference; });
}

} // namespace kalvo
