#include <QLabel>
#include <QTabBar>

#include "app/about_page.h"
#include "app/program_resources.h"
#include "common/product.h"
#include "tests/support/window_fixture.h"

namespace tevorin::testing {
namespace {

std::string text(const QLabel* label) {
  return label->text().toStdString();
}

TEST_F(WindowTest, TheWindowAndTheAboutPageCarryTheirTexts) {
  writeSmallPlaces();
  const auto form = openWindow();
  EXPECT_EQ(form->windowTitle().toStdString(), "Tevorin 1.5");
  EXPECT_EQ(form->size(), QSize(665, 527));
  EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the window is not resizable";
  const char* tabs[] = {"&Common && Hebrew", "G&enerate calendar", "&Location && About"};
  ASSERT_EQ(form->TabControl1->count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(form->TabControl1->tabText(i).toStdString(), tabs[i]);

  const AboutPage& about = *form->ScrollBox3;
  const std::pair<const QLabel*, const char*> texts[] = {
      {about.Label7, "Tevorin"},
      {about.Label8, "Version 1.5"},
      {about.FeaturesLabel, "Features"},
      {about.FeatureLines[0], "- Covers 900 years: Common (Gregorian) 1600-2500, Hebrew 5360-6260"},
      {about.FeatureLines[1],
       "- Display monthly calendars with all holidays and sunrise/sunset for every day"},
      {about.FeatureLines[2],
       "- Generate and publish calendars with parshiyot to the web using HTML files"},
      {about.FeatureLines[3],
       "- Display daily calendar with sunrise/sunset in taskbar notification area"},
      {about.FeatureLines[4],
       "- Omer (number of days from the second day of Passover to Shavuot) count"},
      {about.FeatureLines[5],
       "- Universal use for Israel/Diaspora (over 8000 locations worldwide)"},
      {about.URLLabel1, kMakerHomePage},
  };
  for (const auto& [label, expected] : texts) EXPECT_EQ(text(label), expected);
  EXPECT_EQ(about.Label7->font().pixelSize(), 19);
  EXPECT_TRUE(about.Label7->font().bold());
  EXPECT_TRUE(about.URLLabel1->font().underline());
  for (const QLabel* link : {about.Label7, about.URLLabel1})
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
}

// The pictures live in a static library, whose resources the linker drops unless they are asked
// for.
TEST_F(WindowTest, TheIconAndThePicturesAreBuiltIn) {
  const QList<QSize> sizes = programIcon().availableSizes();
  for (int side : {16, 32, 48, 256}) EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
  EXPECT_EQ(calendarLeafPicture().size(), QSize(58, 70));
  EXPECT_EQ(sunrisePicture().size(), QSize(63, 47));
  writeSmallPlaces();
  EXPECT_FALSE(openWindow()->windowIcon().isNull());
}

}  // namespace
}  // namespace tevorin::testing
