#pragma once

// The names of the holidays, festival days, eves and fasts of the Jewish year, by the Hebrew date,
// the weekday and the rules of Israel or the diaspora (Shulchan Aruch, Orach Chaim).

#include <optional>
#include <string_view>

#include "calendar/calendar_day.h"

namespace tevorin {

// The holiday, festival day, eve or fast of the day, or none. The text is a constant of the engine.
std::optional<std::string_view> holidayName(const CalendarDay& day);

}  // namespace tevorin
