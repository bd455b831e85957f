#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/ics_text.h"
#include "tests/support/scratch_folder.h"

namespace tevorin::testing {

// One VEVENT: each property by its name with its parameters ("DTSTART;VALUE=DATE"), the value as
// written.
using IcsEvent = std::map<std::string, std::string>;

struct IcsCalendar {
  std::map<std::string, std::string> properties;  // those outside the events
  std::vector<IcsEvent> events;
};

inline IcsCalendar readIcs(std::string_view bytes) {
  IcsCalendar calendar;
  IcsEvent* event = nullptr;
  for (const std::string& line : unfoldedLines(bytes)) {
    const std::size_t colon = line.find(':');
    const std::string name = line.substr(0, colon);
    const std::string value = colon == std::string::npos ? "" : line.substr(colon + 1);
    if (line == "BEGIN:VEVENT") {
      event = &calendar.events.emplace_back();
    } else if (line == "END:VEVENT") {
      event = nullptr;
    } else if (event != nullptr) {
      (*event)[name] = value;
    } else {
      calendar.properties[name] = value;
    }
  }
  return calendar;
}

// The value of an event's date or time, with or without its VALUE=DATE parameter.
inline std::string eventTime(const IcsEvent& event, const std::string& name) {
  if (const auto date = event.find(name + ";VALUE=DATE"); date != event.end()) return date->second;
  const auto time = event.find(name);
  return time == event.end() ? "" : time->second;
}

// Reads files with Debian's python3-icalendar (tests/support/read_ics.py) at the end of a test and
// expects it to understand each one as this program meant it. When the library is missing the
// test is reported as skipped, after its own checks have run.
class IcalendarReading {
 public:
  // Copies bytes, to read them when the test ends.
  void add(std::string_view bytes) {
    const auto path = scratch_.path() / ("calendar-" + std::to_string(files_.size()) + ".ics");
    writeFile(path, bytes);
    files_.push_back(path);
  }
  void addFile(const std::filesystem::path& path) { add(readFile(path)); }

  // Call from TearDown.
  void check() {
    if (files_.empty()) return;
    if (std::system("/usr/bin/python3 -c 'import icalendar' >/dev/null 2>&1") != 0) {
      GTEST_SKIP() << "python3-icalendar is not installed (apt-get install python3-icalendar): "
                   << files_.size() << " file(s) of this test were not read by it";
    }
    std::string command = "/usr/bin/python3 '" TEVORIN_SOURCE_DIR "/tests/support/read_ics.py'";
    std::string expected;
    for (const auto& path : files_) {
      command += " '" + path.string() + "'";
      expected += "FILE " + path.string() + "\n" + ourReading(readFile(path));
    }
    EXPECT_EQ(output(command + " 2>&1"), expected);
  }

 private:
  static std::string field(const IcsEvent& event, const std::string& name) {
    const auto found = event.find(name);
    return found == event.end() ? "" : shown(unescapedText(found->second));
  }

  // As read_ics.py writes a text.
  static std::string shown(const std::string& text) {
    std::string out;
    for (const char c : text) {
      if (c == '\\')
        out += "\\\\";
      else if (c == '\t')
        out += "\\t";
      else if (c == '\n')
        out += "\\n";
      else
        out += c;
    }
    return out;
  }

  static std::string ourReading(const std::string& bytes) {
    const IcsCalendar calendar = readIcs(bytes);
    std::string reading = "CALENDAR";
    for (const char* name : {"VERSION", "PRODID", "CALSCALE", "METHOD", "X-WR-CALNAME"}) {
      const auto found = calendar.properties.find(name);
      reading += "\t" + (found == calendar.properties.end() ? std::string()
                                                            : shown(unescapedText(found->second)));
    }
    reading += '\n';
    for (const IcsEvent& event : calendar.events) {
      reading += "EVENT\t" + field(event, "UID") + "\t" + eventTime(event, "DTSTAMP") + "\t" +
                 eventTime(event, "DTSTART") + "\t" + eventTime(event, "DTEND") + "\t" +
                 field(event, "SUMMARY") + "\t" + field(event, "CATEGORIES") + "\t" +
                 field(event, "TRANSP") + "\t" + field(event, "LOCATION") + "\n";
    }
    return reading;
  }

  static std::string output(const std::string& command) {
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return "cannot start " + command;
    char buffer[1 << 16];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      text.append(buffer, n);
    ::pclose(pipe);
    return text;
  }

  ScratchFolder scratch_;
  std::vector<std::filesystem::path> files_;
};

}  // namespace tevorin::testing
