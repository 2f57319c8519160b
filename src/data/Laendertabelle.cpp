// Reading the country table; bitmap names.
#include "data/Laendertabelle.h"

#include "data/Feld.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "data/Zeichensatz.h"

namespace kolvaro {

OptMeldung LaendertabelleLaden(const std::filesystem::path& verzeichnis, Laendertabelle& tabelle) {
  tabelle = {};
  auto zeilen = DateiLaden(verzeichnis / kLaenderDatei);
  if (!zeilen) return NichtGeoeffnetMeldung(kLaenderDatei);
  Laendertabelle neu;
  for (std::size_t i = 0; i < zeilen->size(); ++i) {
    if ((*zeilen)[i].empty()) continue;
    auto klartext = LinieEntschluesseln((*zeilen)[i], 3);
    if (!klartext) return BeschaedigtMeldung(kLaenderDatei, i + 1);
    // Lines beyond the 211th have no place in the country flags.
    if (neu.Alle.size() == static_cast<std::size_t>(kLaenderAnzahl)) break;
    std::string name = Feld(*klartext, '\t', 1);
    neu.Alle.push_back(name);
    neu.Bitmapnummern.push_back(Feld(*klartext, '\t', 3));
    if (Feld(*klartext, '\t', 4) == "j") neu.Vorhandene.push_back(name);
  }
  tabelle = std::move(neu);
  return std::nullopt;
}

std::string Flaggenname(std::string_view landname) {
  std::string gross = GrossCp1252(landname);
  std::string name = "BM_";
  for (char ch : gross) {
    switch (static_cast<unsigned char>(ch)) {
      case ' ': break;
      case 0xDF: name += "SS"; break;  // ß
      case 0xC4: name += "AE"; break;  // Ä
      case 0xD6: name += "OE"; break;  // Ö
      case 0xDC: name += "UE"; break;  // Ü
      default: name += ch;
    }
  }
  return name;
}

}  // namespace kolvaro
