// TPasswordDlg: asks for the password before an editing function runs and
// keeps its verdict for the caller.
#pragma once

#include "ui/Dialogbasis.h"

class QLineEdit;
class QPushButton;

namespace kolvaro::ui {

class TPasswordDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TPasswordDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  // True when the last query granted access; every query starts refused.
  bool PasswortOk() const { return m_PasswortOk; }

 protected:
  void Vorbereiten() override;  // FormShow

 private:
  void BitBtn1Click();

  QLineEdit* Password = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  bool m_PasswortOk = false;
};

}  // namespace kolvaro::ui
