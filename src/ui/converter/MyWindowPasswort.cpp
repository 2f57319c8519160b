// TMyWindow: the password lock of the editing functions. The lock guards a
// shared installation against changes by mistake, not against anyone who
// can edit or delete the data files.
#include "editing/Passwortdatei.h"
#include "ui/converter/MyWindow.h"
#include "ui/editing/PasswordDlg.h"

namespace kolvaro::ui {

bool TMyWindow::PasswortAbfragen() {
  // A program without the query leaves every editing function open.
  if (!m_Dialoge->Vorhanden(Dialogart::Passwortabfrage)) return true;
  // A file that is gone or damaged locks rather than opens: the lock must
  // not vanish with it unnoticed, and nobody could type a matching password.
  const Resultat<bool> gesetzt = PasswortGesetzt(m_Konverter.Verzeichnis());
  if (!gesetzt) {
    Meldung(gesetzt.Fehler());
    return false;
  }
  if (!*gesetzt) return true;
  auto* dialog = qobject_cast<TPasswordDlg*>(m_Dialoge->Dialog(Dialogart::Passwortabfrage));
  if (!dialog) return true;
  dialog->Ausfuehren();
  return dialog->PasswortOk();
}

void TMyWindow::PasswortErzeugenBeiBedarf() {
  if (PasswortdateiVorhanden(m_Konverter.Verzeichnis())) return;
  // Closed without OK it writes nothing, and the next start asks again.
  if (Dialogbasis* dialog = m_Dialoge->Dialog(Dialogart::PasswortErzeugung)) dialog->Ausfuehren();
}

}  // namespace kolvaro::ui
