// TBuchstabiertafelDlg: one of the four phonetic alphabets as a grid, each
// letter with its word below it, in a window that stays open beside the
// main window. The alphabets are the core's (reference/FesteTabellen.h).
#pragma once

#include "ui/Dialogbasis.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QTableWidget;

namespace kolvaro::ui {

class TBuchstabiertafelDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TBuchstabiertafelDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  // Shows the alphabet chosen in RadioGroup1.
  void TafelZeigen();
  // All four alphabets side by side, as TAB-separated text.
  void Kopieren();

 protected:
  void Vorbereiten() override;  // FormShow
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  QTableWidget* StringGrid1 = nullptr;
  QGroupBox* RadioGroup1 = nullptr;
  QButtonGroup* m_Alphabete = nullptr;
  QPushButton* BitBtn1 = nullptr;
};

}  // namespace kolvaro::ui
