// TStellenDlg: "Einstellungen" -> "Stellen...": how many significant digits
// the float display shows (3 to 15), or the decimals by magnitude as
// always. The converter keeps the choice; the settings remember it.
#pragma once

#include "ui/Dialogbasis.h"

class QCheckBox;
class QSpinBox;

namespace kolvaro::ui {

class TStellenDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TStellenDlg(const Dialogumgebung& umgebung, QWidget* eltern);

 protected:
  void Vorbereiten() override;

 private:
  void OKBtnClick();

  QCheckBox* NachGroesse = nullptr;
  QSpinBox* Stellen = nullptr;
};

}  // namespace kolvaro::ui
