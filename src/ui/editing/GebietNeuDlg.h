// TGebietNeuDlg: a new category with its reference unit, its data file and
// its information text. The checks and the writing are the core's
// (editing/Gebietsverwaltung.h); the dialog stays open with everything
// typed until the category is written.
#pragma once

#include "basis/Rechenergebnis.h"
#include "ui/Dialogbasis.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kolvaro::ui {

class TGebietNeuDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TGebietNeuDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  // Leaving the name field: proposes the data file name.
  void Edit1Exit();
  // "Gebiet einfügen".
  void BitBtn2Click();

 protected:
  void Vorbereiten() override;  // FormShow

 private:
  // The control of a field a refusal names; nullptr for none.
  QWidget* Steuerelement(Eingabefeld feld) const;

  QLineEdit* Edit1 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QLineEdit* Edit4 = nullptr;
  QLineEdit* Edit6 = nullptr;
  QLineEdit* Edit5 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QLineEdit* Edit3 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QPushButton* BitBtn1 = nullptr;
};

}  // namespace kolvaro::ui
