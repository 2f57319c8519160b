// Reading enciphered files.
#include "data/Geheimdatei.h"

#include "data/Textdatei.h"
#include "data/Verschluesselung.h"

namespace kolvaro {

Resultat<> GeheimdateiDurchlaufen(const std::filesystem::path& pfad, const Geheimleseart& art,
                                  const std::function<bool(std::string_view, std::size_t)>& zeile) {
  auto inhalt = DateiInhalt(pfad);
  if (!inhalt) return inhalt.Fehler();
  return GeheiminhaltDurchlaufen(*inhalt, pfad.filename().string(), art, zeile);
}

Resultat<> GeheiminhaltDurchlaufen(std::string_view inhalt, const std::string& dateiname, const Geheimleseart& art,
                                   const std::function<bool(std::string_view, std::size_t)>& zeile) {
  // Checked before the first line is handed on: nothing of a cut file is read.
  if (auto ganz = ZeilenendePruefen(inhalt, dateiname); !ganz) return ganz;
  if (art.Vorab) art.Vorab(ZeilenZaehlen(inhalt));
  std::string klartext;
  Resultat<> ergebnis;
  ZeilenDurchlaufen(inhalt, [&](std::string_view geheim, std::size_t index) {
    if (index < art.Kopfzeilen) return true;
    if (geheim.empty() && art.LeereUeberspringen) return true;
    if (!LinieEntschluesseln(geheim, art.Schluessel, klartext)) {
      ergebnis = BeschaedigtMeldung(dateiname, index + 1);
      return false;
    }
    return zeile(klartext, index);
  });
  return ergebnis;
}

Resultat<std::vector<std::string>> GeheimdateiLesen(const std::filesystem::path& pfad, const Geheimleseart& art) {
  std::vector<std::string> zeilen;
  auto ergebnis = GeheimdateiDurchlaufen(pfad, art, [&](std::string_view klartext, std::size_t) {
    zeilen.emplace_back(klartext);
    return true;
  });
  if (!ergebnis) return ergebnis.Fehler();
  return zeilen;
}

}  // namespace kolvaro
