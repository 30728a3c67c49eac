#pragma once

#include <array>

// Minimum electrical conductor spacing of IPC-2221B, table 6-1. Plain C++.
namespace kalvo::pcb {

struct ClearanceColumn {
    const char* name; // "B1" .. "A7", as the table heads its columns
    const char* description;
    std::array<double, 9> spacing; // mm, one per voltage row
    double perVoltAbove500; // mm per volt above 500 V
};

// The upper ends of the table's voltage rows (DC or AC peak between conductors) [V].
inline constexpr std::array<double, 9> clearanceRowLimits{15, 30, 50, 100, 150, 170, 250, 300, 500};

extern const std::array<ClearanceColumn, 7> clearanceColumns;

// The spacing [mm] the column asks for at peak voltage `volts` (its sign does not
// matter): the row whose range holds the voltage, and above 500 V the 500 V value plus
// the per-volt value for every volt above 500.
double minimumSpacing(const ClearanceColumn& column, double volts);

} // namespace kalvo::pcb
