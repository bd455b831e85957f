// Four place files of any content, read from the disk as the program reads them, through to a
// place's sun times and the tooltip text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

#include "calendar/calendar_day.h"
#include "common/number_text.h"
#include "fuzz/fuzz_support.h"
#include "sun/location_list.h"
#include "sun/sun_times.h"
#include "views/tray_text.h"

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// "h:mm" with 0 <= h <= 24, or "--:--".
bool isTimeOfDay(std::string_view text) {
  if (text == "--:--") return true;
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 2) return false;
  const std::string_view hours = text.substr(0, colon);
  const std::string_view minutes = text.substr(colon + 1);
  if (minutes.size() != 2 || !isDigit(minutes[0]) || !isDigit(minutes[1]) || minutes[0] > '5')
    return false;
  if (!isDigit(hours[0]) || (hours.size() == 2 && (!isDigit(hours[1]) || hours[0] == '0')))
    return false;
  return tevorin::parseInteger(hours) <= 24;
}

void checkSunTimes(const std::string& text) {
  const std::size_t slash = text.find('/');
  FUZZ_CHECK(slash != std::string::npos);
  FUZZ_CHECK(isTimeOfDay(std::string_view(text).substr(0, slash)));
  FUZZ_CHECK(isTimeOfDay(std::string_view(text).substr(slash + 1)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const auto& dir = tevorin::fuzz::scratchFolder();
  for (const char* name : tevorin::kPlaceFiles) {
    const std::string text = in.ConsumeRandomLengthString(4096);
    std::ofstream(dir / name, std::ios::binary | std::ios::trunc) << text;
  }
  const auto index = in.ConsumeIntegral<int32_t>();
  const tevorin::GregorianDate date{in.ConsumeIntegral<int32_t>(), in.ConsumeIntegral<int32_t>(),
                                    in.ConsumeIntegral<int32_t>()};

  tevorin::LocationList list;
  tevorin::loadLocationList(dir, list);
  const bool inside = index >= 0 && static_cast<std::size_t>(index) < list.names.size();
  const std::string placeName = inside ? list.names[static_cast<std::size_t>(index)] : "";
  std::string sunTimes;
  try {
    sunTimes =
        tevorin::sunTimesAt(tevorin::geoLocationAt(list, index), date.year, date.month, date.day);
  } catch (const tevorin::ConversionError&) {
    return 0;
  }
  checkSunTimes(sunTimes);

  const std::string text = tevorin::trayTextFor(date, sunTimes, placeName);
  const tevorin::CalendarDay day(date.month, date.day, date.year, false, false);
  const std::string dateLine = tevorin::trayDateLine(day);
  if (day.gregorianYear() >= tevorin::kFirstShownYear &&
      day.gregorianYear() <= tevorin::kLastShownYear)
    FUZZ_CHECK(dateLine.size() <= 36);
  const std::string full = dateLine + "\r" + sunTimes + " @ " + tevorin::placeOwnName(placeName);
  FUZZ_CHECK(text ==
             (tevorin::characterCount(full) <= tevorin::kMaxTrayTextLength ? full : dateLine));
  return 0;
}
