#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "app/about_page.h"
#include "app/location_group.h"
#include "common/number_text.h"
#include "tests/support/window_fixture.h"
#include "views/month_page.h"

namespace tevorin::testing {
namespace {

TEST_F(WindowTest, PlaceFilesReadAlikeWithEveryKindOfLineEnd) {
  const struct {
    const char* name;
    const char* lineEnd;
  } kinds[] = {{"CR LF", "\r\n"}, {"LF", "\n"}, {"CR", "\r"}};
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.name);
    const auto lines = [&](std::initializer_list<const char*> entries) {
      std::string text;
      for (const char* entry : entries) text += std::string(entry) + kind.lineEnd;
      return text;
    };
    // An empty name keeps the places after it in step with their numbers; the last name has no
    // line end, and blanks around a number are allowed.
    writeFile("locco.dat", lines({"Alpha, A", ""}) + "Gamma, C");
    writeFile("lat.dat", lines({"1.5", " -2.5 ", "3e1"}));
    writeFile("long.dat", lines({"10.25", "-20", "+30"}));
    writeFile("uto.dat", lines({"2", "-5", "0"}));
    writeFile("tvrn.ini", "[Location]\nListCountry=2\n");
    const auto form = openWindow();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form->GroupBox1->LocCountryComboBox->count(), 3);
    for (const QComboBox* hidden : {form->GroupBox1->LatComboBox, form->GroupBox1->LongComboBox,
                                    form->GroupBox1->UTOComboBox})
      EXPECT_EQ(hidden->count(), 3);
    EXPECT_EQ(form->services.placeName(), "Gamma, C");
    GeoLocation place = form->services.placeGeoLocation();
    EXPECT_EQ(place.latitude, 30);
    EXPECT_EQ(place.longitude, 30);
    EXPECT_EQ(place.utcOffset, 0);
    form->GroupBox1->setSelectedIndex(1);
    EXPECT_EQ(form->services.placeName(), "");
    place = form->services.placeGeoLocation();
    EXPECT_EQ(place.latitude, -2.5);
    EXPECT_EQ(place.longitude, -20);
    EXPECT_EQ(place.utcOffset, -5);
  }
}

TEST_F(WindowTest, ANumberNotWrittenWithAPointFailsWithItsOwnText) {
  writeSmallPlaces();
  writeFile("lat.dat", "1,5\r\n\r\n3\r\n");
  const auto form = openWindow();
  const struct {
    int index;
    const char* error;
  } cases[] = {{0, "'1,5' is not a valid floating point value"},
               {1, "'' is not a valid floating point value"}};
  for (const auto& c : cases) {
    form->GroupBox1->setSelectedIndex(c.index);
    try {
      form->services.placeGeoLocation();
      ADD_FAILURE() << "no error for place " << c.index;
    } catch (const ConversionError& error) {
      EXPECT_STREQ(error.what(), c.error);
    }
  }
}

TEST_F(WindowTest, MissingOrEmptyPlacesAreReportedOnceAndLeaveNoBrokenPlaceSelected) {
  const struct {
    const char* missing;  // a file removed after the small places are written
    const char* emptied;  // a file made empty
    const char* stored;   // ListCountry in the settings
    bool reported;
    int place;
    const char* storedAfterwards;
  } cases[] = {
      {"locco.dat", nullptr, "2", true, -1, "2"}, {"lat.dat", nullptr, "2", true, -1, "2"},
      {"uto.dat", nullptr, "2", true, -1, "2"},   {nullptr, "locco.dat", "2", false, -1, "2"},
      {nullptr, "long.dat", "1", false, -1, "1"}, {nullptr, nullptr, "99", false, 0, "0"},
      {nullptr, nullptr, "-1", false, 0, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.missing ? c.missing : "") + (c.emptied ? c.emptied : "") +
                 " stored " + c.stored);
    errors.clear();
    writeSmallPlaces();
    if (c.missing) fs::remove(dir_ / c.missing);
    if (c.emptied) writeFile(c.emptied, "");
    writeFile("tvrn.ini",
              std::string("[Location]\nListCountry=") + c.stored + "\n[CHMonth]\nYear=2010\n");
    {
      const auto form = openWindow();
      if (c.reported)
        EXPECT_EQ(errors, std::vector<std::string>{"Cannot open file " +
                                                   fs::absolute(dir_ / c.missing).string()});
      else
        EXPECT_TRUE(errors.empty()) << "a page computed sun times without asking hasPlace()";
      EXPECT_EQ(form->GroupBox1->selectedIndex(), c.place);
      EXPECT_EQ(form->services.hasPlace(), c.place >= 0);
      // The settings after the place list are read all the same, and no page fails for want of a
      // place: each asks hasPlace() before it computes sun times.
      EXPECT_EQ(form->ScrollBox1->YearEdit1->text().toStdString(), "2010");
      form->show();
      QCoreApplication::processEvents();
      EXPECT_EQ(errors.size(), c.reported ? 1u : 0u) << "the fault is reported once";
    }
    EXPECT_NE(readFile("tvrn.ini").find(std::string("ListCountry=") + c.storedAfterwards + "\r\n"),
              std::string::npos)
        << readFile("tvrn.ini");
  }
}

void pickWithArrowKey(QComboBox* places, int) {
  QTest::keyClick(places, Qt::Key_Down);
}

void pickByTypingItsFirstLetter(QComboBox* places, int row) {
  QTest::keyClicks(places, places->itemText(row).left(1));
}

void pickInTheOpenList(QComboBox* places, int row) {
  places->showPopup();
  QAbstractItemView* view = places->view();
  const QPoint inside = view->visualRect(view->model()->index(row, 0)).center();
  // The list takes no click until a double-click's time has passed since it opened.
  QTest::mouseMove(view->viewport(), inside, QApplication::doubleClickInterval() + 50);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, inside);
}

TEST_F(WindowTest, ChoosingAPlaceMovesTheHiddenListsBeforeItIsAnnounced) {
  const struct {
    const char* name;
    void (*pick)(QComboBox* places, int row);
    int row;
  } ways[] = {{"arrow key", pickWithArrowKey, 1},
              {"first letter", pickByTypingItsFirstLetter, 2},
              {"mouse", pickInTheOpenList, 1}};
  writeSmallPlaces();
  writeFile("tvrn.ini", "[Location]\nListCountry=0\n");
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    const auto form = openWindow();
    form->show();
    QCoreApplication::processEvents();
    std::vector<int> announced;
    QObject::connect(form.get(), &TForm1::placeChosen,
                     [&] { announced.push_back(form->GroupBox1->UTOComboBox->currentIndex()); });
    way.pick(form->GroupBox1->LocCountryComboBox, way.row);
    EXPECT_EQ(form->GroupBox1->selectedIndex(), way.row);
    EXPECT_EQ(form->GroupBox1->LatComboBox->currentIndex(), way.row);
    EXPECT_EQ(form->GroupBox1->LongComboBox->currentIndex(), way.row);
    EXPECT_EQ(announced, std::vector<int>{way.row});
    EXPECT_EQ(form->services.placeGeoLocation().longitude, way.row == 1 ? -20 : 30);
    // Code that sets the index announces nothing.
    form->GroupBox1->setSelectedIndex(0);
    EXPECT_EQ(announced.size(), 1u);
  }
}

TEST_F(WindowTest, TheLocationGroupShowsItsTextsWordForWord) {
  writeSmallPlaces();
  const auto form = openWindow();
  EXPECT_EQ(form->GroupBox1->title().toStdString(), " Personal location ");
  EXPECT_EQ(form->GroupBox1->Label1->text().toStdString(), "Location && Country: ");
  EXPECT_EQ(form->GroupBox1->NoteLabel->text().toStdString(),
            "Note: The approximate elevation variation of sunrise/sunset is 3 min at 300 meters "
            "and 5 min at 1500 meters above sea level. The Sunrise/Sunset is displayed using "
            "Standard Time (time during the winter and without adjustment for extended daylight "
            "periods).");
  EXPECT_EQ(form->GroupBox1->LocCountryComboBox->maxVisibleItems(), 22);
  EXPECT_FALSE(form->GroupBox1->LocCountryComboBox->isEditable());
  for (const QComboBox* hidden :
       {form->GroupBox1->LatComboBox, form->GroupBox1->LongComboBox, form->GroupBox1->UTOComboBox})
    EXPECT_TRUE(hidden->isHidden());
}

// Styles that open a drop-down as a menu let it grow to the screen's height whatever the row count.
TEST_F(WindowTest, TheOpenPlaceListShows22RowsAndAScrollBar) {
  copyShippedPlaces();
  const auto form = openWindow();
  form->show();
  QCoreApplication::processEvents();
  QComboBox* places = form->GroupBox1->LocCountryComboBox;
  places->showPopup();
  QCoreApplication::processEvents();
  const QAbstractItemView* view = places->view();
  EXPECT_EQ(view->viewport()->height() / view->sizeHintForRow(0), 22);
  EXPECT_TRUE(view->verticalScrollBar()->isVisible());
  places->hidePopup();
}

}  // namespace
}  // namespace tevorin::testing
