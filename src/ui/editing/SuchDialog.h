// TSuch_Dialog, "Einheiten suchen": finds units by name or symbol in every
// category, hidden ones included, and prepares the jump to a hit. The main
// window performs the jump after the dialog closed as OK (Sprungziel).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editing/Suche.h"
#include "ui/Dialogbasis.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kolvaro::ui {

// Where the main window jumps: the category (catalogue index from 0) and
// the unit by its exact name and country.
struct Suchsprung {
  int Gebietsindex = 0;
  Text1252 Einheitenname;
  Text1252 Landname;
};

class TSuch_Dialog : public Dialogbasis {
  Q_OBJECT
 public:
  TSuch_Dialog(const Dialogumgebung& umgebung, QWidget* eltern);

  // Set when the dialog closed for a jump; empty otherwise.
  const std::optional<Suchsprung>& Sprungziel() const { return m_Sprungziel; }
  const std::vector<TSuchobjekt>& Trefferliste() const { return m_Trefferliste; }

  void BitBtn1Click();
  void HelpBtnClick();

 protected:
  void Vorbereiten() override;

 private:
  void RadioGroup1Click();
  Suchmodus Modus() const;

  QGroupBox* RadioGroup1 = nullptr;
  QRadioButton* m_NachName = nullptr;
  QRadioButton* m_NachAbkuerzung = nullptr;
  QLineEdit* Edit1 = nullptr;
  QGroupBox* RadioGroup2 = nullptr;
  QRadioButton* m_Bestandteil = nullptr;
  QRadioButton* m_Exakt = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QLabel* Label4 = nullptr;
  QPushButton* HelpBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

  std::vector<TSuchobjekt> m_Trefferliste;
  std::optional<Suchsprung> m_Sprungziel;
};

}  // namespace kolvaro::ui
