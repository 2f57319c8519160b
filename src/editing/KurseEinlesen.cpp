// The import of reference rates into the currency file.
#include "editing/KurseEinlesen.h"

#include <algorithm>
#include <map>

#include "basis/Gebietsnamen.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Einheitendatei.h"
#include "data/Feld.h"
#include "data/Katalog.h"
#include "data/Textdatei.h"
#include "editing/Faktoraenderung.h"

namespace kolvaro {

namespace {

Kurseinlesung Abgelehnt(Meldung meldung) {
  Kurseinlesung k;
  k.Ergebnis = Abgebrochen(std::move(meldung));
  return k;
}

// The first word of the symbol: "USD" of "USD $".
std::string_view Iso(const Text1252& kurzzeichen) {
  const std::string_view z = Getrimmt(kurzzeichen.Sicht());
  return z.substr(0, z.find_first_of(" \t"));
}

bool FesterKurs(const Text1252& stand) { return Getrimmt(stand.Sicht()).substr(0, 11) == "fester Kurs"; }

Text1252 Liste(const std::vector<std::string>& codes) {
  Text1252 text;
  for (const auto& c : codes) text += (text.empty() ? Text1252() : Text1252(", ")) + Text1252(c);
  return text;
}

}  // namespace

Resultat<Kursdatei> KursdateiLaden(const std::filesystem::path& pfad) {
  const std::string name = pfad.filename().string();
  auto inhalt = DateiInhalt(pfad);
  if (!inhalt) return NichtGeoeffnetMeldung(name);
  return KursdateiLesen(*inhalt, name);
}

Text1252 EzbStand(const Tagesdatum& datum) { return DeutscherText(datum) + " (EZB)"; }

Kurseinlesung KurseEinlesen(const std::filesystem::path& verzeichnis, const Kursstichtag& tag) {
  auto katalog = KatalogLaden(verzeichnis);
  if (!katalog) return Abgelehnt(katalog.Fehler());
  const auto eintrag = std::find_if(katalog->begin(), katalog->end(),
                                    [](const Gebietseintrag& e) { return e.Gebietsname == gebiet::Waehrungen; });
  if (eintrag == katalog->end())
    return Abgelehnt(
        FehlerMeldung(Cp1252("Es gibt kein Gebiet \"Währungen\", in das Kurse eingelesen werden könnten.")));
  if (Getrimmt(eintrag->Bezugseinheit.Sicht()) != "Euro")
    return Abgelehnt(InfoMeldung(
        Cp1252(
            "Die Kurse der Europäischen Zentralbank gelten je Euro, die Bezugseinheit des Gebietes \"Währungen\" ist "
            "aber \"") +
        eintrag->Bezugseinheit + Cp1252("\". Es wurden keine Kurse übernommen.")));
  auto einheiten = WaehrungenLaden(verzeichnis, eintrag->Datendatei);
  if (!einheiten) return Abgelehnt(einheiten.Fehler());

  std::map<std::string_view, std::vector<const TAusgabetextobject*>> nachCode;
  for (const auto& w : *einheiten) nachCode[Iso(w.Einheit.Kurzzeichen)].push_back(&w.Einheit);
  Kurseinlesung k;
  k.Bericht.Datum = tag.Datum;
  const std::string stand = EzbStand(tag.Datum).Bytes();
  std::vector<Feldaenderung> aenderungen;
  for (const Kurs& kurs : tag.Kurse) {
    const auto gefunden = nachCode.find(kurs.Code);
    if (gefunden == nachCode.end()) {
      k.Bericht.OhneEinheit.push_back(kurs.Code);
      continue;
    }
    bool genommen = false, fest = false;
    for (const TAusgabetextobject* e : gefunden->second) {
      if (FesterKurs(e->Uebersetzung)) {
        fest = true;
        continue;
      }
      aenderungen.push_back({e->Dateizeile, feld::Faktor, WissText23(1.0L / static_cast<long double>(kurs.Wert))});
      aenderungen.push_back({e->Dateizeile, feld::Uebersetzung, stand});
      genommen = true;
    }
    if (genommen) ++k.Bericht.Uebernommen;
    if (fest) k.Bericht.FesterKurs.push_back(kurs.Code);
  }
  std::sort(k.Bericht.OhneEinheit.begin(), k.Bericht.OhneEinheit.end());
  std::sort(k.Bericht.FesterKurs.begin(), k.Bericht.FesterKurs.end());
  if (!aenderungen.empty())
    if (auto geschrieben = EinheitenzeilenAendern(verzeichnis, eintrag->Datendatei, aenderungen); !geschrieben)
      return Abgelehnt(geschrieben.Fehler());
  k.Ergebnis = Erledigt();
  k.Ergebnis.GebietNeuLaden = !aenderungen.empty();
  return k;
}

std::vector<Text1252> BerichtZeilen(const Kursbericht& bericht) {
  std::vector<Text1252> zeilen;
  zeilen.push_back(Cp1252("Referenzkurse der Europäischen Zentralbank vom ") + DeutscherText(bericht.Datum));
  zeilen.push_back(bericht.Uebernommen == 1 ? Cp1252("1 Kurs übernommen")
                                            : Text1252::Zahl(bericht.Uebernommen) + Cp1252(" Kurse übernommen"));
  if (!bericht.OhneEinheit.empty()) zeilen.push_back(Cp1252("Ohne Einheit in Kolvaro: ") + Liste(bericht.OhneEinheit));
  if (!bericht.FesterKurs.empty()) zeilen.push_back(Cp1252("Fester Kurs beibehalten: ") + Liste(bericht.FesterKurs));
  return zeilen;
}

}  // namespace kolvaro
