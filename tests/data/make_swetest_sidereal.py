#!/usr/bin/env python3
"""Reference values for the ayanamsas and for births near sign cusps, from the Swiss
Ephemeris test program (Debian packages swetest and swe-basic-data: the JPL-based files in
/usr/share/libswe/ephe, not the built-in Moshier theory).

Two kinds of rows, in one file:

  ayanamsa NAME MODE jd_tt degrees
      the ayanamsa of `swetest -sidMODE` (nutation included) at moments from 1900 to 2050;
  cusp NAME MODE BODY year month day hour minute degrees
      a birth at Greenwich (universal time, whole minutes) whose BODY stands a few
      arc-seconds from a sign's edge in the zodiac of MODE (an ayanamsa's number, or
      "tropical"); degrees is the body's longitude in that zodiac (`swetest -sidMODE`).

The cusp moments are found by searching swetest itself: the first change of sign after a
start date, then the whole minute a few arc-seconds past it on the side each row names.

  python3 make_swetest_sidereal.py > swetest_sidereal.txt
"""
import subprocess

EPHE = "/usr/share/libswe/ephe"

# name, swetest -sid number
AYANAMSAS = [
    ("Lahiri", 1),
    ("Raman", 3),
    ("Krishnamurti", 5),
    ("TrueChitra", 27),
    ("Yukteshwar", 7),
    ("FaganBradley", 0),
]

# Each ayanamsa once, with a different body and side; the tropical row is the Western
# chart's. name, zodiac (sid number or None), swetest body letter, start (UT date), side (+1:
# just inside the new sign, -1: just before it)
CUSPS = [
    ("Lahiri", 1, "0", (1985, 3, 1), +1),         # Sun
    ("Raman", 3, "1", (1910, 1, 1), -1),          # Moon
    ("Krishnamurti", 5, "2", (1999, 1, 1), +1),   # Mercury
    ("TrueChitra", 27, "4", (2024, 1, 1), -1),    # Mars
    ("Yukteshwar", 7, "5", (1962, 1, 1), +1),     # Jupiter
    ("FaganBradley", 0, "3", (2049, 1, 1), -1),   # Venus
    ("LahiriRahu", 1, "m", (1950, 1, 1), +1),     # the mean node, moving backwards
    ("Tropical", None, "0", (1985, 3, 1), +1),    # the Sun entering Aries in 1985
]
BODY_NAMES = {"0": "Sun", "1": "Moon", "2": "Mercury", "3": "Venus", "4": "Mars",
              "5": "Jupiter", "6": "Saturn", "m": "Rahu"}

# How far past the edge the birth should stand, arc-seconds: more than the program's
# promised error, so the sign is decided, yet close enough to tell a wrong one.
TARGET_ARCSEC = 8
SMALLEST_ARCSEC = 5


def swetest(*args):
    out = subprocess.run(["swetest", f"-edir{EPHE}", *args], capture_output=True, text=True,
                         check=True).stdout
    if "Moshier" in out or "not found" in out:
        raise SystemExit("swetest fell back to its built-in theory: apt-get install swe-basic-data")
    return out


def longitude(body, zodiac, jd_ut):
    args = [f"-bj{jd_ut:.8f}", "-ut", f"-p{body}", "-fPl", "-head"]
    if zodiac is not None:
        args.append(f"-sid{zodiac}")
    return float(swetest(*args).split()[-1])


def ayanamsa(mode, jd_tt):
    return float(swetest(f"-bj{jd_tt:.6f}", f"-ay{mode}", "-fPl", "-head").split()[-1])


def sign(degrees):
    return int(degrees // 30) % 12


def edge_distance_arcsec(degrees):
    """Signed distance from the nearest multiple of 30 degrees."""
    d = (degrees + 15) % 30 - 15
    return d * 3600


def crossing(body, zodiac, start):
    # Steps short enough that no body skips a sign or turns back within one of them unseen
    # (Rahu takes 18 months a sign, the Moon two and a half days).
    step = 0.05 if body == "1" else 0.5
    t, s = start, sign(longitude(body, zodiac, start))
    while True:
        u = t + step
        su = sign(longitude(body, zodiac, u))
        if su != s:
            break
        t = u
    lo, hi = t, u
    while hi - lo > 1e-6:
        mid = (lo + hi) / 2
        if sign(longitude(body, zodiac, mid)) == s:
            lo = mid
        else:
            hi = mid
    return hi


def minute_of(jd_ut):
    """The UT calendar date and whole minute nearest to a Julian day."""
    minutes = round((jd_ut - 0.5) * 1440)
    jd0 = minutes // 1440 + 0.5
    # Julian day to Gregorian calendar (Fliegel and Van Flandern).
    l = int(jd0 + 0.5) + 68569
    n = 4 * l // 146097
    l -= (146097 * n + 3) // 4
    i = 4000 * (l + 1) // 1461001
    l = l - 1461 * i // 4 + 31
    j = 80 * l // 2447
    day = l - 2447 * j // 80
    l = j // 11
    month = j + 2 - 12 * l
    year = 100 * (n - 49) + i + l
    in_day = minutes % 1440
    return year, month, day, in_day // 60, in_day % 60, minutes / 1440 + 0.5


def julian_day(year, month, day):
    """0h UT of a Gregorian date (Fliegel and Van Flandern)."""
    a = (14 - month) // 12
    y = year + 4800 - a
    m = month + 12 * a - 3
    return day + (153 * m + 2) // 5 + 365 * y + y // 4 - y // 100 + y // 400 - 32045 - 0.5


def cusp_row(name, zodiac, body, start, side):
    tc = crossing(body, zodiac, julian_day(*start))
    before = longitude(body, zodiac, tc - 0.01)
    after = longitude(body, zodiac, tc + 0.01)
    speed = abs(edge_distance_arcsec(after) - edge_distance_arcsec(before)) / 0.02  # "/day
    t = tc + side * TARGET_ARCSEC / speed
    while True:
        year, month, day, hour, minute, jd = minute_of(t)
        degrees = longitude(body, zodiac, jd)
        d = edge_distance_arcsec(degrees)
        inside = sign(degrees) == sign(longitude(body, zodiac, tc + side * 1e-3))
        if inside and abs(d) >= SMALLEST_ARCSEC:
            break
        t += side / 1440
    mode = "tropical" if zodiac is None else str(zodiac)
    return (f"cusp {name} {mode} {BODY_NAMES[body]} {year} {month} {day} {hour} {minute} "
            f"{degrees:.7f}")


def main():
    print("# ayanamsa NAME MODE jd_tt degrees | cusp NAME MODE BODY year month day hour minute"
          " degrees (UT at Greenwich, in the zodiac of MODE)")
    # Every ten years and a few odd moments between, 1900-2050.
    moments = [2415020.5 + k * 3652.5 for k in range(16)]
    moments += [2419403.25, 2432412.77, 2444405.71, 2460394.79, 2470172.49]
    for name, mode in AYANAMSAS:
        for jd in sorted(moments):
            print(f"ayanamsa {name} {mode} {jd:.6f} {ayanamsa(mode, jd):.7f}")
    for row in CUSPS:
        print(cusp_row(*row))


if __name__ == "__main__":
    main()
