#include "conductor_attenuation.h"

#include "constants.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace kalvo::reference {

double conductorAttenuationConstant(double resistivity, double relativePermeability, double frequency)
{
    const double omega = physics::twoPi * frequency;
    const std::complex<double> admittance(1.0 / resistivity, omega * physics::eps0);
    const std::complex<double> impedance(0.0, omega * physics::mu0 * relativePermeability);
    return std::sqrt(impedance * admittance).real();
}

double conductorAttenuationDecibel(double thickness, double resistivity, double relativePermeability, double frequency)
{
    return 20.0 * std::numbers::log10e * conductorAttenuationConstant(resistivity, relativePermeability, frequency)
        * thickness;
}

} // namespace kalvo::reference
