#include "sun/location_list.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "sun/number_text.h"

namespace tevorin {

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    if (text[pos] != '\r' && text[pos] != '\n') continue;
    lines.emplace_back(text.substr(start, pos - start));
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
    start = pos + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  // A directory opens but fails to read.
  try {
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    return std::nullopt;
  }
}

std::vector<std::string> readLines(const std::filesystem::path& file) {
  const std::optional<std::string> text = readWholeFile(file);
  if (!text) throw FileOpenError("Cannot open file " + std::filesystem::absolute(file).string());
  return splitLines(*text);
}

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
