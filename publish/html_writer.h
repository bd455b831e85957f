#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "publish/month_run.h"
#include "sun/location_list.h"

namespace tevorin {

// One run of the writer, every input already read from where the user gave it.
// The place name is written into every caption with "&", "<" and ">" escaped.
struct HtmlCalendarRequest : MonthRun {
  std::string outputPath;            // may be relative to the current directory
  std::filesystem::path programDir;  // holds "Parsh.htm"
};

// Writes the months as one HTML document and copies "Parsh.htm" beside it as "Parshiyot.htm".
// Throws ConversionError for a month count that is not a whole number, and FileError when the
// document cannot be written (an earlier file at the path is then left as it was) or the portions
// page cannot be copied (the document is complete by then).
RunOutcome writeHtmlCalendar(const HtmlCalendarRequest& request, const LogLine& log);

}  // namespace tevorin
