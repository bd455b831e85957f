#pragma once

#include <optional>
#include <string_view>

#include "calendar/calendar_day.h"

namespace tevorin {

// The holiday, festival day, eve or fast of the day, or none. The text is a constant of the engine.
std::optional<std::string_view> holidayName(const CalendarDay& day);

}  // namespace tevorin
