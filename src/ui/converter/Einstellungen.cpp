// Settings stored with QSettings; the reading rules are the core's.
#include "ui/converter/Einstellungen.h"

namespace kolvaro::ui {

EinstellungenGelesen Einstellungen::Lesen() {
  m_Speicher.sync();
  if (m_Speicher.status() == QSettings::FormatError) {
    EinstellungenGelesen kaputt;
    kaputt.Ok = false;
    return kaputt;
  }
  return EinstellungenAuswerten([this](const char* name) -> std::optional<std::string> {
    QVariant wert = m_Speicher.value(QString::fromLatin1(name));
    if (!wert.isValid()) return std::nullopt;
    return wert.toString().toStdString();
  });
}

bool Einstellungen::Schreiben(const Einstellungswerte& werte) {
  for (const auto& [name, wert] : EinstellungenSchreibwerte(werte))
    m_Speicher.setValue(QString::fromStdString(name), QString::fromStdString(wert));
  m_Speicher.sync();
  return m_Speicher.status() == QSettings::NoError && m_Speicher.isWritable();
}

}  // namespace kolvaro::ui
