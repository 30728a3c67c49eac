#include "current_capacity.h"

#include "copper.h"

#include <cmath>

namespace kalvo::pcb {
namespace {

constexpr double brooksAdamFactor = 215.3;
constexpr double brooksAdamWidthExponent = 1.15;

constexpr double ipc2221RiseExponent = 0.44;
constexpr double ipc2221AreaExponent = 0.725;

double ipc2221Factor(Layer layer)
{
    return layer == Layer::Outer ? 0.048 : 0.024;
}

double mils(double metres)
{
    return metres / metresPerMil;
}

} // namespace

double ipc2152TemperatureRise(double current, double width, double thickness)
{
    return brooksAdamFactor * current * current * std::pow(mils(width), -brooksAdamWidthExponent) / mils(thickness);
}

double ipc2152Width(double current, double rise, double thickness)
{
    const double widthTerm = brooksAdamFactor * current * current / (rise * mils(thickness));
    return std::pow(widthTerm, 1.0 / brooksAdamWidthExponent) * metresPerMil;
}

double ipc2152Current(double rise, double width, double thickness)
{
    return std::sqrt(rise * std::pow(mils(width), brooksAdamWidthExponent) * mils(thickness) / brooksAdamFactor);
}

double ipc2221Current(double rise, double area, Layer layer)
{
    return ipc2221Factor(layer) * std::pow(rise, ipc2221RiseExponent)
        * std::pow(area / squareMetresPerSquareMil, ipc2221AreaExponent);
}

double ipc2221Area(double current, double rise, Layer layer)
{
    const double areaTerm = current / (ipc2221Factor(layer) * std::pow(rise, ipc2221RiseExponent));
    return std::pow(areaTerm, 1.0 / ipc2221AreaExponent) * squareMetresPerSquareMil;
}

double ipc2221TemperatureRise(double current, double area, Layer layer)
{
    const double riseTerm
        = current / (ipc2221Factor(layer) * std::pow(area / squareMetresPerSquareMil, ipc2221AreaExponent));
    return std::pow(riseTerm, 1.0 / ipc2221RiseExponent);
}

double onderdonkFusingCurrent(double area, double seconds, double ambient)
{
    const double heating = std::log10(1.0 + (copperMeltingPoint - ambient) / (234.0 + ambient));
    return area / squareMetresPerCircularMil * std::sqrt(heating / (33.0 * seconds));
}

double copperResistance(double length, double area, double temperature)
{
    const double warming = 1.0 + copperTemperatureCoefficient * (temperature - resistanceReferenceTemperature);
    return copperResistivity * warming * length / area;
}

} // namespace kalvo::pcb
