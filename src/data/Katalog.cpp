// Reading the catalogue and the information texts.
#include "data/Katalog.h"

#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Textdatei.h"

namespace kolvaro {

Resultat<std::vector<Gebietseintrag>> KatalogLaden(const std::filesystem::path& verzeichnis) {
  auto zeilen = DateiLaden(verzeichnis / kKatalogDatei);
  if (!zeilen) return zeilen.Fehler();
  std::vector<Gebietseintrag> katalog;
  katalog.reserve(zeilen->size());
  for (const auto& zeile : *zeilen) {
    // A trailing empty line (an editor's final newline) is no category.
    if (zeile.empty()) continue;
    katalog.push_back({Feld(zeile, '\t', 1), Feld(zeile, '\t', 2), Feld(zeile, '\t', 3)});
  }
  if (katalog.empty())
    return FehlerMeldung("Die Datei " + std::string(kKatalogDatei) +
                         Cp1252(" enthält keine Gebiete. Kolvaro kann ohne Gebietsverzeichnis nicht rechnen."));
  return katalog;
}

Resultat<std::string> InfotextLaden(const std::filesystem::path& verzeichnis) {
  auto zeilen = DateiLaden(verzeichnis / kInfotextDatei);
  if (!zeilen) return zeilen.Fehler();
  std::string text;
  for (const auto& zeile : *zeilen) {
    text += zeile;
    text += "\r\n";
  }
  return text;
}

std::string GebietsInfotext(const std::string& infotext, int k) { return Feld(infotext, '*', k); }

std::string GebietsInfotextBereinigt(const std::string& infotext, int k) {
  std::string text = GebietsInfotext(infotext, k);
  auto anfang = text.find_first_not_of("\r\n");
  if (anfang == std::string::npos) return {};
  auto ende = text.find_last_not_of("\r\n");
  return text.substr(anfang, ende - anfang + 1);
}

}  // namespace kolvaro
