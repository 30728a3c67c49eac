"""Error statistics and ranges of the kalvo-inductance accuracy studies.

Errors are relative (formula / reference - 1). Ranges are read off the study's grid; along
one parameter the limits are interpolated linearly (in the logarithm of the parameter)
between the grid points on either side of a crossing.
"""

import math

import numpy as np

LIMITS = (0.05, 0.10, 0.20)


def percent(error, digits=1):
    """An error as a signed percentage: "+12.3 %"."""
    return f"{100 * error:+.{digits}f} %"


def number(value):
    """A parameter value with three significant digits, without an exponent up to 1e5."""
    if value == 0:
        return "0"
    if abs(value) >= 1e5 or abs(value) < 1e-3:
        mantissa, exponent = f"{value:.2e}".split("e")
        return f"{float(mantissa):g}e{int(exponent)}"
    return f"{float(f'{value:.3g}'):g}"


def magnitude(error):
    """The size of an error in percent: "158 %", "4.7 %", "0.28 %", "8.8e-7 %"."""
    value = 100 * abs(error)
    if value >= 10:
        return f"{value:.0f} %"
    if value >= 0.1:
        return f"{value:.2g} %"
    if value == 0:
        return "0 %"
    return f"{number(value)} %"


def share(errors, limit):
    """The part of the grid within the limit, rounded down: "63 %", "all"."""
    finite = errors[np.isfinite(errors)]
    part = np.mean(np.abs(finite) <= limit)
    return "all" if part == 1 else f"{math.floor(100 * part)} %"


def summary(errors):
    """(median of |error|, the error of largest magnitude, its index) over the finite values."""
    finite = np.isfinite(errors)
    magnitudes = np.where(finite, np.abs(errors), -1.0)
    worst = int(np.argmax(magnitudes))
    return float(np.median(np.abs(errors[finite]))), float(errors[worst]), worst


def _crossing(x0, x1, e0, e1, limit, log):
    """Where |error| passes the limit between two grid points."""
    target = limit if (e0 if abs(e0) > limit else e1) > 0 else -limit
    share = (target - e0) / (e1 - e0) if e1 != e0 else 0.5
    if log:
        return math.exp(math.log(x0) + share * (math.log(x1) - math.log(x0)))
    return x0 + share * (x1 - x0)


def intervals(x, errors, limit, log=True):
    """The intervals of x (ascending) where |error| <= limit, as (low, high, starts at the
    grid's first point, ends at its last). Points without an error (nan) are left out."""
    finite = np.isfinite(errors)
    first_point, last_point = finite[0], finite[-1]
    x, errors = x[finite], errors[finite]
    inside = np.abs(errors) <= limit
    found = []
    start = None
    for i, ok in enumerate(inside):
        if ok and start is None:
            start = x[0] if i == 0 else _crossing(x[i - 1], x[i], errors[i - 1], errors[i], limit, log)
            opens = i == 0 and first_point
        if not ok and start is not None:
            found.append((start, _crossing(x[i - 1], x[i], errors[i - 1], errors[i], limit, log), opens, False))
            start = None
    if start is not None:
        found.append((start, x[-1], opens, last_point))
    return found


def describe(found, name):
    """Intervals in words: "x/d >= 7.1", "0.3 ... 1", "everywhere", "nowhere"."""
    if not found:
        return "nowhere"
    words = []
    for low, high, from_start, to_end in found:
        if from_start and to_end:
            return "everywhere"
        if from_start:
            words.append(f"{name} ≤ {number(high)}")
        elif to_end:
            words.append(f"{name} ≥ {number(low)}")
        else:
            words.append(f"{name} {number(low)} … {number(high)}")
    return ", ".join(words)


def grid(table, x, y, value):
    """The study's values as a matrix (rows: y ascending, columns: x ascending)."""
    xs = np.unique(table[x])
    ys = np.unique(table[y])
    matrix = np.full((len(ys), len(xs)), np.nan)
    for xv, yv, v in zip(table[x], table[y], table[value]):
        matrix[np.searchsorted(ys, yv), np.searchsorted(xs, xv)] = v
    return xs, ys, matrix


def check_claim(table, error, predicate, limit, text):
    """Fails unless every grid point where predicate holds is within the limit: the prose
    of the document states only what the grid shows."""
    rows = [i for i in range(len(table[error])) if predicate({k: v[i] for k, v in table.items()})]
    if not rows:
        raise SystemExit(f"claim covers no grid point: {text}")
    worst = max(abs(table[error][i]) for i in rows)
    if not worst <= limit:
        raise SystemExit(f"claim does not hold ({percent(worst)}): {text}")
    return text
