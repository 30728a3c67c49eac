#pragma once

#include "inductance_program.h"

#include <gtest/gtest.h>

#include <initializer_list>
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

// The topology of kalvo-inductance that runs report, or nullptr.
inline const Topology* topologyOf(ReportFunction report)
{
    for (const Topology& topology : inductanceProgram().topologies)
        if (topology.report == report)
            return &topology;
    return nullptr;
}

// The whole report of c, as the window computes it (the fields in the topology's units),
// with four digits and the exponent form at or below 0.01.
inline Report fullReportOf(const ReportCase& c, NumberFormat format = {4, 0.01})
{
    CalculationInput input;
    input.texts = c.inputs;
    input.format = format;
    input.topology = topologyOf(c.report);
    return c.report(input);
}

// The report for these field values, each typed with 17 significant digits, printing
// its numbers with 16.
inline Report reportFor(ReportFunction report, std::initializer_list<double> fields)
{
    QStringList texts;
    for (const double field : fields)
        texts.append(QString::number(field, 'g', 17));
    return fullReportOf({"", report, texts, ""}, NumberFormat{15, 0.001});
}

inline std::string reportOf(const ReportCase& c, NumberFormat format = {4, 0.01})
{
    return fullReportOf(c, format).text.toStdString();
}

} // namespace kalvo::inductance
