// TGebietLoeschenDlg: deletes a category with its data file, its catalogue
// entry and its information block, after a Yes/No question. The deleting is
// the core's (editing/Gebietsverwaltung.h).
#pragma once

#include "ui/Dialogbasis.h"

class QListWidget;
class QPushButton;

namespace kolvaro::ui {

class TGebietLoeschenDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TGebietLoeschenDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  // "Gebiet löschen".
  void BitBtn1Click();

 protected:
  void Vorbereiten() override;  // FormShow

 private:
  QListWidget* ListBox1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
};

}  // namespace kolvaro::ui
