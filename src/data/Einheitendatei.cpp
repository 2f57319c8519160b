// Rewriting unit lines.
#include "data/Einheitendatei.h"

#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"

namespace kolvaro {

Resultat<> EinheitenzeilenAendern(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                  const std::vector<Feldaenderung>& aenderungen) {
  auto gelesen = ZeilenZumUmschreiben(verzeichnis / datendatei);
  if (!gelesen) return gelesen.Fehler();
  auto& zeilen = *gelesen;
  for (const auto& a : aenderungen) {
    if (a.Dateizeile < 0 || a.Dateizeile >= static_cast<int>(zeilen.size()))
      return FehlerMeldung("Die Datei " + Text1252(datendatei) + " enthält die Zeile " +
                           Text1252::Zahl(a.Dateizeile + 1) + " nicht mehr. Bitte das Gebiet neu wählen.");
    auto& zeile = zeilen[static_cast<std::size_t>(a.Dateizeile)];
    auto klartext = LinieEntschluesseln(zeile, 1);
    if (!klartext) return BeschaedigtMeldung(datendatei, static_cast<std::size_t>(a.Dateizeile) + 1);
    zeile = LinieVerschluesseln(FeldErsetzen(*klartext, a.Feld, a.Wert), 1);
  }
  return SchreibeAtomar(verzeichnis / datendatei, zeilen);
}

}  // namespace kolvaro
