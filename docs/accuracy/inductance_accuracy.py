#!/usr/bin/env python3
"""Measures kalvo-inductance and the platinum RTD against exact physics and publishes it.

usage: inductance_accuracy.py --tool KALVO_INDUCTANCE_ACCURACY [--root SOURCE_DIR]

Runs each study of kalvo-inductance-accuracy (built with the tests: the report functions
against the reference library in tests/reference/inductance), draws the error pictures
docs/accuracy/inductance_*.png and rtd_*.png, and rewrites the text between the
"inductance-accuracy" markers of docs/ACCURACY.md and of the kalvo-inductance chapter of
the help document (docs/help/inductance.html); the rest of both files is kept.

Needs Python 3 with numpy and matplotlib (Debian: python3-matplotlib). The usual way to run
it is `cmake --build BUILD --target inductance_accuracy_docs`.
"""

import argparse
import html
import io
import subprocess
from pathlib import Path

import numpy as np

import inductance_accuracy_plots as plots
from inductance_accuracy_stats import (LIMITS, check_claim, describe, grid, intervals, magnitude, number, percent,
                                       share, summary)

BEGIN = "<!-- inductance-accuracy:begin -->"
END = "<!-- inductance-accuracy:end -->"
COMMAND = "cmake --build build --target inductance_accuracy_docs"


def run_study(tool, name):
    output = subprocess.run([tool, name], check=True, stdout=subprocess.PIPE, text=True).stdout
    data = np.genfromtxt(io.StringIO(output), delimiter=",", names=True)
    return {column: np.asarray(data[column], dtype=float) for column in data.dtype.names}


def figure_line(name, caption):
    return f"![{caption}](accuracy/{name}.png)"


def statistics(errors, where):
    """The median and largest error of a study in words."""
    median, worst, index = summary(errors)
    return f"median |error| {magnitude(median)}, largest {percent(worst)} ({where(index)})", median, worst


def ranges_1d(x, errors, name):
    lines = [f"- within {100 * limit:.0f} %: {describe(intervals(x, errors, limit), name)}" for limit in LIMITS]
    return "\n".join(lines)


def ranges_by_row(table, x, y, error, x_name, y_name, rows):
    """A table of the ranges of x within each limit, for a few values of y."""
    xs, ys, matrix = grid(table, x, y, error)
    head = f"| {y_name} | " + " | ".join(f"within {100 * limit:.0f} %" for limit in LIMITS) + " |"
    lines = [head, "|---" * (len(LIMITS) + 1) + "|"]
    for wanted in rows:
        row = int(np.argmin(np.abs(np.log(ys) - np.log(wanted))))
        cells = [describe(intervals(xs, matrix[row], limit), x_name) for limit in LIMITS]
        lines.append(f"| {number(ys[row])} | " + " | ".join(cells) + " |")
    return "\n".join(lines)


class Section:
    """One section of the page and its row of the help chapter's summary."""

    def __init__(self, title, markdown, reference, median, worst, within20):
        self.title, self.markdown = title, markdown
        self.reference, self.median, self.worst, self.within20 = reference, median, worst, within20


def circular_loop(tool, out):
    t = run_study(tool, "circular-loop")
    x, e = t["x_over_d"], t["error"]
    stats, median, worst = statistics(e, lambda i: f"x/d = {number(x[i])}")
    plots.curves(out / "inductance_circular_loop.png", x, [("formula vs ring at DC", e)], "loop diameter / wire diameter x/d",
                 "Circular Loop against a ring of round wire at DC")
    within = describe(intervals(x, e, 0.2), "x/d")
    text = f"""### Circular Loop

The report computes L = µ0 (x/2) (ln(8x/d) − 2), the inductance of a thin ring whose current
flows on the wire's surface (the high-frequency limit). The reference is the ring of round
wire at DC, its current density falling as 1/r across the wire: Maxwell's mutual inductance
of coaxial filaments integrated twice over the wire's section in polar coordinates around
each point (`roundWireRingInductance`), checked against Maxwell's thin-ring formula
µ0 R (ln(8R/a) − 7/4) at R/a = 100 and 1000.

- Grid: x/d from 2 to 10⁴, 29 points spaced evenly on a log scale.
- Error: {stats}.
- The formula always reads low: it leaves out the wire's internal
  inductance µ0 x/8, which the DC current adds.
{ranges_1d(x, e, "x/d")}

{figure_line("inductance_circular_loop", "Circular Loop error against x/d")}
"""
    return Section("Circular Loop", text, "ring of round wire at DC (numerical)", median, worst, within)


def rectangular_loop(tool, out):
    t = run_study(tool, "rectangular-loop")
    xs, ys, matrix = grid(t, "y_over_d", "x_over_y", "error")
    stats, median, worst = statistics(
        t["error"], lambda i: f"y/d = {number(t['y_over_d'][i])}, x/y = {number(t['x_over_y'][i])}")
    plots.error_map(out / "inductance_rectangular_loop.png", xs, ys, matrix, "short side / wire diameter y/d",
                    "long side / short side x/y", "Rectangular Loop against Grover's rectangle at DC", logy=True)
    squares = intervals(xs, matrix[0], 0.2)
    text = f"""### Rectangular Loop

The report computes L = (µ0/π) [x ln(2y/d) + y ln(2x/d)]. The reference is Grover's
rectangle of round wire at DC (Grover, Inductance Calculations, 1946): the partial self
inductances of the four sides, each the mutual inductance of two filaments at the geometric
mean distance r·e^(−1/4) of the wire's section, less the mutual inductances of the opposite
sides (`rectangularLoopInductance`). Its filament formula is checked against Neumann's
integral, the square against the published L = (2µ0 s/π)(ln(s/r) − 0.524), and long thin
rectangles against the two-wire line.

- Grid: short side y/d from 2 to 10⁴ (31 points), aspect x/y from 1 to 100 (21 points), both
  spaced evenly on a log scale; x and y are interchangeable in the formula.
- Error: {stats}.
- The formula keeps only the logarithmic terms of Grover's: square loops read high, long
  thin ones low.
- Grid points within 5 %, 10 %, 20 %: {share(t['error'], 0.05)}, {share(t['error'], 0.10)}, {share(t['error'], 0.20)}.

{ranges_by_row(t, "y_over_d", "x_over_y", "error", "y/d", "x/y", [1, 3, 10, 30, 100])}

{figure_line("inductance_rectangular_loop", "Rectangular Loop error map")}
"""
    return Section("Rectangular Loop", text, "Grover's rectangle at DC", median, worst,
                   "squares: " + describe(squares, "y/d"))


def loop_mutual(tool, out):
    t = run_study(tool, "loop-mutual")
    equal = run_study(tool, "loop-mutual-squares")
    distance, ratio, e = t["r_over_sqrt_a"], t["area_ratio"], t["error"]
    stats, median, worst = statistics(e, lambda i: f"r = {number(distance[i])} √A, A2/A1 = {number(ratio[i])}")
    xs, ys, matrix = grid(t, "r_over_sqrt_a", "area_ratio", "error")
    _, _, warned = grid(t, "r_over_sqrt_a", "area_ratio", "warned")
    plots.error_map(out / "inductance_loop_mutual.png", xs, ys, matrix, "distance / √(larger area)  r/√A1",
                    "smaller area / larger area A2/A1", "Mutual Ind. 1 against coaxial circular loops", logy=True,
                    warned=warned)
    plots.curves(out / "inductance_loop_mutual_equal.png", equal["r_over_sqrt_a"],
                 [("equal circles (Maxwell)", equal["circles_error"]), ("equal squares (Grover)", equal["squares_error"])],
                 "distance / √area  r/√A", "Mutual Ind. 1, equal coaxial loops")
    check_claim(t, "error", lambda r: r["warned"] == 0, 0.2, "points without the warning")
    claims = [check_claim(t, "error", lambda r, k=k: r["r_over_sqrt_a"] ** 2 / (1 + r["area_ratio"]) > k, limit,
                          f"r² > {k} (A1 + A2)") for k, limit in ((2.5, 0.2), (4.9, 0.1), (9.7, 0.05))]
    equal_ranges = {limit: describe(intervals(equal["r_over_sqrt_a"], equal["circles_error"], limit), "r/√A")
                    for limit in LIMITS}
    square_ranges = {limit: describe(intervals(equal["r_over_sqrt_a"], equal["squares_error"], limit), "r/√A")
                     for limit in LIMITS}
    text = f"""### Mutual Ind. 1

The report computes the dipole formula M = µ0 A1 A2 / (2π r³). The reference is Maxwell's
mutual inductance of two coaxial circular loops of areas A1 and A2 a distance r apart, with
complete elliptic integrals (`coaxialFilamentsMutual`), checked against Neumann's integral and
its own dipole limit; equal square loops are measured as well (Grover's parallel filaments,
`coaxialSquaresMutual`).

- Grid: r/√A1 from 1 to 10 (46 points) and A2/A1 from 0.001 to 1 (31 points), both spaced
  evenly on a log scale (A1 the larger loop).
- Error: {stats}.
- The formula always reads high.
- within 5 %: {claims[2]}; within 10 %: {claims[1]}; within 20 %: {claims[0]}, for any ratio of
  the areas. Equal circles: {equal_ranges[0.05]} (5 %), {equal_ranges[0.1]} (10 %),
  {equal_ranges[0.2]} (20 %); equal squares: {square_ranges[0.05]}, {square_ranges[0.1]},
  {square_ranges[0.2]}.
- Warning: "Accuracy is expected to be poor!" appears unless r² > 2.5 (A1 + A2) (hatched);
  every point without it is within 20 %. The earlier limit, r > √A1 and r > √A2, let
  the report through 92 % high just beyond r = √A.

{figure_line("inductance_loop_mutual", "Mutual Ind. 1 error map")}
{figure_line("inductance_loop_mutual_equal", "Mutual Ind. 1 error for equal loops")}
"""
    return Section("Mutual Ind. 1", text, "coaxial circular loops (Maxwell)", median, worst, claims[0])


def line_mutual(tool, out):
    t = run_study(tool, "line-mutual")
    stats, median, worst = statistics(
        t["error"], lambda i: f"s/h = {number(t['s_over_h'][i])}, h/d = {number(t['h_over_d'][i])}")
    xs, ys, matrix = grid(t, "s_over_h", "h_over_d", "error")
    plots.error_map(out / "inductance_line_mutual.png", xs, ys, matrix, "separation / height s/h",
                    "height / wire diameter h/d", "Mutual Ind. 2 against wires over a ground plane", logy=True)
    text = f"""### Mutual Ind. 2

The report computes M = L x / (1 + (s/h)²) from the inductance per metre L of one line. The
reference is two round wires of diameter d at height h over a perfectly conducting plane, by
the method of images: M' = µ0/(4π) ln(1 + (2h/s)²) and L' = µ0/(2π) acosh(2h/d) per metre
(`wiresAboveGroundMutual`, `wireAboveGroundInductance`), each checked against the flux
integral of a line current and its image. The report is given the exact L', so only the
coupling factor 1/(1 + (s/h)²) is measured; end effects of a finite span are left out.

- Grid: s/h from 0.1 to 10 (41 points), h/d from 1 to 1000 (31 points), log-spaced; d = 1 mm,
  points with s < d (overlapping wires) left out.
- Error: {stats}.
- The coupling factor does not depend on the wire diameter, the exact one does: the formula
  reads far high for thin wires high above the plane.
- Grid points within 5 %, 10 %, 20 %: {share(t['error'], 0.05)}, {share(t['error'], 0.10)}, {share(t['error'], 0.20)}.

{ranges_by_row(t, "s_over_h", "h_over_d", "error", "s/h", "h/d", [1, 2, 5, 10, 100, 1000])}

{figure_line("inductance_line_mutual", "Mutual Ind. 2 error map")}
"""
    return Section("Mutual Ind. 2", text, "wires over a ground plane (images)", median, worst,
                   f"{share(t['error'], 0.2)} of the grid")


def single_layer_coil(tool, out):
    t = run_study(tool, "single-layer-coil")
    x, e = t["d_over_l"], t["error"]
    stats, median, worst = statistics(e, lambda i: f"D/l = {number(x[i])}")
    plots.curves(out / "inductance_single_layer_coil.png", x, [("k against Nagaoka's coefficient", t["k_error"])],
                 "diameter / length D/l", "Single Layer Coil against the current sheet")
    text = f"""### Single Layer Coil

The report computes L = k µ0 ur N² π D² / (4 l) with the fitted k = 7.6 log10(20 + 2.4 D/l) /
(π² (1 + 0.52 D/l)). The reference is the current sheet: Nagaoka's coefficient from complete
elliptic integrals (`nagaokaCoefficient`, after Lorenz and Nagaoka), checked against Nagaoka's
table, Lorenz's series for long coils and the thin limit of the uniform-current winding
integral. L and k have the same relative error.

- Grid: D/l from 0.01 to 100, 81 points spaced evenly on a log scale.
- Error: {stats}.
{ranges_1d(x, e, "D/l")}
- The report's "Empirical fit to Nagaoka's coefficient (within 1% for D/l from 0.01 to 20)"
  holds, and up to D/l = 100. A real coil of round wire differs from the current sheet by
  its winding pitch and wire size, which this reference does not model; the description's
  "Accuracy 5..25%" is about that.

{figure_line("inductance_single_layer_coil", "Single Layer Coil error against D/l")}
"""
    return Section("Single Layer Coil", text, "current sheet (Nagaoka)", median, worst,
                   describe(intervals(x, e, 0.2), "D/l"))


def multi_layer_coil(tool, out):
    t = run_study(tool, "multi-layer-coil")
    stats, median, worst = statistics(
        t["error"], lambda i: f"l/Dm = {number(t['l_over_dm'][i])}, c/Dm = {number(t['c_over_dm'][i])}")
    xs, ys, matrix = grid(t, "l_over_dm", "c_over_dm", "error")
    _, _, warned = grid(t, "l_over_dm", "c_over_dm", "warned")
    plots.error_map(out / "inductance_multi_layer_coil.png", xs, ys, matrix, "length / mean diameter l/Dm",
                    "winding thickness / mean diameter c/Dm", "Multi Layer Coil against uniform current density",
                    warned=warned)
    middle = check_claim(t, "error", lambda r: 0.3 <= r["l_over_dm"] < 1, 0.2, "0.3 ≤ l/Dm < 1 at any thickness")
    long_thin = check_claim(t, "error", lambda r: r["l_over_dm"] >= 1 and r["c_over_dm"] <= 0.3, 0.2,
                            "l/Dm ≥ 1 with c/Dm ≤ 0.3")
    check_claim(t, "error", lambda r: r["warned"] == 0, 0.2, "points without the warning")
    text = f"""### Multi Layer Coil

The report computes two empirical formulas (in cm and µH): for long coils (Dm < l)
L = 0.0063 N² Dm (1.5/(0.46 + l/Dm) − c K/l) with the tabulated thickness correction K, for
short ones L = 0.0105 N² Dm (Dm / (2 (l + c)))^0.75, where Dm is the mean diameter and c the
winding thickness. The reference is the winding of uniform current density over its
rectangular section: Maxwell's mutual inductance of coaxial filaments integrated over the
length (folded into one integral) and twice over the radii (`rectangularWindingInductance`),
checked against the published Brooks coil constant L = 1.6994 µH/m · a N² (Grover), against
the current sheet for a vanishing thickness, and against a second integration over the
section in polar coordinates.

- Grid: l/Dm from 0.02 to 20 (49 points, log-spaced) and c/Dm from 0.01 to 0.9 (31 points).
- Error: {stats}.
- Short thin windings read far high, long thick ones up to about +30 %; the value jumps
  where the formula changes at Dm = l.
- within 20 %: {middle}; {long_thin}. Grid points within 5 %, 10 %, 20 %:
  {share(t['error'], 0.05)}, {share(t['error'], 0.10)}, {share(t['error'], 0.20)}.
- Warning: besides its earlier reasons (a magnetic core, l/c outside the table 5 … 25,
  Dm/l > 50) the report warns of questionable accuracy where l + c < 0.28 Dm or
  c > 0.34 Dm + 0.035 l (hatched); every point without the warning is within 20 %.

{ranges_by_row(t, "l_over_dm", "c_over_dm", "error", "l/Dm", "c/Dm", [0.01, 0.1, 0.3, 0.6, 0.9])}

{figure_line("inductance_multi_layer_coil", "Multi Layer Coil error map")}
"""
    return Section("Multi Layer Coil", text, "uniform current density winding (numerical)", median, worst,
                   f"{middle}; {long_thin}")


def optimized_coil(tool, out):
    t = run_study(tool, "optimized-coil")
    turns, e = t["turns"], t["error"]
    stats, median, worst = statistics(e, lambda i: f"L = {number(t['inductance_uh'][i])} µH, d = "
                                      f"{number(t['wire_mm'][i])} mm, N = {turns[i]:.0f}")
    plots.scatter(out / "inductance_optimized_coil.png", turns, e, "number of turns N",
                  "Optimized Coil: inductance of the coil it dimensions")

    def from_turns(errors, limit):
        order = np.argsort(turns)
        bad = [turns[i] for i in order if abs(errors[i]) > limit]
        return f"N > {bad[-1]:.0f}" if bad else "everywhere"

    ranges = "\n".join(f"- within {100 * limit:.0f} %: {from_turns(e, limit)}" for limit in LIMITS)
    many = turns >= 100
    length_worst = magnitude(np.max(np.abs(t["length_error"][many])))
    resistance_worst = magnitude(np.max(np.abs(t["resistance_error"][many])))
    text = f"""### Optimized Coil

The report dimensions a Brooks coil (square winding section C × C, inner diameter 2C,
outer 4C) for the wanted inductance L and wire diameter d: N = 10.2 (L/d)^0.4,
C = d √N / 0.841, wire length l = 0.188 √(L C), R = 0.00801 (L³/d⁸)^0.2. The reference is the
inductance of the coil it prints (N turns, the printed C), a winding of uniform current
density (`rectangularWindingInductance`, see Multi Layer Coil), against the wanted L; the
wire length is compared with N turns of mean diameter 3C, the resistance with that wire
of copper (1/58 Ω mm²/m, IEC 60028).

- Grid: L from 0.1 to 10⁵ µH (37 points) and d from 0.05 to 5 mm (21 points), log-spaced.
- Error of the inductance: {stats}.
- With few turns the rounding of N to a whole number dominates.
{ranges}
- From 100 turns on the wire length is within {length_worst} and the resistance within
  {resistance_worst} of the geometry's.

{figure_line("inductance_optimized_coil", "Optimized Coil error against N")}
"""
    return Section("Optimized Coil", text, "Brooks coil of the printed N and C (numerical)", median, worst,
                   from_turns(e, 0.2))


def toroid(tool, out):
    t = run_study(tool, "toroid")
    x, e = t["d_mean_over_d_core"], t["round_error"]
    stats, median, worst = statistics(e, lambda i: f"D/d = {number(x[i])}")
    _, rectangular_worst, _ = summary(t["rectangular_error"])
    plots.curves(out / "inductance_toroid.png", x, [("L1, round section", e)], "mean diameter / core diameter D/d",
                 "Toroid against the exact round-section toroid")
    text = f"""### Toroid

The report computes L1 = µ0 ur N² (π d²/4) / (π D) for the round core section and
L2 = µ0 ur N² h / (2π) ln((D + d)/(D − d)) for the rectangular one. The references are the
exact toroids wound evenly all around: µ0 N² (R − √(R² − a²)) with R = D/2, a = d/2, and the
same L2 (`roundToroidInductance`, `rectangularToroidInductance`), both checked against the
flux integral of B = µ0 N I / (2π r) over the core section.

- Grid: D/d from 1.02 to 100, 61 points spaced evenly on a log scale.
- L1: {stats}.
- It uses the mean path length π D, the thin-toroid approximation, and reads low for fat
  cores.
{ranges_1d(x, e, "D/d")}
- L2 is exact: largest difference {abs(rectangular_worst):.1e} (rounding).

{figure_line("inductance_toroid", "Toroid L1 error against D/d")}
"""
    return Section("Toroid", text, "exact round and rectangular toroids", median, worst,
                   describe(intervals(x, e, 0.2), "D/d") + " (L1); L2 exact")


def shielding(tool, out):
    t = run_study(tool, "shielding")
    e = t["error"]
    stats, median, worst = statistics(
        e, lambda i: f"ρ = {number(t['resistivity'][i])} Ω mm²/m, f = {number(t['frequency'][i])} Hz")
    xs, ys, matrix = grid(t, "frequency", "resistivity", "error")
    plots.magnitude_map(out / "inductance_shielding.png", xs, ys, matrix, "frequency f [Hz]",
                        "resistivity ρ [Ω mm²/m]", "Shielding: sheet attenuation against the exact conductor",
                        "log10 |error|")
    metals = t["resistivity"] <= 1.0
    _, metals_worst, _ = summary(e[metals])
    check_claim(t, "error", lambda r: r["resistivity"] <= 100, 0.05, "ρ ≤ 100 Ω mm²/m")
    text = f"""### Shielding

The report computes the skin depth δ = √(2ρ / (2π f µ0 ur)), the field ratio e^(d/δ) and the
attenuation (20 / ln 10) d/δ ≈ 8.686 d/δ dB of a field entering a sheet of thickness d. The
reference is the exact attenuation constant of the conductor, the real part of
√(jωµ(σ + jωε0)), which keeps the displacement current (`conductorAttenuationDecibel`,
checked against the textbook formula of a lossy medium). The slot line, 20 log10(λ/(2s)),
is a worst-case rule with no exact counterpart and is not measured.

- Grid: f from 1 kHz to 100 GHz (33 points) and ρ from 0.01 to 10⁵ Ω mm²/m (36 points),
  log-spaced; d = 1 mm, ur = 1 (the relative error does not depend on d).
- Error: {stats}.
- For metals (ρ ≤ 1 Ω mm²/m) the largest error is {magnitude(metals_worst)}; it grows only
  where the displacement current matters (σ near ωε0).
- within 5 %: ρ ≤ 100 Ω mm²/m at any frequency of the grid; grid points within 5 %, 10 %,
  20 %: {share(e, 0.05)}, {share(e, 0.10)}, {share(e, 0.20)}.
- Thick sheets: beyond about 710 skin depths (1 mm of copper at 10 GHz is 1502) e^(d/δ)
  overflows. The attenuation in dB is computed directly from d/δ and stays finite
  (−13046 dB there) where it used to print "-infinity"; the field ratio may still print
  +infinity.

{figure_line("inductance_shielding", "Shielding error map")}
"""
    return Section("Shielding", text, "exact conductor attenuation", median, worst,
                   f"{share(e, 0.2)} of the grid; metals {magnitude(metals_worst)}")


def platinum_rtd(tool, out):
    t = run_study(tool, "platinum-rtd")
    celsius = t["celsius"]
    plots.curves(out / "rtd_coefficient_sets.png", celsius,
                 [("3750 set", t["set3750"]), ("3770 set", t["set3770"]), ("3850 set", t["set3850"])],
                 "temperature [°C]", "Platinum RTD: coefficient sets against EN 60751", logx=False,
                 ylabel="temperature difference [°C]")
    inversion = float(np.max(np.abs(t["inversion3850"])))
    standard = float(np.max(np.abs(t["set3850"])))
    text = f"""The report converts between resistance and temperature with one of three coefficient sets
of the Callendar-Van Dusen equation R = R0 (1 + aT + bT² + c (T − 100) T³) (c only below
0 °C). The reference is EN 60751:2008 (A = 3.9083e-3, B = −5.775e-7, C = −4.183e-12), with
its closed-form inverse above 0 °C and a bracketing root search below (`en60751Ratio`,
`en60751Temperature`), checked against the standard's table of a Pt100 from −200 to 850 °C.

- Grid: −200 to 850 °C in steps of 5 °C.
- The 3850 set is EN 60751's: {"its resistances are the standard's" if standard == 0 else
  f"its resistances differ from the standard's by up to {standard:.1e} °C"}, and the temperature
  the report finds for the standard's resistance is within {number(inversion)} °C of it
  (closed form at and above 0 °C, bisection below).
- The 3750 set has alpha = (R100/R0 − 1)/100 = a + 100 b = 3.7500e-3, as its name says. The
  3770 set (a = 3.92e-3, b = −6.03e-7, c = 0) has alpha = 3.8597e-3, not 3.770e-3; it is
  documented and computed as it stands. The picture shows how far each set's temperature lies
  from EN 60751's for the same resistance ratio (not an error: the sets describe other
  platinum grades).

{figure_line("rtd_coefficient_sets", "RTD coefficient sets against EN 60751")}
"""
    return Section("Platinum RTD", text, "EN 60751", 0.0, standard, "exact (3850 set)")


SECTIONS = [circular_loop, rectangular_loop, loop_mutual, line_mutual, single_layer_coil, multi_layer_coil,
            optimized_coil, toroid, shielding]


def page(sections, rtd):
    body = "\n".join(s.markdown for s in sections)
    return f"""{BEGIN}
## kalvo-inductance

Each topology's report measured against an exact or numerical reference from
tests/reference/inductance (its own tests check each reference against a second method or a
published value). The error is formula / reference − 1, the report's value as printed with
16 digits. Regenerate this part of the page, its pictures and the summary in the help
document with

```
{COMMAND}
```

(python3-matplotlib needed; the studies are printed by `kalvo-inductance-accuracy`, built with
the tests, and drawn by docs/accuracy/inductance_accuracy.py).

| Topology | Reference | Median error | Largest error | Within 20 % |
|---|---|---|---|---|
{summary_rows(sections, markdown=True)}

{body}
## Platinum RTD (kalvo-ee)

{rtd.markdown}{END}"""


def summary_rows(sections, markdown):
    rows = []
    for s in sections:
        cells = [s.title, s.reference, magnitude(s.median), percent(s.worst), s.within20]
        if markdown:
            rows.append("| " + " | ".join(cells) + " |")
        else:
            rows.append("<tr>" + "".join(f"<td>{html.escape(c)}</td>" for c in cells) + "</tr>")
    return "\n".join(rows)


def help_table(sections):
    return f"""{BEGIN}
<h2>Accuracy</h2>
<p>Each report measured against an exact or numerical reference over a grid of its inputs
(air cores); the error is the report's value over the reference's, less one. The figures,
the grids and pictures of the errors are in docs/ACCURACY.md.</p>
<table class="grid" width="100%" border="1" cellspacing="0" cellpadding="4">
<tr><th align="left">Topology</th><th align="left">Reference</th><th align="left">Median error</th>
<th align="left">Largest error</th><th align="left">Within 20 %</th></tr>
{summary_rows(sections, markdown=False)}
</table>
{END}"""


def replace_marked(path, text):
    content = path.read_text(encoding="utf-8")
    if BEGIN in content:
        before, rest = content.split(BEGIN, 1)
        after = rest.split(END, 1)[1]
        content = before + text + after
    else:
        content = content.rstrip("\n") + "\n\n" + text + "\n"
    path.write_text(content, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tool", required=True, help="the kalvo-inductance-accuracy executable")
    parser.add_argument("--root", default=Path(__file__).resolve().parents[2], type=Path,
                        help="the source directory (default: the one this script is in)")
    args = parser.parse_args()
    out = args.root / "docs" / "accuracy"
    sections = [section(args.tool, out) for section in SECTIONS]
    rtd = platinum_rtd(args.tool, out)
    replace_marked(args.root / "docs" / "ACCURACY.md", page(sections, rtd))
    replace_marked(args.root / "docs" / "help" / "inductance.html", help_table(sections))


if __name__ == "__main__":
    main()
