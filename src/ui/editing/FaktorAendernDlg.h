// TFaktor_aendern: changes the factor of the unit selected in the main
// window, for the categories that convert by one factor.
#pragma once

#include "ui/Dialogbasis.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kolvaro::ui {

class TFaktor_aendern : public Dialogbasis {
  Q_OBJECT
 public:
  TFaktor_aendern(const Dialogumgebung& umgebung, QWidget* eltern);

 protected:
  void Vorbereiten() override;

 private:
  void OKBtnClick();

  QLabel* Label_Gebiet = nullptr;
  QLabel* Label_Land = nullptr;
  QLabel* Label_Einheit = nullptr;
  QLabel* Label_Bezugseinheit = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  int m_Zeile = -1;  // the unit's row in the converter's list
};

}  // namespace kolvaro::ui
