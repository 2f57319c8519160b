// The scale tables, nutritional values and dialling codes.
#include <algorithm>

#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Nfo.h"
#include "reference/Nfotabellen.h"

namespace kolvaro {

namespace {

std::vector<Text1252> Felder(const std::string& zeile, std::size_t anzahl) {
  std::vector<Text1252> felder;
  for (std::size_t i = 1; i <= anzahl; ++i) felder.emplace_back(Feld(zeile, '\t', static_cast<int>(i)));
  return felder;
}

}  // namespace

const std::vector<Skalentabelle>& Skalentabellen() {
  static const std::vector<Skalentabelle> tabellen = [] {
    struct Roh {
      const char* Name;
      int Von, Bis;
      std::vector<const char*> Ueberschriften;
    };
    const std::vector<Roh> roh = {
        {"Windstärken (Beaufort-Skala)", 1, 18, {"Stärke", "Geschw./kn", "Geschw./m/s", "Art"}},
        {"Seestärken", 19, 28, {"Stärke", "Wellenlänge/m", "Wellenhöhe/m", "Windstärke", "Kennzeichen"}},
        {"Erdbebenstärken (Mercalli)", 29, 40, {"Grad", "Kennzeichnung", "Wirkung"}},
        {"Erdbebenstärken (Richter)", 41, 52, {"Stärke", "Auswirkung"}},
        {"Erdbebenstärken (GOST)", 53, 64, {"Stärke", "Kennzeichnung", "Wirkung"}},
        {"Lichtempfindlichkeit von Fotomaterial", 65, 85, {"DIN", "ASA", "GOST", "Weston", "Scheiner"}},
        {"Frequenzen/Wellenlängen elektromagnetischer Wellen",
         86,
         113,
         {"Welle", "Frequenz in Hz", "Wellenlänge in cm"}},
        {"Lautstärken", 114, 128, {"Phon", "relat. Stärke", "Beispiel"}},
        {"Papierformate nach DIN",
         129,
         137,
         {"Format", "Größe", "Reihe A in mm", "Reihe B in mm", "Reihe C in mm", "Reihe D in mm"}},
        {"Buchformate", 138, 147, {"Bezeichnung", "Abkürzung", "Rückenhöhe in cm"}},
        {"Seebebenstärken (Sieberg-Skala)", 148, 153, {"Stärke", "Wirkung"}},
    };
    std::vector<Skalentabelle> t;
    for (const Roh& r : roh) {
      Skalentabelle s{Cp1252(r.Name), r.Von, r.Bis, {}};
      for (const char* u : r.Ueberschriften) s.Ueberschriften.push_back(Cp1252(u));
      t.push_back(std::move(s));
    }
    // The selector lists them sorted.
    std::sort(t.begin(), t.end(), [](const Skalentabelle& a, const Skalentabelle& b) { return a.Name < b.Name; });
    return t;
  }();
  return tabellen;
}

Resultat<std::vector<std::string>> SkalenLesen(const std::filesystem::path& verzeichnis) {
  auto zeilen = NfoLesen(verzeichnis, kSkalenDatei, 0);
  if (zeilen && zeilen->size() < static_cast<std::size_t>(kSkalenZeilen))
    return FehlerMeldung("Die Datei \"" + Cp1252(kSkalenDatei) + "\" ist beschädigt: sie hat " +
                         Text1252::Zahl(static_cast<long long>(zeilen->size())) + " statt " +
                         Text1252::Zahl(kSkalenZeilen) + " Zeilen.");
  return zeilen;
}

Referenztabelle SkalenTabelle(const std::vector<std::string>& zeilen, const Skalentabelle& tabelle) {
  Referenztabelle t;
  t.Titel = tabelle.Name;
  t.Spalten = tabelle.Ueberschriften;
  for (int i = tabelle.Von; i <= tabelle.Bis && i <= static_cast<int>(zeilen.size()); ++i)
    t.Zeilen.push_back(Felder(zeilen[static_cast<std::size_t>(i - 1)], tabelle.Ueberschriften.size()));
  return t;
}

const std::vector<Text1252>& Naehrwertgruppen() {
  static const std::vector<Text1252> gruppen = [] {
    std::vector<Text1252> g;
    for (const char* name : {"Alle", "Backwaren", "Fleisch und Wurst", "Gemüse", "Getränke", "Meeresfrüchte",
                             "Milchprodukte", "Obst", "Süßwaren", "Sonstiges"})
      g.push_back(Cp1252(name));
    return g;
  }();
  return gruppen;
}

Resultat<std::vector<std::string>> NaehrwerteLesen(const std::filesystem::path& verzeichnis) {
  return NfoLesen(verzeichnis, kNaehrwertDatei, 1);
}

Referenztabelle NaehrwertTabelle(const std::vector<std::string>& zeilen, const Text1252& gruppe, bool kiloJoule) {
  Referenztabelle t;
  t.Titel = Cp1252("Nährwerttabelle");
  t.Hinweis = Cp1252("Die Nährwertangaben beziehen sich auf 100 g Lebensmittel.");
  t.Spalten = {Cp1252("Lebensmittel"), Cp1252(kiloJoule ? "kJoule" : "kcal")};
  const bool alle = gruppe == Naehrwertgruppen().front();
  for (const std::string& zeile : zeilen)
    if (alle || Feld(zeile, '\t', 2) == gruppe.Sicht())
      t.Zeilen.push_back({Text1252(Feld(zeile, '\t', 1)), Text1252(Feld(zeile, '\t', kiloJoule ? 4 : 3))});
  return t;
}

Resultat<std::vector<std::string>> VorwahlenLesen(const std::filesystem::path& verzeichnis) {
  return NfoLesen(verzeichnis, kVorwahlDatei, 1);
}

Referenztabelle VorwahlTabelle(const std::vector<std::string>& zeilen) {
  Referenztabelle t;
  t.Titel = Cp1252("Auslandsvorwahlen");
  t.Spalten = {Cp1252("Land"), Cp1252("Vorwahl")};
  for (const std::string& zeile : zeilen)
    t.Zeilen.push_back({Text1252(Feld(zeile, '\t', 1)), Text1252(Feld(zeile, '\t', 3))});
  return t;
}

}  // namespace kolvaro
