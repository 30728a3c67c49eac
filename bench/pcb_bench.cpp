// GO of kalvo-pcb's line topologies for a cross-section not solved before. The report
// benchmarks repeat one input, which these reports answer from the few solutions they
// keep; here each iteration nudges er to the next double, so every GO solves.
#include "pcb_program.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

using namespace kalvo;

struct Case {
    int topology; // N of radioButton_N
    const char* name;
    const char* typed[3]; // the first fields; the others keep their defaults (t 35 um, er 4.3)
};

const Case cases[] = {
    {3, "fr4_cpw", {"1.6", "1", "0.2"}},
    {4, "fr4_gcpw", {"1.6", "1", "0.2"}},
    {5, "fr4_pair", {"0.2", "0.3", "0.2"}},
    {6, "fr4_pair", {"0.5", "0.15", "0.2"}},
};

void freshReport(benchmark::State& state, const Case& c)
{
    const Program& program = pcbProgram();
    const Topology& topology = *program.topologyByNumber(c.topology);
    CalculationInput input = program.startInput(topology);
    for (int field = 0; field < 3; ++field)
        input.texts[field] = QString::fromLatin1(c.typed[field]);
    double er = input.value(5);
    for (auto _ : state) {
        er = std::nextafter(er, 100.0);
        input.texts[4] = QString::number(er, 'g', 17);
        benchmark::DoNotOptimize(topology.report(input));
    }
}

const bool registered = [] {
    for (const Case& c : cases) {
        std::string name
            = std::string("report_fresh/pcb/") + pcbProgram().topologyByNumber(c.topology)->buttonText + '/' + c.name;
        for (char& ch : name)
            if (ch == ' ')
                ch = '_';
        benchmark::RegisterBenchmark(name.c_str(), freshReport, c)->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
