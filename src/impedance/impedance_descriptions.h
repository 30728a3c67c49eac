#pragma once

// Texts shown in the result panel of kalvo-impedance: the general notes shown once at
// start-up and the description of each topology, shown when it is chosen.
namespace kalvo::impedance {

inline constexpr const char* startupText
    = "Basic Formulas for Lossless Transmission Lines:\n\n ZL\t= SQR( L' / C' )\n ZL\t= SQR( uo*eo*er ) / C'  =  L' / "
      "SQR( uo*eo*er )\n Tp\t= SQR( L' * C' )\n L'\t= Tp * ZL\n C'\t= Tp / ZL\n Tp\t= Beta / ( 2*PI*f )\n p\t= ( "
      "abs(Zt) - abs(ZL) ) / ( abs(Zt) + abs(ZL) )"
      "\n\n L'\t[H/m]\tLine Inductance per meter\n C'\t[F/m]\tLine Capacitance per meter\n ZL\t[Ohm]\tCharacteristic "
      "Line Impedance  (Lossless Model)\n Tp\t[s/m]\tLine Propagation Delay (Inverse of Propagation speed)\n "
      "Beta\t[rad/m]\tPhase Constant\n f\t[1/s]\tFrequency relating to Phase Constant\n p\t[]\tReflection factor of a "
      "Line terminated with Zt [Ohm]\n uo\t[H/m]\t4*PI*1E-7  Permeability of vacuum\n eo\t[F/m]\t8.854187818E-12  "
      "Permittivity of  vacuum\n er\t[]\tRelative permittivity"
      "\n\nBe aware that the line impedance is quite frequency dependent,\nbut int the region of digital signals the "
      "lossles model will suit in most cases."
      "\n\nMeasurement of the Wire Impedance when L/C is dominant (MHz...low GHz region):\n* You need an Inductance "
      "and a Capacitance meter\n* Take a sample of the cable\n* Short the end and measure the Inductance\n* Open the "
      "end and measure the capacitance\n* If posssible adjust the sample length to suit the measurement range\n  of "
      "the meter and redo the measurements\nZ = SQR(L/C)  -> L and C must have been measured with the same sample "
      "length!"
      "\n\nEffect of Capacitive Loading:\nGenerally load capacitances lower the characteristic line "
      "impedances.\nZeff\t= ZL / SQR( 1 + ( Cload / Cline) )\nZeff\t[Ohm]\tEffecive Line Impedance with capacitive "
      "loading\nZL\t[Ohm]\tNominal characteristic Line Impedance\nCload\t[F]\tParasitic load "
      "Capacitance\nCline\t[F]\tLine Capacitance"
      "\n\nVia-Groundplane Capacitance with er=4.3 ( This is an approximation only! )\nCvia\t[pF]\t= 0.2 * n *d1 / ( "
      "d2-d1 )\nn\t[]\tNumber of Grundplanes\nd1\t[mm]\tVia Hole Diameter\nd2\t[mm]\tVia Clearance Diameter in "
      "Groundplane";

inline constexpr const char* microstripDescription
    = "Microstrip Topology\n\nd\t[mm]\ttrace height\nw\t[mm]\ttrace width\nt\t[um]\ttrace thickness (Use 35 for common "
      "1OZ PCB)\ner\t[]\trelative permittivity\n\n 0\t< t/d\t< 0.2\n 0.1\t< w/d\t< 20\n 0\t< er\t< 16 \n\nFormula "
      "from:\n"
      "I. J. Bahl and R. Garg,\n"
      "\"Simple and accurate formulas for a microstrip with finite strip thickness\",\n"
      "Proceedings of the IEEE, vol. 65, 1977, pp. 1611-1612.";

inline constexpr const char* striplineDescription
    = "Stripline Topology\n\nb\t[mm]\tseparation between ground planes\nw\t[mm]\ttrace width\nt\t[um]\ttrace thickness "
      "(Use 35 for common 1OZ PCB)\ner\t[]\trelative permittivity\n\n t/b\t< 0.25\n t/w\t< 0.25\n er\tis unrestricted "
      "\n\nFormula from:\n"
      "S. B. Cohn,\n"
      "\"Characteristic Impedance of the Shielded-Strip Transmission Line\",\n"
      "IRE Transactions on Microwave Theory and Techniques, vol. MTT-2, July 1954, pp. 52-57.";

inline constexpr const char* offsetStriplineDescription
    = "Offset Stripline Topology\n\nh1\t[mm]\tTrace headroom below upper ground plane\nh2\t[mm]\tTrace height above "
      "lower ground plane\nw\t[mm]\tTrace width\nt\t[um]\tTrace thickness (Use 35 for common 1OZ "
      "PCB)\ner\t[]\tRelative permittivity\n\n No accuracy is granted.\n\n"
      "Formulas from:\n"
      "Seymour: two centred striplines in parallel, each by Cohn's shielded-strip formulas\n"
      "Hogan: the air striplines of both gaps in parallel (Cohn) with an offset correction";

inline constexpr const char* wireAboveGroundDescription
    = "Wire above Ground  (Wire-Wrap, etc.)\n\nd\t[mm]\tWire diameter\nh\t[mm]\tHeight of wire above "
      "ground\ner\t[]\tRelative permittivity (use 1 for air)";

inline constexpr const char* twistedPairDescription
    = "Twisted Pair, Ribbon Cable etc.\n\nd\t[mm]\tWire diameter\nS\t[mm]\tSeparation between wires (and diameter of "
      "one wire)\ner\t[]\tRelative permittivity (use 1 for a full air cable)\nT\t[1/m]\tNumber of twists per meter "
      "(use 0 for untwisted cable) (for Lefferson formula only)"
      "\n\nFormulas from:\n"
      "P. Lefferson, \"Twisted Magnet Wire Transmission Line\",\n"
      "IEEE Transactions on Parts, Hybrids, and Packaging, vol. PHP-7, 1971."
      "\n\n"
      "Broxon and Linkhart: capacitance of a pair of insulated wires,\n"
      "evaluated by numerical integration (third formula)";

inline constexpr const char* coaxDescription = "Coax Cable Topology\n\nd1\t[mm]\tInner wire diameter\nd2\t[mm]\tShield "
                                               "diameter\ner\t[]\tRelative permittivity of inner insulation";

inline constexpr const char* skinEffectDescription
    = "Skin effect calculation\n\nd\t[mm]\tWire diameter\nrho\t[Ohm*mm2/m] Bulk resistivity (use 0.0175 for "
      "copper)\nur\t[]\tRelative magnetic permeability\n\t\t( Use 1 for nonmagnetic materials like copper,aluminium... "
      ")\nf\t[Hz]\tFrequency of interest";

inline constexpr const char* embeddedMicrostripDescription
    = "Embedded Microstrip Topology\n\nb\t[mm]\ttrace height\nb1\t[mm]\tepoxy height\nw\t[mm]\ttrace "
      "width\nt\t[um]\ttrace thickness (Use 35 for common 1OZ PCB)\ner\t[]\trelative permittivity\n\n"
      "Formula 1 from:  Bahl and Garg (see Microstrip), with the effective permittivity\n"
      "raised towards er by the cover: eemb = (1-y)*er + y*eeff, y = exp(-2*(b1-b)/b)\n\n"
      "Formula 2 from:  IPC-D-317A (Modified)\n"
      "b1\t> 1.2*b\n"
      "er\t1...15\n"
      "\nFor both formulas no accuracy is granted.";

inline constexpr const char* differentialDescription
    = "Differential Impedance Calculation\n\nd\t[mm]\ttrace height or separation between ground planes\nS\t[mm]\ttrace "
      "separation\nZo\t[Ohm]\tImpedance of one Microstrip or Stripline (Use the tools above for calulation of Zo)"
      "\n\nNo accuracy is granted.";

} // namespace kalvo::impedance
