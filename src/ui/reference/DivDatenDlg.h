// TDivDatenDlg: the eleven scale tables (wind, sea, earthquakes, film
// speed, waves, loudness, paper and book formats), each with its column
// headings.
#pragma once

#include <string>
#include <vector>

#include "ui/Dialogbasis.h"

class QComboBox;

namespace kolvaro::ui {

class Tabellenansicht;

class TDivDatenDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TDivDatenDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  void TabelleZeigen();

 protected:
  void Vorbereiten() override;

 private:
  QComboBox* ComboBox1 = nullptr;
  Tabellenansicht* ListBox1 = nullptr;
  std::vector<std::string> m_Zeilen;
};

}  // namespace kolvaro::ui
