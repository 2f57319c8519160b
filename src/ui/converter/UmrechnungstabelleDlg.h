// TUmrechnungstabelleDlg: "Extras" -> "Umrechnungstabelle...": a source
// unit of the current category, one or more target units, start, end and
// step; the table can be copied as TAB text and saved as CSV.
#pragma once

#include "reference/Referenztabelle.h"
#include "ui/Dialogbasis.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace kolvaro::ui {

class Tabellenansicht;

class TUmrechnungstabelleDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TUmrechnungstabelleDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  // "Berechnen", "Als CSV speichern...".
  void BitBtn1Click();
  void BitBtn3Click();

 protected:
  void Vorbereiten() override;

 private:
  QComboBox* ComboBox1 = nullptr;   // the source unit
  QListWidget* ListBox2 = nullptr;  // the target units
  QLineEdit* Edit1 = nullptr;       // start
  QLineEdit* Edit2 = nullptr;       // end
  QLineEdit* Edit3 = nullptr;       // step
  Tabellenansicht* Tabelle = nullptr;
  std::vector<std::vector<Text1252>> Zeilen() const;  // headings first
  Text1252 Ueberschrift() const;
  Referenztabelle m_Tabelle;
};

}  // namespace kolvaro::ui
