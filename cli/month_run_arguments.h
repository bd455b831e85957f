#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "publish/month_run.h"

namespace tevorin::cli {

// What the commands that write a run of months (html, ics) read from their command line.
struct MonthRunArguments {
  // The start year may be any whole number (the writer refuses what it cannot do), the count one
  // within 1..kMaxMonthCount.
  MonthRun months;
  std::string_view outputPath;
  std::vector<std::string_view> flags;  // those of the command's own flags that were given

  bool given(std::string_view flag) const;
};

// --month M --year Y --months N --out PATH [--israel] [--ashkenazi]
// [--place INDEX | --lat X --lon Y --utc Z], and each of the command's own flags at most once.
// Throws UsageError for a command line that cannot be followed, then what placeFromFiles throws.
MonthRunArguments parseMonthRunArguments(std::span<const std::string_view> args,
                                         std::initializer_list<std::string_view> ownFlags = {});

}  // namespace tevorin::cli
