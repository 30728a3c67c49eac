// kalvo-fieldsolve: the field solver on the transmission lines of kalvo-impedance, given
// with that program's inputs and units, one line per cross-section on standard input:
//
//   microstrip d w t er          d, w in mm, t in um (trace height, width, thickness)
//   embedded b b1 w t er         trace height b, dielectric height b1
//   stripline b w t er           plane separation b
//   offset h1 h2 w t er          headroom h1 below the upper plane, height h2 above the lower
//   wire d h er                  wire diameter d, height h of its centre above the plane
//   pair d S er                  two wires of diameter d, centres S apart, in er
//   twisted d S er               the same wires in air, each insulated (er) out to diameter S
//   coax d1 d2 er                inner and shield diameter
//
// For each line it writes "Z,eeff,estimatedError,error" (Z in Ohm, error the solver's error
// code, 0 for none) in CSV, or "nan,nan,nan,-1" for a line it cannot read. Used by
// scripts/accuracy_maps.py.
#include "cross_sections.h"
#include "field_solver.h"

#include <cstdio>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace kalvo::fieldsolver;

constexpr double mm = 1e-3;
constexpr double um = 1e-6;

std::optional<CrossSection> crossSection(const std::string& topology, const std::vector<double>& v)
{
    const std::map<std::string, std::size_t> counts{{"microstrip", 4}, {"embedded", 5}, {"stripline", 4}, {"offset", 5},
                                                    {"wire", 3},       {"pair", 3},     {"twisted", 3},   {"coax", 3}};
    const auto count = counts.find(topology);
    if (count == counts.end() || v.size() != count->second)
        return std::nullopt;
    if (topology == "microstrip")
        return microstrip(v[0] * mm, v[1] * mm, v[2] * um, v[3]);
    if (topology == "embedded")
        return embeddedMicrostrip(v[0] * mm, v[1] * mm, v[2] * mm, v[3] * um, v[4]);
    if (topology == "stripline")
        return stripline(v[0] * mm, v[1] * mm, v[2] * um, v[3]);
    if (topology == "offset")
        return offsetStripline(v[0] * mm + v[1] * mm + v[3] * um, v[1] * mm, v[2] * mm, v[3] * um, v[4]);
    if (topology == "wire")
        return wireAboveGround(v[0] * mm, v[1] * mm, v[2]);
    if (topology == "pair")
        return twoWires(v[0] * mm, v[1] * mm, v[2]);
    if (topology == "twisted")
        return insulatedWires(v[0] * mm, v[1] * mm, v[1] * mm, v[2]);
    return coax(v[0] * mm, v[1] * mm, v[2]);
}

} // namespace

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string topology;
        words >> topology;
        std::vector<double> values;
        for (double value = 0.0; words >> value;)
            values.push_back(value);
        const std::optional<CrossSection> cs = words.eof() ? crossSection(topology, values) : std::nullopt;
        if (!cs) {
            std::printf("nan,nan,nan,-1\n");
        } else {
            const Result result = solve(*cs);
            const LineParameters parameters = singleLine(result);
            std::printf("%.10g,%.10g,%.3g,%d\n", parameters.impedance, parameters.effectivePermittivity,
                        result.estimatedError, static_cast<int>(result.error));
        }
        std::fflush(stdout);
    }
    return 0;
}
