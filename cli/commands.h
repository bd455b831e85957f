#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace tevorin::cli {

// Each command takes the arguments after its name, prints its result to out and its log lines to
// err, and returns the process exit code. It throws UsageError for a command line it cannot follow
// and other exceptions for what it could not do; main reports them in one line, a command line
// it cannot follow with the command's usage after it.

// days FROM TO [--israel] [--ashkenazi] [--place INDEX | --lat X --lon Y --utc Z]: one
// tab-separated line per day.
int runDays(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// html --month M --year Y --months N --out PATH [--israel] [--ashkenazi]
//      [--place INDEX | --lat X --lon Y --utc Z]: writes an HTML calendar, its log lines on err.
int runHtml(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// ics --month M --year Y --months N --out PATH|- [--israel] [--ashkenazi]
//     [--place INDEX | --lat X --lon Y --utc Z] [--no-holidays] [--no-portions] [--no-omer] [--sun]
//     [--hebrew-dates]: writes an iCalendar file, or to out for "-", its log lines on err.
int runIcs(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// today [--place INDEX | --lat X --lon Y --utc Z]: the notification area's text for today, its
// carriage return printed as a line break.
int runToday(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// places [TEXT]: index, display text, latitude, longitude and offset of every place whose display
// text holds TEXT, compared without regard to case and accents.
int runPlaces(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace tevorin::cli
