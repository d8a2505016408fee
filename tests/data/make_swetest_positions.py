#!/usr/bin/env python3
"""Writes swetest_positions.txt: reference positions from the Swiss Ephemeris test program
(Debian package swetest, Moshier ephemeris) for seeded random births, 1900 to 2050.

Run from this folder:  python3 make_swetest_positions.py > swetest_positions.txt
"""
import random
import subprocess


def swetest(*args):
    out = subprocess.run(["swetest", *args, "-fPl", "-head", "-emos"],
                         capture_output=True, text=True, check=True).stdout
    values = {}
    for line in out.splitlines():
        name, _, value = line.rpartition(" ")
        values[name.strip()] = float(value)
    return values


def main():
    rng = random.Random(1975)
    print("# year month day hour minute lat_deg lat_min N|S lon_deg lon_min E|W"
          " | Sun Mercury Venus Mars Jupiter Saturn (J2000 ecliptic)"
          " | Moon MeanNode Ascendant (ecliptic of date), all degrees, times UT")
    for _ in range(120):
        year = rng.randint(1900, 2050)
        month = rng.randint(1, 12)
        day = rng.randint(1, 28)
        hour, minute = rng.randint(0, 23), rng.randint(0, 59)
        lat_deg, lat_min = rng.randint(0, 65), rng.randint(0, 59)
        lon_deg, lon_min = rng.randint(0, 179), rng.randint(0, 59)
        ns, ew = rng.choice("NS"), rng.choice("EW")
        lat = (lat_deg + lat_min / 60) * (1 if ns == "N" else -1)
        lon = (lon_deg + lon_min / 60) * (1 if ew == "E" else -1)
        when = [f"-b{day}.{month}.{year}", f"-ut{hour}:{minute:02d}"]
        j2000 = swetest(*when, "-p0256345", "-j2000")
        of_date = swetest(*when, "-p1m", f"-house{lon:.6f},{lat:.6f},P")
        row = [year, month, day, hour, minute, lat_deg, lat_min, ns, lon_deg, lon_min, ew, "|"]
        row += [f"{j2000[n]:.6f}" for n in ("Sun", "Mercury", "Venus", "Mars", "Jupiter", "Saturn")]
        row += ["|"] + [f"{of_date[n]:.6f}" for n in ("Moon", "mean Node", "Ascendant")]
        print(" ".join(str(x) for x in row))


if __name__ == "__main__":
    main()
