#pragma once

// The ranges the published charts and equations of kalvo-pcb cover; the reports warn
// outside them. Plain C++; SI units.
namespace kalvo::pcb {

// The IPC-2152 charts Brooks and Adam fitted: 0.5 to 3 oz copper, rises of 1 to 100 K.
bool withinIpc2152Charts(double thickness, double rise);

// The IPC-2221 chart: up to 35 A through up to 700 square mils, rises of 10 to 100 K.
bool withinIpc2221Chart(double current, double area, double rise);

} // namespace kalvo::pcb
