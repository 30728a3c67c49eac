#pragma once

#include "program.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <ostream>
#include <string>

// Runs report functions the way the calculator window does, for the report tables.
namespace kalvo::test {

// One row of a report table: the texts typed into lineEdit_1, lineEdit_2, ... and the
// report expected after GO.
struct ReportCase {
    const char* name = "";
    ReportFunction report = nullptr;
    QStringList inputs;
    std::string expected; // the whole report, or the part a boundary case looks for
    bool moreDigits = false; // "Show More Digits" checked
    bool radians = false; // kalvo-xy: "Rad" checked
};

inline void PrintTo(const ReportCase& c, std::ostream* os)
{
    *os << c.name;
}

// Names a parameterised test after its row.
inline std::string caseName(const testing::TestParamInfo<ReportCase>& info)
{
    return info.param.name;
}

// What GO hands to the report of c: its inputs typed over the texts its topology starts
// with, and the number format and angle unit chosen.
CalculationInput typedInput(const Program& program, const ReportCase& c);

// The report GO shows for c, computed on a fresh formula engine where the program has one.
Report evaluate(const Program& program, const ReportCase& c);

// The same for a report without a table row.
Report evaluate(const Program& program, ReportFunction report, const QStringList& inputs, bool moreDigits = false);

} // namespace kalvo::test
