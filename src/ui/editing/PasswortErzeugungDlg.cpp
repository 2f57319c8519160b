// The dialog in which the password is chosen.
#include "ui/editing/PasswortErzeugungDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/Passwortdatei.h"
#include "ui/Text.h"

namespace kolvaro::ui {

namespace {

// The text of the form, line by line (the trailing blanks are its own).
const char* const kHinweiszeilen[] = {
    "Sehr geehrter Anwender von Kolvaro,",
    "",
    "Sie haben hier die Möglichkeit ein Passwort zu vergeben. Mit diesem ",
    "Passwort haben Sie dann in Zukunft Zugriff zu folgenden Funktionen :",
    "",
    "- Aus- und Einblenden von Einheiten",
    "- Löschen von Einheiten",
    "- Einfügen von eigenen Einheiten",
    "- Ändern von Umrechnungsfaktoren",
    "- Einfügen und löschen von Gebieten",
    "",
    "Die Eingabe eines Passwortes ist dann sinnvoll, wenn das Programm im Netz ",
    "eingesetzt wird.",
    "Geben Sie kein Passwort ein, so sind die Funktionen frei zugänglich.",
};

}  // namespace

TPasswortErzeugungDlg::TPasswortErzeugungDlg(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("PasswortErzeugungDlg"), QStringLiteral("Passwort-Erzeugung"), eltern) {
  QStringList zeilen;
  for (const char* zeile : kHinweiszeilen) zeilen << QString::fromUtf8(zeile);
  Hinweis = new QPlainTextEdit(zeilen.join(QLatin1Char('\n')), this);
  Hinweis->setObjectName(QStringLiteral("Hinweis"));
  Hinweis->setReadOnly(true);
  Hinweis->setLineWrapMode(QPlainTextEdit::NoWrap);
  Hinweis->setAccessibleName(QStringLiteral("Hinweis zum Passwort"));
  Hinweis->setMinimumSize(520, 250);

  auto* beschriftung = new QLabel(QStringLiteral("Passwort:"), this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  beschriftung->setBuddy(Edit1);

  BitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &TPasswortErzeugungDlg::BitBtn1Click);

  auto* eingabe = new QHBoxLayout;
  eingabe->addWidget(beschriftung);
  eingabe->addWidget(Edit1, 1);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch(1);
  knoepfe->addWidget(BitBtn1);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(Hinweis);
  spalte->addLayout(eingabe);
  spalte->addLayout(knoepfe);

  setTabOrder(Hinweis, Edit1);
  setTabOrder(Edit1, BitBtn1);
}

void TPasswortErzeugungDlg::Vorbereiten() {
  Edit1->clear();
  Edit1->setFocus();
}

void TPasswortErzeugungDlg::BitBtn1Click() {
  auto zurueck = [this](const kolvaro::Meldung& meldung) {
    Melden(meldung);
    Edit1->setFocus();
    Edit1->selectAll();
  };
  const auto passwort = Cp1252AusQt(Edit1->text());
  if (!passwort) return zurueck(PasswortNichtDarstellbarMeldung());
  if (auto geschrieben = PasswortSchreiben(m_Konverter.Verzeichnis(), *passwort); !geschrieben)
    return zurueck(geschrieben.Fehler());
  accept();
}

}  // namespace kolvaro::ui
