#pragma once

// Texts shown in the result panel of kalvo-ee: the start-up text and one description
// per topology.
namespace kalvo::ee {

inline constexpr const char* startupText
    = "Risetime & Co\n\n Tr = 0.338/F3db\t10-90% Risetime of Gaussinan impulse response Systems (Oscilloscopes)\n\n Tr "
      "= 0.361/Frms\t10-90% Risetime for RMS or equivalent noise bandwith\n\n Tr = 2.2*L/R\t\tLR Filter\n Tr = "
      "2.2*R*C\t\tRC Filter\n Tr = 3.4*sqrt(L*C)\tRLC Filter critically damped (Q=1)\n\n Trc\t= sqrt( Tr1^2 + Tr2^2 + "
      "..... Trn^2 )\t\t\tComposite Risetime\n\n Tract\t= sqrt( Trmeasured^2 - Trprobe^2 - Trscope^2 )\tActual "
      "Risetime estimation";

inline constexpr const char* scopeProbeDescription
    = "Oscilloscope Probe Effects\n\nLp\t[nH]\tProbe GND loop inductance (Approx. 10nH/cm, 25nH/in)\nCp\t[pF]\tProbe "
      "Capacitance\nRs\t[Ohm]\tSource Resistance (Use 30 Ohms for common CMOS Outputs)\nPp\t[MHz]\tProbe Passband "
      "limit (Tr=0.35/Pp)\n";

inline constexpr const char* boardCrosstalkDescription
    = "Board Crosstalk Estimation (Inductive)\n\nTr\t[ns]\tSource Risetime\nUr\t[V]\tSource Voltage "
      "span\nCl\t[pF]\tLoad Capacitance\nZo\t[Ohm]\tLine Impedance\nLm\t[nH]\tMutual Inductance\n\n ***   Worst "
      "Inductive Crosstalk in Solid Groundplanes\t\t\t\t***\n ***   Worst_Crosstalk = 1/( 1 + (D/H)^2 "
      ")\t\t\t\t\t\t***\n ***   D: [mm] Wire separation   H: [mm] Heigth of wires above groundplane\t***\n\n In Solid "
      "Groundplanes, Capacitive and Inductive Crosstalk is about equal.\n In most other situations, inductive "
      "crosstalk is dominant.\n Far end crosstalk is always smaller than near end crosstalk,\n but reflected far end "
      "Crosstalk is quite common.\n Crosstalk is not line length dependent when the line length is\n longer than the "
      "risetime length.";

inline constexpr const char* cableCrosstalkDescription
    = "Cable Crosstalk (Inductive)\n\nd1\t[mm]\tCable1 wire separation\nd2\t[mm]\tCable2 wire "
      "separation\nX\t[mm]\tCable separation\nZo\t[Ohm]\tCharacteristic Cable Impedance (Source)\nPd\t[ns/m]\tCable "
      "propagation delay (Source)\n\n";

inline constexpr const char* ribbonCrosstalkDescription
    = "Ribbon cable crosstalk\n\n X\t[mm]\tAverage Signal separation\n Xo\t[mm]\tAverage Signal-GND separation\n "
      "K\t[]\tCable dependent coefficient: use 0.04 ... 0.10\n\n \n Its assumed that Grounds are evenly distributed.\n "
      "In ribbon cables inductive and capacitive crosstalk are about the same level.\n Do not expect much improvement "
      "when signal wires lie together:\n -> Massive capacitive crosstalk!\n Doubling the number of grounds gets a "
      "crosstalk improvement of factor 4.";

inline constexpr const char* bulkDecouplingDescription
    = "Bulk Decoupling Capacitor for CMOS logic\n\n Cl\t[pf]\tCumulated load Capacity of all digital outputs\n "
      "Uo\t[V]\tLogic supply voltage\n Tr\t[ns]\tAverage Risetime of digital outputs\n du\t[mV]\tMaximum allowed "
      "supply voltage drop\n\t\t(Use about 100mV for common logic. Watch out for ESR)\n Lp\t[nH]\tPower supply wire "
      "Inductance\n\nTake also some voltage drop from bulk capacity ESR and supply wire resistance into "
      "account!\n\nMany CMOS Integrated Circuits produce large supply current transients from the internal "
      "logic!\nPlease refer to the Datasheet for a recommended decoupling of the IC";

inline constexpr const char* hfDecouplingDescription
    = "HF decoupling Capacitor calculation for CMOS logic\n\nXmax\t[Ohm]\tMaximum allowed Supply impedance (Use "
      "previous tool to determine)\nLb\t[nH]\tBulk Capacitor series Inductance\n\t\t( SMT: 2-10nH, through-hole: "
      "20-500nH )\nLd\t[nH]\tSeries Inductance of one HF Capacitor\n\t\t( SMT ceramic: 1-2 nH, through hole: 4-10nH "
      ")\nTr\t[ns]\tDigital output Risetime\n\nTake also some voltage drop from HF capacity ESR and Distribution "
      "wiring into account!\n\nMany CMOS Integrated Circuits produce large supply current transients from the internal "
      "logic!\nPlease refer to the Datasheet for a recommended decoupling of the IC";

inline constexpr const char* digitalSpectrumDescription
    = "Frequency spectrum calculation of a random digital signal clocked with T.\n\nT\t[ns]\tClock periode of "
      "signal\nTa\t[ns]\tRise and fall time of signal (10-90%)\n\nThese calculations are not exact but they give a "
      "good signal spectrum overview.";

inline constexpr const char* digitalLineDescription
    = "Digital Line\n\nL\t[nH/m]\tLine Indctance per meter\nC\t[pF/m]\tLine capacitance per meter\nd\t[mm]\tLine "
      "distance\nTa\t[ns]\tSource rise and fall time";

inline constexpr const char* platinumRtdDescription
    = "Platinum RTD Calculation\n\nR\t[Ohm]\t\tRTD Resistance\t-> Use either R or T\nT\t[°C]\t\tRTD Temperature\t-> "
      "Use either R or T\nRo\t[Ohm]\t\tRTD Resistance at 0°C\nAlpha\t[ppm/K]\tRTD Temperature coefficient to EN60751: "
      "Choose 3750 or 3770 or 3850"
      "\n\nPlatinum RTD formula:\nRt\t= Ro * ( 1 + a*T + b*T^2 )\t\t\t\tfor 0...850°C\nRt\t= Ro * ( 1 + a*T + b*T^2 + "
      "c*( T-100°C )*T^3 )\tfor 0...-200°C"
      "\n\nSimple formulas:\ndR\t= Ro * a * (T-To)\tResistance change\nRt\t= Ro * ( 1+a*(T-To) )\tResistance at "
      "T\ndT\t= (Rt-Ro) / (a*Ro)\tTemperature difference";

} // namespace kalvo::ee
