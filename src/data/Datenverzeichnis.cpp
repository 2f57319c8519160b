// Choosing and filling the data directory.
#include "data/Datenverzeichnis.h"

#include <system_error>

#include "data/Katalog.h"
#include "data/Textdatei.h"
#include "data/Zeichensatz.h"

namespace kolvaro {

namespace fs = std::filesystem;

std::variant<fs::path, Meldung> DatenverzeichnisWaehlen(const fs::path& aktuell, const fs::path& benutzerdaten,
                                                        const std::vector<fs::path>& installiert) {
  if (DateiExistiert(aktuell / kKatalogDatei)) return aktuell;
  if (DateiExistiert(benutzerdaten / kKatalogDatei)) return benutzerdaten;
  for (const auto& quelle : installiert) {
    if (!DateiExistiert(quelle / kKatalogDatei)) continue;
    std::error_code fehler;
    fs::create_directories(benutzerdaten, fehler);
    // Copy the catalogue last: only a complete copy counts as filled.
    for (const auto& eintrag : fs::directory_iterator(quelle, fehler)) {
      if (!eintrag.is_regular_file() || eintrag.path().filename() == kKatalogDatei) continue;
      fs::copy_file(eintrag.path(), benutzerdaten / eintrag.path().filename(), fs::copy_options::skip_existing,
                    fehler);
      if (fehler) break;
    }
    if (!fehler) fs::copy_file(quelle / kKatalogDatei, benutzerdaten / kKatalogDatei, fehler);
    if (fehler)
      return FehlerMeldung(W("Die Datendateien konnten nicht nach ") + W(benutzerdaten.string()) +
                           W(" kopiert werden: ") + W(fehler.message()));
    return benutzerdaten;
  }
  return FehlerMeldung(W("Die Datendateien von Kolvaro wurden nicht gefunden. Bitte Kolvaro im "
                         "Datenverzeichnis starten oder neu installieren."));
}

std::vector<fs::path> InstallierteDaten(const fs::path& programmverzeichnis) {
  return {programmverzeichnis / "daten", programmverzeichnis.parent_path() / "share" / "kolvaro" / "daten"};
}

}  // namespace kolvaro
