// Checking the reference tables line by line.
#include "reference/Tabellenpruefung.h"

#include <set>
#include <string>

#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Nfo.h"
#include "reference/Nfotabellen.h"
#include "reference/Rtf.h"

namespace kolvaro {
namespace {

Text1252 Zahltext(std::size_t n) { return Text1252::Zahl(static_cast<long long>(n)); }

struct Tabellenform {
  const char* Datei;
  std::size_t Kopfzeilen;
  std::size_t Felder;  // in every line
  std::size_t Zeilen;  // 0: any number
};

// The material tables, the elements, nutrition and dialling codes; the
// scales have a width of their own per table.
const Tabellenform kFormen[] = {
    {"Stoffw1.nfo", 0, 13, 0},  {"Stoffw2.nfo", 0, 2, 0},
    {"Stoffw3.nfo", 0, 3, 0},   {"Stoffw4.nfo", 0, 3, 0},
    {"Stoffw5.nfo", 0, 2, 0},   {"Stoffw6.nfo", 0, 2, 0},
    {"Stoffw7.nfo", 0, 2, 0},   {kElementdatei, kElementKopfzeilen, 19, 118},
    {kNaehrwertDatei, 1, 4, 0}, {kVorwahlDatei, 1, 3, 0},
};

void FormPruefen(const std::filesystem::path& verzeichnis, const Tabellenform& form, Pruefbericht& bericht) {
  const auto zeilen = ZeilenZumPruefen(verzeichnis, form.Datei, 1, form.Kopfzeilen, bericht);
  if (!zeilen) return;
  const std::string datei = form.Datei;
  const std::set<Text1252> gruppen(Naehrwertgruppen().begin() + 1, Naehrwertgruppen().end());
  for (std::size_t i = 0; i < zeilen->Klar.size(); ++i) {
    if (!zeilen->Klar[i]) continue;
    const std::size_t nr = zeilen->ErsteZeile + i;
    const auto f = Felder(*zeilen->Klar[i], '\t');
    if (f.size() != form.Felder) {
      bericht.Melden(datei, nr, "hat " + Zahltext(f.size()) + " statt " + Zahltext(form.Felder) + " Feldern");
      continue;
    }
    if (f[0].empty()) bericht.Melden(datei, nr, Cp1252("hat kein erstes Feld (Name)"));
    if (datei == kElementdatei) {
      // The molar-mass calculator finds an element by its symbol and reads its mass.
      if (GanzzahlLesen(f[5]) != static_cast<long long>(i + 1))
        bericht.Melden(datei, nr, "hat die Ordnungszahl \"" + Text1252(f[5]) + "\" statt " + Zahltext(i + 1));
      if (!ZahlLesen(f[4])) bericht.Melden(datei, nr, "hat keine Atommasse");
    } else if (datei == kNaehrwertDatei) {
      if (!gruppen.count(Text1252(f[1])))
        bericht.Melden(datei, nr, "nennt die unbekannte Gruppe \"" + Text1252(f[1]) + "\"");
      for (std::size_t k : {2u, 3u})
        if (!ZahlLesen(f[k])) bericht.Melden(datei, nr, "Feld " + Zahltext(k + 1) + " ist keine Zahl");
    }
  }
  if (form.Zeilen && zeilen->Klar.size() != form.Zeilen)
    bericht.Melden(datei, 0, "hat " + Zahltext(zeilen->Klar.size()) + " statt " + Zahltext(form.Zeilen) + " Zeilen");
}

// Each table's lines at their fixed place, no wider than its headings.
void SkalenPruefen(const std::filesystem::path& verzeichnis, Pruefbericht& bericht) {
  const auto zeilen = ZeilenZumPruefen(verzeichnis, kSkalenDatei, 1, 0, bericht);
  if (!zeilen) return;
  if (zeilen->Klar.size() != static_cast<std::size_t>(kSkalenZeilen))
    bericht.Melden(kSkalenDatei, 0,
                   "hat " + Zahltext(zeilen->Klar.size()) + " statt " + Text1252::Zahl(kSkalenZeilen) + " Zeilen");
  for (const Skalentabelle& tabelle : Skalentabellen())
    for (int nr = tabelle.Von; nr <= tabelle.Bis && static_cast<std::size_t>(nr) <= zeilen->Klar.size(); ++nr) {
      const auto& klar = zeilen->Klar[static_cast<std::size_t>(nr - 1)];
      if (!klar) continue;
      const std::size_t felder = Felder(*klar, '\t').size();
      if (felder < 2 || felder > tabelle.Ueberschriften.size())
        bericht.Melden(kSkalenDatei, static_cast<std::size_t>(nr),
                       "hat " + Zahltext(felder) + " Felder; die Tabelle \"" + tabelle.Name + "\" hat " +
                           Zahltext(tabelle.Ueberschriften.size()) + " Spalten");
    }
}

}  // namespace

void TabellenPruefen(const std::filesystem::path& verzeichnis, Pruefbericht& bericht) {
  for (const auto& form : kFormen) FormPruefen(verzeichnis, form, bericht);
  SkalenPruefen(verzeichnis, bericht);
  for (int gruppe = 0; gruppe < 3; ++gruppe)
    if (auto dokument = KonfektionLesen(verzeichnis, gruppe); !dokument)
      MeldungAlsBefund(kKonfektionsdateien[gruppe], dokument.Fehler(), bericht);
}

}  // namespace kolvaro
