// TMolmasseDlg: the molar mass of a chemical formula. The element table is
// read each time the dialog is shown; the calculation is the core's
// (calculators/Molmasse.h).
#pragma once

#include <vector>

#include "calculators/Molmasse.h"
#include "ui/Dialogbasis.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kolvaro::ui {

class TMolmasseDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TMolmasseDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  void BitBtn1Click();  // "&Berechnen"

 protected:
  void Vorbereiten() override;       // FormShow
  void done(int ergebnis) override;  // FormClose

 private:
  void Edit1Change();
  void Edit1Markieren();

  QLineEdit* Edit1 = nullptr;
  QLabel* Label3 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  std::vector<Element> m_Elemente;
};

}  // namespace kolvaro::ui
