#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/month_run_arguments.h"
#include "publish/ics_writer.h"

namespace tevorin::cli {

int runIcs(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  const MonthRunArguments run = parseMonthRunArguments(
      args, {"--no-holidays", "--no-portions", "--no-omer", "--sun", "--hebrew-dates"});
  IcsCalendarRequest request;
  request.kinds.holidays = !run.given("--no-holidays");
  request.kinds.portions = !run.given("--no-portions");
  request.kinds.omer = !run.given("--no-omer");
  request.kinds.sunTimes = run.given("--sun");
  request.kinds.hebrewDates = run.given("--hebrew-dates");
  const IcsEventKinds& kinds = request.kinds;
  if (!kinds.holidays && !kinds.portions && !kinds.omer && !kinds.sunTimes && !kinds.hebrewDates)
    throw UsageError("--no-holidays, --no-portions and --no-omer leave no events to write");
  static_cast<MonthRun&>(request) = run.months;
  request.stamp = icsStampNow();

  const LogLine log = [&err](std::string_view text) { err << text << '\n'; };
  RunOutcome outcome;
  if (run.outputPath == "-") {
    // A pipe cannot be replaced whole; a failed write still ends the run before its last line.
    outcome = writeIcsCalendar(
        request,
        [&out](std::string_view bytes) {
          out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
          finishOutput(out);
        },
        log);
  } else {
    outcome = writeIcsCalendarFile(request, run.outputPath, dataDir(), log);
  }
  return outcome == RunOutcome::Written ? 0 : 1;
}

}  // namespace tevorin::cli
