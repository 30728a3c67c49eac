#pragma once

#include "program.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kalvo::inductance {

// One report computed from the texts of lineEdit_1, lineEdit_2, ...
struct ReportCase {
    const char* name;
    ReportFunction report;
    QStringList inputs;
    const char* expected; // the whole report, or the part a boundary case looks for
};

inline void PrintTo(const ReportCase& c, std::ostream* os)
{
    *os << c.name;
}

inline std::string caseName(const testing::TestParamInfo<ReportCase>& info)
{
    return info.param.name;
}

// The report of c with four digits and the exponent form at or below 0.01.
inline std::string reportOf(const ReportCase& c, NumberFormat format = {4, 0.01})
{
    CalculationInput input;
    input.texts = c.inputs;
    input.format = format;
    return c.report(input).toStdString();
}

} // namespace kalvo::inductance
