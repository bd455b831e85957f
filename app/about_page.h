#pragma once

#include <QWidget>
#include <array>

class QFrame;
class QLabel;

namespace tevorin {

class LocationGroup;
class RulesGroup;

// The third page, "Location & About": title, version, the location group, the calendar rules, the
// features and the maker's address. The window connects the clicks of the two link labels.
class AboutPage : public QWidget {
  Q_OBJECT

 public:
  explicit AboutPage(QWidget* parent = nullptr);

  QLabel* Image1 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* Label8 = nullptr;
  QFrame* Bevel1 = nullptr;
  LocationGroup* GroupBox1 = nullptr;
  RulesGroup* RulesGroupBox = nullptr;
  QFrame* Bevel2 = nullptr;
  QLabel* FeaturesLabel = nullptr;
  std::array<QLabel*, 6> FeatureLines{};
  QLabel* URLLabel1 = nullptr;
};

}  // namespace tevorin
