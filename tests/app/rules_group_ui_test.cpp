#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <string>

#include "app/about_page.h"
#include "app/location_group.h"
#include "app/rules_group.h"
#include "publish/generate_page.h"
#include "tests/support/cli_run.h"
#include "tests/support/window_fixture.h"
#include "views/month_page.h"

namespace tevorin::testing {
namespace {

class RulesTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    copyShippedPlaces();
    fs::copy_file(fs::path(TEVORIN_BIN_DIR) / "Parsh.htm", dir_ / "Parsh.htm");
  }

  // The lines of the box of a day of the month shown, after its day number.
  static std::string dayLines(const TForm1& form, int day) {
    for (const QTextEdit* box : form.ScrollBox1->RichEdit) {
      const QStringList lines = box->toPlainText().split('\n');
      if (!box->isHidden() && lines.first() == QString::number(day))
        return lines.mid(1).join(" / ").toStdString();
    }
    return "no box for day " + std::to_string(day);
  }

  static void showMonth(TForm1& form, int month, int year) {
    form.ScrollBox1->YearEdit1->setText(QString::number(year));
    form.ScrollBox1->MonthEdit1->setText(QString::number(month));
  }

  // The Generate page's document of a run of months, as bytes.
  std::string generate(TForm1& form, int month, int year, int count) {
    GeneratePage& page = *form.ScrollBox2;
    page.YearEdit2->setText(QString::number(year));
    page.MonthEdit2->setText(QString::number(month));
    page.NoMonthEdit1->setText(QString::number(count));
    page.PathEdit1->setText(QString::fromStdString((dir_ / "page.html").string()));
    page.GenerateBitBtn1->click();
    return readFile("page.html");
  }

  // tevorin-cli's document of the same run at the same (default) place.
  std::string cliDocument(int month, int year, int count, const std::string& flags) {
    const fs::path out = dir_ / "cli.html";
    const CliRun run =
        runCli("html --month " + std::to_string(month) + " --year " + std::to_string(year) +
               " --months " + std::to_string(count) + " --out '" + out.string() + "' " + flags);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return readFile("cli.html");
  }
};

TEST_F(RulesTest, TheDefaultsAreTheDiasporaAndTheSephardiNames) {
  const auto form = openWindow();
  const RulesGroup& rules = *form->RulesGroupBox;
  EXPECT_TRUE(rules.DiasporaRadioButton->isChecked());
  EXPECT_TRUE(rules.SephardiRadioButton->isChecked());
  EXPECT_FALSE(form->services.inIsrael);
  EXPECT_FALSE(form->services.ashkenaziNames);
  EXPECT_EQ(rules.title(), " Calendar rules ");
  EXPECT_EQ(rules.DiasporaRadioButton->text(), "&Diaspora");
  EXPECT_EQ(rules.AshkenaziRadioButton->text(), "As&hkenazi");
  // The group sits between the location group and the features, inside the page.
  const QRect group = rules.geometry();
  EXPECT_GT(group.top(), form->GroupBox1->geometry().bottom());
  EXPECT_LT(group.bottom(), form->ScrollBox3->FeaturesLabel->geometry().top());
  EXPECT_LE(group.right(), form->ScrollBox3->width());
}

TEST_F(RulesTest, AChoiceDrawsTheMonthPageAgainAtOnce) {
  const auto form = openWindow();
  RulesGroup& rules = *form->RulesGroupBox;
  struct Step {
    QRadioButton* click;
    int month, year, day;
    const char* lines;
  };
  const Step steps[] = {
      {nullptr, 4, 2007, 10, "Nisan 22 / Pesach / Omer 7"},
      {rules.IsraelRadioButton, 4, 2007, 10, "Nisan 22 / Omer 7"},
      {nullptr, 4, 2007, 4, "Nisan 16 / Chol Hamoed Pesach / Omer 1"},
      {nullptr, 5, 2007, 23, "Sivan 6 / Shavuot"},
      {nullptr, 5, 2007, 24, "Sivan 7"},
      {rules.AshkenaziRadioButton, 5, 2007, 23, "Sivan 6 / Shavuos"},
      {rules.DiasporaRadioButton, 5, 2007, 24, "Sivan 7 / Shavuos"},
      {rules.SephardiRadioButton, 5, 2007, 24, "Sivan 7 / Shavuot"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.lines);
    if (step.click) {
      QTest::mouseClick(step.click, Qt::LeftButton);
    } else {
      showMonth(*form, step.month, step.year);
    }
    EXPECT_EQ(dayLines(*form, step.day), step.lines);
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(RulesTest, DocumentsFollowTheChoiceAsTheCommandLineDoes) {
  const auto form = openWindow();
  RulesGroup& rules = *form->RulesGroupBox;
  // April and May 2012: the diaspora keeps 22 Nisan, so Israel reads a portion ahead.
  const std::string diaspora = generate(*form, 4, 2012, 2);
  EXPECT_EQ(diaspora, cliDocument(4, 2012, 2, ""));
  QTest::mouseClick(rules.IsraelRadioButton, Qt::LeftButton);
  const std::string israel = generate(*form, 4, 2012, 2);
  EXPECT_EQ(israel, cliDocument(4, 2012, 2, "--israel"));
  EXPECT_NE(israel, diaspora);
  EXPECT_NE(israel.find("Behar</font>"), std::string::npos);
  EXPECT_EQ(diaspora.find("Behar</font>"), std::string::npos);

  QTest::mouseClick(rules.AshkenaziRadioButton, Qt::LeftButton);
  const std::string ashkenazi = generate(*form, 10, 2006, 1);
  EXPECT_EQ(ashkenazi, cliDocument(10, 2006, 1, "--israel --ashkenazi"));
  EXPECT_NE(ashkenazi.find("Bereshis"), std::string::npos);
  EXPECT_NE(ashkenazi.find("Shmini Atzeres"), std::string::npos);
  EXPECT_EQ(ashkenazi.find("Simchas Torah"), std::string::npos) << "not named in Israel";
  EXPECT_TRUE(errors.empty());
}

TEST_F(RulesTest, TheChoiceIsKeptInItsOwnSection) {
  {
    const auto form = openWindow();
    QTest::mouseClick(form->RulesGroupBox->IsraelRadioButton, Qt::LeftButton);
    QTest::mouseClick(form->RulesGroupBox->AshkenaziRadioButton, Qt::LeftButton);
  }
  EXPECT_NE(readFile("tvrn.ini").find("[Rules]\r\nInIsrael=1\r\nAshkenaziNames=1\r\n"),
            std::string::npos);
  const auto again = openWindow();
  EXPECT_TRUE(again->RulesGroupBox->IsraelRadioButton->isChecked());
  EXPECT_TRUE(again->RulesGroupBox->AshkenaziRadioButton->isChecked());
  EXPECT_TRUE(again->services.inIsrael);
  EXPECT_TRUE(again->services.ashkenaziNames);
  showMonth(*again, 10, 2007);
  EXPECT_EQ(dayLines(*again, 4), "Tishri 22 / Shmini Atzeres");
  EXPECT_EQ(dayLines(*again, 5), "Tishri 23");
}

TEST_F(RulesTest, ValuesOtherThanZeroOrOneAreTheDefaultAndAreWrittenBack) {
  writeFile("tvrn.ini", "[rules]\r\ninisrael=2\r\nAshkenaziNames=yes\r\n");
  {
    const auto form = openWindow();
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(form->services.inIsrael);
    EXPECT_FALSE(form->services.ashkenaziNames);
    EXPECT_TRUE(form->RulesGroupBox->DiasporaRadioButton->isChecked());
  }
  const std::string written = readFile("tvrn.ini");
  EXPECT_TRUE(written.starts_with("[rules]\r\ninisrael=0\r\nAshkenaziNames=0\r\n")) << written;
}

}  // namespace
}  // namespace tevorin::testing
