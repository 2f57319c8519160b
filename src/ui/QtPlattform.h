// The real platform: QMessageBox, QClipboard, the help file, the cursor.
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/Plattform.h"

namespace kolvaro::ui {

class QtPlattform : public Plattform {
 public:
  void SetFenster(QWidget* fenster) { m_Fenster = fenster; }

  void Fehler(const QString& text) override;
  void Warnung(const QString& text) override;
  void Information(const QString& text) override;
  void Schlicht(const QString& text) override;
  Antwort Frage(const QString& text, bool mitAbbrechen) override;

  void ZwischenablageSetzen(const QString& text) override;
  QString Zwischenablage() override;

  bool HilfeOeffnen() override;
  void HilfeSchliessen() override {}

  void SanduhrAn() override;
  void SanduhrAus() override;

 private:
  QPointer<QWidget> m_Fenster;
};

}  // namespace kolvaro::ui
