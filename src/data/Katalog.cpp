// Reading the catalogue and the information texts.
#include "data/Katalog.h"

#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Textdatei.h"

namespace kolvaro {

bool EinfacherDateiname(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name)
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) return false;
  const std::string gross = GrossCp1252(std::string(name));
  for (const char* eigene : {kKatalogDatei, kInfotextDatei})
    if (gross == GrossCp1252(eigene)) return false;
  return true;
}

Resultat<std::vector<Gebietseintrag>> KatalogLaden(const std::filesystem::path& verzeichnis) {
  auto zeilen = DateiLaden(verzeichnis / kKatalogDatei);
  if (!zeilen) return zeilen.Fehler();
  std::vector<Gebietseintrag> katalog;
  katalog.reserve(zeilen->size());
  for (std::size_t i = 0; i < zeilen->size(); ++i) {
    const std::string& zeile = (*zeilen)[i];
    // A trailing empty line (an editor's final newline) is no category.
    if (zeile.empty()) continue;
    Gebietseintrag eintrag{Text1252(Feld(zeile, '\t', 1)), Feld(zeile, '\t', 2), Text1252(Feld(zeile, '\t', 3))};
    if (!EinfacherDateiname(eintrag.Datendatei))
      return BeschaedigtMeldung(kKatalogDatei, i + 1,
                                "(Gebiet \"" + eintrag.Gebietsname + "\") nennt als Datendatei \"" +
                                    Text1252(eintrag.Datendatei) +
                                    Cp1252("\"; erlaubt ist nur ein Dateiname im Datenverzeichnis ohne Pfad"));
    katalog.push_back(std::move(eintrag));
  }
  if (katalog.empty())
    return FehlerMeldung("Die Datei " + Cp1252(kKatalogDatei) +
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

Text1252 GebietsInfotext(const std::string& infotext, int k) { return Text1252(Feld(infotext, '*', k)); }

Text1252 GebietsInfotextBereinigt(const std::string& infotext, int k) {
  const std::string text = Feld(infotext, '*', k);
  auto anfang = text.find_first_not_of("\r\n");
  if (anfang == std::string::npos) return {};
  auto ende = text.find_last_not_of("\r\n");
  return Text1252(text.substr(anfang, ende - anfang + 1));
}

}  // namespace kolvaro
