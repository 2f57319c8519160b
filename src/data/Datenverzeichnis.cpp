// Choosing and filling the data directory.
#include "data/Datenverzeichnis.h"

#include <system_error>

#include "basis/Zeichensatz.h"
#include "data/Katalog.h"
#include "data/Textdatei.h"

namespace kolvaro {

namespace fs = std::filesystem;

namespace {

// Copies every file of the installed data that the user's directory lacks,
// the catalogue last: only a complete copy counts as filled. Nothing here
// throws; the first failure ends the copy.
std::error_code DatenKopieren(const fs::path& quelle, const fs::path& ziel) {
  std::error_code fehler;
  fs::create_directories(ziel, fehler);
  if (fehler) return fehler;
  fs::directory_iterator eintrag(quelle, fehler);
  for (; !fehler && eintrag != fs::directory_iterator(); eintrag.increment(fehler)) {
    const fs::path& datei = eintrag->path();
    if (!eintrag->is_regular_file(fehler) || datei.filename() == kKatalogDatei) {
      if (fehler) return fehler;
      continue;
    }
    fs::copy_file(datei, ziel / datei.filename(), fs::copy_options::skip_existing, fehler);
  }
  if (!fehler)
    fs::copy_file(quelle / kKatalogDatei, ziel / kKatalogDatei, fs::copy_options::overwrite_existing, fehler);
  return fehler;
}

}  // namespace

Resultat<fs::path> DatenverzeichnisWaehlen(const fs::path& aktuell, const fs::path& benutzerdaten,
                                           const std::vector<fs::path>& installiert) {
  if (DateiExistiert(aktuell / kKatalogDatei)) return aktuell;
  if (DateiExistiert(benutzerdaten / kKatalogDatei)) return benutzerdaten;
  for (const auto& quelle : installiert) {
    if (!DateiExistiert(quelle / kKatalogDatei)) continue;
    const std::error_code fehler = DatenKopieren(quelle, benutzerdaten);
    if (fehler)
      return FehlerMeldung(Cp1252("Die Datendateien konnten nicht nach ") + Cp1252(benutzerdaten.string()) +
                           Cp1252(" kopiert werden: ") + Cp1252(fehler.message()));
    return benutzerdaten;
  }
  return FehlerMeldung(
      Cp1252("Die Datendateien von Kolvaro wurden nicht gefunden. Bitte Kolvaro im "
             "Datenverzeichnis starten oder neu installieren."));
}

// The build compiles in where its install rules put the data.
#ifndef KOLVARO_DATEN_RELATIV
#define KOLVARO_DATEN_RELATIV "../share/kolvaro/daten"
#endif

std::vector<fs::path> InstallierteDaten(const fs::path& programmverzeichnis) {
  return {programmverzeichnis / "daten", (programmverzeichnis / KOLVARO_DATEN_RELATIV).lexically_normal()};
}

}  // namespace kolvaro
