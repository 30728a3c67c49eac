#pragma once

// Texts shown in the result panel when a kalvo-rc topology is chosen.
namespace kalvo::rc {

inline constexpr const char* rcDescription
    = "RC Topology  R [Ohm], C [F]\n\nRC formulas for serial RC\nwith Ua over C and Ue over RC.\n\nCharging RC: Step "
      "0V --> Ue\nUa\t= Ue * (1 - e^( -t / T ) )\nt\t= -R*C * Ln( 1 - Ua/Ue )\n\nDecharging RC: Step Ue --> 0V\nUa\t= "
      "Ue * e^( -t / T )\nt\t= -R*C * Ln( Ua / Ue )\n\nT\t= R*C";

inline constexpr const char* serialRlcDescription = "Serial RLC Topology\n\nR\t[Ohm]\nC\t[F]\nL\t[H]";

inline constexpr const char* doublePoleDescription
    = "Double Pole Topology\n\nRE\t[] Real Part\nIM\t[] Conjugate complex imaginary part\nRE2\t[] Second real part of "
      "a double real pole\n\nTo set a double real pole, set IM-field to zero or leave it empty.";

inline constexpr const char* singlePoleDescription = "Single Pole Topology\n\nRE\t[] Real Part";

inline constexpr const char* groundplaneDescription
    = "Calculation of Groundplane resistance between two contacts\nCalculation of disc resistance\n\nX\t[mm] Space "
      "between contacts or disc diameter\nd1\t[mm] Diameter of contact1 or disc contact (Ideal conductor "
      "assumed)\nd2\t[mm] Diameter of contact2 (Ideal conductor assumed)\nd3\t[um] Thickness of plane (35 for common "
      "PCBs)\nTemp\t[Celsius] Plane temperature\n\nMaterial is copper.\nThe calculation is not very accurate: If the "
      "contacts lay near any edge of the plane,\nthe resistance may rise by a factor of two, near corners even more!\n";

inline constexpr const char* tMatchDescription
    = "T Impedance matching network calculation\n\nd\t[dB] Network loss in dezibel, must be a negative number. "
      "d=dB(Ua/Ue)\nZe\t[Ohm] Source impedance\nZa\t[Ohm] Load impedance\n\nNote that dependent of Ze/Za a certain "
      "level of network loss is always there.\nRC Kalvo will also show you \"dmax\", the lowest possible network loss "
      "for a given Ze/Za pair."
      "\n\nComplex inputs are also possible, but then no \"dmax\" will be calculated and accuracy is limited.";

inline constexpr const char* piMatchDescription
    = "PI Impedance matching network calculation\n\nd\t[dB] Network loss in dezibel, must be a negative number. "
      "d=dB(Ua/Ue)\nZe\t[Ohm] Source impedance\nZa\t[Ohm] Load impedance\n\nNote that dependent of Ze/Za a certain "
      "level of network loss is always there.\nRC Kalvo will also show you \"dmax\", the lowest possible network loss "
      "for a given Ze/Za pair."
      "\n\nComplex inputs are also possible, but then no \"dmax\" will be calculated and accuracy is limited.";

inline constexpr const char* mtbfDescription
    = "Basic MTBF estimation & conversion\n\nMTBF\t[h]\t\tMTBF of Unit\t\t-> Use either MTBF or FIT "
      "\nFIT\t[1/1e9h]\tFailure rate of Unit\t-> Use either MTBF or FIT \nt\t[h]\t\tRuntime of Unit "
      "\nT1\t[C]\t\tTemperature @ given MTBF/FIT of Unit \nT2\t[C]\t\tTemperature @ Runtime of Unit\n"
      "Ea\t[eV]\t\tActivation energy: use 0.7 for unknown semiconductors\n\t\t\tIf left open, a live-double every 10 "
      "Degrees is calculated,\n\t\t\tthis is convenient for Electrolytic Capacitors\n\n"
      "Most electronic elements shorten their live if exposed to elevated temperatures.\nAs a rule of thumb every ten "
      "degree celsius the MTBF is cut to half.\nEspecially electrolytic capacitors and power semiconductors "
      "at\nelevated temperatures are prone to fail.\n\n"
      "Lambda\t= no. of failures / cummulated working hours of the units [1/h]\n"
      "FIT\t\t= Lambda*1e9 [1/1e9h]\n"
      "MTBF\t\t= cummulated working hours of the units / no. of failures [h]\n"
      "MTBF\t\t= 1/Lambda\t\t= 1e9/FIT [h]\n"
      "Lambda_unit= Sum(Lambda_i) | i=1...N\nThat means that the failure rate of a unit can be estimated\nby adding "
      "the failure rates of the unit's components.\n\n"
      "Lambda\t: Failure rate of a unit in 1/h\nIf Lambda =0.1 that means the unit breaks down every 1/0.1=10 "
      "hours\nor the probability is 0.1=10% to break down after one hour workung live.\n\n"
      "FIT\t: Failure rate of a unit in 1/1e9h\nIf FIT =1 that means the unit breaks down every 1e9 hours\n"
      "If FIT =10 that means the unit breaks down every 1e9/10=1e8 hours\n"
      "If FIT =10 that means the unit encountered 10 breakdowns in 1e9 hours\n\n"
      "MTBF\t: Mean time between failures in h\nIf MTBF =1000h that means after 1000h working live 63% of the units "
      "have broken down\n(exponential failure distribution assumed)\n\n"
      "Typical FIT values for electronic components @ 25C\n"
      "Use the values with extreme caution, e.g. some\nSMD components may be much better than estimated.\n"
      "0.1...1\tSolder joint\n"
      "0.3...2\tMetal film Resistor\n"
      "0.5...5\tCarbon film Resistor\n"
      "3.0\tSilicon diode\n"
      "1...10\tSilicon signal Transistor\n"
      "1...25\tCeramic capacitor (higher value with higher capacity)\n"
      "10\tFoil capacitor\n"
      "10\tIC socket contact (per contact)\n"
      "10\tPlug Contact (not frequently used, not mechanically stressed)\n"
      "40\tTantal Capacitor\n"
      "50\tSilicon power diode\n"
      "5...100\tSilicon power transistor (higher value if stressed harder at the limits)\n"
      "10...100\tIntegrated circuit (SSI)\n"
      "10...200\tIntegrated circuit (MSI/LSI)\n"
      "200...1000\tRelais, Transformator\n"
      "200\t\tPotentiometer\n"
      "100...1000\tAluminium electrolytic capacitor (strongly dependent on temperature and ripple current)";

} // namespace kalvo::rc
