// The five user settings in a QSettings store: the program passes
// QSettings("Ostravin", "Kolvaro 6.0"), tests a temporary file.
#pragma once

#include <QSettings>

#include "converter/Einstellungswerte.h"

namespace kolvaro::ui {

class Einstellungen {
 public:
  explicit Einstellungen(QSettings& speicher) : m_Speicher(speicher) {}

  // Reads every value; Ok is false when one could not be read.
  EinstellungenGelesen Lesen();
  // false when the values could not be written.
  bool Schreiben(const Einstellungswerte& werte);

 private:
  QSettings& m_Speicher;
};

}  // namespace kolvaro::ui
