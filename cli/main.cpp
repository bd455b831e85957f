// tevorin-cli: the calendar engine for scripts, export and checking.
#include <algorithm>
#include <exception>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "common/product.h"
#include "common/standard_streams.h"
#include "sun/location_list.h"

namespace {

using tevorin::cli::runDays;
using tevorin::cli::runHtml;
using tevorin::cli::runIcs;
using tevorin::cli::runPlaces;
using tevorin::cli::runToday;

struct Command {
  std::string_view name;
  std::string_view usage;
  // What `help COMMAND` prints after the usage line.
  std::string_view help;
  int (*run)(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
};

constexpr char kPlaceHelp[] =
    "  --place INDEX             the place of that number, as `tevorin-cli places` lists it\n"
    "  --lat X --lon Y --utc Z   a place of its own: latitude and longitude in degrees, north and\n"
    "                            east positive, and the offset of its standard time from UTC in\n"
    "                            hours\n";

constexpr char kRuleHelp[] =
    "  --israel                  the holidays and weekly portions of Israel (else the diaspora's)\n"
    "  --ashkenazi               the Ashkenazi names of months and portions (else the Sephardi)\n";

const std::string kDaysHelp =
    std::string(
        "One tab-separated line per day from FROM to TO, both included: date, weekday,\n"
        "Hebrew date, holiday or fast, Omer count, weekly portion (on Saturdays),\n"
        "sunrise/sunset.\n") +
    kRuleHelp + kPlaceHelp;

const std::string kHtmlHelp =
    std::string(
        "Writes an HTML calendar of N months (1 to 1000) from month M of year Y to PATH,\n"
        "with the page of the weekly portions, Parshiyot.htm, beside it. Its progress goes\n"
        "to stderr.\n") +
    kRuleHelp + kPlaceHelp;

const std::string kIcsHelp =
    std::string(
        "Writes the same months as an iCalendar file to PATH (to stdout for -), for the user's\n"
        "own calendar program: holidays and fasts, weekly portions and the Omer as all-day\n"
        "events. The same day, rules and place keep their UIDs from file to file, so a newer\n"
        "file updates the events; SOURCE_DATE_EPOCH sets their DTSTAMP. Its progress goes to\n"
        "stderr.\n"
        "  --no-holidays             without the holidays and fasts\n"
        "  --no-portions             without the weekly portions\n"
        "  --no-omer                 without the Omer count\n"
        "  --sun                     sunrise and sunset as timed events in UTC, at the minute\n"
        "                            the program shows in standard time (none on polar days\n"
        "                            and nights)\n"
        "  --hebrew-dates            the Hebrew date of every day\n") +
    kRuleHelp + kPlaceHelp;

const std::string kTodayHelp =
    std::string(
        "Today's Gregorian and Hebrew date and sun times, as the notification-area icon\n"
        "shows them.\n") +
    kPlaceHelp;

constexpr char kPlacesHelp[] =
    "One tab-separated line per place whose name holds TEXT, compared without regard to case and\n"
    "accents (all places without TEXT): INDEX for --place, name and country, latitude, longitude,\n"
    "offset of the standard time from UTC in hours. Finding none is a failure (status 1).\n";

const Command kCommands[] = {
    {"days", "days FROM TO [--israel] [--ashkenazi] [--place INDEX | --lat X --lon Y --utc Z]",
     kDaysHelp, runDays},
    {"html",
     "html --month M --year Y --months N --out PATH [--israel] [--ashkenazi] "
     "[--place INDEX | --lat X --lon Y --utc Z]",
     kHtmlHelp, runHtml},
    {"ics",
     "ics --month M --year Y --months N --out PATH|- [--israel] [--ashkenazi] "
     "[--place INDEX | --lat X --lon Y --utc Z] [--no-holidays] [--no-portions] [--no-omer] "
     "[--sun] [--hebrew-dates]",
     kIcsHelp, runIcs},
    {"today", "today [--place INDEX | --lat X --lon Y --utc Z]", kTodayHelp, runToday},
    {"places", "places [TEXT]", kPlacesHelp, runPlaces},
};

bool isHelpOption(std::string_view arg) {
  return arg == "--help" || arg == "-h";
}

const Command* findCommand(std::string_view name) {
  const auto* command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                     [&](const Command& c) { return c.name == name; });
  return command == std::end(kCommands) ? nullptr : command;
}

void printUsage(std::ostream& out) {
  out << "usage:\n";
  for (const Command& command : kCommands) out << "  tevorin-cli " << command.usage << '\n';
  out << "  tevorin-cli help [COMMAND]\n"
         "  tevorin-cli --version\n"
         "Dates are written YYYY-MM-DD.\n";
}

int printHelp(std::ostream& out) {
  out << "tevorin-cli " << tevorin::kVersion
      << ": dates of the Jewish year, holidays, weekly portions and sun times for scripts.\n";
  printUsage(out);
  out << "Without a place option the place is " << tevorin::kDefaultPlaceIndex
      << ", Jerusalem. Sun times are in the place's\n"
         "standard (winter) time. `tevorin-cli help COMMAND` tells more of a command. Wrong\n"
         "arguments exit with status 2, failures with 1.\n";
  return 0;
}

int printCommandHelp(const Command& command, std::ostream& out) {
  out << "usage: tevorin-cli " << command.usage << '\n' << command.help;
  return 0;
}

// The one line naming the fault is printed; the usage follows it.
int refuse(std::string_view fault, std::ostream& err) {
  err << "tevorin-cli: " << fault << '\n';
  printUsage(err);
  return 2;
}

int help(std::span<const std::string_view> args) {
  if (args.empty()) return printHelp(std::cout);
  if (args.size() > 1) return refuse("help takes one command", std::cerr);
  const Command* command = findCommand(args.front());
  if (command == nullptr)
    return refuse("help: unknown command '" + std::string(args.front()) + "'", std::cerr);
  return printCommandHelp(*command, std::cout);
}

}  // namespace

int main(int argc, char** argv) {
  tevorin::openStandardStreams();
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) return refuse("a command is needed", std::cerr);
  const std::string_view first = args.front();
  const auto rest = std::span(args).subspan(1);
  if (isHelpOption(first) || first == "help") return help(rest);
  if (first == "--version") {
    if (!rest.empty()) return refuse("--version takes no arguments", std::cerr);
    std::cout << "tevorin-cli " << tevorin::kVersion << '\n';
    return 0;
  }
  const Command* command = findCommand(first);
  if (command == nullptr) return refuse("unknown command '" + std::string(first) + "'", std::cerr);
  if (rest.size() == 1 && isHelpOption(rest.front())) return printCommandHelp(*command, std::cout);
  try {
    return command->run(rest, std::cout, std::cerr);
  } catch (const tevorin::cli::UsageError& error) {
    std::cerr << "tevorin-cli " << command->name << ": " << error.what() << '\n'
              << "usage: tevorin-cli " << command->usage << '\n';
    return 2;
  } catch (const std::exception& error) {
    // The place files, the output: what the command needed and could not have.
    std::cerr << "tevorin-cli " << command->name << ": " << error.what() << '\n';
    return 1;
  }
}
