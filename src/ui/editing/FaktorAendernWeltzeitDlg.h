// TFaktor_aendern_Weltzeit: changes the time difference and the summer-time
// text of the world-time unit selected in the main window.
#pragma once

#include "ui/editing/Faktordialog.h"

class QLineEdit;

namespace kolvaro::ui {

class TFaktor_aendern_Weltzeit : public Faktordialog {
  Q_OBJECT
 public:
  TFaktor_aendern_Weltzeit(const Dialogumgebung& umgebung, QWidget* eltern);

 protected:
  void Vorbereiten() override;

 private:
  void OKBtnClick();

  QLineEdit* Edit2 = nullptr;  // summer time; Edit1 holds the minutes
};

}  // namespace kolvaro::ui
