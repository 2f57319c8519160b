// TUeberDlg: the about box of the "Hilfe" menu: name, version, licence, the
// sources of the shipped data and the date of the newest shipped exchange
// rate, read anew from the currency file each time the box opens (the user
// may have entered rates of his own in between).
#pragma once

#include "ui/Dialogbasis.h"

class QLabel;
class QPushButton;

namespace kolvaro::ui {

class TUeberDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TUeberDlg(const Dialogumgebung& umgebung, QWidget* eltern);

 protected:
  void Vorbereiten() override;

 private:
  QLabel* Version = nullptr;
  QLabel* Wechselkurse = nullptr;
  QPushButton* BitBtn1 = nullptr;
};

}  // namespace kolvaro::ui
