#!/usr/bin/env python3
"""Independent reference for the kalvo-impedance report tests.

Computes the transmission-line formulas in plain Python (straight from the formulas,
not from the C++ code) and prints each test case's report with the calculator number
format, for checking the expected texts in impedance_reports_test.cpp.

Usage: reference_reports.py [--more-digits]
"""
import math
import sys

PI = math.pi


def fmt(x, digits=3, lower=0.1):
    if x == 0:
        return "0.0         "
    if math.isnan(x):
        return "NaN         "
    if math.isinf(x):
        return ("+infinity" if x > 0 else "-infinity").ljust(12)
    y = abs(x)
    e = int(math.log10(y))  # truncates toward zero
    m = y / 10.0 ** e
    r = int(math.fmod(e, 3))
    if r in (1, -2):
        m *= 10
        e -= 1
    elif r in (2, -1):
        m *= 100
        e -= 2
    if x < 0:
        m = -m

    def decimals(v):
        k = int(math.log10(abs(v)))
        p = digits
        if k + p > 15:
            p = 15 - k
        return max(p, 0)

    if y <= lower or y >= 10000:
        text = "%.*fE%d" % (decimals(m), m, e)
    else:
        text = "%.*f" % (decimals(x), x)
    width = 13 if len(text) <= 5 else (12 if len(text) <= 9 else 11)
    return text.ljust(width)


def num(s):
    try:
        return float(s)
    except ValueError:
        return 0.0


def block(z, label, l, c, pd, f):
    return ("\nZ\t= " + f(z) + label + f(l) + "\tnH/m\tInductane per meter\nC\t= " + f(c)
            + "\tpF/m\tCapacitance per meter\npd\t= " + f(pd) + "\tns/m\tPropagation delay")


PLAIN = "\tOhm\tCharacteristic Impedance \nL\t= "


def pcb_constants(z, e):
    pd = math.sqrt(e) * 8.4723e-11 * 1e9 * 39.37007874015748
    return pd * z, (pd * 1000 / z if z else math.inf), pd


def microstrip_core(h, w, t, er):
    a = (er + 1) * 0.5
    b = (er - 1) * 0.5
    if h <= w:
        e0 = a + b / math.sqrt(1 + 12 * h / w)
    else:
        e0 = a + b * (1 / math.sqrt(1 + 12 * h / w) + 0.04 * (1 - w / h) ** 2)
    eeff = e0 - (er - 1) * (t / h) / (4.6 * math.sqrt(w / h))
    k = 1.25 * t / PI
    if h <= 2 * PI * w:
        we = w + k * (1 + math.log(2 * h / t))
    else:
        we = w + k * (1 + math.log(4 * PI * w / t))
    if h <= w:
        za = 120 * PI / (we / h + 1.393 + 0.667 * math.log(we / h + 1.444))
    else:
        za = 60 * math.log(8 * h / we + we / (4 * h))
    valid = 0 < t / h < 0.2 and 0.1 < w / h < 20 and 0 < er < 16
    return za / math.sqrt(eeff), za, eeff, valid


def microstrip(f, d, w, t, er):
    h, w, t = d / 25.4, w / 25.4, t / 25400
    z0, _, eeff, valid = microstrip_core(h, w, t, er)
    q = math.exp(-0.05 / (h * 25.4))
    zc = z0 / math.sqrt((1 - q) * er / eeff + q)
    text = block(z0, PLAIN, *pcb_constants(z0, eeff), f)
    text += ("\n\nAccuracy is better than 2 percent." if valid
             else "\n\n**** Warning ****\nAccuracy is questionable, probably worse than 2 percent!")
    return text + "\n\nZc\t= " + f(zc) + "\tOhm\tEstimation of a 25um surface coating with same er"


def embedded(f, b, b1, w, t, er):
    z0, _, eeff, valid = microstrip_core(b / 25.4, w / 25.4, t / 25400, er)
    y = math.exp(-2 * (b1 / 25.4 - b / 25.4) / (b / 25.4))
    eemb = (1 - y) * er + y * eeff
    zemb = math.sqrt(eeff) * z0 / math.sqrt(eemb)
    text = "\nHogan Formula:" + block(zemb, PLAIN, *pcb_constants(zemb, eemb), f)
    text += "\nNo accuracy is granted." if valid else "\n**** Warning ****  Accuracy is questionable!"
    bm, b1m, wm, tm = b * 0.001, b1 * 0.001, w * 0.001, t * 1e-06
    er2 = er * (1 - math.exp(-1.55 * b1m / bm))
    lg = math.log(5.98 * bm / (0.8 * wm + tm))
    z2 = 60 / math.sqrt(er2) * lg
    c2 = er2 * 5.5512e-11 / lg
    l2 = c2 * z2 ** 2
    pd2 = math.sqrt(er2) * 3.3366e-09
    text += "\n\nIPC-D-317A (Modified) Formula:" + block(z2, PLAIN, l2 * 1e9, c2 * 1e12, pd2 * 1e9, f)
    if b1 < 1.2 * b or er < 1 or er > 15:
        text += "\n**** Warning ****  Accuracy is questionable, b1 should be >1.2*b and er should be between 1...15!"
    return text


def differential(f, d, s, zo):
    zdm = 2 * zo * (1 - 0.48 * math.exp(-0.96 * s / d))
    zds = 2 * zo * (1 - 0.347 * math.exp(-2.9 * s / d))
    return ("\nZdm\t= " + f(zdm) + "\tOhm\tCharacteristic Microstrip Differential Impedance (Upper Picture)\n\nZds\t= "
            + f(zds) + "\tOhm\tCharacteristic Stripline Differential Impedance (Lower Picture)\n\nNo accuracy is granted.")


def zstrip(b, w, t, er):
    if w / b >= 0.35:
        u = 1 - t / b
        F = (2 / u) * math.log(1 / u + 1) - (1 / u - 1) * math.log(1 / u ** 2 - 1)
        return (94.15 / math.sqrt(er)) / ((w / b) / u + F / PI)
    d0 = 0.5 * w * (1 + (t / (PI * w)) * (1 + math.log(4 * PI * w / t)) + 0.255 * (t / w) ** 2)
    return (60 / math.sqrt(er)) * math.log(4 * b / (PI * d0))


def stripline(f, b, w, t, er):
    b, w, t = b / 25.4, w / 25.4, t / 25400
    z = zstrip(b, w, t, er)
    if t / b < 0.25 and t / w < 0.11:
        acc = "Accuracy is better than 1.3 percent."
    elif t / b < 0.25 and t / w < 0.25:
        acc = "Accuracy is better than 2 percent."
    else:
        acc = "**** Warning ****\nAccuracy is questionable, probably worse than 2 percent!"
    return block(z, PLAIN, *pcb_constants(z, er), f) + "\n\n" + acc


def offset_stripline(f, h1, h2, w, t, er):
    h1, h2, w, t = h1 / 25.4, h2 / 25.4, w / 25.4, t / 25400
    z1, z2 = zstrip(2 * h1 + t, w, t, er), zstrip(2 * h2 + t, w, t, er)
    zs = 2 * z1 * z2 / (z1 + z2)
    B = h1 + h2 + t
    if h2 < h1:
        h1, h2 = h2, h1
    za, zb = zstrip(h1, w, t, 1.0), zstrip(h2, w, t, 1.0)
    zp = 2 * za * zb / (za + zb)
    dz = 0.0325 * PI * zp ** 2 * (0.5 - (h1 + 0.5 * t) / B) ** 2.2 * ((t + w) / B) ** 2.9
    zh = (zstrip(B, w, t, 1.0) - dz) / math.sqrt(er)
    return ("\nSeymour Formula:" + block(zs, PLAIN, *pcb_constants(zs, er), f) + "\n"
            + "\nHogan Formula:" + block(zh, PLAIN, *pcb_constants(zh, er), f)
            + "\n\nNo accuracy is guaranteed for both formulas.")


def wire_above_ground(f, d, h, er):
    z = 60 * math.log(4 * (h / 25.4) / (d / 25.4)) / math.sqrt(er)
    return block(z, PLAIN, *pcb_constants(z, er), f)


def coax(f, d1, d2, er):
    z = 60 * math.log((d2 / 25.4) / (d1 / 25.4)) / math.sqrt(er)
    return block(z, PLAIN, *pcb_constants(z, er), f)


def twisted_pair(f, d, s, er, twists):
    d, s = d / 1000, s / 1000
    A = math.acosh(s / d)
    text = ""
    for q, label in ((0.0004, "\tOhm\tCharacteristic Impedance: Lefferson formula for hard insulation\nL\t= "),
                     (0.001, "\tOhm\tCharacteristic Impedance: Lefferson formula for soft insulation (PTFE) \nL\t= ")):
        theta = math.degrees(math.atan(twists * PI * s))
        eeff = (q * theta ** 2 + 0.25) * (er - 1) + 1
        c = eeff * PI * 8.854187818e-12 / A
        l = eeff * 1.112650054829934e-17 / c  # the calculator's mu0 eps0
        pd = math.sqrt(eeff) / 299792458.0 * 1e9
        text += ("\n" if text else "") + block(math.sqrt(l / c), label, l * 1e9, c * 1e12, pd, f)
    eps0 = 8.854187818e-12
    l3 = 4e-07 * A
    cair = PI * eps0 / A
    h = d * 0.999999999999 / 1000
    k = 1 / er - 1
    i1 = i2 = 0.0
    for i in range(1001):
        y = i * h
        wgt = 0.5 if i in (0, 1000) else 1.0
        i1 += wgt * eps0 / (s - math.sqrt(d * d - y * y))
        i2 += wgt * eps0 / (s + k * math.sqrt(s * s - y * y) - math.sqrt(d * d - y * y) / er)
    c3 = h * i2 + cair - h * i1
    text += "\n" + block(math.sqrt(l3 / c3), "\tOhm\tCharacteristic Impedance: Broxon, Linkhart formula, correctness is not sure\nL\t= ",
                         l3 * 1e9, c3 * 1e12, math.sqrt(l3 * c3) * 1e9, f)
    z4 = 120 * A / math.sqrt(er)
    pd4 = math.sqrt(er) / 299792458.0 * 1e9
    text += "\n" + block(z4, "\tOhm\tCharacteristic Impedance: For wires fully embedded in material of er \nL\t= ",
                         pd4 * z4, pd4 * 1000 / z4, pd4, f)
    return text


def skin_effect(f, d, rho, ur, freq):
    D = d * 1000
    k = (1 / (rho * 1e6)) * freq * 2 * PI * ur * 4 * PI * 1e-7
    delta = math.sqrt(2 / k) if k else math.inf
    aw = D * D * PI / 4
    ae = aw - (D - 2 * delta) ** 2 * PI / 4
    note = ("\n\nSkin depth is also called \"average current depth\"\nThe skin depth is correct for many wire shapes"
            " (e.g. rectangular)\nand so allows approximate calculation of active area.")
    if D <= 4 * delta:
        return ("\nd\t= " + f(delta / 1000) + "\tmm\tSkin depth ( Depth where current density is down to 37% ) \nAw\t= "
                + f(aw / 1e6) + "\tmm2\tWire area\n\nResistance rise is not strong for this wire (<30%)" + note)
    return ("\nds\t= " + f(delta / 1000) + "\tmm\tSkin depth ( Depth where current density is down to 37% ) \nAw\t= "
            + f(aw / 1e6) + "\tmm2\tWire area\nAe\t= " + f(ae / 1e6) + "\tmm2\tActive wire area\ndelta\t= "
            + f(aw / ae) + "\t\tRelative resistance rise due to skin effect" + note)


CASES = [
    ("MicrostripWideTrace", microstrip, "1.6 3 35 4.3"),
    ("MicrostripFr4FiftyOhm", microstrip, "1.6 3.1 35 4.5"),
    ("MicrostripNarrowTrace", microstrip, "1.6 0.5 35 4.3"),
    ("MicrostripTooNarrow", microstrip, "1.6 0.1 35 4.3"),
    ("MicrostripVeryNarrow", microstrip, "1.6 0.2 35 4.3"),
    ("MicrostripWidthJustBelowHeight", microstrip, "1.6 1.55 35 4.3"),
    ("MicrostripWidthEqualsHeight", microstrip, "1.6 1.6 35 4.3"),
    ("MicrostripPermittivity16", microstrip, "1.6 3 35 16"),
    ("MicrostripPermittivityBelow16", microstrip, "1.6 3 35 15.999"),
    ("EmbeddedCovered", embedded, "0.2 0.4 0.3 35 4.3"),
    ("EmbeddedCoverEqualsHeight", embedded, "0.2 0.2 0.3 35 4.3"),
    ("EmbeddedPermittivity15", embedded, "0.2 0.4 0.3 35 15"),
    ("EmbeddedPermittivityAbove15", embedded, "0.2 0.4 0.3 35 15.01"),
    ("DifferentialApart", differential, "0.2 0.3 50"),
    ("DifferentialTouching", differential, "0.2 0 50"),
    ("StriplineNarrow", stripline, "1.6 0.5 35 4.3"),
    ("StriplineWideAtBound", stripline, "1.6 0.56 35 4.3"),
    ("StriplineThinTrace", stripline, "1.6 1 35 4.3"),
    ("StriplineTwoPercentBound", stripline, "1.1 1 110 4.3"),
    ("StriplineQuarterBound", stripline, "1.6 1 250 4.3"),
    ("OffsetStripline", offset_stripline, "0.2 0.5 0.15 35 4.3"),
    ("WireAboveGround", wire_above_ground, "0.5 2 1"),
    ("WireAtQuarterDiameter", wire_above_ground, "1 0.25 1"),
    ("WireWithInchDigits", wire_above_ground, "0.8 2 1"),
    ("CoaxFiftyOhm", coax, "1 3.5 2.25"),
    ("CoaxWithInchDigits", coax, "0.8 2.5 1"),
    ("TwistedPair", twisted_pair, "0.5 0.9 3.5 40"),
    ("TwistedPairInAir", twisted_pair, "0.5 0.9 1 0"),
    ("SkinCopper1MHz", skin_effect, "1 0.0175 1 1e6"),
    ("SkinCopper50Hz", skin_effect, "1 0.0175 1 50"),
    ("SkinDiameterFourDepths", skin_effect, "1 0.0175 1 70924.82854963644"),
    ("SkinDiameterAboveFourDepths", skin_effect, "1 0.0175 1 70924.8285496365"),
]

if __name__ == "__main__":
    more = "--more-digits" in sys.argv
    f = (lambda x: fmt(x, 15, 0.001)) if more else fmt
    for name, fn, args in CASES:
        print("==", name, args)
        print(repr(fn(f, *[num(a) for a in args.split()])))
