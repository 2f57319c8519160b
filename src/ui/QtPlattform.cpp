// The real platform services.
#include "ui/QtPlattform.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

#include "basis/Texte.h"
#include "ui/Hilfefenster.h"
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

bool QtPlattform::Drucken(const QString& titel, const QString& html) {
  QTextDocument dokument;
  dokument.setHtml(html);
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setDocName(titel);
  QPrintPreviewDialog vorschau(&drucker, m_Fenster);
  vorschau.setWindowTitle(titel);
  bool fehler = false;
  QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau, [&](QPrinter* ziel) {
    // The document prints silently into nothing when its file cannot be
    // written; asking the file first gives the user a message instead.
    if (ziel->outputFormat() == QPrinter::PdfFormat && !ziel->outputFileName().isEmpty()) {
      QFile datei(ziel->outputFileName());
      if (!datei.open(QIODevice::Append)) {
        fehler = true;
        return;
      }
    }
    dokument.print(ziel);
    if (ziel->printerState() == QPrinter::Error) fehler = true;
  });
  vorschau.exec();
  return !fehler;
}

QString QtPlattform::SpeicherortWaehlen(const QString& titel, const QString& vorschlag, const QString& filter) {
  return QFileDialog::getSaveFileName(m_Fenster, titel, vorschlag, filter);
}

QString QtPlattform::DateiOeffnenWaehlen(const QString& titel, const QString& filter) {
  return QFileDialog::getOpenFileName(m_Fenster, titel, QString(), filter);
}

QtPlattform::~QtPlattform() { delete m_Hilfe; }

bool QtPlattform::HilfeOeffnen(const QString& seite) {
  if (!m_Hilfe) m_Hilfe = new THilfefenster(m_Fenster);
  THilfefenster* hilfe = m_Hilfe;
  // An application-modal dialog blocks every window but its own children:
  // the help asked for from such a dialog moves under it to stay usable.
  QWidget* eltern = QApplication::activeModalWidget();
  if (!eltern || eltern == hilfe) eltern = m_Fenster;
  if (hilfe->parentWidget() != eltern) hilfe->setParent(eltern, hilfe->windowFlags());
  if (!hilfe->SeiteOeffnen(seite)) return false;
  hilfe->show();
  hilfe->raise();
  hilfe->activateWindow();
  return true;
}

void QtPlattform::HilfeSchliessen() {
  if (m_Hilfe) m_Hilfe->close();
}

void QtPlattform::SanduhrAn() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void QtPlattform::SanduhrAus() { QApplication::restoreOverrideCursor(); }

}  // namespace kolvaro::ui
