#include "study.h"

#include "constants.h"
#include "current_sheet.h"
#include "report_values.h"
#include "winding_integrals.h"

namespace kalvo::accuracy {
namespace {

constexpr int singleLayerCoil = 5;
constexpr int multiLayerCoil = 6;
constexpr int optimizedCoil = 7;

// Copper's resistivity at 20 degrees Celsius, 1/58 Ohm mm2/m (IEC 60028).
constexpr double copperResistivity = 1.0 / 58.0 * 1e-6; // Ohm m

} // namespace

// N = 10, D = 10 mm; against Nagaoka's current sheet.
void writeSingleLayerCoil(std::FILE* out)
{
    std::fputs("d_over_l,k,nagaoka,k_error,error\n", out);
    for (const double ratio : logSpaced(0.01, 100.0, 81)) {
        const double length = 10.0 / ratio;
        const Report report = inductanceReport(singleLayerCoil, {10.0, 10.0, length, 1.0});
        const double k = report.quantity(u"k")->value;
        const double nagaoka = reference::nagaokaCoefficient(ratio);
        const double exact = reference::currentSheetInductance(10.0, 0.01, length / 1e3);
        writeRow(out, {ratio, k, nagaoka, k / nagaoka - 1.0, report.quantity(u"L")->value / exact - 1.0});
    }
}

// N = 1, Dm = 10 mm; against the winding of uniform current density.
void writeMultiLayerCoil(std::FILE* out)
{
    constexpr double mean = 10.0;
    std::fputs("l_over_dm,c_over_dm,error,warned\n", out);
    for (const double thickness : linearSpaced(0.01, 0.9, 31))
        for (const double length : logSpaced(0.02, 20.0, 49)) {
            const double c = thickness * mean;
            const Report report = inductanceReport(multiLayerCoil, {1.0, mean - c, mean + c, length * mean, 1.0});
            const double exact
                = reference::rectangularWindingInductance(1.0, (mean - c) / 2e3, (mean + c) / 2e3, length * mean / 1e3);
            writeRow(
                out,
                {length, thickness, report.quantity(u"L")->value / exact - 1.0, report.warnings.isEmpty() ? 0.0 : 1.0});
        }
}

// The coil the report dimensions, a Brooks coil of the printed N and C (inner diameter
// 2C, outer 4C, length C), against the wanted inductance, its wire length N 3 pi C and
// the resistance of that much copper wire.
void writeOptimizedCoil(std::FILE* out)
{
    std::fputs("inductance_uh,wire_mm,turns,error,length_error,resistance_error\n", out);
    for (const double wire : logSpaced(0.05, 5.0, 21))
        for (const double microhenry : logSpaced(0.1, 1e5, 37)) {
            const Report report = inductanceReport(optimizedCoil, {microhenry, wire});
            const double turns = report.quantity(u"N")->value;
            const double c = report.quantity(u"C")->value;
            const double exact = reference::rectangularWindingInductance(turns, c, 2.0 * c, c);
            const double wireLength = turns * 3.0 * physics::pi * c;
            const double resistance = copperResistivity * wireLength / (physics::pi * wire * wire / 4e6);
            writeRow(out,
                     {microhenry, wire, turns, microhenry * 1e-6 / exact - 1.0,
                      report.quantity(u"l")->value / wireLength - 1.0,
                      report.quantity(u"R")->value / resistance - 1.0});
        }
}

} // namespace kalvo::accuracy
