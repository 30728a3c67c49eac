// The formula engine on the element formulas of the matching networks and on a formula
// close to the longest the engine accepts.
#include "formula_engine.h"
#include "match_engine_path.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using kalvo::EngineError;
using kalvo::FormulaEngine;
using kalvo::rc::Network;

constexpr std::size_t windowEngineVariables = 16;

// The three element formulas with the variables the complex path defines for d = -6 dB,
// Ze = 50 and Za = 50+10i.
void matchFormulaSet(benchmark::State& state, Network network)
{
    FormulaEngine engine(windowEngineVariables);
    engine.defineVariable("(1.0000000000000000e+00+2.0000000000000001e-01i)", "k", true);
    engine.defineVariable("1.9952623149688795e+00", "di", true);
    engine.defineVariable("(50+10i)", network == Network::T ? "Za" : "Ze", true);
    for (auto _ : state) {
        for (const char* formula : kalvo::rc::elementFormulas(network)) {
            double re = 0;
            double im = 0;
            if (engine.evaluateComplex(formula, re, im) != EngineError::None)
                return state.SkipWithError("an element formula failed");
            benchmark::DoNotOptimize(re);
            benchmark::DoNotOptimize(im);
        }
    }
}

BENCHMARK_CAPTURE(matchFormulaSet, T, Network::T)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(matchFormulaSet, PI, Network::Pi)->Unit(benchmark::kMicrosecond);

// Sums of products, powers, brackets and functions up to just below the length limit.
std::string longFormula()
{
    const std::string term = "+2.5*SIN(0.25)-(3.75/1.5)^2+SQRT(16)*EXP(0.5)";
    std::string formula = "1";
    while (formula.size() + term.size() < FormulaEngine::maxFormulaLength)
        formula += term;
    return formula;
}

void longFormulaReal(benchmark::State& state)
{
    const FormulaEngine engine(windowEngineVariables);
    const std::string formula = longFormula();
    state.SetLabel(std::to_string(formula.size()) + " characters");
    for (auto _ : state) {
        double value = 0;
        if (engine.evaluateReal(formula, value) != EngineError::None)
            return state.SkipWithError("the long formula failed");
        benchmark::DoNotOptimize(value);
    }
}

void longFormulaComplex(benchmark::State& state)
{
    const FormulaEngine engine(windowEngineVariables);
    const std::string formula = longFormula();
    state.SetLabel(std::to_string(formula.size()) + " characters");
    for (auto _ : state) {
        double re = 0;
        double im = 0;
        if (engine.evaluateComplex(formula, re, im) != EngineError::None)
            return state.SkipWithError("the long formula failed");
        benchmark::DoNotOptimize(re);
        benchmark::DoNotOptimize(im);
    }
}

BENCHMARK(longFormulaReal)->Unit(benchmark::kMicrosecond);
BENCHMARK(longFormulaComplex)->Unit(benchmark::kMicrosecond);

} // namespace
