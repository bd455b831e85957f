#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "calendar/calendar_day.h"
#include "sun/location_list.h"
#include "sun/sun_times.h"

namespace tevorin {

// The window's pages, in the order of their tabs.
enum Page : int { kMonthPage = 0, kGeneratePage = 1, kAboutPage = 2 };

// What the pages need of the main window and the desktop. The window fills it with the real
// services; tests put fixed clocks, recorders and fake places in their place.
struct WindowServices {
  // Text of the selected place, empty when none is selected.
  std::function<std::string()> placeName;
  // False when no place could be loaded (a place file missing or empty): show the no-sun-times text
  // instead of calling placeGeoLocation. The window otherwise always keeps a place selected.
  std::function<bool()> hasPlace;
  // The selected place's numbers, converted afresh on every call; throws ConversionError.
  std::function<GeoLocation()> placeGeoLocation;
  // The Page now shown.
  std::function<int()> currentPage;
  // Selects a page as a click on its tab would.
  std::function<void(int)> showPage;
  // Lets the toolkit process pending window events.
  std::function<void()> yield;
  // The local date from the system clock.
  std::function<GregorianDate()> today;
  // Asks the desktop to open a file or web address; done learns later whether it could.
  std::function<void(const std::string& target, std::function<void(bool opened)> done)>
      openDocument;
  // The folder of the place files and the portions page: beside the program, or installed.
  std::filesystem::path dataDir;
  // The user's choice on the about page, read by the month and the Generate page; the
  // notification area always shows the diaspora's dates.
  bool inIsrael = false;
  bool ashkenaziNames = false;
};

// The day's sun times at the selected place, or kNoSunTimes when no place could be loaded; throws
// ConversionError for a place whose numbers do not convert.
inline std::string selectedSunTimes(const WindowServices& services, int32_t year, int32_t month,
                                    int32_t day) {
  if (!services.hasPlace()) return kNoSunTimes;
  return sunTimesAt(services.placeGeoLocation(), year, month, day);
}

}  // namespace tevorin
