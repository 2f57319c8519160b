// TFaktor_aendern_Weltzeit: changes the time difference and the summer-time
// text of the world-time unit selected in the main window.
#pragma once

#include "ui/Dialogbasis.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kolvaro::ui {

class TFaktor_aendern_Weltzeit : public Dialogbasis {
  Q_OBJECT
 public:
  TFaktor_aendern_Weltzeit(const Dialogumgebung& umgebung, QWidget* eltern);

 protected:
  void Vorbereiten() override;

 private:
  void OKBtnClick();

  QLabel* Label_Gebiet = nullptr;
  QLabel* Label_Land = nullptr;
  QLabel* Label_Einheit = nullptr;
  QLineEdit* Edit1 = nullptr;  // minutes
  QLineEdit* Edit2 = nullptr;  // summer time
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  int m_Zeile = -1;
};

}  // namespace kolvaro::ui
