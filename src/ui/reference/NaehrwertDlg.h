// TNaehrwertDlg: the energy of foods per 100 g, by food group, in kcal or kJ.
#pragma once

#include <string>
#include <vector>

#include "ui/Dialogbasis.h"

class QComboBox;
class QRadioButton;

namespace kolvaro::ui {

class Tabellenansicht;

class TNaehrwertDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TNaehrwertDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  // Fills the list for the group and unit chosen.
  void ListeFuellen();

 protected:
  void Vorbereiten() override;

 private:
  QComboBox* ComboBox1 = nullptr;
  QRadioButton* m_Kcal = nullptr;
  QRadioButton* m_KJoule = nullptr;
  Tabellenansicht* ListBox1 = nullptr;
  std::vector<std::string> m_Zeilen;
};

}  // namespace kolvaro::ui
