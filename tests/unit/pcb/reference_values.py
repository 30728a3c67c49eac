#!/usr/bin/env python3
"""Independent values for the pcb tests, straight from the published formulas.

IPC-2221:    I = k dT^0.44 A^0.725, k 0.048 outer / 0.024 inner, A in square mils.
IPC-2152:    dT = 215.3 I^2 W^-1.15 Th^-1, W and Th in mils (the power law taken as
             Brooks and Adam's fit; its coefficients are not verified).
Onderdonk:   I = A sqrt(log10(1 + (1083 - Ta) / (234 + Ta)) / (33 s)), A in circular mils.
Johnson:     C = 1.41 er T D1 / (D2 - D1) pF, L = 5.08 h (ln(4h/d) + 1) nH, inches.
Copper:      1/58 Ohm mm2/m at 20 C, 0.00393 /K, 390 W/(m K).
"""
import math

MIL = 25.4e-6
INCH = 25.4e-3
RHO = 1 / 58e6

def ipc2221_current(rise, area_sq_mil, k):
    return k * rise ** 0.44 * area_sq_mil ** 0.725

def ipc2221_width_mm(current, rise, thickness_um, k):
    area = (current / (k * rise ** 0.44)) ** (1 / 0.725)
    return area / (thickness_um * 1e-6 / MIL) * MIL * 1e3

def ipc2221_rise(current, width_mm, thickness_um, k):
    area = width_mm * 1e-3 * thickness_um * 1e-6 / MIL ** 2
    return (current / (k * area ** 0.725)) ** (1 / 0.44)

def ipc2152_width_mm(current, rise, thickness_um):
    th = thickness_um * 1e-6 / MIL
    return (215.3 * current ** 2 / (rise * th)) ** (1 / 1.15) * MIL * 1e3

def ipc2152_rise(current, width_mm, thickness_um):
    return 215.3 * current ** 2 * (width_mm * 1e-3 / MIL) ** -1.15 / (thickness_um * 1e-6 / MIL)

def ipc2152_current(rise, width_m, thickness_m):
    return math.sqrt(rise * (width_m / MIL) ** 1.15 * (thickness_m / MIL) / 215.3)

def onderdonk(cmil, seconds, ambient):
    return cmil * math.sqrt(math.log10(1 + (1083 - ambient) / (234 + ambient)) / (33 * seconds))

def johnson_c_pf(er, t_in, d1_in, d2_in):
    return 1.41 * er * t_in * d1_in / (d2_in - d1_in)

def johnson_l_nh(h_in, d_in):
    return 5.08 * h_in * (math.log(4 * h_in / d_in) + 1)

def track_width_report(current, rise=10, thickness_um=35, length_mm=100):
    w = ipc2152_width_mm(current, rise, thickness_um)
    area = w * 1e-3 * thickness_um * 1e-6
    r20 = RHO * length_mm * 1e-3 / area
    hot = r20 * (1 + 0.00393 * rise)
    print("Track width: W", w, "Wout", ipc2221_width_mm(current, rise, thickness_um, 0.048),
          "Win", ipc2221_width_mm(current, rise, thickness_um, 0.024))
    print("  R20 mOhm", r20 * 1e3, "Rhot", hot * 1e3, "U mV", current * hot * 1e3, "P mW", current ** 2 * hot * 1e3)

def via_report(d_mm, p_um, h_mm, d1_mm, d2_mm, er):
    p = p_um * 1e-6
    mean = math.pi * (d_mm * 1e-3 - p)
    area = mean * p
    c = johnson_c_pf(er, h_mm / 25.4, d1_mm / 25.4, d2_mm / 25.4)
    l = johnson_l_nh(h_mm / 25.4, d_mm / 25.4)
    print("Via: A mm2", area * 1e6, "R mOhm", RHO * h_mm * 1e-3 / area * 1e3,
          "I10", ipc2152_current(10, mean, p), "I20", ipc2152_current(20, mean, p),
          "Rth", h_mm * 1e-3 / (390 * area))
    print("  C pF", c, "L nH", l, "Z", math.sqrt(l * 1e-9 / (c * 1e-12)),
          "TrC ps", 2.2 * c * 25, "TrL ps", 2.2 * l * 1e3 / 100)

def fusing_report(width_mm, thickness_um=35, seconds=1, ambient=25):
    area = width_mm * thickness_um * 1e-3  # mm2
    cmil = area * 1e-6 / (math.pi / 4 * MIL ** 2)
    current = onderdonk(cmil, seconds, ambient)
    print("Fusing: A mm2", area, "I", current, "J A/mm2", current / area)

if __name__ == "__main__":
    print("IPC-2221 10 mil 1 oz 10 K outer:", ipc2221_current(10, 10 * 1.378, 0.048))
    track_width_report(3)
    print("IPC-2152 rise 1 mm 35 um 2 A:", ipc2152_rise(2, 1, 35),
          "IPC-2221 out/in:", ipc2221_rise(2, 1, 35, 0.048), ipc2221_rise(2, 1, 35, 0.024))
    print("Onderdonk 2581 cmil 5 s 25 C:", onderdonk(2581, 5, 25))
    fusing_report(0.254)
    print("Johnson C:", johnson_c_pf(4.4, 0.157, 0.028, 0.055), "ps", 2.2 * 25 * johnson_c_pf(4.4, 0.157, 0.028, 0.055))
    print("Johnson L:", johnson_l_nh(0.063, 0.016))
    via_report(0.012 * 25.4, 25, 0.157 * 25.4, 0.028 * 25.4, 0.055 * 25.4, 4.4)
