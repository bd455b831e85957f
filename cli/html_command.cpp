#include <span>
#include <string>
#include <string_view>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/month_run_arguments.h"
#include "publish/html_writer.h"

namespace tevorin::cli {

int runHtml(std::span<const std::string_view> args, std::ostream&, std::ostream& err) {
  const MonthRunArguments run = parseMonthRunArguments(args);
  HtmlCalendarRequest request;
  static_cast<MonthRun&>(request) = run.months;
  request.outputPath = run.outputPath;
  request.programDir = dataDir();

  const auto outcome =
      writeHtmlCalendar(request, [&err](std::string_view text) { err << text << '\n'; });
  return outcome == RunOutcome::Written ? 0 : 1;
}

}  // namespace tevorin::cli
