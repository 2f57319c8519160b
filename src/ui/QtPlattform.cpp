// The real platform services.
#include "ui/QtPlattform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

#include "basis/Texte.h"
#include "ui/Text.h"

namespace kolvaro::ui {

namespace {
const QString kTitel = QtAusUtf8(texte::kProgramm);
}

void QtPlattform::Fehler(const QString& text) { QMessageBox::critical(m_Fenster, kTitel, text); }
void QtPlattform::Warnung(const QString& text) { QMessageBox::warning(m_Fenster, kTitel, text); }
void QtPlattform::Information(const QString& text) { QMessageBox::information(m_Fenster, kTitel, text); }

void QtPlattform::Schlicht(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitel, text, QMessageBox::Ok, m_Fenster);
  box.exec();
}

Antwort QtPlattform::Frage(const QString& text, bool mitAbbrechen) {
  auto knoepfe = QMessageBox::Yes | QMessageBox::No;
  if (mitAbbrechen) knoepfe |= QMessageBox::Cancel;
  switch (QMessageBox::question(m_Fenster, kTitel, text, knoepfe)) {
    case QMessageBox::Yes:
      return Antwort::Ja;
    case QMessageBox::No:
      return Antwort::Nein;
    default:
      return Antwort::Abbrechen;
  }
}

void QtPlattform::ZwischenablageSetzen(const QString& text) { QGuiApplication::clipboard()->setText(text); }
QString QtPlattform::Zwischenablage() { return QGuiApplication::clipboard()->text(); }

bool QtPlattform::HilfeOeffnen() {
  // The help pages live beside the data files.
  QFileInfo hilfe(QDir::current().filePath(QStringLiteral("KLV6.html")));
  return hilfe.exists() && QDesktopServices::openUrl(QUrl::fromLocalFile(hilfe.absoluteFilePath()));
}

void QtPlattform::SanduhrAn() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void QtPlattform::SanduhrAus() { QApplication::restoreOverrideCursor(); }

}  // namespace kolvaro::ui
