"""Reads iCalendar files with python3-icalendar and prints what it understood, one line per
calendar and per event, for the tests to compare with what they meant to write:

    FILE path
    CALENDAR<TAB>VERSION<TAB>PRODID<TAB>CALSCALE<TAB>METHOD<TAB>X-WR-CALNAME
    EVENT<TAB>UID<TAB>DTSTAMP<TAB>DTSTART<TAB>DTEND<TAB>SUMMARY<TAB>CATEGORIES<TAB>TRANSP<TAB>LOCATION

Texts are unescaped by the library, then backslash, tab and line break are written as \\, \t and
\n; dates as YYYYMMDD and times as YYYYMMDDTHHMMSSZ (a time that is not in UTC fails). Exits with 1
and a message on stderr when a file does not read cleanly."""

import datetime
import sys

import icalendar


def fail(path, message):
    sys.stderr.write(f"{path}: {message}\n")
    sys.exit(1)


def text(value):
    if value is None:
        return ""
    return str(value).replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def moment(path, component, name):
    if name not in component:
        return ""
    value = component.decoded(name)
    if isinstance(value, datetime.datetime):
        if value.utcoffset() != datetime.timedelta(0):
            fail(path, f"{name} {value} is not in UTC")
        return value.strftime("%Y%m%dT%H%M%SZ")
    return value.strftime("%Y%m%d")


def categories(component):
    value = component.get("CATEGORIES")
    if value is None:
        return ""
    return ",".join(text(category) for category in value.cats)


def main(paths):
    for path in paths:
        with open(path, "rb") as file:
            calendar = icalendar.Calendar.from_ical(file.read())
        print(f"FILE {path}")
        names = ["VERSION", "PRODID", "CALSCALE", "METHOD", "X-WR-CALNAME"]
        print("\t".join(["CALENDAR"] + [text(calendar.get(name)) for name in names]))
        for component in calendar.walk():
            if component.errors:
                fail(path, f"{component.name}: {component.errors}")
            if component.name == "VCALENDAR":
                continue
            if component.name != "VEVENT":
                fail(path, f"unexpected component {component.name}")
            fields = [
                text(component.get("UID")),
                moment(path, component, "DTSTAMP"),
                moment(path, component, "DTSTART"),
                moment(path, component, "DTEND"),
                text(component.get("SUMMARY")),
                categories(component),
                text(component.get("TRANSP")),
                text(component.get("LOCATION")),
            ]
            print("\t".join(["EVENT"] + fields))


if __name__ == "__main__":
    main(sys.argv[1:])
