#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "sun/location_list.h"

namespace tevorin {

// What the writers of a run of months share: the limits, the log and its lines, the output path.

// The months of a run and what the texts of its days depend on, every input already read.
struct MonthRun {
  int32_t startMonth = 1;  // 1..12
  int32_t startYear = 2007;
  // Read as a whole number before anything is written; shown unchanged in the progress lines.
  std::string monthCountText;
  std::string placeName;  // as the place file writes it; each writer makes it safe for its format
  GeoLocation place;
  bool inIsrael = false;
  bool ashkenaziNames = false;
};

// The most months the Generate page and the command line put into one file.
inline constexpr int32_t kMaxMonthCount = 1000;

// Receives one log line at a time: progress, refusals, the closing line.
using LogLine = std::function<void(std::string_view)>;

inline constexpr char kStartingToGenerate[] = "Starting to generate...";
inline constexpr char kGeneratingDone[] = "Generating process done";
inline constexpr char kYearOutOfRange[] = "Year out of range";
inline constexpr char kBadFilename[] = "Bad filename or path";

enum class RunOutcome {
  Written,
  Refused,  // kBadFilename or kYearOutOfRange was logged, nothing was touched
};

// "3 of 12 months was generated", the count as the user typed it.
std::string progressLine(int32_t month, std::string_view monthCountText);

// The run's month count, read before anything is touched; none once kYearOutOfRange is logged,
// for a run whose last year leaves the years where the engine is exact. Throws ConversionError for
// a count that is not a whole number and std::invalid_argument for a start month outside 1..12.
std::optional<int32_t> checkedMonthCount(const MonthRun& run, const LogLine& log);

// The ready-made portions page beside the program.
inline constexpr char kPortionsPageSource[] = "Parsh.htm";

// The full form of a path the user typed (relative paths start at the current directory); empty
// when there is nothing to expand.
std::filesystem::path fullOutputPath(std::string_view pathText);

// fullOutputPath of the output path; empty once kBadFilename is logged, for a path with nothing
// to expand or one that names a file beside the program that it reads (the portions page, the place
// files) through a link, in other letter case, or still missing: written over, the program would
// lose it while the run reports success.
std::filesystem::path checkedOutputPath(std::string_view pathText,
                                        const std::filesystem::path& programDir,
                                        const LogLine& log);

}  // namespace tevorin
