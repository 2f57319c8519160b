// TStoffdatenDlg: material data. One of nineteen properties is chosen; the
// list shows every substance that has a value for it.
#pragma once

#include "ui/Dialogbasis.h"

class QComboBox;
class QLabel;

namespace kolvaro::ui {

class Tabellenansicht;

class TStoffdatenDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TStoffdatenDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  // Shows the chosen entry (also on every change of the selector).
  void EintragZeigen();

 protected:
  void Vorbereiten() override;

 private:
  QComboBox* ComboBox1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  Tabellenansicht* ListBox1 = nullptr;
};

}  // namespace kolvaro::ui
