#pragma once

// The units reports print and input fields are typed in, each with the factor that
// turns a number in that unit into the SI unit quantities are kept in.
namespace kalvo {

struct Unit {
    const char* shown = ""; // as printed or typed ("mm", "nH/m"); "" for a plain number
    const char* si = "1"; // the SI unit ("m", "H/m"; "1" for a plain ratio)
    double scale = 1.0; // SI value = value in this unit * scale
};

namespace units {

inline constexpr Unit none{"", "1", 1.0};
inline constexpr Unit ratio = none;

inline constexpr Unit ohm{"Ohm", "Ohm", 1.0};
inline constexpr Unit milliohm{"mOhm", "Ohm", 1e-3};
inline constexpr Unit kiloohm{"kOhm", "Ohm", 1e3};
inline constexpr Unit megaohm{"MOhm", "Ohm", 1e6};

inline constexpr Unit henry{"H", "H", 1.0};
inline constexpr Unit millihenry{"mH", "H", 1e-3};
inline constexpr Unit microhenry{"uH", "H", 1e-6};
inline constexpr Unit nanohenry{"nH", "H", 1e-9};
inline constexpr Unit picohenry{"pH", "H", 1e-12};
inline constexpr Unit nanohenryPerMetre{"nH/m", "H/m", 1e-9};

inline constexpr Unit farad{"F", "F", 1.0};
inline constexpr Unit microfarad{"uF", "F", 1e-6};
inline constexpr Unit nanofarad{"nF", "F", 1e-9};
inline constexpr Unit picofarad{"pF", "F", 1e-12};
inline constexpr Unit picofaradPerMetre{"pF/m", "F/m", 1e-12};

inline constexpr Unit second{"s", "s", 1.0};
inline constexpr Unit millisecond{"ms", "s", 1e-3};
inline constexpr Unit microsecond{"us", "s", 1e-6};
inline constexpr Unit nanosecond{"ns", "s", 1e-9};
inline constexpr Unit picosecond{"ps", "s", 1e-12};
inline constexpr Unit nanosecondPerMetre{"ns/m", "s/m", 1e-9};
inline constexpr Unit hour{"h", "s", 3600.0};

inline constexpr Unit hertz{"Hz", "Hz", 1.0};
inline constexpr Unit kilohertz{"kHz", "Hz", 1e3};
inline constexpr Unit megahertz{"MHz", "Hz", 1e6};
inline constexpr Unit gigahertz{"GHz", "Hz", 1e9};

inline constexpr Unit metre{"m", "m", 1.0};
inline constexpr Unit centimetre{"cm", "m", 1e-2};
inline constexpr Unit millimetre{"mm", "m", 1e-3};
inline constexpr Unit micrometre{"um", "m", 1e-6};
inline constexpr Unit squareMillimetre{"mm2", "m2", 1e-6};

inline constexpr Unit volt{"V", "V", 1.0};
inline constexpr Unit millivolt{"mV", "V", 1e-3};
inline constexpr Unit ampere{"A", "A", 1.0};
inline constexpr Unit milliampere{"mA", "A", 1e-3};
inline constexpr Unit watt{"W", "W", 1.0};
inline constexpr Unit milliwatt{"mW", "W", 1e-3};

inline constexpr Unit degreeCelsius{"°C", "degC", 1.0};
inline constexpr Unit kelvin{"K", "K", 1.0};
inline constexpr Unit decibel{"dB", "dB", 1.0};
inline constexpr Unit percent{"%", "%", 1.0};
inline constexpr Unit degree{"deg", "deg", 1.0};
inline constexpr Unit radian{"rad", "rad", 1.0};

inline constexpr Unit ohmSquareMillimetrePerMetre{"Ohm*mm2/m", "Ohm*m", 1e-6}; // resistivity
inline constexpr Unit perMetre{"1/m", "1/m", 1.0}; // a count per metre (twists)

inline constexpr Unit amperePerMicrosecond{"A/us", "A/s", 1e6}; // a current slope
inline constexpr Unit ppmPerKelvin{"ppm/K", "1/K", 1e-6}; // a temperature coefficient
inline constexpr Unit perKelvin{"1/K", "1/K", 1.0};
inline constexpr Unit perSquareKelvin{"1/K2", "1/K2", 1.0};
inline constexpr Unit perKelvinToTheFourth{"1/K4", "1/K4", 1.0};

inline constexpr Unit perSecond{"1/s", "1/s", 1.0}; // a pole's real or imaginary part
inline constexpr Unit perHour{"1/h", "1/s", 1.0 / 3600.0}; // a failure rate
inline constexpr Unit failuresInTime{"1/1e9h", "1/s", 1.0 / 3.6e12}; // FIT: failures per 1e9 hours
inline constexpr Unit electronvolt{"eV", "J", 1.602176634e-19};

} // namespace units
} // namespace kalvo
