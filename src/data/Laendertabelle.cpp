// Reading the country table; bitmap names.
#include "data/Laendertabelle.h"

#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"

namespace kolvaro {

Resultat<Laendertabelle> LaendertabelleLaden(const std::filesystem::path& verzeichnis) {
  Laendertabelle tabelle;
  Geheimleseart art;
  art.Schluessel = 3;
  art.LeereUeberspringen = true;
  auto gelesen = GeheimdateiDurchlaufen(verzeichnis / kLaenderDatei, art, [&](std::string_view klartext, std::size_t) {
    // Lines beyond the 211th have no place in the country flags.
    if (tabelle.Alle.size() == static_cast<std::size_t>(kLaenderAnzahl)) return false;
    Text1252 name(Feld(klartext, '\t', 1));
    tabelle.Alle.push_back(name);
    tabelle.Bitmapnummern.push_back(Feld(klartext, '\t', 3));
    if (Feld(klartext, '\t', 4) == "j") tabelle.Vorhandene.push_back(std::move(name));
    return true;
  });
  if (!gelesen) return gelesen.Fehler();
  return tabelle;
}

Text1252 Flaggenname(const Text1252& landname) {
  std::string gross = GrossCp1252(landname.Sicht());
  std::string name = "BM_";
  for (char ch : gross) {
    switch (static_cast<unsigned char>(ch)) {
      case ' ':
        break;
      case 0xDF:
        name += "SS";
        break;  // ß
      case 0xC4:
        name += "AE";
        break;  // Ä
      case 0xD6:
        name += "OE";
        break;  // Ö
      case 0xDC:
        name += "UE";
        break;  // Ü
      default:
        name += ch;
    }
  }
  // Data copied by earlier versions still spell these countries as they did.
  if (name == "BM_EQUADOR") return Cp1252("BM_ECUADOR");
  if (name == "BM_SAINTVINCENTUNDDIEGRENADIEN") return Cp1252("BM_SAINTVINCENTUNDDIEGRENADINEN");
  return Text1252(std::move(name));
}

}  // namespace kolvaro
