#pragma once

// A plane field entering a conducting sheet of resistivity rho [Ohm m] and relative
// permeability ur at frequency f [Hz] decays as exp(-alpha x), alpha the real part of the
// propagation constant sqrt(j w mu (sigma + j w eps0)), the displacement current kept.
namespace kalvo::reference {

// alpha [1/m].
double conductorAttenuationConstant(double resistivity, double relativePermeability, double frequency);

// The field attenuation through thickness d [m] in dB: 20 log10(e) alpha d.
double conductorAttenuationDecibel(double thickness, double resistivity, double relativePermeability, double frequency);

} // namespace kalvo::reference
