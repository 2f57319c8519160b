// Checking a data directory file by file.
#include "special/Datenpruefung.h"

#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "basis/Alphabet.h"
#include "basis/Gebietsnamen.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Katalog.h"
#include "data/Laendertabelle.h"
#include "special/Namensbindung.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro {
namespace {

Text1252 Zitat(std::string_view text) { return "\"" + Text1252(text) + "\""; }
Text1252 Zahltext(std::size_t n) { return Text1252::Zahl(static_cast<long long>(n)); }

struct Laender {
  bool Gelesen = false;
  std::map<std::string, bool> Vorhanden;  // name -> present flag "j"
  std::map<std::string, std::size_t> Zeile;
  std::set<std::string> Benutzt;
};

std::vector<Gebietseintrag> KatalogPruefen(const std::filesystem::path& verzeichnis, Pruefbericht& bericht) {
  std::vector<Gebietseintrag> katalog;
  const auto zeilen = ZeilenZumPruefen(verzeichnis, kKatalogDatei, 0, 0, bericht);
  if (!zeilen) return katalog;
  std::map<std::string, std::string> dateien;  // upper-cased data file -> category
  for (std::size_t i = 0; i < zeilen->Klar.size(); ++i) {
    const std::string& zeile = *zeilen->Klar[i];
    const std::size_t nr = i + 1;
    const auto felder = Felder(zeile, '\t');
    if (felder.size() != 3) {
      bericht.Melden(kKatalogDatei, nr, "hat " + Zahltext(felder.size()) + " statt 3 Feldern");
      continue;
    }
    Gebietseintrag g{Text1252(felder[0]), std::string(felder[1]), Text1252(felder[2])};
    if (g.Gebietsname.empty()) bericht.Melden(kKatalogDatei, nr, Cp1252("hat keinen Gebietsnamen"));
    if (g.Bezugseinheit.empty()) bericht.Melden(kKatalogDatei, nr, Cp1252("nennt keine Bezugseinheit"));
    if (!katalog.empty() && AlphabetischVergleichen(katalog.back().Gebietsname.Sicht(), g.Gebietsname.Sicht()) >= 0)
      bericht.Melden(kKatalogDatei, nr,
                     Zitat(g.Gebietsname.Sicht()) + Cp1252(" steht nicht alphabetisch hinter ") +
                         Zitat(katalog.back().Gebietsname.Sicht()));
    if (!EinfacherDateiname(g.Datendatei)) {
      bericht.Melden(kKatalogDatei, nr,
                     "nennt " + Zitat(g.Datendatei) + Cp1252(" als Datendatei (kein einfacher Dateiname)"));
      continue;
    }
    auto [vorher, neu] = dateien.emplace(GrossCp1252(g.Datendatei), g.Gebietsname.Bytes());
    if (!neu)
      bericht.Melden(
          kKatalogDatei, nr,
          "nennt die Datendatei " + Zitat(g.Datendatei) + " des Gebietes " + Zitat(vorher->second) + " noch einmal");
    else
      katalog.push_back(std::move(g));
  }
  if (zeilen->Klar.empty()) bericht.Melden(kKatalogDatei, 0, Cp1252("enthält kein Gebiet"));
  return katalog;
}

// One text per category, each closed by a line "*".
void InfotextePruefen(const std::filesystem::path& verzeichnis, std::size_t gebiete, Pruefbericht& bericht) {
  const auto zeilen = ZeilenZumPruefen(verzeichnis, kInfotextDatei, 0, 0, bericht);
  if (!zeilen) return;
  std::size_t sterne = 0;
  for (const auto& z : zeilen->Klar) sterne += *z == "*";
  if (sterne != gebiete)
    bericht.Melden(kInfotextDatei, 0,
                   "hat " + Zahltext(sterne) + Cp1252(" Informationstexte für ") + Zahltext(gebiete) + " Gebiete");
}

Laender LaenderPruefen(const std::filesystem::path& verzeichnis, Pruefbericht& bericht) {
  Laender laender;
  const auto zeilen = ZeilenZumPruefen(verzeichnis, kLaenderDatei, 3, 0, bericht);
  if (!zeilen) return laender;
  laender.Gelesen = true;
  for (std::size_t i = 0; i < zeilen->Klar.size(); ++i) {
    if (!zeilen->Klar[i]) continue;
    const std::size_t nr = i + 1;
    if (nr == kLaenderAnzahl + 1)
      bericht.Melden(kLaenderDatei, nr, Cp1252("mehr als 211 Länder haben keinen Platz in den Einstellungen"));
    const std::string name = Feld(*zeilen->Klar[i], '\t', 1);
    if (name.empty()) {
      bericht.Melden(kLaenderDatei, nr, Cp1252("hat keinen Ländernamen"));
      continue;
    }
    if (!laender.Vorhanden.emplace(name, Feld(*zeilen->Klar[i], '\t', 4) == "j").second)
      bericht.Melden(kLaenderDatei, nr, Zitat(name) + " steht schon in Zeile " + Zahltext(laender.Zeile[name]));
    else
      laender.Zeile[name] = nr;
  }
  return laender;
}

Text1252 FaktorFehler(const Text1252& gebiet, std::string_view text) {
  const auto faktor = ZahlLesen(text);
  if (!faktor || !std::isfinite(*faktor)) return "Faktor " + Zitat(text) + " ist keine Zahl";
  if (gebiet == gebiet::Weltzeit) {
    if (!(std::fabs(*faktor) <= kWeltzeitGrenzeStunden))
      return "Zeitverschiebung " + Text1252(text) + Cp1252(" liegt nicht zwischen -24 und 24 Stunden");
  } else if (gebiet == gebiet::Waehrungen) {
    if (*faktor < 0) return "Faktor " + Text1252(text) + " ist kleiner als 0";
  } else if (!(*faktor > 0)) {
    return "Faktor " + Text1252(text) + Cp1252(" ist nicht größer als 0");
  }
  return {};
}

struct Feldgrenze {
  int Nummer;
  const char* Name;
  std::size_t Maximum;
};
const Feldgrenze kGrenzen[] = {
    {feld::Kennung, "Kennung", kapazitaet::Kennung},
    {feld::Kurzzeichen, "Kurzzeichen", kapazitaet::Kurzzeichen},
    {feld::Einheitenname, "Einheitenname", kapazitaet::Einheitenname},
    {feld::SonstigeNamen, "SonstigeNamen", kapazitaet::SonstigeNamen},
    {feld::Uebersetzung, "Uebersetzung", kapazitaet::Uebersetzung},
    {feld::Einsatzgebiet, "Einsatzgebiet", kapazitaet::Einsatzgebiet},
    {feld::Entspricht, "Entspricht", kapazitaet::Entspricht},
    {feld::CaWert, "CaWert", kapazitaet::CaWert},
    {feld::Ort, "Ort", kapazitaet::Ort},
    {feld::Zeitraum, "Zeitraum", kapazitaet::Zeitraum},
};

// The fields of one unit line on their own.
void ZeilePruefen(const Gebietseintrag& g, const std::vector<std::string_view>& f, std::size_t nr, Laender& laender,
                  Pruefbericht& bericht) {
  const std::string& datei = g.Datendatei;
  auto melden = [&](Text1252 text) { bericht.Melden(datei, nr, std::move(text)); };
  if (f[0] != "j" && f[0] != "n") melden("Feld 1 (Sichtbar) ist " + Zitat(f[0]) + " statt \"j\" oder \"n\"");
  for (const auto& grenze : kGrenzen)
    if (f[grenze.Nummer - 1].size() > grenze.Maximum)
      melden("Feld " + Text1252::Zahl(grenze.Nummer) + " (" + Text1252(std::string_view(grenze.Name)) +
             Cp1252(") ist länger als ") + Zahltext(grenze.Maximum) + " Zeichen");
  if (f[feld::Einheitenname - 1].empty()) melden(Cp1252("hat keinen Einheitennamen"));
  if (auto fehler = FaktorFehler(g.Gebietsname, f[feld::Faktor - 1]); !fehler.empty()) melden(fehler);
  for (int flag : {feld::RegUnterschiede, feld::ZeitUnterschiede})
    if (!f[flag - 1].empty() && f[flag - 1] != "j")
      melden("Feld " + Text1252::Zahl(flag) + " ist " + Zitat(f[flag - 1]) + " statt \"j\" oder leer");
  if (!ZeitraumBekannt(f[feld::Zeitraum - 1]))
    melden("Zeitraum " + Zitat(f[feld::Zeitraum - 1]) + " hat keine bekannte Form");
  const std::string land(f[feld::Landname - 1]);
  laender.Benutzt.insert(land);
  if (!laender.Gelesen) return;
  const auto it = laender.Vorhanden.find(land);
  if (it == laender.Vorhanden.end())
    melden("Land " + Zitat(land) + " steht nicht in " + Text1252(std::string_view(kLaenderDatei)));
  else if (!it->second)
    melden("Land " + Zitat(land) + " ist in " + Text1252(std::string_view(kLaenderDatei)) +
           " nicht als vorhanden markiert");
}

void NamensbindungPruefen(const Gebietseintrag& g, const std::vector<Text1252>& namen, Pruefbericht& bericht) {
  const auto gebunden = GebundeneNamen(g.Gebietsname);
  if (gebunden.empty()) return;
  const std::set<Text1252> bekannt(gebunden.begin(), gebunden.end());
  for (std::size_t i = 0; i < namen.size(); ++i)
    if (!namen[i].empty() && !bekannt.count(namen[i]))
      bericht.Melden(g.Datendatei, i + 1,
                     "die Umrechnung des Gebietes " + Zitat(g.Gebietsname.Sicht()) + " kennt die Einheit " +
                         Zitat(namen[i].Sicht()) + " nicht");
  const std::set<Text1252> vorhanden(namen.begin(), namen.end());
  for (const auto& name : gebunden)
    if (!vorhanden.count(name))
      bericht.Melden(g.Datendatei, 0,
                     "die Einheit " + Zitat(name.Sicht()) + " fehlt; die Umrechnung des Gebietes " +
                         Zitat(g.Gebietsname.Sicht()) + " braucht sie");
}

void GebietPruefen(const std::filesystem::path& verzeichnis, const Gebietseintrag& g, Laender& laender,
                   Pruefbericht& bericht) {
  const auto zeilen = ZeilenZumPruefen(verzeichnis, g.Datendatei, 1, 0, bericht);
  if (!zeilen) return;
  const std::string& datei = g.Datendatei;
  std::vector<Text1252> namen;  // per line, empty where the line is unusable
  std::map<std::pair<std::string, std::string>, std::size_t> schon;
  std::string vorigerName;
  bool bezugGefunden = false;
  for (std::size_t i = 0; i < zeilen->Klar.size(); ++i) {
    const std::size_t nr = i + 1;
    namen.emplace_back();
    if (!zeilen->Klar[i]) continue;
    ++bericht.Einheiten;
    const auto f = Felder(*zeilen->Klar[i], '\t');
    if (f.size() != static_cast<std::size_t>(feld::Anzahl)) {
      bericht.Melden(datei, nr, "hat " + Zahltext(f.size()) + " statt 19 Feldern");
      continue;
    }
    ZeilePruefen(g, f, nr, laender, bericht);
    const std::string name(f[feld::Einheitenname - 1]);
    namen.back() = Text1252(name);
    const auto [frueher, neu] = schon.emplace(std::make_pair(name, std::string(f[feld::Landname - 1])), nr);
    if (!neu)
      bericht.Melden(
          datei, nr,
          Zitat(name) + " (" + Text1252(f[feld::Landname - 1]) + ") steht schon in Zeile " + Zahltext(frueher->second));
    if (i > 0 && !vorigerName.empty() && AlphabetischVergleichen(vorigerName, name) > 0)
      bericht.Melden(datei, nr, Zitat(name) + " steht nicht alphabetisch hinter " + Zitat(vorigerName));
    vorigerName = name;
    // The reference unit is 1 of itself; a zone's factor is an offset.
    const auto faktor = ZahlLesen(f[feld::Faktor - 1]);
    if (name == g.Bezugseinheit.Bytes() && (g.Gebietsname == gebiet::Weltzeit || (faktor && *faktor == 1.0L)))
      bezugGefunden = true;
  }
  if (!bezugGefunden)
    bericht.Melden(datei, 0,
                   "die Bezugseinheit " + Zitat(g.Bezugseinheit.Sicht()) + " fehlt oder hat nicht den Faktor 1");
  if (const Dateiformpruefung form = DateiformpruefungFuer(g.Gebietsname))
    if (auto geprueft = form(datei, namen); !geprueft) MeldungAlsBefund(datei, geprueft.Fehler(), bericht);
  NamensbindungPruefen(g, namen, bericht);
}

}  // namespace

bool ZeitraumBekannt(std::string_view zeitraum) {
  // A year ("1872", "1960er", "45 v. Chr."), a century or millennium
  // ("19. Jh.", "17.-19. Jh.", "3. Jt. v. Chr"), an era; a prefix; a range.
  static const std::regex form([] {
    const std::string punkt = R"((\d{1,4}(er)?|\d{1,2}\.( ?-\d{1,2}\.)? ?(Jh|Jt)\.)( ?v\. ?(Chr\.?)?)?)";
    const std::string epoche =
        "(Antike|antik|Altertum|Mittelalter|Neuzeit|heute|Altes Reich|Mittleres Reich|Neues Reich)";
    return "((seit|bis|ab|um|ca\\.) )?(" + epoche + "|" + punkt + "(-" + punkt + ")?)";
  }());
  return zeitraum.empty() || std::regex_match(zeitraum.begin(), zeitraum.end(), form);
}

void DatenPruefen(const std::filesystem::path& verzeichnis, Pruefbericht& bericht) {
  const std::vector<Gebietseintrag> katalog = KatalogPruefen(verzeichnis, bericht);
  bericht.Gebiete += static_cast<int>(katalog.size());
  InfotextePruefen(verzeichnis, katalog.size(), bericht);
  Laender laender = LaenderPruefen(verzeichnis, bericht);
  for (const auto& g : katalog) {
    GebietPruefen(verzeichnis, g, laender, bericht);
    if (g.Gebietsname == gebiet::ViskositaetAlt)
      if (auto tabelle = ViskositaetstabellePruefen(verzeichnis); !tabelle)
        MeldungAlsBefund("STOFFW12.NFO", tabelle.Fehler(), bericht);
  }
  // The table offers a present country in the country dialog; one that no
  // unit uses is a choice without effect.
  if (katalog.empty()) return;
  for (const auto& [land, vorhanden] : laender.Vorhanden)
    if (vorhanden && !laender.Benutzt.count(land))
      bericht.Melden(kLaenderDatei, laender.Zeile[land],
                     Zitat(land) + " ist als vorhanden markiert, aber keine Einheit hat dieses Land");
}

}  // namespace kolvaro
