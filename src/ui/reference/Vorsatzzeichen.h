// TVorsatzzeichen: the SI prefixes, symbol, name and factor, in a window
// that stays open beside the main window. The table is the core's
// (reference/FesteTabellen.h).
#pragma once

#include "ui/Dialogbasis.h"

class QPushButton;

namespace kolvaro::ui {

class Tabellenansicht;

class TVorsatzzeichen : public Dialogbasis {
  Q_OBJECT
 public:
  TVorsatzzeichen(const Dialogumgebung& umgebung, QWidget* eltern);

 protected:
  void Vorbereiten() override;  // FormShow

 private:
  Tabellenansicht* ListBox1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
};

}  // namespace kolvaro::ui
