#include "sun/location_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/file_error.h"
#include "common/number_text.h"
#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

using Lines = std::vector<std::string>;

TEST(LocationList, OwnNameIsTheTextBeforeTheFirstComma) {
  EXPECT_EQ(placeOwnName("Jerusalem, Israel"), "Jerusalem");
  EXPECT_EQ(placeOwnName("Washington, DC, USA"), "Washington");
  EXPECT_EQ(placeOwnName(", Nowhere"), "");
  EXPECT_EQ(placeOwnName("No comma"), "");
  EXPECT_EQ(placeOwnName(""), "");
}

// A fresh directory of place files, removed at the end.
class PlaceFiles : public ::testing::Test {
 protected:
  void write(const char* name, std::string_view text) { testing::writeFile(dir_ / name, text); }

  void writeAll(std::string_view lineEnd) {
    const std::string end(lineEnd);
    write("locco.dat", "Jerusalem, Israel" + end + end + "New York, USA" + end);
    write("lat.dat", "31.78" + end + " 0 " + end + "40.71" + end);
    write("long.dat", "35.22" + end + "0" + end + "-74.01" + end);
    write("uto.dat", "+2" + end + "0" + end + "-5" + end);
  }

  testing::ScratchFolder scratch_;
  const std::filesystem::path& dir_ = scratch_.path();
};

TEST_F(PlaceFiles, EveryLineEndGivesTheSameLists) {
  for (const std::string_view lineEnd : {"\r\n", "\n", "\r"}) {
    writeAll(lineEnd);
    LocationList list;
    loadLocationList(dir_, list);
    EXPECT_EQ(list.names, (Lines{"Jerusalem, Israel", "", "New York, USA"}));
    EXPECT_EQ(list.latitudes, (Lines{"31.78", " 0 ", "40.71"}));
    EXPECT_EQ(list.longitudes, (Lines{"35.22", "0", "-74.01"}));
    EXPECT_EQ(list.utcOffsets, (Lines{"+2", "0", "-5"}));
  }
}

TEST_F(PlaceFiles, EntriesAfterAnEmptyNameKeepTheirPlaces) {
  writeAll("\r\n");
  LocationList list;
  loadLocationList(dir_, list);
  const GeoLocation newYork = geoLocationAt(list, 2);
  EXPECT_EQ(list.names[2], "New York, USA");
  EXPECT_DOUBLE_EQ(newYork.latitude, 40.71);
  EXPECT_DOUBLE_EQ(newYork.longitude, -74.01);
  EXPECT_DOUBLE_EQ(newYork.utcOffset, -5);
  // Blanks around the digits convert.
  EXPECT_DOUBLE_EQ(geoLocationAt(list, 1).latitude, 0);
}

TEST_F(PlaceFiles, AMissingFileStopsTheLoadingWithItsFullPath) {
  writeAll("\n");
  std::filesystem::remove(dir_ / "long.dat");
  LocationList list;
  try {
    loadLocationList(dir_, list);
    FAIL() << "loaded without long.dat";
  } catch (const FileOpenError& error) {
    EXPECT_EQ(error.what(), "Cannot open file " + (dir_ / "long.dat").string());
  }
  // The lists read before the failure stay; the later ones were not read.
  EXPECT_EQ(list.names.size(), 3U);
  EXPECT_EQ(list.latitudes.size(), 3U);
  EXPECT_TRUE(list.longitudes.empty());
  EXPECT_TRUE(list.utcOffsets.empty());
}

TEST(LocationList, EntriesThatAreNotNumbersFailWithTheirText) {
  LocationList list;
  list.names = {"Comma, Place", "Short, Place"};
  list.latitudes = {"31,78", "10"};
  list.longitudes = {"35.22", "20"};
  list.utcOffsets = {"2"};
  struct Row {
    int index;
    const char* message;
  };
  const Row rows[] = {
      {0, "'31,78' is not a valid floating point value"},
      // The offsets list is shorter: its missing entry reads as empty.
      {1, "'' is not a valid floating point value"},
      {-1, "'' is not a valid floating point value"},
      {5, "'' is not a valid floating point value"},
  };
  for (const Row& row : rows) {
    try {
      geoLocationAt(list, row.index);
      ADD_FAILURE() << "index " << row.index << " converted";
    } catch (const ConversionError& error) {
      EXPECT_STREQ(error.what(), row.message) << "index " << row.index;
    }
  }
}

}  // namespace
}  // namespace tevorin
