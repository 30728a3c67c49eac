#include "study.h"

#include "conductor_attenuation.h"
#include "en60751.h"
#include "platinum_rtd.h"
#include "report_values.h"
#include "toroid.h"

namespace kalvo::accuracy {
namespace {

constexpr int toroid = 8;
constexpr int shielding = 9;

} // namespace

// d = 1 mm, h = 1 mm, N = 10; against the exact toroids.
void writeToroid(std::FILE* out)
{
    std::fputs("d_mean_over_d_core,round_error,rectangular_error\n", out);
    for (const double ratio : logSpaced(1.02, 100.0, 61)) {
        const Report report = inductanceReport(toroid, {ratio, 1.0, 1.0, 10.0, 1.0});
        const double round = reference::roundToroidInductance(10.0, ratio / 1e3, 1e-3);
        const double rectangular = reference::rectangularToroidInductance(10.0, ratio / 1e3, 1e-3, 1e-3);
        writeRow(
            out,
            {ratio, report.quantity(u"L1")->value / round - 1.0, report.quantity(u"L2")->value / rectangular - 1.0});
    }
}

// A 1 mm sheet, ur = 1, no slot; the attenuation in dB against the exact propagation
// constant of the conductor with its displacement current.
void writeShielding(std::FILE* out)
{
    std::fputs("frequency,resistivity,skin_depths,error\n", out);
    for (const double resistivity : logSpaced(0.01, 1e5, 36))
        for (const double frequency : logSpaced(1e3, 1e11, 33)) {
            const Report report = inductanceReport(shielding, {1.0, resistivity, 1.0, frequency, 0.0});
            const double exact = reference::conductorAttenuationDecibel(1e-3, resistivity * 1e-6, 1.0, frequency);
            const double depths = 1e-3 / report.quantity(u"ds")->value;
            writeRow(out, {frequency, resistivity, depths, -report.quantity(u"Hx/Ho_dB")->value / exact - 1.0});
        }
}

// Each coefficient set's resistance against EN 60751, as the temperature error it makes
// (degrees Celsius); and the temperature the EN 60751 set finds for the standard's
// resistance, as the report finds it (closed form at and above 0, bisection below).
void writePlatinumRtd(std::FILE* out)
{
    std::fputs("celsius,set3750,set3770,set3850,inversion3850\n", out);
    const physics::RtdCoefficients& standard = *physics::rtdCoefficients(3850);
    for (const double t : linearSpaced(-200.0, 850.0, 211)) {
        const double exact = reference::en60751Ratio(t);
        const double slope = (reference::en60751Ratio(t + 1e-3) - reference::en60751Ratio(t - 1e-3)) / 2e-3;
        const auto deviation = [&](int alpha) {
            return (physics::resistanceRatio(*physics::rtdCoefficients(alpha), t) - exact) / slope;
        };
        const double r = 1000.0 * exact;
        const double found = r >= 1000.0 ? physics::quadraticTemperature(standard, 1000.0, r)
                                         : physics::subZeroTemperature(standard, 1000.0, r)->temperature;
        writeRow(out, {t, deviation(3750), deviation(3770), deviation(3850), found - t});
    }
}

} // namespace kalvo::accuracy
