#pragma once

#include <QGroupBox>
#include <filesystem>
#include <string>
#include <string_view>

#include "sun/location_list.h"

class QComboBox;
class QLabel;

namespace tevorin {

// The " Personal location " group of the about page: the visible list of places and the three
// hidden lists of their numbers, which always carry the visible list's selected index.
class LocationGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit LocationGroup(QWidget* parent = nullptr);

  // Replaces the lists by the place files in dir; throws FileOpenError at the first file that
  // cannot be read, with the lists read before it loaded.
  void loadLists(const std::filesystem::path& dir);

  // Sets the selected index of the visible list, then of the three hidden ones.
  void setSelectedIndex(int index);
  int selectedIndex() const;
  // Selects the place whose index is stored as text. An index that is not a place of the loaded
  // lists selects the first place, or none when nothing was loaded; text that is not a whole
  // number does the same and then throws ConversionError.
  void selectStoredPlace(std::string_view text);

  // True when the selected index is a line of all four lists.
  bool hasPlace() const;
  // The selected place's display text, empty when none is selected.
  std::string placeName() const;
  // The selected place's numbers, converted now from the hidden lists; throws ConversionError.
  GeoLocation placeGeoLocation() const;

  // The user chose a place: first the hidden lists follow, then the choice is announced.
  void LocCountryComboBoxClick();
  void LocCountryComboBoxChange();

  QLabel* Label1 = nullptr;
  QComboBox* LocCountryComboBox = nullptr;
  QComboBox* LatComboBox = nullptr;
  QComboBox* LongComboBox = nullptr;
  QComboBox* UTOComboBox = nullptr;
  QLabel* NoteLabel = nullptr;

 signals:
  void placeChosen();

 private:
  int placeCount() const;

  LocationList lists_;
};

}  // namespace tevorin
