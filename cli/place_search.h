#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tevorin::cli {

// Text as the place search compares it: letters in lower case, the accented Latin letters of
// Western, Central and Eastern European languages as their base letters ("Zürich" as "zurich",
// "Łódź" as "lodz", "ß" as "ss"), typographic apostrophes as "'"; anything else as it is. Bytes
// that are not UTF-8 are read as Latin-1.
std::string searchKey(std::string_view text);

// The indexes of the names that hold text, both compared by their searchKey; every index for an
// empty text.
std::vector<int> matchingPlaces(const std::vector<std::string>& names, std::string_view text);

}  // namespace tevorin::cli
