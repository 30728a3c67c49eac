#include "match_network.h"

#include "match_engine_path.h"

#include <cmath>

namespace kalvo::rc {
namespace {

// The three resistors of a network, R2 being the middle one.
struct Elements {
    double r1;
    double r2;
    double r3;
};

// The inputs as both paths read them.
struct MatchInputs {
    double d = 0.0; // loss in dB, negative: d = 20 log10(Ua/Ue)
    double ze = 0.0; // source impedance
    double za = 0.0; // load impedance
    bool plainNumbers = false;
    double p = 0.0; // voltage ratio Ua/Ue
    double di = 0.0; // 1 / p
    double k = 0.0; // Za / Ze
};

MatchInputs readInputs(const CalculationInput& input)
{
    MatchInputs in;
    in.d = input.value(1);
    bool zeIsNumber = false;
    bool zaIsNumber = false;
    in.ze = input.value(2, zeIsNumber);
    in.za = input.value(3, zaIsNumber);
    in.plainNumbers = zeIsNumber && zaIsNumber;
    in.p = std::pow(10.0, in.d / 20.0);
    in.di = 1.0 / in.p;
    in.k = in.za / in.ze;
    return in;
}

Elements tElements(const MatchInputs& in)
{
    const double di = in.di;
    const double k = in.k;
    return {in.za * (di * k * (di - 2.0) + 1.0) / (k * (di * di * k - 1.0)), in.za * 2.0 * di / (di * di * k - 1.0),
            in.za * (di * (di * k - 2.0) + 1.0) / (di * di * k - 1.0)};
}

Elements piElements(const MatchInputs& in)
{
    const double di = in.di;
    const double k = in.k;
    return {in.ze * (di * di * k - 1.0) / (di * (di * k - 2.0) + 1.0), in.ze * (di * di * k - 1.0) / (2.0 * di),
            in.ze * k * (di * di * k - 1.0) / (k * di * (di - 2.0) + 1.0)};
}

// The largest voltage ratio a network can reach for the impedance ratio k.
double largestRatio(double k)
{
    return k < 1.0 ? k / (1.0 + std::sqrt(1.0 - k)) : 1.0 / (1.0 + std::sqrt((k - 1.0) / k));
}

Report realReport(const MatchInputs& in, const Elements& elements, const CalculationInput& input)
{
    const double kmax = largestRatio(in.k);
    const double dmax = 20.0 * std::log10(kmax);
    ReportBuilder report(input.format, input.detail);
    report << "\nd\t= ";
    report.number("d", in.d, units::decibel) << "\t[db] or ";
    report.number("d_ratio", in.p, units::ratio) << "[]\nZe\t= ";
    report.number("Ze", in.ze, units::ohm) << "\t[Ohm]\nZa\t= ";
    report.number("Za", in.za, units::ohm) << "\t[Ohm]\ndmax\t= ";
    report.number("dmax", dmax, units::decibel) << "\t[dB] or ";
    report.number("dmax_ratio", kmax, units::ratio) << "[]\n\n";
    if (!(in.p <= kmax)) {
        report.warning(QStringLiteral("No Possible Solution, choose lower d"));
        return report.take();
    }
    report.warning(QStringLiteral("Possible Solution:"));
    report.block(QStringLiteral("Possible Solution"));
    report << "\nR1   = ";
    report.number("R1", elements.r1, units::ohm) << "\t[Ohm]\nR2   = ";
    report.number("R2", elements.r2, units::ohm) << "\t[Ohm]\nR3   = ";
    report.number("R3", elements.r3, units::ohm) << "\t[Ohm]";
    return report.take();
}

Report matchReport(const CalculationInput& input, Network network)
{
    const MatchInputs in = readInputs(input);
    if (!in.plainNumbers)
        return complexMatchReport(input, network, in.d, in.p, in.di);
    return realReport(in, network == Network::T ? tElements(in) : piElements(in), input);
}

} // namespace

Report tMatchReport(const CalculationInput& input)
{
    return matchReport(input, Network::T);
}

Report piMatchReport(const CalculationInput& input)
{
    return matchReport(input, Network::Pi);
}

} // namespace kalvo::rc
