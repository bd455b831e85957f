// tevorin-cli: the calendar engine for scripts, export and checking.
#include <algorithm>
#include <exception>
#include <iostream>
#include <span>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "common/standard_streams.h"

namespace {

using tevorin::cli::runDays;
using tevorin::cli::runHtml;
using tevorin::cli::runToday;

struct Command {
  std::string_view name;
  std::string_view usage;
  int (*run)(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
};

constexpr Command kCommands[] = {
    {"days", "days FROM TO [--israel] [--ashkenazi] [--lat X --lon Y --utc Z]", runDays},
    {"html",
     "html --month M --year Y --months N --out PATH [--israel] [--ashkenazi] "
     "[--place INDEX | --lat X --lon Y --utc Z]",
     runHtml},
    {"today", "today [--place INDEX | --lat X --lon Y --utc Z]", runToday},
};

int usage(std::ostream& err) {
  err << "usage:\n";
  for (const Command& command : kCommands) err << "  tevorin-cli " << command.usage << '\n';
  err << "Dates are written YYYY-MM-DD.\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  tevorin::openStandardStreams();
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) return usage(std::cerr);
  const auto* command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                     [&](const Command& c) { return c.name == args.front(); });
  if (command == std::end(kCommands)) {
    std::cerr << "tevorin-cli: unknown command '" << args.front() << "'\n";
    return usage(std::cerr);
  }
  try {
    return command->run(std::span(args).subspan(1), std::cout, std::cerr);
  } catch (const tevorin::cli::UsageError& error) {
    std::cerr << "tevorin-cli " << command->name << ": " << error.what() << '\n';
    return 2;
  } catch (const std::exception& error) {
    // The place files, the output: what the command needed and could not have.
    std::cerr << "tevorin-cli " << command->name << ": " << error.what() << '\n';
    return 1;
  }
}
