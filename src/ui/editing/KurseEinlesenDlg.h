// TKurseEinlesenDlg: takes the central bank's reference rates of one day
// from a downloaded rate file into the currencies. The file is read when it
// is chosen, so that the day box offers the days it holds, newest first.
#pragma once

#include <optional>

#include "special/Kursdatei.h"
#include "ui/Dialogbasis.h"

class QComboBox;
class QLineEdit;

namespace kolvaro::ui {

class TKurseEinlesenDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TKurseEinlesenDlg(const Dialogumgebung& umgebung, QWidget* eltern);

 protected:
  void Vorbereiten() override;

 private:
  void Button1Click();
  // Reads the file Edit1 names, unless it was read already; false when there is none to use.
  bool DateiLesen();
  void OKBtnClick();

  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  std::optional<Kursdatei> m_Datei;
  QString m_Gelesen;  // the path m_Datei was read from
};

}  // namespace kolvaro::ui
