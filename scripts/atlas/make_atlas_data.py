#!/usr/bin/env python3
"""Turns the GeoNames places shipped in Debian's libgeonames0 (a GLib resource holding a
serialised array of (id, name, admin1 code, admin1 name, country code, country name, IANA
zone, population, latitude, longitude)) into a C++ source file for the engine's atlas.

Usage: make_atlas_data.py GRESOURCE_TOOL LIBGEONAMES_SO LOCALE_DIR ISO_3166_JSON ZONE_TAB
                          OUTPUT.cpp

The blob is what `gresource extract libgeonames.so.0 /com/lomiri/geonames/cities.compiled`
prints. Only its data is read; nothing of the library is linked or shipped.

Every other name a place or a country goes by comes from packages too, none is typed here:
- GeoNames' names of each place and country in some 250 languages, which libgeonames-common
  ships as the translations LOCALE_DIR/*/LC_MESSAGES/geonames.mo (keyed by GeoNames id and
  country code): "Bombay", "Madras", "Calcutta", "Bangalore", "Peking", "UK" ...
- iso-codes' ISO 3166-1 table: each country's short, official and common name and its
  three-letter code ("South Korea", "USA").
- The tz database's zone.tab: a place for each inhabited country the GeoNames places lack
  (Singapore, Gibraltar, Macau ...), at the coordinates of its zone's main city.
"""
import glob
import json
import os
import gettext
import struct
import subprocess
import sys
import unicodedata

# Letters that carry no decomposition but that people type without their mark.
EXTRA_FOLDS = {
    "ß": "ss", "æ": "ae", "œ": "oe", "ø": "o", "đ": "d", "ð": "d", "þ": "th", "ł": "l",
    "ı": "i", "ħ": "h", "ŧ": "t", "ŋ": "n", "ĸ": "k", "ſ": "s", "ʼ": "'", "ʻ": "'", "’": "'",
}

# Code points the query side folds too: Latin-1 supplement to IPA extensions, Latin
# extended additional (Vietnamese) and the typographic quotes.
FOLD_RANGES = [(0x80, 0x2FF), (0x1E00, 0x1EFF), (0x2018, 0x201F)]


def fold_char(ch):
    low = ch.lower()
    if low in EXTRA_FOLDS:
        return EXTRA_FOLDS[low]
    decomposed = unicodedata.normalize("NFKD", low)
    stripped = "".join(c for c in decomposed if not unicodedata.combining(c))
    out = "".join(EXTRA_FOLDS.get(c, c) for c in stripped)
    return out.lower()


def in_fold_ranges(cp):
    return any(lo <= cp <= hi for lo, hi in FOLD_RANGES)


def fold(text):
    """The search key: the same rule the engine applies to what the user types."""
    out = []
    for ch in text:
        cp = ord(ch)
        if cp < 0x80:
            out.append(ch.lower())
        elif in_fold_ranges(cp):
            out.append(fold_char(ch))
        else:
            out.append(ch)
    return "".join(out)


def read_places(blob):
    n = len(blob)
    if n < 4:
        raise SystemExit("atlas data: the resource is empty")
    table_start = struct.unpack_from("<I", blob, n - 4)[0]
    count = (n - table_start) // 4
    ends = struct.unpack_from("<%dI" % count, blob, table_start)
    places = []
    start = 0
    for end in ends:
        places.append(read_place(blob[start:end]))
        start = (end + 7) & ~7
    return places


def read_place(item):
    # Seven strings whose ends are framed by one byte each (the tuple is shorter than 256
    # bytes), then a 32-bit population and two doubles at 8-byte alignment.
    frames = list(reversed(item[-7:]))
    strings = []
    pos = 0
    for end in frames:
        strings.append(item[pos:end - 1].decode("utf-8"))
        pos = end
    pos = (pos + 3) & ~3
    population = struct.unpack_from("<I", item, pos)[0]
    pos = (pos + 4 + 7) & ~7
    latitude, longitude = struct.unpack_from("<dd", item, pos)
    geonames_id, name, _admin_code, state, country_code, country, zone = strings
    return {
        "id": geonames_id, "name": name, "state": state, "country_code": country_code, "country": country,
        "zone": zone, "population": population, "latitude": latitude, "longitude": longitude,
    }


def cpp_string(text):
    out = []
    for byte in text.encode("utf-8"):
        if byte in (0x22, 0x5C):
            out.append("\\" + chr(byte))
        elif 0x20 <= byte < 0x7F and byte != 0x3F:  # '?' kept out of trigraph reach
            out.append(chr(byte))
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


class Pool:
    """One text blob; equal texts share their bytes."""

    def __init__(self):
        self.parts = []
        self.size = 0
        self.offsets = {}

    def add(self, text):
        if text not in self.offsets:
            data = text.encode("utf-8")
            self.offsets[text] = (self.size, len(data))
            self.parts.append(text)
            self.size += len(data)
        return self.offsets[text]


def read_translations(locale_dir):
    """GeoNames' names in every language: {GeoNames id or country code: {names}}."""
    names = {}
    paths = sorted(glob.glob(os.path.join(locale_dir, "*", "LC_MESSAGES", "geonames.mo")))
    if len(paths) < 100:
        raise SystemExit("atlas data: only %d GeoNames translations in %s" % (len(paths), locale_dir))
    for path in paths:
        with open(path, "rb") as f:
            catalog = gettext.GNUTranslations(f)._catalog
        for key, name in catalog.items():
            if key and name.strip():
                names.setdefault(key, set()).add(name.strip())
    return names


def read_countries(iso_json):
    """{two-letter code: (the name in common use, all ISO names and the three-letter code)}."""
    with open(iso_json, encoding="utf-8") as f:
        table = json.load(f)["3166-1"]
    return {c["alpha_2"]: (c.get("common_name", c["name"]),
                           {c[k] for k in ("name", "official_name", "common_name", "alpha_3")
                            if k in c})
            for c in table}


def coordinate(text, degree_digits):
    """+DDMM or +DDMMSS (latitude) and +DDDMM or +DDDMMSS (longitude) as signed degrees."""
    sign = -1 if text[0] == "-" else 1
    digits = text[1:]
    degrees = int(digits[:degree_digits])
    minutes = int(digits[degree_digits:degree_digits + 2])
    seconds = int(digits[degree_digits + 2:] or 0)
    return sign * (degrees + minutes / 60 + seconds / 3600)


def zone_places(zone_tab, known_codes, country_names):
    """A place for each zone of an inhabited country without any GeoNames place."""
    places = []
    with open(zone_tab, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, position, zone = line.rstrip("\n").split("\t")[:3]
            if code in known_codes or code == "AQ":  # no one is born in Antarctica's stations
                continue
            split = max(position.rfind("+"), position.rfind("-"))
            # Small countries, mostly city-states: the country stands for the state too, as
            # the birth form asks for one.
            country = country_names.get(code, code)
            places.append({
                "id": "", "name": zone.rsplit("/", 1)[-1].replace("_", " "), "state": country,
                "country_code": code, "country": country, "zone": zone,
                "population": 0, "latitude": coordinate(position[:split], 2),
                "longitude": coordinate(position[split:], 3),
            })
    return places


def main():
    tool, library, locale_dir, iso_json, zone_tab, out_path = sys.argv[1:7]
    blob = subprocess.run([tool, "extract", library, "/com/lomiri/geonames/cities.compiled"],
                          check=True, stdout=subprocess.PIPE).stdout
    places = read_places(blob)
    if len(places) < 20000:
        raise SystemExit("atlas data: only %d places found" % len(places))
    translations = read_translations(locale_dir)
    iso_names = read_countries(iso_json)
    english = {p["country_code"]: p["country"] for p in places}
    geonames_codes = set(english)
    for code, (common, _names) in iso_names.items():
        english.setdefault(code, common)
    places += zone_places(zone_tab, geonames_codes, english)

    pool = Pool()
    rows = []
    for p in places:
        rows.append((pool.add(p["name"]), pool.add(p["state"]), pool.add(p["country"]),
                     pool.add(p["country_code"]), pool.add(p["zone"]),
                     pool.add(fold(p["name"])), p))

    # The search keys: each place's own name and every other name GeoNames gives it, sorted
    # by key, then larger places first.
    keys = []
    for i, p in enumerate(places):
        own = fold(p["name"])
        keys.append((own, i))
        for other in sorted({fold(n) for n in translations.get(p["id"], ())} - {own, ""}):
            keys.append((other, i))
    keys.sort(key=lambda k: (k[0].encode("utf-8"), -places[k[1]]["population"], k[1]))

    # Every name of each country, folded, beside its code.
    aliases = []
    for code in sorted(english):
        names = {english[code]} | iso_names.get(code, ("", set()))[1] | translations.get(code, set())
        for name in sorted({fold(n) for n in names} - {""}):
            aliases.append((name, code))
    aliases.sort(key=lambda a: (a[0].encode("utf-8"), a[1]))
    key_refs = [pool.add(key) for key, _place in keys]
    alias_refs = [pool.add(name) + pool.add(code) for name, code in aliases]

    folds = {}
    for lo, hi in FOLD_RANGES:
        for cp in range(lo, hi + 1):
            folded = fold_char(chr(cp))
            if folded != chr(cp):
                folds[cp] = folded

    lines = []
    lines.append("// Generated by scripts/atlas/make_atlas_data.py from the GeoNames places in")
    lines.append("// Debian's libgeonames0 (data CC-BY-4.0, GeoNames, www.geonames.org). Do not edit.")
    lines.append('#include "engine/places/atlas_data.h"')
    lines.append("")
    lines.append("namespace velmora::atlas_data {")
    lines.append("")
    lines.append("// The texts of every place, one after the other without separators.")
    lines.append("extern const char kText[] =")
    for text in pool.parts:
        if text:
            lines.append("    " + cpp_string(text))
    lines.append("    ;")
    lines.append("const std::size_t kTextSize = %d;" % pool.size)
    lines.append("")
    lines.append("const PlaceRow kPlaces[] = {")
    for name, state, country, code, zone, key, p in rows:
        lines.append("    {{%d, %d}, {%d, %d}, {%d, %d}, {%d, %d}, {%d, %d}, {%d, %d}, %r, %r, %du}," % (
            name + state + country + code + zone + key +
            (p["latitude"], p["longitude"], p["population"])))
    lines.append("};")
    lines.append("const std::size_t kPlaceCount = %d;" % len(rows))
    lines.append("")
    lines.append("const SearchRow kSearchKeys[] = {")
    for (offset, size), (_key, place) in zip(key_refs, keys):
        lines.append("    {{%d, %d}, %du}," % (offset, size, place))
    lines.append("};")
    lines.append("const std::size_t kSearchKeyCount = %d;" % len(keys))
    lines.append("")
    lines.append("const CountryAlias kCountryAliases[] = {")
    for refs in alias_refs:
        lines.append("    {{%d, %d}, {%d, %d}}," % refs)
    lines.append("};")
    lines.append("const std::size_t kCountryAliasCount = %d;" % len(aliases))
    lines.append("")
    lines.append("const FoldRow kFolds[] = {")
    for cp in sorted(folds):
        lines.append("    {0x%04X, %s}," % (cp, cpp_string(folds[cp])))
    lines.append("};")
    lines.append("const std::size_t kFoldCount = %d;" % len(folds))
    lines.append("")
    lines.append("}  // namespace velmora::atlas_data")
    with open(out_path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
