// The ground of the two dialogs that change the stored value of the unit
// selected in the main window: the lines naming category, country and unit,
// the value field Edit1, OK and Cancel, and taking over the selection.
#pragma once

#include "data/Einheit.h"
#include "ui/Dialogbasis.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kolvaro::ui {

class Faktordialog : public Dialogbasis {
  Q_OBJECT
 protected:
  // einheitText captions the unit's line ("1" or "Einheit:"), wertText the value field.
  Faktordialog(const Dialogumgebung& umgebung, const QString& formname, const QString& titel,
               const QString& einheitText, const QString& wertText, QWidget* eltern);

  // The selected unit shown in the header lines; nullptr (and the dialog
  // closes at once) when nothing is selected.
  const TAusgabetextobject* EinheitUebernehmen();
  // Shows the result's message; true when the change is stored (the dialog
  // then closes and the window refills its list).
  bool Abschliessen(const Rechenergebnis& ergebnis);
  QLabel* Label_Gebiet = nullptr;
  QLabel* Label_Land = nullptr;
  QLabel* Label_Einheit = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  // Rows 0 to 3: category, country, unit, value field (column 2 of row 3 is free).
  QGridLayout* m_Raster = nullptr;
  // The row of OK and Abbrechen, for the dialog to put below its fields.
  QHBoxLayout* m_Knoepfe = nullptr;
  int m_Zeile = -1;  // the unit's row in the converter's list
};

}  // namespace kolvaro::ui
