// A deciphered line of a data file: its fields, the rewrite of one field,
// the unit entry built from it, and the Windows-1252 text at the program's
// edge. The first byte chooses the field number, the second the
// delimiter; the line runs up to the first line feed, the rest is the new
// field value.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "Fuzzeingabe.h"
#include "basis/Zeichensatz.h"
#include "data/Einheit.h"
#include "data/Feld.h"

using namespace kolvaro;

namespace {

void FelderPruefen(std::string_view zeile, char trenner) {
  const std::vector<std::string_view> felder = Felder(zeile, trenner);
  const auto anzahl = static_cast<std::size_t>(std::count(zeile.begin(), zeile.end(), trenner)) + 1;
  fuzz::Pruefen(felder.size() == anzahl, "ein Feld mehr als Trenner", zeile);
  std::string wieder;
  for (std::size_t i = 0; i < felder.size(); ++i) {
    if (i > 0) wieder += trenner;
    wieder += felder[i];
    fuzz::Pruefen(Feld(zeile, trenner, static_cast<int>(i) + 1) == felder[i], "Feld(n) == Felder()[n-1]", zeile);
  }
  fuzz::Pruefen(wieder == zeile, "die Felder ergeben wieder die Zeile", zeile, wieder);
  fuzz::Pruefen(Feld(zeile, trenner, static_cast<int>(felder.size()) + 1).empty(), "hinter dem letzten Feld leer",
                zeile);
  fuzz::Pruefen(Feld(zeile, trenner, 0).empty(), "Feld 0 ist leer", zeile);
}

void ErsetzenPruefen(std::string_view zeile, int n, std::string_view wert) {
  const std::string neu = FeldErsetzen(zeile, n, wert);
  const std::vector<std::string_view> alt = Felder(zeile, '\t');
  if (n < 1 || n > static_cast<int>(alt.size())) {
    fuzz::Pruefen(neu == zeile, "FeldErsetzen hinter dem letzten Feld aendert nichts", zeile, neu);
    return;
  }
  if (wert.find('\t') != std::string_view::npos) return;  // a TAB in the value makes new fields by design
  const std::vector<std::string_view> felder = Felder(neu, '\t');
  fuzz::Pruefen(felder.size() == alt.size(), "FeldErsetzen behaelt die Zahl der Felder", zeile, neu);
  for (std::size_t i = 0; i < felder.size(); ++i)
    fuzz::Pruefen(felder[i] == (static_cast<int>(i) == n - 1 ? wert : alt[i]), "FeldErsetzen setzt genau Feld n", zeile,
                  neu);
}

void EinheitPruefen(std::string_view zeile) {
  TAusgabetextobject e;
  EinheitFuellen(e, Felder(zeile, '\t'), 7);
  fuzz::Pruefen(std::isfinite(e.Faktor), "der Faktor ist endlich", zeile);
  fuzz::Pruefen(e.Dateizeile == 7, "die Dateizeile ist gesetzt", zeile);
  const std::pair<const Text1252*, std::size_t> kapazitaeten[] = {{&e.Kennung, kapazitaet::Kennung},
                                                                  {&e.Kurzzeichen, kapazitaet::Kurzzeichen},
                                                                  {&e.Einheitenname, kapazitaet::Einheitenname},
                                                                  {&e.SonstigeNamen, kapazitaet::SonstigeNamen},
                                                                  {&e.Uebersetzung, kapazitaet::Uebersetzung},
                                                                  {&e.Einsatzgebiet, kapazitaet::Einsatzgebiet},
                                                                  {&e.Entspricht, kapazitaet::Entspricht},
                                                                  {&e.CaWert, kapazitaet::CaWert},
                                                                  {&e.Ort, kapazitaet::Ort},
                                                                  {&e.Zeitraum, kapazitaet::Zeitraum}};
  for (const auto& [feld, hoechstens] : kapazitaeten)
    fuzz::Pruefen(feld->size() <= hoechstens, "ein Textfeld passt in seine Kapazitaet", zeile, feld->Bytes());
}

void ZeichensatzPruefen(std::string_view zeile) {
  const std::string utf8 = Cp1252NachUtf8(Text1252(zeile));
  const std::optional<Text1252> zurueck = Utf8NachCp1252(utf8);
  fuzz::Pruefen(zurueck.has_value() && zurueck->Sicht() == zeile, "Windows-1252 -> UTF-8 -> Windows-1252", zeile, utf8);
  const std::string gross = GrossCp1252(zeile);
  fuzz::Pruefen(gross.size() == zeile.size(), "Grossschreibung behaelt die Laenge", zeile, gross);
  fuzz::Pruefen(GrossCp1252(gross) == gross, "Grossschreibung ist idempotent", zeile, gross);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  fuzz::Eingabe eingabe(daten, groesse);
  const int n = static_cast<std::int8_t>(eingabe.Byte()) % 24;
  static const char kTrenner[] = {'\t', '*', ';', '.'};
  const std::uint8_t t = eingabe.Byte();
  const char trenner = t < 4 ? kTrenner[t] : static_cast<char>(t);
  const std::string_view rest = eingabe.Rest();
  const std::size_t zeilenende = rest.find('\n');
  const std::string_view zeile = rest.substr(0, zeilenende);
  const std::string_view wert = zeilenende == std::string_view::npos ? std::string_view() : rest.substr(zeilenende + 1);

  FelderPruefen(zeile, trenner);
  ErsetzenPruefen(zeile, n, wert);
  EinheitPruefen(zeile);
  ZeichensatzPruefen(zeile);
  const std::string_view getrimmt = Getrimmt(zeile);
  fuzz::Pruefen(getrimmt.empty() || (getrimmt.front() != ' ' && getrimmt.front() != '\t' && getrimmt.back() != ' ' &&
                                     getrimmt.back() != '\t'),
                "Getrimmt laesst keinen Rand", zeile);
  fuzz::Pruefen(zeile.find(getrimmt) != std::string_view::npos, "Getrimmt ist ein Teil der Zeile", zeile);
  return 0;
}
