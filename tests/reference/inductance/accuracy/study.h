#pragma once

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <vector>

// The accuracy studies of kalvo-inductance and the platinum RTD: each writes one CSV table
// (a header line, then one row per grid point) of a report's results against the
// reference library, for docs/accuracy/inductance_accuracy.py.
namespace kalvo::accuracy {

struct Study {
    const char* name;
    void (*write)(std::FILE* out);
};

// n values from low to high, evenly spaced on a log scale.
inline std::vector<double> logSpaced(double low, double high, int n)
{
    std::vector<double> values;
    for (int i = 0; i < n; ++i)
        values.push_back(low * std::pow(high / low, i / (n - 1.0)));
    return values;
}

// n values from low to high, evenly spaced.
inline std::vector<double> linearSpaced(double low, double high, int n)
{
    std::vector<double> values;
    for (int i = 0; i < n; ++i)
        values.push_back(low + (high - low) * i / (n - 1.0));
    return values;
}

// One CSV row of numbers.
inline void writeRow(std::FILE* out, std::initializer_list<double> values)
{
    const char* separator = "";
    for (const double value : values) {
        std::fprintf(out, "%s%.10g", separator, value);
        separator = ",";
    }
    std::fputc('\n', out);
}

void writeCircularLoop(std::FILE* out);
void writeRectangularLoop(std::FILE* out);
void writeLoopMutual(std::FILE* out);
void writeLoopMutualSquares(std::FILE* out);
void writeLineMutual(std::FILE* out);
void writeSingleLayerCoil(std::FILE* out);
void writeMultiLayerCoil(std::FILE* out);
void writeOptimizedCoil(std::FILE* out);
void writeToroid(std::FILE* out);
void writeShielding(std::FILE* out);
void writePlatinumRtd(std::FILE* out);

} // namespace kalvo::accuracy
