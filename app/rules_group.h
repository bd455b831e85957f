#pragma once

#include <QGroupBox>

class QLabel;
class QRadioButton;

namespace tevorin {

// The " Calendar rules " group of the about page: the holidays and portions of Israel or of the
// diaspora, and the Sephardi or the Ashkenazi name forms. Only the user's choice announces itself.
class RulesGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit RulesGroup(QWidget* parent = nullptr);

  bool inIsrael() const;
  bool ashkenaziNames() const;
  // Shows a choice made elsewhere (the settings file); announces nothing.
  void setChoice(bool inIsrael, bool ashkenaziNames);

  QLabel* RulesLabel = nullptr;
  QRadioButton* DiasporaRadioButton = nullptr;
  QRadioButton* IsraelRadioButton = nullptr;
  QLabel* NamesLabel = nullptr;
  QRadioButton* SephardiRadioButton = nullptr;
  QRadioButton* AshkenaziRadioButton = nullptr;

 signals:
  void rulesChosen();
};

}  // namespace tevorin
