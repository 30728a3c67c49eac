// Every report of every calculator program, driven by the program tables: a topology
// added to a table is measured without new code here.
#include "registration.h"

#include "impedance_program.h"
#include "impedance_reports.h"
#include "program_registry.h"
#include "typical_inputs.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace kalvo::bench {
namespace {

void runReport(benchmark::State& state, const Program& program, const Topology& topology,
               const std::array<const char*, maxInputFields>& values)
{
    CalculationInput input = typedInput(program, topology, values);
    std::shared_ptr<FormulaEngine> engine;
    if (program.createEngine != nullptr) {
        engine = program.createEngine();
        input.engine = engine.get();
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(topology.report(input));
}

std::string benchmarkName(const Program& program, const Topology& topology, const char* caseName)
{
    std::string name = std::string("report/") + program.name + '/' + topology.buttonText + '/' + caseName;
    for (char& c : name)
        if (c == ' ')
            c = '_';
    return name;
}

void registerCase(const Program& program, const Topology& topology, const char* caseName,
                  const std::array<const char*, maxInputFields>& values)
{
    benchmark::RegisterBenchmark(benchmarkName(program, topology, caseName).c_str(), runReport, std::cref(program),
                                 std::cref(topology), std::cref(values))
        ->Unit(benchmark::kMicrosecond);
}

void registerTopology(const Program& program, const Topology& topology)
{
    bool registered = false;
    for (const TypicalInput& typical : typicalInputs()) {
        if (isCaseOf(typical, program, topology)) {
            registerCase(program, topology, typical.name, typical.values);
            registered = true;
        }
    }
    static constexpr std::array<const char*, maxInputFields> shownTexts{};
    if (!registered)
        registerCase(program, topology, "shown_texts", shownTexts);
}

// A case whose topology is gone or renumbered would silently stop being measured.
bool namesATopology(const TypicalInput& typical)
{
    for (const Program* program : calculatorPrograms())
        for (const Topology& topology : program->topologies)
            if (topology.report != nullptr && isCaseOf(typical, *program, topology))
                return true;
    return false;
}

// The trapezoidal integral over 1001 points is the longest loop of any report; its cost
// does not depend on the geometry, which these cases show.
void twistedPairIntegral(benchmark::State& state, const char* spacing)
{
    state.SetLabel(std::string("S = ") + spacing + " mm");
    CalculationInput input;
    input.texts = {QStringLiteral("0.5"), QString::fromLatin1(spacing), QStringLiteral("3.5"), QStringLiteral("40")};
    input.format = impedanceProgram().numberFormat(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(impedance::twistedPairReport(input));
}

} // namespace

bool registerReportBenchmarks()
{
    for (const Program* program : calculatorPrograms())
        for (const Topology& topology : program->topologies)
            if (topology.report != nullptr)
                registerTopology(*program, topology);
    bool allUsed = true;
    for (const TypicalInput& typical : typicalInputs()) {
        if (!namesATopology(typical)) {
            std::fprintf(stderr, "typical input %s of %s names no topology with a report\n", typical.name,
                         typical.program);
            allUsed = false;
        }
    }
    return allUsed;
}

BENCHMARK_CAPTURE(twistedPairIntegral, close_0_55, "0.55")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(twistedPairIntegral, typical_0_9, "0.9")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(twistedPairIntegral, apart_5, "5")->Unit(benchmark::kMicrosecond);

} // namespace kalvo::bench
