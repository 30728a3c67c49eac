#pragma once

// Texts shown in the result panel of kalvo-inductance: the welcome text at start and
// the description of each topology when it is chosen.
namespace kalvo::inductance {

inline constexpr const char* welcomeText
    = "\n Inductance of a simple wire is about  10nH/cm  or  1uH/m,\n for wires with diameter >1.5mm L = 6nH/cm.\n\n "
      "Basic Inductance behavior:\n\n L\t=\tN^2 * uo * ur * A / l\n\n N\t[]\tNumber of Windings around magnetical "
      "path\n uo\t[H/m]\tMagnetic permeability of air ( 4*PI*1E-7 )\n ur\t[]\tRelative magnetic permeability\n\t\t( "
      "Use 1 for nonmagnetic materials like copper,aluminium... )\n A\t[m2]\tMagnetical path cross area\n "
      "l\t[m]\tMagnetical path length";

inline constexpr const char* circularLoopDescription
    = "Circular Loop Inductance\n\nd\t[mm]\tWire diameter\nx\t[mm]\tLoop diameter";

inline constexpr const char* rectangularLoopDescription
    = "Rectangular Loop Inductance\n\nd\t[mm]\tWire diameter\nx\t[mm]\tLoop Length\ny\t[mm]\tLoop with";

inline constexpr const char* loopMutualDescription
    = "Mutual Inductance of two Loops\n\nA1\t[mm2]\tLoop1 surface area\nA2\t[mm2]\tLoop2 surface area\nr\t[mm]\tLoop "
      "center separation\n\nFor acceptable accuracy look that  r>SQR(A1)  and  r>SQR(A2).\n\nIt is assumed that the "
      "loops are flat and parallel oriented for maximum coupling."
      "\n\n"
      " Within 20% of coaxial circular loops where r^2 > 2.5*(A1+A2)\n"
      " (r > 2.24*SQR(A) for equal loops); the report warns closer.";

inline constexpr const char* lineMutualDescription
    = "Mutual Inductance of parallel Transmission lines\n\ns\t[mm]\tSeparation between wire centers\nh\t[mm]\tHeight "
      "of wire above ground\nL\t[nH/m]\tInductance per meter of one Transmission Line\n\t\t(Use impedance kalvo for "
      "calculation)\nx\t[mm]\tLength of parallel span\n\nThe Transmission lines are assumed to be identical.\nThe "
      "Transmission lines may be round or square.";

// k fits Nagaoka's coefficient of a current sheet to within 0.93 % for D/l from 0.01 to 100.
inline constexpr const char* singleLayerCoilDescription
    = "Single Layer Coil Inductance\n\nN\t[]\tNumber of coil windings\nD\t[mm]\tCoil diameter\nl\t[mm]\tCoil "
      "length\nur\t[]\tRelative magnetic coil core permeability\n\t\t( Use 1 for nonmagnetic materials like "
      "copper,aluminium... )\n\n Formula is accurate for a close wounded single layer air coil as shown in the "
      "picture.\n Broader wounded coils will have less inductance than calculated."
      "\n\n"
      " Empirical fit to Nagaoka's coefficient (within 1% for D/l from 0.01 to 20)\n"
      " Accuracy 5..25%";

inline constexpr const char* multiLayerCoilDescription
    = "Multi Layer Coil Inductance\n\nN\t[]\tNumber of coil windings\nD1\t[mm]\tInner Coil diameter\nD2\t[mm]\tOuter "
      "Coil diameter\nl\t[mm]\tCoil length\nur\t[]\tRelative magnetic coil core permeability\n\t\t( Use 1 for "
      "nonmagnetic materials like copper,aluminium... )\n\n Formula is accurate for a close wounded air coil as shown "
      "in the picture.\n"
      " Empirical formula, Accuracy 5..20%\n"
      " Within 20% of the exact value for 0.3 <= l/Dm < 1, and for l >= Dm with c <= 0.3*Dm\n"
      " (Dm mean diameter, c winding thickness); the report warns where it is worse.";

// The proportions (length and thickness C, inner diameter 2C, outer diameter 4C) are
// those of the Brooks coil.
inline constexpr const char* optimizedCoilDescription
    = "DC resistance & size/weight optimized Multi Layer Air Coil Inductor\n\nL\t[uH]\tDesired "
      "inductance\nd\t[mm]\tWire diameter\n\n Wire material is copper.\n"
      " Formula after Brooks (Brooks coil): most inductance for a given length of wire.";

inline constexpr const char* toroidDescription
    = "Toroid Inductance\n\nD\t[mm]\tAverage toroid diameter\nd\t[mm]\tCore cross section with or core "
      "diameter\nh\t[mm]\tCore cross section heigth\nN\t[]\tNumber of windings\nur\t[]\tRelative magnetic coil core "
      "permeability\n\t\t( Use 1 for nonmagnetic materials like copper,aluminium... )\n\n For air toroids (ur around "
      "1) the cross section area includes half of the wire winding size.\n For magnetically active cores (ur high) use "
      "the exact core dimensions as shown in the picture.";

inline constexpr const char* shieldingDescription
    = "HF shielding effect\n\nd\t[mm]\tShield thickness\nrho\t[Ohm*mm2/m] Shield bulk resistivity (Use 0.0175 for "
      "copper)\nur\t[]\tRelative magnetic permeability\n\t\t( Use 1 for nonmagnetic materials like copper,aluminium... "
      ")\nf\t[Hz]\tFrequency of interest\ns\t[mm]\tSlot length in shielding material\n\n Do not mistake this effect "
      "with low frequency magnetic shielding\n which requires a ferromagnetic material.\n\n Multiple Slots will "
      "further degrade shielding effect by square root of the number of slots.\n S\t= -10*Log10(N) [db]\tShield "
      "degradation caused by multiple parallel slots\n N\t[]\t\t\tNumber of parallel slots";

} // namespace kalvo::inductance
