// Solve over the default range and a 1000-point sweep (values alone, and whole reports),
// for every topology of every calculator program: the first number field against the
// first result, with the target 10 % above the result's value at the topology's first
// typical input (the shown texts where it has none; found or not, the whole range is
// scanned).
#include "registration.h"

#include "catalog.h"
#include "program_registry.h"
#include "solve.h"
#include "sweep.h"
#include "typical_inputs.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace kalvo::bench {
namespace {

using namespace analysis;

int firstNumberField(const Topology& topology)
{
    for (int field = 1; field <= topology.visibleInputs; ++field)
        if (!topology.isFormulaField(field))
            return field;
    return 0;
}

std::string caseName(const char* kind, const Program& program, const Topology& topology)
{
    std::string name = std::string(kind) + '/' + program.name + '/' + topology.buttonText;
    for (char& c : name)
        if (c == ' ')
            c = '_';
    return name;
}

CalculationInput measuredInput(const Program& program, const Topology& topology)
{
    const TypicalInput* typical = firstTypicalInput(program, topology);
    return typical != nullptr ? typedInput(program, topology, typical->values) : program.startInput(topology);
}

void runSolve(benchmark::State& state, const Program& program, const Topology& topology, int field)
{
    Evaluation evaluation(program, topology, measuredInput(program, topology));
    const Report start = evaluation.report();
    if (start.quantities.empty()) {
        state.SkipWithError("no quantity at the measured inputs");
        return;
    }
    const Quantity& q = start.quantities.front();
    const SolveRequest request{.field = field, .key = q.key, .target = std::isfinite(q.value) ? q.value * 1.1 : 1.0};
    for (auto _ : state)
        benchmark::DoNotOptimize(solve(evaluation, request));
    state.SetLabel(q.key.toStdString());
}

void runSweep(benchmark::State& state, const Program& program, const Topology& topology, int field, ReportDetail detail)
{
    Evaluation evaluation(program, topology, measuredInput(program, topology));
    const SweepRequest request{
        .field = field, .from = 0.1, .to = 100.0, .points = 1000, .logarithmic = true, .detail = detail};
    for (auto _ : state)
        benchmark::DoNotOptimize(sweep(evaluation, request));
}

} // namespace

void registerAnalysisBenchmarks()
{
    for (const Program* program : calculatorPrograms())
        for (const Topology& topology : program->topologies) {
            const int field = firstNumberField(topology);
            if (topology.report == nullptr || field == 0)
                continue;
            benchmark::RegisterBenchmark(caseName("solve", *program, topology).c_str(), runSolve, std::cref(*program),
                                         std::cref(topology), field)
                ->Unit(benchmark::kMicrosecond);
            // The values alone, as the sweep table and the plot window compute them; and the
            // whole reports with their texts, as --json prints them.
            benchmark::RegisterBenchmark(caseName("sweep1000", *program, topology).c_str(), runSweep,
                                         std::cref(*program), std::cref(topology), field, ReportDetail::ValuesOnly)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(caseName("sweep1000full", *program, topology).c_str(), runSweep,
                                         std::cref(*program), std::cref(topology), field, ReportDetail::Full)
                ->Unit(benchmark::kMillisecond);
        }
}

} // namespace kalvo::bench
