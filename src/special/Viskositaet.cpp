// "Viskosität, kinem. alt": square metres per second against the old
// viscometer scales (Engler degrees, Saybolt and Redwood seconds), through
// the correspondence table STOFFW12.NFO and straight-line interpolation.
#include <vector>

#include "basis/Werteingabe.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "special/Namensbindung.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {
namespace {

inline const char* const kTabelle = "STOFFW12.NFO";
constexpr long double kMillionen = 1000000.0L;

struct Skala {
  const char* Name;  // UTF-8
  long double Unten, Oben;
  const char* Bereich;  // UTF-8
  int Spalte;           // 0: square metres per second, 1: square millimetres per second, 2..4: table columns
};

const Skala kSkalen[] = {
    {"Meter^2/Sekunde", 1e-6L, 1e-3L, "10^-6 bis 10^-3", 0},
    {"Millimeter^2/Sekunde", 1, 1000, "1 bis 1000", 1},
    {"Centistoke", 1, 1000, "1 bis 1000", 1},
    {"Engler-Grad", 1, 131.6L, "1 bis 131,6", 2},
    {"Saybolt-Sekunde", 28.8L, 4629, "28,8 bis 4629", 3},
    {"Redwood-Sekunde", 27.7L, 4082, "27,7 bis 4082", 4},
};

const Skala* SkalaFuer(const Text1252& name) { return RegelFuer(kSkalen, name); }

using Tabelle = std::vector<std::vector<double>>;

// Value of column t where column c is x (columns from 1).
double Tabellenwert(const Tabelle& tabelle, int c, int t, double x) {
  std::size_t k = 0;
  for (; k < tabelle.size(); ++k) {
    if (tabelle[k][c - 1] == x) return tabelle[k][t - 1];
    if (tabelle[k][c - 1] > x) break;
  }
  if (k == tabelle.size()) k = tabelle.size() - 1;  // beyond the last row: along the last two
  const double x2 = tabelle[k][c - 1], y2 = tabelle[k][t - 1];
  const double x1 = k > 0 ? tabelle[k - 1][c - 1] : 0.0, y1 = k > 0 ? tabelle[k - 1][t - 1] : 0.0;
  return (y2 - y1) / (x2 - x1) * (x - x1) + y1;
}

// The table, or a message naming the file and saying what is wrong with
// which line. Four header lines come first.
Resultat<Tabelle> TabelleLaden(const std::filesystem::path& verzeichnis) {
  Geheimleseart art;
  art.Kopfzeilen = 4;
  art.LeereUeberspringen = true;
  Tabelle tabelle;
  OptMeldung fehler;
  auto gelesen = GeheimdateiDurchlaufen(verzeichnis / kTabelle, art, [&](std::string_view klar, std::size_t index) {
    std::vector<double> zeile;
    for (int f = 1; f <= 4; ++f) {
      auto wert = ZahlLesen(Feld(klar, '\t', f));
      if (!wert || *wert <= 0) {
        fehler = BeschaedigtMeldung(kTabelle, index + 1, "hat in Spalte " + Text1252::Zahl(f) + " keine Zahl über 0");
        return false;
      }
      zeile.push_back(static_cast<double>(*wert));
    }
    // Every column must ascend, or interpolation would divide by zero or
    // read between the wrong rows.
    for (int f = 0; f < 4 && !tabelle.empty(); ++f)
      if (!(zeile[f] > tabelle.back()[f])) {
        fehler = BeschaedigtMeldung(kTabelle, index + 1,
                                    "ist in Spalte " + Text1252::Zahl(f + 1) +
                                        Cp1252(" nicht größer als die Zeile davor (die Spalten müssen aufsteigen)"));
        return false;
      }
    tabelle.push_back(std::move(zeile));
    return true;
  });
  if (!gelesen) return gelesen.Fehler();
  if (fehler) return *fehler;
  if (tabelle.size() < 2) return DateiBeschaedigtMeldung(kTabelle, Cp1252("sie hat weniger als zwei Tabellenzeilen"));
  return tabelle;
}

}  // namespace

Rechenergebnis ViskositaetUmrechnen(Sonderkontext& k) {
  const Skala* quelle = SkalaFuer(k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Einheitenname);
  if (!quelle) return UnbekannteEinheitFehler();
  auto eingabe = ZahlOderRechnung(k.Eingabe);
  if (!eingabe) return AllgemeinerEingabeFehler();
  const long double x = *eingabe;
  if (x < quelle->Unten || x > quelle->Oben)
    return EingabeFehler(Cp1252("Eingabe außerhalb des gültigen Wertebereiches (") + Cp1252(quelle->Bereich) + ")!");

  auto tabelle = TabelleLaden(k.Verzeichnis);
  if (!tabelle) {
    Rechenergebnis r;
    r.Fehler = tabelle.Fehler();
    return r;
  }
  long double nu = 0;
  switch (quelle->Spalte) {
    case 0:
      nu = x;
      break;
    case 1:
      nu = x / kMillionen;
      break;
    default:
      nu = Tabellenwert(*tabelle, quelle->Spalte, 1, static_cast<double>(x)) / kMillionen;
      break;
  }
  for (auto& e : k.Einheiten) {
    const Skala* ziel = SkalaFuer(e.Einheitenname);
    if (!ziel) {
      ErgebnisSetzen(e, Cp1252(kKeineAngabe));
      continue;
    }
    long double v = 0;
    switch (ziel->Spalte) {
      case 0:
        v = nu;
        break;
      case 1:
        v = nu * kMillionen;
        break;
      default:
        v = Tabellenwert(*tabelle, 1, ziel->Spalte, static_cast<double>(nu * kMillionen));
        break;
    }
    RohesErgebnis(e, v, FliessDezimalen(v));
  }
  Rechenergebnis r;
  r.Erfolg = true;
  return r;
}

std::vector<Text1252> ViskositaetNamen() {
  std::vector<Text1252> namen;
  for (const auto& skala : kSkalen) namen.push_back(Cp1252(skala.Name));
  return namen;
}

Resultat<> ViskositaetstabellePruefen(const std::filesystem::path& verzeichnis) {
  auto tabelle = TabelleLaden(verzeichnis);
  if (!tabelle) return tabelle.Fehler();
  return {};
}

}  // namespace kolvaro
