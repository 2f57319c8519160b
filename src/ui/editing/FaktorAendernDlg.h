// TFaktor_aendern: changes the factor of the unit selected in the main
// window, for the categories that convert by one factor.
#pragma once

#include "ui/editing/Faktordialog.h"

namespace kolvaro::ui {

class TFaktor_aendern : public Faktordialog {
  Q_OBJECT
 public:
  TFaktor_aendern(const Dialogumgebung& umgebung, QWidget* eltern);

 protected:
  void Vorbereiten() override;

 private:
  void OKBtnClick();

  QLabel* Label_Bezugseinheit = nullptr;
};

}  // namespace kolvaro::ui
