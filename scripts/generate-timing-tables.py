#!/usr/bin/env python3
"""Writes the shipped timing tables: data/tables.ini and its six variants for the custom layouts.

Run from anywhere:  python3 scripts/generate-timing-tables.py
The files are committed; run this again only after changing the formulas below.

Programming a curve looks up its engine-dependent bytes in these files (section = the byte's
symbol, key = the engine configuration, for node bytes also the angle):

  rotor part     r: CAM (r = 0) or CRANK (r = 1)
  cylinder part  c: 1 2 3 4 6 8 or CUST (a two-stroke twin and four use the keys of 4 and 8)
  tach part      t: 1 2 3 4 6 8 or CUST
  coil-on angle    0, 10, ... 240     primary spark angle 0, 1, ... 75

Every value is a whole number 0..255. The numbers follow the engine's geometry where it has one
and are otherwise distinct per configuration, so that a byte looked up under a wrong key shows:

  k = index of the cylinder part: 1 -> 1, 2 -> 2, 3 -> 3, 4 -> 4, 6 -> 5, 8 -> 6,
      CUST -> 7 + v, where v is the file: tables 0, tableshdd 1, tableshds 2, tables50 3,
      tables72 4, tables90 5, tables180 6
  n = cylinders fired per cycle: the count itself, 2 for CUST
  s = crank degrees between firings: 720 / n, for CUST the V angle of the file's twin
      (tables, tableshdd, tableshds 45; tables50 50; tables72 72; tables90 90; tables180 180)
  j = index of the tach part: CUST -> 0, then 1 -> 1 ... 8 -> 6; m = its count (CUST -> 2)

  [StartTable2Init]  r_c      = 1 + k + 20 r
  [StartTable]       r_c      = 32 + 4 k + 64 r
  [StartTable2]      r_c      = 48 + 4 k + 64 r
  [SparkDuration]    r_c      = 2 + r + (k mod 3)          spark duration D, at most 5 degrees,
                                                           so a second or third spark 5 degrees
                                                           below the one before always fits
  [TachStart]        r_t      = 3 + 5 j + 40 r
  [TachInterval]     r_t      = round(180 / m) + r
  [ResetCylSpSat]    DIST_c   = k;  COIL_c = 16 + k
  [InitialSatCyl]    COIL_c_a = (a div s) mod n            the cylinder whose interval holds the
                                                           coil-on angle a
  [InitialSat]       CAM_c_a  = a div 2 + 100 + k;  CRANK_c_a = a + k         (a = coil-on angle)
  [InitialSpark]     CAM_c_p  = p + 120 + k;        CRANK_c_p = 2 p + 20 + k  (p = primary spark)

Only k, n and s of CUST depend on the file, so the variants differ from tables.ini only in the
keys whose cylinder part is CUST. Every file also names the custom layout for the program's start
([CustName] NAME).
"""

from pathlib import Path

ROTORS = [("CAM", 0), ("CRANK", 1)]
COUNTS = [1, 2, 3, 4, 6, 8]
CYLINDER_INDEX = {1: 1, 2: 2, 3: 3, 4: 4, 6: 5, 8: 6}
TACH_PARTS = ["CUST"] + [str(c) for c in COUNTS]
COIL_ON_ANGLES = range(0, 241, 10)
SPARK_ANGLES = range(0, 76)
CUSTOM_NAME = "H-D (Dual Fire)"

# (file, v, V angle of its twin)
FILES = [
    ("tables.ini", 0, 45),
    ("tableshdd.ini", 1, 45),
    ("tableshds.ini", 2, 45),
    ("tables50.ini", 3, 50),
    ("tables72.ini", 4, 72),
    ("tables90.ini", 5, 90),
    ("tables180.ini", 6, 180),
]


def cylinder_parts(variant, v_angle):
    """(part, k, n, s) for every cylinder part."""
    parts = [(str(c), CYLINDER_INDEX[c], c, 720 // c) for c in COUNTS]
    parts.append(("CUST", 7 + variant, 2, v_angle))
    return parts


def tables(variant, v_angle):
    """The sections in file order, each a list of (key, value)."""
    cyl = cylinder_parts(variant, v_angle)
    sections = {}

    def per_rotor_cyl(formula):
        return [(f"{rotor}_{part}", formula(k, r)) for rotor, r in ROTORS for part, k, _, _ in cyl]

    sections["StartTable2Init"] = per_rotor_cyl(lambda k, r: 1 + k + 20 * r)
    sections["TachStart"] = [(f"{rotor}_{t}", 3 + 5 * j + 40 * r)
                             for rotor, r in ROTORS for j, t in enumerate(TACH_PARTS)]
    sections["TachInterval"] = [(f"{rotor}_{t}", round(180 / (2 if t == "CUST" else int(t))) + r)
                                for rotor, r in ROTORS for t in TACH_PARTS]
    sections["StartTable"] = per_rotor_cyl(lambda k, r: 32 + 4 * k + 64 * r)
    sections["StartTable2"] = per_rotor_cyl(lambda k, r: 48 + 4 * k + 64 * r)
    sections["SparkDuration"] = per_rotor_cyl(lambda k, r: 2 + r + k % 3)
    sections["ResetCylSpSat"] = ([(f"DIST_{part}", k) for part, k, _, _ in cyl] +
                                 [(f"COIL_{part}", 16 + k) for part, k, _, _ in cyl])
    sections["InitialSatCyl"] = [(f"COIL_{part}_{a}", (a // s) % n)
                                 for part, _, n, s in cyl for a in COIL_ON_ANGLES]
    sections["InitialSat"] = [(f"{rotor}_{part}_{a}", a // 2 + 100 + k if r == 0 else a + k)
                              for rotor, r in ROTORS for part, k, _, _ in cyl for a in COIL_ON_ANGLES]
    sections["InitialSpark"] = [(f"{rotor}_{part}_{p}", p + 120 + k if r == 0 else 2 * p + 20 + k)
                                for rotor, r in ROTORS for part, k, _, _ in cyl for p in SPARK_ANGLES]
    return sections


def render(name, sections):
    lines = ["; Timing table written by scripts/generate-timing-tables.py; edit the script, not this file.",
             "", "[CustName]", f"NAME=#{CUSTOM_NAME}#"]
    for section, entries in sections.items():
        lines += ["", f"[{section}]"]
        for key, value in entries:
            assert 0 <= value <= 255, (name, section, key, value)
            lines.append(f"{key}={value}")
    return "\r\n".join(lines) + "\r\n"


def main():
    data = Path(__file__).resolve().parent.parent / "data"
    for name, variant, v_angle in FILES:
        (data / name).write_bytes(render(name, tables(variant, v_angle)).encode("ascii"))


if __name__ == "__main__":
    main()
