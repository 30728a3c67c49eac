#include "e_series.h"

#include <cstddef>

namespace kalvo {
namespace {

// IEC 60063 preferred numbers, one decade each, as significant digits: two digits for
// E3 to E24, three digits for E48 and E96.
constexpr std::array<int, 3> e3Digits{10, 22, 47};
constexpr std::array<int, 6> e6Digits{10, 15, 22, 33, 47, 68};
constexpr std::array<int, 12> e12Digits{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> e24Digits{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                        33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 48> e48Digits{100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
                                        215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
                                        464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> e96Digits{100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
                                        147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
                                        215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                                        316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
                                        464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
                                        681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

// Digits / divisor is the double nearest to the decimal value (4.7, 1.05, ...).
template <std::size_t N>
constexpr std::array<double, N + 1> normalised(const std::array<int, N>& digits, double divisor)
{
    std::array<double, N + 1> table{};
    for (std::size_t i = 0; i < N; ++i)
        table[i + 1] = digits[i] / divisor;
    return table;
}

constexpr auto e3Table = normalised(e3Digits, 10.0);
constexpr auto e6Table = normalised(e6Digits, 10.0);
constexpr auto e12Table = normalised(e12Digits, 10.0);
constexpr auto e24Table = normalised(e24Digits, 10.0);
constexpr auto e48Table = normalised(e48Digits, 100.0);
constexpr auto e96Table = normalised(e96Digits, 100.0);

} // namespace

const char* seriesName(ESeries series)
{
    switch (series) {
    case ESeries::E3:
        return "E3";
    case ESeries::E6:
        return "E6";
    case ESeries::E12:
        return "E12";
    case ESeries::E24:
        return "E24";
    case ESeries::E48:
        return "E48";
    case ESeries::E96:
        return "E96";
    }
    return "E12";
}

std::span<const double> seriesTable(ESeries series)
{
    switch (series) {
    case ESeries::E3:
        return e3Table;
    case ESeries::E6:
        return e6Table;
    case ESeries::E12:
        return e12Table;
    case ESeries::E24:
        return e24Table;
    case ESeries::E48:
        return e48Table;
    case ESeries::E96:
        return e96Table;
    }
    return e12Table;
}

} // namespace kalvo
