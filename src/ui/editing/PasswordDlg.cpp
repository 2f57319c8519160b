// The password query.
#include "ui/editing/PasswordDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/Passwortdatei.h"
#include "ui/Text.h"

namespace kolvaro::ui {

TPasswordDlg::TPasswordDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("PasswordDlg"), QStringLiteral("Passwort-Abfrage"), eltern) {
  auto* hinweis = new QLabel(QStringLiteral("Diese Funktion ist nur mit Ihrem Passwort zugänglich."), this);
  auto* beschriftung = new QLabel(QStringLiteral("Passwort eingeben:"), this);
  Password = new QLineEdit(this);
  Password->setObjectName(QStringLiteral("Password"));
  Password->setEchoMode(QLineEdit::Password);
  // Every typed character shows as "*", whatever the style's own mark is.
  Password->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
  beschriftung->setBuddy(Password);

  // Cancelling leaves the verdict refused.
  const OkAbbrechen knoepfe = OkAbbrechenZeile("BitBtn1", "BitBtn2", Eingabetaste::Ok);
  BitBtn1 = knoepfe.Ok;
  BitBtn2 = knoepfe.Abbrechen;
  connect(BitBtn1, &QPushButton::clicked, this, &TPasswordDlg::BitBtn1Click);

  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(hinweis);
  spalte->addWidget(beschriftung);
  spalte->addWidget(Password);
  spalte->addLayout(knoepfe.Zeile);

  setTabOrder(Password, BitBtn1);
  setTabOrder(BitBtn1, BitBtn2);
}

void TPasswordDlg::Vorbereiten() {
  m_PasswortOk = false;
  Password->clear();
  Password->setFocus();
}

void TPasswordDlg::BitBtn1Click() {
  m_PasswortOk = false;
  // A character outside Windows-1252 never occurs in the stored password.
  const auto eingabe = Cp1252AusQt(Password->text());
  const Resultat<bool> stimmt = eingabe ? PasswortStimmt(m_Konverter.Verzeichnis(), *eingabe) : Resultat<bool>(false);
  if (!stimmt)
    Melden(stimmt.Fehler());
  else if (*stimmt)
    m_PasswortOk = true;
  else
    Melden(FalschesPasswortMeldung());
  // The dialog closes whatever the verdict.
  accept();
}

}  // namespace kolvaro::ui
