// TAuslandsvorwahlDlg: international dialling codes with the country's flag.
#pragma once

#include <string>
#include <vector>

#include "reference/Referenztabelle.h"
#include "ui/Dialogbasis.h"

class QLabel;
class QListWidget;

namespace kolvaro::ui {

class TAuslandsvorwahlDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TAuslandsvorwahlDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  // Shows the selected country (also on every click).
  void LandZeigen();

 protected:
  void Vorbereiten() override;

 private:
  QListWidget* ListBox1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Image1 = nullptr;
  Referenztabelle m_Tabelle;  // country and code, one row per line
};

}  // namespace kolvaro::ui
