#pragma once

#include "report.h"

#include <initializer_list>

namespace kalvo::accuracy {

// The report of kalvo-inductance's topology radioButton_N for these field values, typed
// in the fields' units with 17 significant digits, its numbers printed with 16.
Report inductanceReport(int topology, std::initializer_list<double> fields);

// The SI value of one quantity of that report.
double inductanceValue(int topology, std::initializer_list<double> fields, const char* key);

} // namespace kalvo::accuracy
