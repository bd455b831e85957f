#include "publish/month_run.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>

#include "calendar/calendar_day.h"
#include "common/number_text.h"
#include "common/plain_text.h"
#include "sun/location_list.h"

namespace tevorin {

std::string progressLine(int32_t month, std::string_view monthCountText) {
  std::string line = integerText(month);
  line += " of ";
  line += monthCountText;
  line += " months was generated";
  return line;
}

namespace {

// 64 bits, so that no start year or count can overflow the sum.
bool staysInSafeYears(int32_t startMonth, int32_t startYear, int32_t monthCount) {
  const int64_t lastMonth = int64_t{startMonth} - 1 + std::max(monthCount, 1) - 1;
  const int64_t lastYear = startYear + lastMonth / 12;
  return startYear >= kMinSafeYear && lastYear <= kMaxSafeYear;
}

// Letter case is ignored, as some file systems and servers do.
bool namesAFileOfTheProgram(const std::filesystem::path& path,
                            const std::filesystem::path& programDir) {
  std::error_code ignored;
  const bool inProgramDir = std::filesystem::equivalent(path.parent_path(), programDir, ignored);
  const auto isNamed = [&](std::string_view name) {
    return (inProgramDir && equalIgnoringCase(path.filename().string(), name)) ||
           std::filesystem::equivalent(path, programDir / name, ignored);
  };
  return isNamed(kPortionsPageSource) || std::ranges::any_of(kPlaceFiles, isNamed);
}

}  // namespace

std::filesystem::path fullOutputPath(std::string_view pathText) {
  if (pathText.empty()) return {};
  std::error_code error;
  auto full = std::filesystem::absolute(std::filesystem::path(pathText), error);
  if (error) return {};
  return full.lexically_normal();
}

std::optional<int32_t> checkedMonthCount(const MonthRun& run, const LogLine& log) {
  const int32_t monthCount = parseInteger(run.monthCountText);
  if (run.startMonth < 1 || run.startMonth > 12)
    throw std::invalid_argument("start month outside 1..12");
  if (!staysInSafeYears(run.startMonth, run.startYear, monthCount)) {
    log(kYearOutOfRange);
    return std::nullopt;
  }
  return monthCount;
}

std::filesystem::path checkedOutputPath(std::string_view pathText,
                                        const std::filesystem::path& programDir,
                                        const LogLine& log) {
  const auto path = fullOutputPath(pathText);
  if (path.empty() || namesAFileOfTheProgram(path, programDir)) {
    log(kBadFilename);
    return {};
  }
  return path;
}

}  // namespace tevorin
