#pragma once

// The 2D quasi-static field solver: the per-length capacitance matrix of the conductors of
// a transmission-line cross-section, with and without its dielectrics, and the line
// parameters that follow from it. Plain C++ (no Qt); lengths in metres, capacitances in F/m.
//
// Method: a boundary element method. Piecewise-constant total (free plus polarisation)
// charge on straight or circular-arc panels on the conductor surfaces and on the dielectric
// interfaces; ground planes and the coaxial shield are built into the Green's function
// (one image for one plane, the closed-form image series between two planes, the inverse
// point for the shield). Panels are graded towards conductor corners and edges and towards
// nearby objects; the mesh is refined by doubling every panel count until the estimated
// error is below the tolerance.
#include <string>
#include <vector>

namespace kalvo::fieldsolver {

// A conductor seen in cross-section. Coordinates: x across, y up; y = 0 is the lower
// ground plane (or, without ground planes, the bottom of the layer stack); for a coaxial
// cross-section (0, 0) is the centre of the shield.
struct Conductor {
    enum class Shape { Rectangle, Circle };
    Shape shape = Shape::Rectangle;
    double x = 0.0; // centre [m]
    double y = 0.0; // centre [m]
    double width = 0.0; // Rectangle: width along x; Circle: diameter [m]
    double thickness = 0.0; // Rectangle: along y, 0 for a strip of zero thickness; not used by circles [m]
    bool signal = true; // false: a grounded conductor (0 V), part of the reference
    // Circle only: a concentric insulation this thick around the wire, of insulationEr. It
    // must not cross interfaces, planes or other conductors; insulations may touch.
    double insulation = 0.0; // [m]
    double insulationEr = 1.0;
};

// A dielectric layer; layers are stacked from y = 0 upwards (from the centre outwards in a
// coaxial cross-section).
struct Layer {
    double thickness = 0.0; // [m]; in a coaxial cross-section the radial thickness
    double er = 1.0; // relative permittivity
};

struct CrossSection {
    enum class Ground {
        None, // no plane: the reference is the grounded conductors (e.g. a two-wire line)
        Below, // one plane at y = 0 (microstrip-like)
        BelowAndAbove, // planes at y = 0 and y = spacing (stripline-like)
        CoaxialShield, // a round shield of radius `spacing` centred at (0, 0)
    };
    Ground ground = Ground::Below;
    double spacing = 0.0; // BelowAndAbove: plane separation b; CoaxialShield: shield inner radius [m]
    std::vector<Layer> layers; // from y = 0 up (or from the centre out)
    double outerEr = 1.0; // the medium outside the layers (above them, below y = 0 without a plane)
    std::vector<Conductor> conductors;
};

struct Options {
    double tolerance = 1e-3; // relative; refine until the estimated error is below it
    int maxElements = 2400; // the most panels one mesh may have (bounds time and memory), at most maxElementsLimit
};

// Every reason the solver gives no (or no converged) result; errorMessage() gives the text.
enum class Error {
    None,
    InvalidSize, // a size is zero, negative, NaN or infinite
    InvalidPosition, // a coordinate is NaN or infinite
    InvalidPermittivity, // er is NaN or outside 1 ... 10000
    InvalidOptions, // tolerance not in [1e-6, 0.5], or maxElements above maxElementsLimit
    NoSignalConductor,
    TooManyConductors, // more than maxConductors
    NoReference, // no ground plane, no shield and no grounded conductor
    ConductorsOverlap, // two conductors touch or overlap, or a conductor or insulation overlaps an insulation
    ConductorTouchesGround, // a conductor touches or crosses a ground plane or the shield
    ConductorCrossesInterface, // a conductor (or its insulation) crosses a dielectric interface, or a circle touches one
    LayersBeyondGround, // the layer stack is thicker than the plane spacing or the shield radius
    RatioOutOfRange, // the sizes and gaps span more than maxSizeRatio
    TooManyElements, // maxElements does not allow the three meshes of this cross-section the estimate needs
    NotConverged, // the tolerance was not reached within maxElements (the result is the best one found)
};

inline constexpr int maxConductors = 16;
inline constexpr int maxElementsLimit = 5000; // a dense matrix of 200 MB
inline constexpr double maxSizeRatio = 1e6; // largest to smallest length the solver resolves
inline constexpr double minRelativePermittivity = 1.0;
inline constexpr double maxRelativePermittivity = 1e4;

// A fixed English sentence for each error.
const char* errorMessage(Error error);

// A square matrix over the signal conductors, in the order they stand in
// CrossSection::conductors.
struct CapacitanceMatrix {
    int size = 0;
    std::vector<double> values; // row-major, size * size
    double operator()(int row, int column) const { return values[static_cast<std::size_t>(row * size + column)]; }
};

struct Result {
    Error error = Error::None;
    // Maxwell capacitance matrices [F/m] (charge on signal conductor i per volt on signal
    // conductor j, every other conductor and the planes at 0 V): with the dielectrics and
    // with every er = 1. Empty when error is neither None nor NotConverged.
    CapacitanceMatrix capacitance;
    CapacitanceMatrix airCapacitance;
    // The estimated relative error of the capacitances: the largest over the entries (each
    // relative to sqrt(Cii Cjj)) and the row sums, from the change between the last two
    // refinements (Richardson). The error of an impedance is about half of it.
    double estimatedError = 0.0;
    int elements = 0; // panels of the finest mesh
    int refinements = 0; // meshes solved
};

Result solve(const CrossSection& crossSection, const Options& options = {});

// One signal conductor: NaN everywhere unless the result has exactly one signal conductor
// and error is None or NotConverged.
struct LineParameters {
    double impedance = 0.0; // Z0 [Ohm]
    double effectivePermittivity = 0.0; // eeff
    double inductance = 0.0; // L [H/m]
    double capacitance = 0.0; // C [F/m]
    double delay = 0.0; // pd [s/m]
};
LineParameters singleLine(const Result& result);

// Two signal conductors: the even mode (both at +1 V) and the odd mode (+1 V and -1 V),
// per line. For an asymmetric pair the two self capacitances are averaged. NaN everywhere
// unless the result has exactly two signal conductors and error is None or NotConverged.
struct CoupledLineParameters {
    double oddImpedance = 0.0; // Zodd [Ohm]
    double evenImpedance = 0.0; // Zeven [Ohm]
    double oddEffectivePermittivity = 0.0;
    double evenEffectivePermittivity = 0.0;
    double differentialImpedance = 0.0; // 2 Zodd [Ohm]
    double commonImpedance = 0.0; // Zeven / 2 [Ohm]
};
CoupledLineParameters coupledLines(const Result& result);

} // namespace kalvo::fieldsolver
