// Reading and writing rules of the settings.
#include "converter/Einstellungswerte.h"

#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"

namespace kolvaro {

namespace {

// The lines of a stored list with exactly `anzahl` TAB-separated fields
// each; settings are UTF-8, and a line that is not, or has another number
// of fields, is passed over.
std::vector<std::vector<Text1252>> Listenzeilen(const std::string& utf8, std::size_t anzahl) {
  std::vector<std::vector<Text1252>> zeilen;
  std::size_t anfang = 0;
  while (anfang < utf8.size()) {
    const std::size_t ende = std::min(utf8.find('\n', anfang), utf8.size());
    const auto zeile = Utf8NachCp1252(std::string_view(utf8).substr(anfang, ende - anfang));
    if (zeile && Felder(zeile->Sicht(), '\t').size() == anzahl) {
      std::vector<Text1252> felder;
      for (std::size_t f = 1; f <= anzahl; ++f) felder.emplace_back(Feld(zeile->Sicht(), '\t', static_cast<int>(f)));
      zeilen.push_back(std::move(felder));
    }
    anfang = ende + 1;
  }
  return zeilen;
}

void ListenzeileAnhaengen(std::string& liste, const Text1252& zeile) {
  if (!liste.empty()) liste += '\n';
  liste += Cp1252NachUtf8(zeile);
}

}  // namespace

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
  if (auto favoriten = lesen(kWertFavoriten); favoriten)
    for (auto& f : Listenzeilen(*favoriten, 3)) w.Favoriten.push_back({f[0], f[1], f[2]});
  if (auto verlauf = lesen(kWertVerlauf); verlauf)
    for (auto& v : Listenzeilen(*verlauf, 2)) w.Verlauf.push_back({v[0], v[1]});

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
  std::string favoriten, verlauf;
  for (const Favorit& f : werte.Favoriten) ListenzeileAnhaengen(favoriten, f.Gebiet + '\t' + f.Einheit + '\t' + f.Land);
  for (const Verlaufseintrag& v : werte.Verlauf) ListenzeileAnhaengen(verlauf, v.Gebiet + '\t' + v.Wert);
  return {
      {kWertGruppe, std::to_string(werte.Gruppe)},
      {kWertSortierung, SortiermodusText(werte.Sortierung)},
      {kWertWiss, werte.Wissenschaftlich ? "0" : "1"},
      {kWertAutorechnen, werte.Autorechnen ? "1" : "0"},
      {kWertLaender, laender},
      {kWertStellen, std::to_string(werte.Stellen)},
      {kWertFavoriten, favoriten},
      {kWertVerlauf, verlauf},
  };
}

Text1252 EinstellungenNichtGelesenText() {
  return Cp1252(
      "Die Angaben in der Registry konnten nicht gelesen werden. Der Kolvaro wird mit "
      "Standardeinstellungen geöffnet");
}

Text1252 EinstellungenNichtGespeichertText() { return "Die aktuellen Einstellungen konnten nicht gespeichert werden"; }

}  // namespace kolvaro
