// Checks the place files that ship with the program, as committed in data/.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "sun/location_list.h"

namespace tevorin {
namespace {

const std::filesystem::path kDataDir = TEVORIN_SOURCE_DIR "/data";

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The shipped lists, read once for all tests.
class ShippedPlaces : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    places_ = new LocationList;
    loadLocationList(kDataDir, *places_);
  }
  static void TearDownTestSuite() {
    delete places_;
    places_ = nullptr;
  }

  static const LocationList& places() { return *places_; }

  static int indexOf(const std::string& name) {
    const auto& names = places_->names;
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
  }

 private:
  static LocationList* places_;
};

LocationList* ShippedPlaces::places_ = nullptr;

TEST_F(ShippedPlaces, FourFilesLineForLineWithOver8000Places) {
  const std::size_t count = places().names.size();
  EXPECT_GT(count, 8000u);
  EXPECT_EQ(places().latitudes.size(), count);
  EXPECT_EQ(places().longitudes.size(), count);
  EXPECT_EQ(places().utcOffsets.size(), count);
}

TEST(ShippedPlaceFiles, EveryLineEndsWithCrLfAndNoLineIsEmpty) {
  for (const char* name : kPlaceFiles) {
    SCOPED_TRACE(name);
    std::ifstream file(kDataDir / name, std::ios::binary);
    ASSERT_TRUE(file) << "cannot open";
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << "last line without CR LF";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\r') {
        ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at byte " << i;
      } else if (bytes[i] == '\n') {
        ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at byte " << i;
        ASSERT_TRUE(i > 1 && bytes[i - 2] != '\n') << "empty line at byte " << i;
      }
    }
  }
}

TEST_F(ShippedPlaces, EveryNumberConvertsAndLiesInItsRange) {
  for (std::size_t i = 0; i < places().names.size(); ++i) {
    SCOPED_TRACE(places().names[i]);
    const GeoLocation place = geoLocationAt(places(), static_cast<int>(i));
    ASSERT_GE(place.latitude, -90.0);
    ASSERT_LE(place.latitude, 90.0);
    ASSERT_GE(place.longitude, -180.0);
    ASSERT_LE(place.longitude, 180.0);
    ASSERT_GE(place.utcOffset, -12.0);
    ASSERT_LE(place.utcOffset, 14.0);
    ASSERT_EQ(place.utcOffset * 4, std::round(place.utcOffset * 4)) << "not a quarter hour";
  }
}

TEST_F(ShippedPlaces, DisplayTextsArePlainUniqueAndInOrder) {
  std::string previous;
  for (const std::string& name : places().names) {
    SCOPED_TRACE(name);
    ASSERT_FALSE(placeOwnName(name).empty()) << "no own name before a comma";
    ASSERT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c >= ' ' && c <= '~'; }))
        << "not printable ASCII";
    ASSERT_EQ(name.find_first_of("<>\"&"), std::string::npos) << "markup character";
    ASSERT_NE(name.front(), ' ');
    ASSERT_NE(name.back(), ' ');
    const std::string key = lowerCase(name);
    ASSERT_NE(key, previous) << "duplicate";
    ASSERT_LT(previous, key) << "out of alphabetical order";
    previous = key;
  }
}

TEST_F(ShippedPlaces, JerusalemIsTheDefaultPlace) {
  ASSERT_LT(kDefaultPlaceIndex, static_cast<int>(places().names.size()));
  EXPECT_EQ(places().names[kDefaultPlaceIndex], "Jerusalem, Israel");
  const GeoLocation jerusalem = geoLocationAt(places(), kDefaultPlaceIndex);
  EXPECT_DOUBLE_EQ(jerusalem.latitude, 31.78);
  EXPECT_DOUBLE_EQ(jerusalem.longitude, 35.22);
  EXPECT_DOUBLE_EQ(jerusalem.utcOffset, 2);
}

// Offsets in standard time, and rough coordinates that catch a swapped sign or a swapped column.
TEST_F(ShippedPlaces, KnownPlacesHaveTheirOffsetAndPosition) {
  struct Known {
    const char* name;
    double utcOffset;
    double latitude;
    double longitude;
  };
  const Known known[] = {
      {"New York, United States", -5, 40.7, -74.0},
      {"London, United Kingdom", 0, 51.5, -0.1},
      {"Paris, France", 1, 48.9, 2.4},
      {"Moscow, Russia", 3, 55.8, 37.6},
      {"Mumbai, India", 5.5, 19.1, 72.9},
      {"Kathmandu, Nepal", 5.75, 27.7, 85.3},
      {"Adelaide, Australia", 9.5, -34.9, 138.6},
      {"Sydney, Australia", 10, -33.9, 151.2},
      {"Auckland, New Zealand", 12, -36.8, 174.8},
      {"Sao Paulo, Brazil", -3, -23.6, -46.6},
      {"Los Angeles, United States", -8, 34.1, -118.3},
      {"Honolulu, United States", -10, 21.3, -157.9},
      {"Tehran, Iran", 3.5, 35.7, 51.4},
      {"Dublin, Ireland", 0, 53.3, -6.3},
      {"Buenos Aires, Argentina", -3, -34.6, -58.4},
      {"Johannesburg, South Africa", 2, -26.2, 28.0},
      {"Bnei Brak, Israel", 2, 32.1, 34.8},
      {"Beitar Illit, West Bank", 2, 31.7, 35.1},
      {"Lakewood, New Jersey, United States", -5, 40.1, -74.2},
      {"Antwerp, Belgium", 1, 51.2, 4.4},
  };
  for (const Known& place : known) {
    SCOPED_TRACE(place.name);
    const int index = indexOf(place.name);
    ASSERT_GE(index, 0) << "missing";
    const GeoLocation found = geoLocationAt(places(), index);
    EXPECT_DOUBLE_EQ(found.utcOffset, place.utcOffset);
    EXPECT_NEAR(found.latitude, place.latitude, 0.3);
    EXPECT_NEAR(found.longitude, place.longitude, 0.3);
  }
}

}  // namespace
}  // namespace tevorin
