// TPhysKonstDlg: the physical constants, name and value with unit, as a
// table that can be copied. The values are the core's
// (reference/FesteTabellen.h).
#pragma once

#include "ui/Dialogbasis.h"

class QLabel;
class QPushButton;

namespace kolvaro::ui {

class Tabellenansicht;

class TPhysKonstDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TPhysKonstDlg(const Dialogumgebung& umgebung, QWidget* eltern);

 protected:
  void Vorbereiten() override;  // FormShow

 private:
  Tabellenansicht* ListBox1 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* BitBtn1 = nullptr;
};

}  // namespace kolvaro::ui
