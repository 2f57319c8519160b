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
  return {
      {kWertGruppe, std::to_string(werte.Gruppe)},
      {kWertSortierung, SortiermodusText(werte.Sortierung)},
      {kWertWiss, werte.Wissenschaftlich ? "0" : "1"},
      {kWertAutorechnen, werte.Autorechnen ? "1" : "0"},
      {kWertLaender, laender},
      {kWertStellen, std::to_string(werte.Stellen)},
  };
}

Text1252 EinstellungenNichtGelesenText() {
  return Cp1252(
      "Die Angaben in der Registry konnten nicht gelesen werden. Der Kolvaro wird mit "
      "Standardeinstellungen geöffnet");
}

Text1252 EinstellungenNichtGespeichertText() { return "Die aktuellen Einstellungen konnten nicht gespeichert werden"; }

}  // namespace kolvaro
