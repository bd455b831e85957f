#!/usr/bin/env python3
"""Writes the hand-made seeds of fuzz/corpus/<target>/ in the byte layout of libFuzzer's
FuzzedDataProvider, which the targets read: texts from the front (a backslash and another byte
end one), numbers and flags from the back. Run it again after a target reads its input anew."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


class Seed:
    def __init__(self):
        self.front = b""
        self.back = b""  # in the order the target takes it

    def text(self, value):
        self.front += value.encode("latin-1").replace(b"\\", b"\\\\") + b"\\\n"
        return self

    def int32(self, value):
        self.back += struct.pack(">I", value + 2**31)
        return self

    def byte(self, value):
        self.back += bytes([value])
        return self

    def steps(self, value):  # a number within -1000..1000
        self.back += struct.pack(">H", value + 1000)
        return self

    def data(self):
        return self.front + self.back[::-1]


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


SETTINGS = ("[Location]\r\nListCountry=4935\r\n\r\n[Generate]\r\nMonth=1\r\nMonthNo=1\r\n"
            "Year=2007\r\nNoMonthsGen=1\r\n\r\n[CHMonth]\r\nMonth=1\r\nYear=2007\r\n")

NUMBERS = {"latitude": "31.78", "blanks-around": " -74.01 ", "plus-sign": "+2",
           "exponent": "1.5e-3", "whole": "4935", "largest-whole": "2147483647",
           "smallest-whole": "-2147483648", "comma": "31,78", "empty": ""}
for name, text in NUMBERS.items():
    write("numbers", name, text.encode())

write("settings", "defaults", Seed().text(SETTINGS).data())
write("settings", "mixed-case-with-extra-section",
      Seed().text("; mine\n[location]\nLISTCOUNTRY=2\n[Extra]\nKey=Value\n[chmonth]\nYEAR=2010")
      .text(" 11 ").byte(5).text("2011\r\n").byte(6).data())
write("settings", "empty-file-then-every-key",
      Seed().text("").text("4935").byte(0).text("1").byte(1).text("1").byte(2).text("2007")
      .byte(3).text("1").byte(4).text("1").byte(5).text("2007").byte(6).data())

write("places", "jerusalem-september-2007",
      Seed().text("Jerusalem, Israel\r\n").text("31.78\r\n").text("35.22\r\n").text("2\r\n")
      .int32(0).int32(2007).int32(9).int32(17).data())
write("places", "three-places-lone-line-ends",
      Seed().text("Alpha, A\nBeta, B\rGamma\n").text("1.5\n-2.5\r3").text("10.25\n-20\n30\n")
      .text("2\n-5\n0").int32(1).int32(2500).int32(12).int32(31).data())
write("places", "polar-night",
      Seed().text("Longyearbyen, Norway\r\n").text("78.22\r\n").text("15.65\r\n").text("1\r\n")
      .int32(0).int32(2007).int32(12).int32(21).data())

write("calendar", "january-2007-walk-a-year",
      Seed().byte(0).byte(0).int32(1).int32(1).int32(2007).byte(2).steps(365).data())
write("calendar", "hebrew-adar-ii-then-back",
      Seed().byte(1).byte(1).int32(3).int32(1).int32(2008).byte(1).int32(13).int32(14)
      .int32(5768).byte(2).steps(-400).data())
write("calendar", "edges-of-the-safe-years",
      Seed().byte(0).byte(1).int32(12).int32(31).int32(9999).byte(2).steps(-1000).byte(0)
      .int32(1).int32(1).int32(1).byte(2).steps(1000).data())

write("html", "november-2007-fourteen-months",
      Seed().text("14").text("Jerusalem, Israel").text("31.78").text("35.22").text("2")
      .int32(11).int32(2007).byte(0).byte(0).data())
write("html", "place-with-markup-israel-ashkenazi",
      Seed().text("2").text("Tel Aviv & <Jaffa>, Israel").text("32.08").text("34.78").text("2")
      .int32(3).int32(2008).byte(1).byte(1).data())
write("html", "last-safe-year",
      Seed().text("12").text("Zyryanovsk").text("49.73").text("84.27").text("6")
      .int32(1).int32(9999).byte(0).byte(0).data())

# Flags: Israel, Ashkenazi, holidays, portions, Omer, sun times, Hebrew dates; then the stamp.
write("ics", "new-york-year-with-sun",
      Seed().text("12").text("New York, United States").text("40.6943").text("-73.9249").text("-5")
      .int32(1).int32(2025).byte(0).byte(0).byte(1).byte(1).byte(1).byte(1).byte(0)
      .int32(1700000000 - 2**31).data())
write("ics", "long-place-with-commas-israel-ashkenazi-hebrew-dates",
      Seed().text("3").text("Tel Aviv-Yafo, Tel Aviv District; Israel \\ " + "\u00fc" * 40)
      .text("32.08").text("34.78").text("2")
      .int32(3).int32(2008).byte(1).byte(1).byte(1).byte(1).byte(1).byte(1).byte(1)
      .int32(0).data())
write("ics", "polar-night",
      Seed().text("2").text("Longyearbyen, Svalbard").text("78.22").text("15.65").text("1")
      .int32(11).int32(2007).byte(0).byte(0).byte(1).byte(1).byte(1).byte(1).byte(0)
      .int32(0).data())
