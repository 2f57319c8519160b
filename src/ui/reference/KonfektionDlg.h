// TKonfektionDlg: the clothing-size tables for women, men and children,
// shown from their rich-text documents in the data directory. Reading the
// documents is the core's (reference/Rtf.h).
#pragma once

#include "ui/Dialogbasis.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QTextBrowser;

namespace kolvaro::ui {

class TKonfektionDlg : public Dialogbasis {
  Q_OBJECT
 public:
  TKonfektionDlg(const Dialogumgebung& umgebung, QWidget* eltern);

  // Shows the document of the group chosen in RadioGroup1.
  void DokumentZeigen();
  // The shown document as plain text, table cells separated by TAB.
  void AllesKopieren();

 protected:
  void Vorbereiten() override;  // FormShow

 private:
  QTextBrowser* RichEdit1 = nullptr;
  QGroupBox* RadioGroup1 = nullptr;
  QButtonGroup* m_Gruppen = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QString m_Text;  // of the shown document
};

}  // namespace kolvaro::ui
