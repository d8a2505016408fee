#!/usr/bin/env python3
"""Reference places and speeds for the Western chart's bodies from the Swiss Ephemeris test
program (Debian packages swetest and swe-basic-data), at the moments of
make_swetest_precise.py.

Each output row is one moment in universal time:
  year month day hour minute | Uranus Neptune Pluto
  | speeds of Sun Moon Mercury Venus Mars Jupiter Saturn Uranus Neptune Pluto MeanNode TrueNode
The longitudes are apparent geocentric, true equinox of date, in degrees; the speeds are
those longitudes' rates in degrees per day (negative while retrograde).

  python3 make_swetest_western.py > swetest_western.txt
"""
from make_swetest_precise import FIXED, swetest

NAMES = ["Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune",
         "Pluto", "mean Node", "true Node"]


def row(year, month, day, hour, minute):
    out = swetest(f"-b{day}.{month}.{year}", f"-ut{hour}:{minute:02d}", "-p0123456789mt", "-fPls",
                  "-head")
    places = {}
    for line in out.splitlines():
        fields = line.split()
        name = " ".join(fields[:-2])
        places[name] = (fields[-2], fields[-1])
    outer = [places[n][0] for n in ("Uranus", "Neptune", "Pluto")]
    speeds = [places[n][1] for n in NAMES]
    return " ".join([str(year), str(month), str(day), str(hour), str(minute), "|", *outer, "|",
                     *speeds])


def main():
    print("# year month day hour minute | Uranus Neptune Pluto | speeds Sun Moon Mercury Venus"
          " Mars Jupiter Saturn Uranus Neptune Pluto MeanNode TrueNode  (apparent, of date;"
          " degrees, degrees per day)")
    for birth in FIXED:
        print(row(*birth))


if __name__ == "__main__":
    main()
