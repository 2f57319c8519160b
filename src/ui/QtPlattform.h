// The real platform: QMessageBox, QClipboard, the help window, the cursor.
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/Plattform.h"

namespace kolvaro::ui {

class THilfefenster;

class QtPlattform : public Plattform {
 public:
  ~QtPlattform() override;
  void SetFenster(QWidget* fenster) { m_Fenster = fenster; }

  void Fehler(const QString& text) override;
  void Warnung(const QString& text) override;
  void Information(const QString& text) override;
  void Schlicht(const QString& text) override;
  Antwort Frage(const QString& text, bool mitAbbrechen) override;

  void ZwischenablageSetzen(const QString& text) override;
  QString Zwischenablage() override;
  QString SpeicherortWaehlen(const QString& titel, const QString& vorschlag, const QString& filter) override;
  QString DateiOeffnenWaehlen(const QString& titel, const QString& filter) override;
  bool Drucken(const QString& titel, const QString& html) override;

  bool HilfeOeffnen(const QString& seite) override;
  void HilfeSchliessen() override;

  void SanduhrAn() override;
  void SanduhrAus() override;

 private:
  QPointer<QWidget> m_Fenster;
  // Made at the first call and kept, so that its history survives closing it.
  QPointer<THilfefenster> m_Hilfe;
};

}  // namespace kolvaro::ui
