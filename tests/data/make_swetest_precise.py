#!/usr/bin/env python3
"""Reference places for the precise positions from the Swiss Ephemeris test program
(Debian packages swetest and swe-basic-data: the compressed JPL ephemeris files in
/usr/share/libswe/ephe, not the built-in Moshier theory).

Each output row is one moment in universal time:
  year month day hour minute julian_day_ut
  | Sun Moon Mercury Venus Mars Jupiter Saturn | MeanNode TrueNode | Lahiri
The bodies and nodes are apparent geocentric longitudes of the true equinox of date, the
last column the Lahiri ayanamsa with nutation, all in degrees.

  python3 make_swetest_precise.py > swetest_precise.txt        (the fixed births below)
  python3 make_swetest_precise.py --random 300 --seed 14        (random births 1900-2050)
"""
import argparse
import random
import subprocess

EPHE = "/usr/share/libswe/ephe"

# year, month, day, hour, minute in UT
FIXED = [
    (1900, 1, 1, 0, 0),      # the first day the form offers
    (1900, 2, 28, 6, 15),    # before the formulas' March 1900 day-number mend
    (1900, 6, 15, 12, 0),    # Mars at 28 deg Aries, which the formulas put in Taurus
    (1947, 8, 14, 18, 30),   # New Delhi, midnight 15 August 1947
    (1969, 7, 20, 20, 17),   # Houston, the Moon landing
    (1980, 6, 15, 5, 0),     # New Delhi, 10:30 IST, the program's example birth
    (2000, 1, 1, 12, 0),     # J2000
    (2024, 3, 25, 7, 0),     # past the last leap second
    (2050, 12, 31, 23, 59),  # the last minute the form offers
]


def swetest(*args):
    out = subprocess.run(["swetest", f"-edir{EPHE}", *args], capture_output=True, text=True,
                         check=True).stdout
    if "Moshier" in out or "not found" in out:
        raise SystemExit("swetest fell back to its built-in theory: apt-get install swe-basic-data")
    return out


def values(out):
    result = {}
    for line in out.splitlines():
        name, _, value = line.rpartition(" ")
        result[name.strip()] = value
    return result


def row(year, month, day, hour, minute):
    when = [f"-b{day}.{month}.{year}", f"-ut{hour}:{minute:02d}"]
    places = values(swetest(*when, "-p0123456mt", "-fPl", "-head"))
    ayanamsa = swetest(*when, "-ay1", "-fPl", "-head").split()[-1]
    header = swetest(*when, "-p0")
    jd = next(line.split()[1] for line in header.splitlines() if line.startswith("UT:"))
    bodies = [places[n] for n in ("Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn")]
    nodes = [places["mean Node"], places["true Node"]]
    return " ".join([str(year), str(month), str(day), str(hour), str(minute), jd, "|", *bodies,
                     "|", *nodes, "|", ayanamsa])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--random", type=int, default=0, help="this many random births instead")
    parser.add_argument("--seed", type=int, default=14)
    args = parser.parse_args()
    births = FIXED
    if args.random:
        rng = random.Random(args.seed)
        births = [(rng.randint(1900, 2050), rng.randint(1, 12), rng.randint(1, 28),
                   rng.randint(0, 23), rng.randint(0, 59)) for _ in range(args.random)]
    print("# year month day hour minute jd_ut | Sun Moon Mercury Venus Mars Jupiter Saturn"
          " | MeanNode TrueNode | Lahiri  (apparent, true equinox of date, degrees)")
    for birth in births:
        print(row(*birth))


if __name__ == "__main__":
    main()
