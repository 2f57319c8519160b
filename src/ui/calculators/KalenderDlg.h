// TKalenderDlg, the perpetual calendar: the weekday of a date and the
// movable feasts of a year. The date arithmetic is the core's
// (calculators/ImmerwaehrenderKalender.h).
#pragma once

#include "ui/Dialogbasis.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kolvaro::ui {

class TKalenderDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TKalenderDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  void BitBtn1Click();  // weekday
  void BitBtn2Click();  // feasts

 protected:
  void Vorbereiten() override;  // FormShow

 private:
  QLineEdit* Edit1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QLabel* Label3 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QPushButton* BitBtn3 = nullptr;
  QRadioButton* m_Gregorianisch = nullptr;
  QRadioButton* m_Julianisch = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
};

}  // namespace kolvaro::ui
