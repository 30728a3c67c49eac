#pragma once

namespace kalvo::bench {

// Benchmarks built from tables at run time; main registers them before running.

// One benchmark per report of every calculator program and case of typical inputs; false
// when a case of typical inputs names no topology.
bool registerReportBenchmarks();

// A solve over the default range and a 1000-point sweep for every topology.
void registerAnalysisBenchmarks();

// Every window up to its first frame, after a bare QMainWindow measured the same way:
// within this process and as the start of a fresh one.
void registerWindowBenchmarks();

// The plot window of one topology: opened up to its first frame, and recomputed after GO.
void registerPlotBenchmarks();

} // namespace kalvo::bench
