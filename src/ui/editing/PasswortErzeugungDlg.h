// TPasswortErzeugungDlg: at the first start the user may choose the password
// that locks the editing functions; an empty one leaves them open.
#pragma once

#include "ui/Dialogbasis.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kolvaro::ui {

class TPasswortErzeugungDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TPasswortErzeugungDlg(const Dialogumgebung& umgebung, QWidget* eltern);

 protected:
  void Vorbereiten() override;

 private:
  // Writes the password file and closes; a refused text or a failed write
  // keeps the dialog open with what was typed.
  void BitBtn1Click();

  QPlainTextEdit* Hinweis = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
};

}  // namespace kolvaro::ui
