#pragma once

// The places of the sun times: four text files read line for line (display text, latitude,
// longitude, standard-time offset), made by tools/places from open place and time-zone data.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_error.h"

namespace tevorin {

// Degrees north and east positive; utcOffset in hours ahead of UTC in standard (winter) time.
struct GeoLocation {
  double latitude = 0;
  double longitude = 0;
  double utcOffset = 0;
};

// The place's own name: the text before the first comma, empty when there is none.
std::string placeOwnName(std::string_view displayText);

// The four place files, line for line, as text; numbers are converted when read.
struct LocationList {
  std::vector<std::string> names;
  std::vector<std::string> latitudes;
  std::vector<std::string> longitudes;
  std::vector<std::string> utcOffsets;
};

inline constexpr const char* kPlaceFiles[4] = {"locco.dat", "lat.dat", "long.dat", "uto.dat"};
// The place selected when nothing is stored: Jerusalem.
inline constexpr int kDefaultPlaceIndex = 4935;

// Loads the four files from dir in the order names, latitudes, longitudes, offsets; throws
// FileOpenError at the first that cannot be read, with the lists read so far kept in `into`.
void loadLocationList(const std::filesystem::path& dir, LocationList& into);

// The number at index of a list of number texts; an index outside the list reads as an empty entry.
// Throws ConversionError.
double numberEntry(const std::vector<std::string>& list, int index);

// The GeoLocation at index; throws ConversionError for an entry that is not a number (an index past
// a list's end reads as an empty entry).
GeoLocation geoLocationAt(const LocationList& list, int index);

}  // namespace tevorin
