// Reading and writing rules of the settings.
#include "converter/Einstellungswerte.h"

#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"

namespace kolvaro {

EinstellungenGelesen EinstellungenAuswerten(const std::function<std::optional<std::string>(const char* name)>& lesen) {
  EinstellungenGelesen ergebnis;
  auto& w = ergebnis.Werte;

  if (auto gruppe = lesen(kWertGruppe); gruppe && !gruppe->empty()) {
    auto zahl = GanzzahlLesen(Getrimmt(*gruppe));
    if (!zahl) {
      ergebnis.Ok = false;
      return ergebnis;
    }
    // 0 counts as 1; negative numbers would select no category at all.
    w.Gruppe = (*zahl < 1 || *zahl > 1000000) ? 1 : static_cast<int>(*zahl);
  }

  if (auto sortierung = lesen(kWertSortierung); sortierung) {
    Sortiermodus modus;
    if (SortiermodusAusText(*sortierung, modus)) w.Sortierung = modus;
  }

  if (auto wiss = lesen(kWertWiss); wiss && !wiss->empty()) {
    auto zahl = GanzzahlLesen(Getrimmt(*wiss));
    if (!zahl) {
      ergebnis.Ok = false;
      return ergebnis;
    }
    w.Wissenschaftlich = *zahl == 0;
  }

  if (auto auto_ = lesen(kWertAutorechnen); auto_) w.Autorechnen = *auto_ == "1";

  if (auto laender = lesen(kWertLaender); laender) {
    for (std::size_t i = 0; i < laender->size() && i < w.Laender.size(); ++i) w.Laender[i] = (*laender)[i] != '0';
  }

  // Settings are UTF-8; a line that is not, or lacks a field, is passed over.
  if (auto favoriten = lesen(kWertFavoriten); favoriten) {
    std::size_t anfang = 0;
    while (anfang < favoriten->size()) {
      const std::size_t ende = std::min(favoriten->find('\n', anfang), favoriten->size());
      const auto zeile = Utf8NachCp1252(std::string_view(*favoriten).substr(anfang, ende - anfang));
      if (zeile && Felder(zeile->Sicht(), '\t').size() == 3)
        w.Favoriten.push_back({Text1252(Feld(zeile->Sicht(), '\t', 1)), Text1252(Feld(zeile->Sicht(), '\t', 2)),
                               Text1252(Feld(zeile->Sicht(), '\t', 3))});
      anfang = ende + 1;
    }
  }

  // A number of digits out of range keeps the display by magnitude.
  if (auto stellen = lesen(kWertStellen); stellen) {
    const auto zahl = GanzzahlLesen(Getrimmt(*stellen));
    if (zahl && *zahl >= kStellenMin && *zahl <= kStellenMax) w.Stellen = static_cast<int>(*zahl);
  }
  return ergebnis;
}

std::vector<std::pair<std::string, std::string>> EinstellungenSchreibwerte(const Einstellungswerte& werte) {
  std::string laender(kLaenderAnzahl, '1');
  for (std::size_t i = 0; i < werte.Laender.size(); ++i) laender[i] = werte.Laender[i] ? '1' : '0';
  std::string favoriten;
  for (const Favorit& f : werte.Favoriten) {
    if (!favoriten.empty()) favoriten += '\n';
    favoriten += Cp1252NachUtf8(f.Gebiet + '\t' + f.Einheit + '\t' + f.Land);
  }
  return {
      {kWertGruppe, std::to_string(werte.Gruppe)},
      {kWertSortierung, SortiermodusText(werte.Sortierung)},
      {kWertWiss, werte.Wissenschaftlich ? "0" : "1"},
      {kWertAutorechnen, werte.Autorechnen ? "1" : "0"},
      {kWertLaender, laender},
      {kWertStellen, std::to_string(werte.Stellen)},
      {kWertFavoriten, favoriten},
  };
}

Text1252 EinstellungenNichtGelesenText() {
  return Cp1252(
      "Die Angaben in der Registry konnten nicht gelesen werden. Der Kolvaro wird mit "
      "Standardeinstellungen geöffnet");
}

Text1252 EinstellungenNichtGespeichertText() { return "Die aktuellen Einstellungen konnten nicht gespeichert werden"; }

}  // namespace kolvaro
