#include "app/about_page.h"

#include <QFrame>
#include <QLabel>

#include "app/location_group.h"
#include "app/program_resources.h"
#include "app/rules_group.h"
#include "app/shell/link_label.h"
#include "app/shell/page_look.h"
#include "common/product.h"

namespace tevorin {

namespace {

constexpr const char* kFeatures[] = {
    "- Covers 900 years: Common (Gregorian) 1600-2500, Hebrew 5360-6260",
    "- Display monthly calendars with all holidays and sunrise/sunset for every day",
    "- Generate and publish calendars with parshiyot to the web using HTML files",
    "- Display daily calendar with sunrise/sunset in taskbar notification area",
    "- Omer (number of days from the second day of Passover to Shavuot) count",
    "- Universal use for Israel/Diaspora (over 8000 locations worldwide)",
};

QLabel* picture(const QPixmap& pixmap, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(pixmap);
  return label;
}

QFrame* rule(int y, QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(16, y, 631, 2);
  return line;
}

}  // namespace

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
  setObjectName("ScrollBox3");
  paintPageBackground(this);

  Image1 = picture(calendarLeafPicture(), this);
  Image1->setAccessibleName("Calendar");
  Image1->setGeometry(196, 10, 58, 70);
  Label7 = new LinkLabel("Tevorin", "Tevorin web page", this);
  styleLabel(Label7, kWhite, 19, true);
  Label7->setObjectName("Label7");
  Label7->setAlignment(Qt::AlignCenter);
  Label7->setGeometry(266, 16, 131, 28);
  Label7->setCursor(Qt::PointingHandCursor);
  Label8 = pageLabel(QString("Version ") + kVersion, kLightBlue, 11, false, this);
  Label8->setObjectName("Label8");
  Label8->setAlignment(Qt::AlignCenter);
  Label8->setGeometry(266, 48, 131, 16);
  Image2 = picture(sunrisePicture(), this);
  Image2->setAccessibleName("Sunrise");
  Image2->setGeometry(405, 22, 63, 47);

  Bevel1 = rule(90, this);

  GroupBox1 = new LocationGroup(this);
  GroupBox1->setGeometry(16, 102, 631, 112);

  RulesGroupBox = new RulesGroup(this);
  RulesGroupBox->setGeometry(16, 222, 631, 46);

  Bevel2 = rule(278, this);

  FeaturesLabel = pageLabel("Features", kWhite, 12, true, this);
  FeaturesLabel->setGeometry(24, 290, 200, 18);
  for (size_t i = 0; i < FeatureLines.size(); ++i) {
    FeatureLines[i] = pageLabel(kFeatures[i], kLightBlue, 11, false, this);
    FeatureLines[i]->setGeometry(36, 314 + 21 * static_cast<int>(i), 600, 18);
  }

  URLLabel1 = makerLinkLabel("URLLabel1", this);
}

}  // namespace tevorin
