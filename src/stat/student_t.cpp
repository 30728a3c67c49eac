#include "student_t.h"

#include <array>
#include <cstddef>

namespace kalvo {
namespace {

// Two-sided quantiles of Student's t distribution with n - 1 degrees of freedom,
// rounded to two decimals as in the usual printed tables. Columns: n = 2 .. 10, then the ranges 11-15, 16-20, 21-30, 31-50 and
// 51-100 (each with the value of its largest n) and above 100 (the normal distribution).
constexpr std::size_t kColumns = 15;
constexpr std::array<double, kColumns> kT68{1.84, 1.32, 1.20, 1.15, 1.11, 1.09, 1.08, 1.07,
                                            1.06, 1.04, 1.03, 1.02, 1.01, 1.00, 1.00};
constexpr std::array<double, kColumns> kT95{12.71, 4.30, 3.18, 2.78, 2.57, 2.45, 2.37, 2.31,
                                            2.26,  2.14, 2.09, 2.05, 2.01, 1.98, 1.96};
constexpr std::array<double, kColumns> kT99{63.66, 9.93, 5.84, 4.60, 4.03, 3.71, 3.50, 3.36,
                                            3.25,  2.98, 2.86, 2.76, 2.68, 2.63, 2.58};

// Largest n of each column after the single ones for n = 2 .. 10.
constexpr std::array<int, 5> kRangeEnds{15, 20, 30, 50, 100};

std::size_t column(int n)
{
    if (n <= 10)
        return n < 2 ? 0 : static_cast<std::size_t>(n - 2);
    std::size_t index = 9;
    for (const int end : kRangeEnds) {
        if (n <= end)
            return index;
        ++index;
    }
    return index;
}

} // namespace

StudentFactors studentFactors(int n)
{
    const std::size_t c = column(n);
    return {kT68[c], kT95[c], kT99[c]};
}

} // namespace kalvo
