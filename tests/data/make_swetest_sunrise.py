#!/usr/bin/env python3
"""Sunrise and sunset of the jyotisha kind (centre of the disc on the true horizon, no
refraction: swetest's -hindu) from the Swiss Ephemeris test program (Debian packages swetest
and swe-basic-data), for local dates at places in every quarter of the globe.

Each output row is one local date at one place:
  year month day utc_offset_hours latitude longitude | rise set
latitude north and longitude east positive; rise and set are hours after the local midnight
that starts the date, or "-" when the Sun does not rise or set on that date.

  python3 make_swetest_sunrise.py > swetest_sunrise.txt
"""
import re
import subprocess

EPHE = "/usr/share/libswe/ephe"

# year, month, day, offset from UT (hours, east positive), latitude, longitude, what it shows
PLACES = [
    (1980, 6, 15, 5.5, 28.6, 77.2167, "New Delhi, the program's example birth"),
    (1947, 8, 15, 5.5, 28.6, 77.2167, "New Delhi, Independence Day"),
    (2000, 1, 1, 5.5, 13.0833, 80.2833, "Chennai, J2000"),
    (1990, 12, 21, 5.75, 27.7, 85.3167, "Kathmandu, winter solstice, a quarter-hour zone"),
    (2024, 3, 20, 0.0, 51.4769, 0.0, "Greenwich, the equinox"),
    (1969, 7, 20, 1.0, 51.5, -0.1167, "London, British Standard Time"),
    (2010, 11, 7, -5.0, 40.7167, -74.0, "New York, the day daylight saving ended"),
    (1955, 2, 24, -8.0, 37.7667, -122.4167, "San Francisco, sunset after 01:30 UT"),
    (2001, 9, 11, -10.0, 21.3, -157.8333, "Honolulu, far west"),
    (1985, 1, 1, 11.0, -33.8667, 151.2, "Sydney, southern summer"),
    (2020, 1, 15, 13.0, -36.85, 174.7667, "Auckland, southern summer, a +13 zone"),
    (1950, 6, 21, 0.0, 64.15, -21.95, "Reykjavik, the longest day"),
    (1998, 10, 10, -5.0, -0.2167, -78.5, "Quito, on the equator"),
    (2030, 5, 1, 3.0, 55.75, 37.6167, "Moscow"),
    (2015, 6, 21, 1.0, 69.65, 18.95, "Tromso, the midnight sun"),
    (2015, 12, 21, 1.0, 69.65, 18.95, "Tromso, the polar night"),
]

EVENT = re.compile(r"(rise|set)\s+(-|(\d+)\.(\d+)\.(\d+)\s+(\d+):(\d+):([\d.]+))")


def days_from_civil(y, m, d):
    """Days since 1970-01-01 of a proleptic Gregorian date."""
    y -= m <= 2
    era = y // 400
    yoe = y - era * 400
    doy = (153 * (m + (-3 if m > 2 else 9)) + 2) // 5 + d - 1
    doe = yoe * 365 + yoe // 4 - yoe // 100 + doy
    return era * 146097 + doe - 719468


def events(year, month, day, offset, lat, lon):
    # The search starts at the local midnight, in UT.
    start = days_from_civil(year, month, day) * 24.0 - offset
    sday, shour = divmod(start, 24.0)
    y, m, d = civil_from_days(int(sday))
    h, rest = divmod(round(shour * 3600), 3600)
    out = subprocess.run(
        ["swetest", f"-edir{EPHE}", f"-b{d}.{m}.{y}", f"-ut{h}:{rest // 60:02d}", "-rise",
         "-hindu", f"-geopos{lon},{lat},0", "-p0", "-n1"],
        capture_output=True, text=True, check=True).stdout
    if "Moshier" in out or "not found" in out:
        raise SystemExit("swetest fell back to its built-in theory: apt-get install swe-basic-data")
    found = {}
    for kind, whole, ed, em, ey, eh, emin, es in EVENT.findall(out):
        if whole == "-":
            found[kind] = "-"
            continue
        ut = days_from_civil(int(ey), int(em), int(ed)) * 24.0 + int(eh) + int(emin) / 60 + float(es) / 3600
        local = ut - start
        found[kind] = f"{local:.5f}" if 0 <= local < 24 else "-"
    return found.get("rise", "-"), found.get("set", "-")


def civil_from_days(z):
    z += 719468
    era = z // 146097
    doe = z - era * 146097
    yoe = (doe - doe // 1460 + doe // 36524 - doe // 146096) // 365
    y = yoe + era * 400
    doy = doe - (365 * yoe + yoe // 4 - yoe // 100)
    mp = (5 * doy + 2) // 153
    d = doy - (153 * mp + 2) // 5 + 1
    m = mp + (3 if mp < 10 else -9)
    return y + (m <= 2), m, d


def main():
    print("# year month day utc_offset_hours latitude longitude | rise set (local hours)")
    for year, month, day, offset, lat, lon, what in PLACES:
        rise, sets = events(year, month, day, offset, lat, lon)
        print(f"{year} {month} {day} {offset} {lat} {lon} | {rise} {sets}  # {what}")


if __name__ == "__main__":
    main()
