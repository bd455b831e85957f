#include "sun/location_list.h"

#include "common/number_text.h"
#include "common/text_file.h"

namespace tevorin {

std::string placeOwnName(std::string_view displayText) {
  const std::size_t comma = displayText.find(',');
  if (comma == std::string_view::npos) return {};
  return std::string(displayText.substr(0, comma));
}

void loadLocationList(const std::filesystem::path& dir, LocationList& into) {
  into.names = readLines(dir / kPlaceFiles[0]);
  into.latitudes = readLines(dir / kPlaceFiles[1]);
  into.longitudes = readLines(dir / kPlaceFiles[2]);
  into.utcOffsets = readLines(dir / kPlaceFiles[3]);
}

double numberEntry(const std::vector<std::string>& list, int index) {
  const bool inside = index >= 0 && static_cast<std::size_t>(index) < list.size();
  return parseFloat(inside ? std::string_view(list[static_cast<std::size_t>(index)]) : "");
}

GeoLocation geoLocationAt(const LocationList& list, int index) {
  GeoLocation place;
  place.latitude = numberEntry(list.latitudes, index);
  place.longitude = numberEntry(list.longitudes, index);
  place.utcOffset = numberEntry(list.utcOffsets, index);
  return place;
}

}  // namespace tevorin
