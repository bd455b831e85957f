#include "app/location_group.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QStringList>
#include <QStringListModel>
#include <algorithm>
#include <exception>
#include <vector>

#include "app/shell/drop_down.h"
#include "common/number_text.h"

namespace tevorin {

namespace {

// The caption sits in the frame's top line, as a framed group's caption usually does. The place
// list opens as a list of maxVisibleItems rows below the field: opened as a menu (Fusion's way) it
// would fill the screen's height.
constexpr char kGroupStyle[] = R"(
QGroupBox#GroupBox1 { color: white; border: 1px solid rgb(120, 160, 200); border-radius: 3px;
                      margin-top: 6px; }
QGroupBox#GroupBox1::title { subcontrol-origin: margin; left: 10px; padding: 0px; }
QGroupBox#GroupBox1, QGroupBox#GroupBox1 QLabel, QGroupBox#GroupBox1 QComboBox { font-size: 10px; }
QComboBox#LocCountryComboBox { combobox-popup: 0; }
QLabel#Label1 { color: white; }
QLabel#NoteLabel { color: rgb(193, 224, 255); }
)";

constexpr char kNote[] =
    "Note: The approximate elevation variation of sunrise/sunset is 3 min at 300 meters and 5 min "
    "at 1500 meters above sea level. The Sunrise/Sunset is displayed using Standard Time (time "
    "during the winter and without adjustment for extended daylight periods).";

// A list model rather than items: over 8000 places fill it in a few milliseconds.
QComboBox* placeList(const char* name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setModel(new QStringListModel(list));
  return list;
}

void showEntries(QComboBox* list, const std::vector<std::string>& entries) {
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(entries.size()));
  for (const std::string& entry : entries) texts.append(QString::fromLocal8Bit(entry));
  static_cast<QStringListModel*>(list->model())->setStringList(texts);
}

}  // namespace

LocationGroup::LocationGroup(QWidget* parent) : QGroupBox(" Personal location ", parent) {
  setObjectName("GroupBox1");
  setStyleSheet(kGroupStyle);
  LocCountryComboBox = placeList("LocCountryComboBox", this);
  LocCountryComboBox->setAccessibleName("Location and country");
  LocCountryComboBox->setGeometry(150, 24, 470, 22);
  LocCountryComboBox->setMaxVisibleItems(22);
  takeWheelOnlyWithFocus(LocCountryComboBox);
  // The widest of thousands of names need not be measured before the window shows.
  LocCountryComboBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  if (auto* view = qobject_cast<QListView*>(LocCountryComboBox->view())) {
    view->setUniformItemSizes(true);
    // The view was made before the style sheet reached the list, when it still opened as a menu,
    // which scrolls with arrows instead of a bar.
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  }

  Label1 = new QLabel("Location && Country: ", this);
  Label1->setObjectName("Label1");
  Label1->setTextFormat(Qt::PlainText);
  Label1->setBuddy(LocCountryComboBox);
  // A screen reader says the label's name with the place.
  Label1->setAccessibleName("Location and country");
  Label1->setGeometry(14, 24, 134, 22);

  LatComboBox = placeList("LatComboBox", this);
  LongComboBox = placeList("LongComboBox", this);
  UTOComboBox = placeList("UTOComboBox", this);
  for (QComboBox* hidden : {LatComboBox, LongComboBox, UTOComboBox}) hidden->hide();

  NoteLabel = new QLabel(kNote, this);
  NoteLabel->setObjectName("NoteLabel");
  NoteLabel->setTextFormat(Qt::PlainText);
  NoteLabel->setWordWrap(true);
  NoteLabel->setGeometry(14, 56, 600, 44);

  // activated: only the user's choice, by mouse or keyboard; code that sets the index runs nothing.
  connect(LocCountryComboBox, &QComboBox::activated, this, [this] {
    LocCountryComboBoxClick();
    LocCountryComboBoxChange();
  });
}

void LocationGroup::loadLists(const std::filesystem::path& dir) {
  lists_ = {};
  std::exception_ptr failure;
  try {
    loadLocationList(dir, lists_);
  } catch (const FileOpenError&) {
    failure = std::current_exception();
  }
  // The lists read before a file that failed are shown all the same.
  showEntries(LocCountryComboBox, lists_.names);
  showEntries(LatComboBox, lists_.latitudes);
  showEntries(LongComboBox, lists_.longitudes);
  showEntries(UTOComboBox, lists_.utcOffsets);
  if (failure) std::rethrow_exception(failure);
}

void LocationGroup::setSelectedIndex(int index) {
  for (QComboBox* list : {LocCountryComboBox, LatComboBox, LongComboBox, UTOComboBox})
    list->setCurrentIndex(index);
}

int LocationGroup::selectedIndex() const {
  return LocCountryComboBox->currentIndex();
}

void LocationGroup::selectStoredPlace(std::string_view text) {
  const int first = placeCount() > 0 ? 0 : -1;
  int index;
  try {
    index = parseInteger(text);
  } catch (const ConversionError&) {
    setSelectedIndex(first);
    throw;
  }
  setSelectedIndex(index >= 0 && index < placeCount() ? index : first);
}

int LocationGroup::placeCount() const {
  return static_cast<int>(std::min({lists_.names.size(), lists_.latitudes.size(),
                                    lists_.longitudes.size(), lists_.utcOffsets.size()}));
}

bool LocationGroup::hasPlace() const {
  const int index = selectedIndex();
  return index >= 0 && index < placeCount();
}

std::string LocationGroup::placeName() const {
  const int index = selectedIndex();
  const bool inside = index >= 0 && static_cast<size_t>(index) < lists_.names.size();
  return inside ? lists_.names[static_cast<size_t>(index)] : std::string();
}

GeoLocation LocationGroup::placeGeoLocation() const {
  GeoLocation place;
  place.latitude = numberEntry(lists_.latitudes, LatComboBox->currentIndex());
  place.longitude = numberEntry(lists_.longitudes, LongComboBox->currentIndex());
  place.utcOffset = numberEntry(lists_.utcOffsets, UTOComboBox->currentIndex());
  return place;
}

void LocationGroup::LocCountryComboBoxClick() {
  const int index = LocCountryComboBox->currentIndex();
  for (QComboBox* hidden : {LatComboBox, LongComboBox, UTOComboBox}) hidden->setCurrentIndex(index);
}

void LocationGroup::LocCountryComboBoxChange() {
  emit placeChosen();
}

}  // namespace tevorin
