// TANSIASCII_TabelleDlg: the 256 codes of Windows-1252 (ANSI) or of code
// page 437 (ASCII, the PC's text mode) with their characters, and the
// meaning of the control characters, in a window that stays open beside the
// main window. The code pages are the core's (reference/FesteTabellen.h).
#pragma once

#include "reference/FesteTabellen.h"
#include "ui/Dialogbasis.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QPushButton;
class QTableWidget;

namespace kolvaro::ui {

class TANSIASCII_TabelleDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TANSIASCII_TabelleDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  // Shows the code page chosen in RadioGroup1.
  void TabelleZeigen();
  // Code and character of every code of the shown code page, as TAB-separated text.
  void Kopieren();

 protected:
  void Vorbereiten() override;  // FormShow
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  Codeseite GewaehlteSeite() const;

  QTableWidget* StringGrid1 = nullptr;
  QGroupBox* RadioGroup1 = nullptr;
  QButtonGroup* m_Seiten = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
};

}  // namespace kolvaro::ui
