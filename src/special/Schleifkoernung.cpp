// "Schleifkörnung": the grit numbers of abrasives through the mean grain
// size in micrometres. Every system is a table: a grit number names a
// graded range of grains, and the tables give the middle of that range.
// The grits of bonded abrasives are published only as that range, so they
// show it and stand for its geometric middle towards the other systems.
#include <cmath>
#include <iterator>
#include <optional>
#include <string>

#include "basis/Werteingabe.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "special/Sonderhilfen.h"
#include "special/Stufentabelle.h"

namespace kolvaro {
namespace {

struct Korn {
  int Nummer;
  double Mikrometer;
};

std::vector<Stufe> Tabelle(const char* vorsatz, std::initializer_list<Korn> koerner) {
  std::vector<Stufe> s;
  for (const Korn& k : koerner) s.push_back({vorsatz + std::to_string(k.Nummer), k.Mikrometer});
  return s;
}

// Coated abrasives, FEPA 43 (= ISO 6344): P12 to P220 sieved, P240 to
// P2500 sedimented; mean grain sizes as in the ISO/FEPA column of the grit
// comparison that Wikipedia's "Sandpaper" gives.
const std::vector<Stufe>& FepaP() {
  static const std::vector<Stufe> s =
      Tabelle("P", {{12, 1815},  {16, 1324},  {20, 1000},   {24, 764},    {30, 642},    {36, 538},    {40, 425},
                    {50, 336},   {60, 269},   {80, 201},    {100, 162},   {120, 125},   {150, 100},   {180, 82},
                    {220, 68},   {240, 58.5}, {280, 52.2},  {320, 46.2},  {360, 40.5},  {400, 35.0},  {500, 30.2},
                    {600, 25.8}, {800, 21.8}, {1000, 18.3}, {1200, 15.3}, {1500, 12.6}, {2000, 10.3}, {2500, 8.4}});
  return s;
}

// Coated abrasives in the United States (CAMI, ANSI B74.18): the mean
// grain sizes of the CAMI column of the same comparison.
const std::vector<Stufe>& Cami() {
  static const std::vector<Stufe> s =
      Tabelle("", {{24, 708},   {30, 632},   {36, 530},   {40, 425},   {50, 348},   {60, 265},   {80, 190},
                   {100, 140},  {120, 115},  {150, 92},   {180, 82},   {220, 68},   {240, 53.0}, {320, 36.0},
                   {360, 28.0}, {400, 23.0}, {500, 20.0}, {600, 16.0}, {800, 12.6}, {1000, 10.3}});
  return s;
}

// Japanese microgrits for precision lapping (JIS R 6001:1987), #240 to
// #8000: the median grain size (ds50) of each grade's distribution, from
// the standard's table as Evers reproduces it ("JIS.html").
const std::vector<Stufe>& Jis() {
  static const std::vector<Stufe> s = Tabelle("#", {{240, 57.0},
                                                    {280, 48.0},
                                                    {320, 40.0},
                                                    {360, 35.0},
                                                    {400, 30.0},
                                                    {500, 25.0},
                                                    {600, 20.0},
                                                    {700, 17.0},
                                                    {800, 14.0},
                                                    {1000, 11.5},
                                                    {1200, 9.5},
                                                    {1500, 8.0},
                                                    {2000, 6.7},
                                                    {2500, 5.5},
                                                    {3000, 4.0},
                                                    {4000, 3.0},
                                                    {6000, 2.0},
                                                    {8000, 1.2}});
  return s;
}

// Bonded abrasives and grinding wheels, FEPA 42 (= ISO 8486-1), F4 to
// F220: the main fraction of each grit, the grains that pass the upper and
// stay on the lower of two control sieves of the ISO 565 R 40/3 series,
// in micrometres (FEPA 42-D-1986 as a Czech abrasives dealer, piskovacka.cz,
// tabulates it; the same sieves define ANSI B74.12 and JIS R 6001 macrogrits).
// The ranges of neighbouring grits overlap; those of F150 and F180 even
// share their lower sieve.
struct FKorn {
  int Nummer;
  long double Von, Bis;
};
const FKorn kFKoerner[] = {
    {4, 4000, 5600},  {5, 3350, 4750},  {6, 2800, 4000},  {7, 2360, 3350}, {8, 2000, 2800}, {10, 1700, 2360},
    {12, 1400, 2000}, {14, 1180, 1700}, {16, 1000, 1400}, {20, 850, 1180}, {22, 710, 1000}, {24, 600, 850},
    {30, 500, 710},   {36, 425, 600},   {40, 355, 500},   {46, 300, 425},  {54, 250, 355},  {60, 212, 300},
    {70, 180, 250},   {80, 150, 212},   {90, 125, 180},   {100, 106, 150}, {120, 90, 125},  {150, 63, 106},
    {180, 63, 90},    {220, 53, 75},
};

// The F grits by name, each standing for the geometric middle of its range.
const std::vector<Stufe>& FepaF() {
  static const std::vector<Stufe> s = [] {
    std::vector<Stufe> t;
    for (const FKorn& k : kFKoerner) t.push_back({"F" + std::to_string(k.Nummer), std::sqrt(k.Von * k.Bis)});
    return t;
  }();
  return s;
}

// The F grit whose main fraction holds a grain size: of several, the one
// whose middle lies nearest on the scale of ratios; nullopt outside F4 to
// F220.
std::optional<std::size_t> FKornFuer(long double mikrometer) {
  std::optional<std::size_t> beste;
  long double abstand = 0;
  for (std::size_t i = 0; i < std::size(kFKoerner); ++i) {
    if (mikrometer < kFKoerner[i].Von || mikrometer > kFKoerner[i].Bis) continue;
    const long double a = std::fabs(std::log(mikrometer / FepaF()[i].Wert));
    if (!beste || a < abstand) {
      beste = i;
      abstand = a;
    }
  }
  return beste;
}

enum class Art { Keine, FepaP, FepaF, Cami, Jis, Mikrometer };

Art ArtDer(const Text1252& name) {
  if (name == "FEPA P (Schleifpapier)") return Art::FepaP;
  if (name == "FEPA F (gebunden)") return Art::FepaF;
  if (name == "ANSI/CAMI") return Art::Cami;
  if (name == "JIS") return Art::Jis;
  if (name == "Mittlere Korngröße in Mikrometer") return Art::Mikrometer;
  return Art::Keine;
}

const std::vector<Stufe>* TabelleDer(Art art) {
  switch (art) {
    case Art::FepaP:
      return &FepaP();
    case Art::Cami:
      return &Cami();
    case Art::Jis:
      return &Jis();
    default:
      return nullptr;
  }
}

// A grit as typed: with or without its letter ("P120", "p120", "120"), or a
// calculation that comes to a grit number of the table.
std::optional<long double> KornLesen(const std::vector<Stufe>& tabelle, const char* vorsatz, std::string_view eingabe) {
  return StufenwertLesen(tabelle, eingabe, [vorsatz](long n) { return vorsatz + std::to_string(n); });
}

}  // namespace

Rechenergebnis SchleifkoernungUmrechnen(Sonderkontext& k) {
  const Art quelle = ArtDer(k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Einheitenname);
  std::optional<long double> groesse;
  switch (quelle) {
    case Art::Keine:
      return UnbekannteEinheitFehler();
    case Art::FepaP:
      groesse = KornLesen(FepaP(), "P", k.Eingabe);
      break;
    case Art::FepaF:
      groesse = KornLesen(FepaF(), "F", k.Eingabe);
      break;
    case Art::Cami:
      groesse = KornLesen(Cami(), "", k.Eingabe);
      break;
    case Art::Jis:
      groesse = KornLesen(Jis(), "#", k.Eingabe);
      break;
    case Art::Mikrometer:
      groesse = ZahlOderRechnung(k.Eingabe);
      break;
  }
  if (!groesse || !(*groesse > 0) || !std::isfinite(*groesse)) return AllgemeinerEingabeFehler();
  // An F grit is a range of sizes, not a mean: it shows that range.
  const FKorn* bereich = nullptr;
  if (quelle == Art::FepaF)
    if (const auto i = FKornFuer(*groesse)) bereich = &kFKoerner[*i];
  for (auto& e : k.Einheiten) {
    const Art art = ArtDer(e.Einheitenname);
    if (art == Art::Mikrometer && bereich)
      ErgebnisSetzen(e, FestTextKomma(bereich->Von, 0) + Cp1252("–") + FestTextKomma(bereich->Bis, 0));
    else if (art == Art::Mikrometer)
      StandardErgebnis(e, *groesse);
    else if (art == Art::FepaF) {
      const auto i = FKornFuer(*groesse);
      ErgebnisSetzen(e, i ? Text1252(FepaF()[*i].Name) : Cp1252(kKeineAngabe));
    } else if (const auto* tabelle = TabelleDer(art))
      ErgebnisSetzen(e, StufenText(*tabelle, *groesse));
    else
      ErgebnisSetzen(e, Cp1252(kKeineAngabe));
  }
  return Erledigt();
}

}  // namespace kolvaro
