// "Schuhgrößen": every system through the foot length in centimetres. The
// shoe is taken as one centimetre longer than the foot.
#include <cmath>
#include <cstring>

#include "basis/Werteingabe.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "special/Namensbindung.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {
namespace {

constexpr long double kGerstenkorn = 0.84666L;  // a third of an inch, in centimetres
constexpr long double kKinderGrenze = 21.0L;
// Far below the one decimal shown, far above the rounding of long double.
constexpr long double kRest = 1e-9L;

struct System {
  const char* Name;  // UTF-8
  long double (*Fuss)(long double x);
  long double (*Groesse)(long double p);
  bool Kinder;
};

const System kSysteme[] = {
    {"Fußlänge/cm", [](long double x) { return x; }, [](long double p) { return p; }, false},
    {"Schuhlänge/cm", [](long double x) { return x - 1; }, [](long double p) { return p + 1; }, false},
    {"Zentimetersystem", [](long double x) { return x - 1; }, [](long double p) { return p + 1; }, false},
    {"Mondopoint", [](long double x) { return x / 10; }, [](long double p) { return p * 10; }, false},
    {"Größe Europa", [](long double x) { return x / 1.5L - 1; }, [](long double p) { return (p + 1) * 1.5L; }, false},
    {"Size Großbrit. Erwachsene", [](long double x) { return (x + 25) * kGerstenkorn - 1; },
     [](long double p) { return (p + 1) / kGerstenkorn - 25; }, false},
    {"Size Großbrit. Kinder", [](long double x) { return (x + 12) * kGerstenkorn - 1; },
     [](long double p) { return (p + 1) / kGerstenkorn - 12; }, true},
    {"Size USA Männer", [](long double x) { return (x + 24.5L) * kGerstenkorn - 1; },
     [](long double p) { return (p + 1) / kGerstenkorn - 24.5L; }, false},
    {"Size USA Frauen", [](long double x) { return (x + 23) * kGerstenkorn - 1; },
     [](long double p) { return (p + 1) / kGerstenkorn - 23; }, false},
    {"Size USA Jungen", [](long double x) { return (x + 12 - 0.5L) * kGerstenkorn - 1; },
     [](long double p) { return (p + 1) / kGerstenkorn - 12 + 0.5L; }, true},
    {"Size USA Mädchen", [](long double x) { return (x + 12 - 1.5L) * kGerstenkorn - 1; },
     [](long double p) { return (p + 1) / kGerstenkorn - 12 + 1.5L; }, true},
};

const System* SystemFuer(const Text1252& name) { return RegelFuer(kSysteme, name); }

}  // namespace

Rechenergebnis SchuhgroessenUmrechnen(Sonderkontext& k) {
  const System* quelle = SystemFuer(k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Einheitenname);
  if (!quelle) return UnbekannteEinheitFehler();
  auto eingabe = ZahlOderRechnung(k.Eingabe);
  if (!eingabe) return AllgemeinerEingabeFehler();
  // The foot length stays in long double: cut to double, a size of exactly
  // 0 (size 0 to its own system) comes out a trace below 0 and shows as none.
  const long double fuss = quelle->Fuss(*eingabe);
  if (!(fuss >= 9 && fuss <= 34))
    return EingabeFehler(Cp1252("Zahlenwert außerhalb Wertebereich! Diese Schuhgröße ist nicht definiert! "));
  for (auto& e : k.Einheiten) {
    const System* ziel = SystemFuer(e.Einheitenname);
    long double v = -1;
    if (ziel && !(ziel->Kinder && fuss > kKinderGrenze)) v = ziel->Groesse(fuss);
    // Dividing by the barleycorn still leaves a residue of the rounding
    // where the size is exactly 0 (Mondopoint 201,665 in British sizes).
    if (std::fabs(v) < kRest) v = 0;
    if (v < 0) {
      ErgebnisSetzen(e, Cp1252(kKeineAngabe));
      continue;
    }
    RohesErgebnis(e, v, 1);  // this category always shows one decimal
  }
  Rechenergebnis r;
  r.Erfolg = true;
  return r;
}

std::vector<Text1252> SchuhgroessenNamen() {
  std::vector<Text1252> namen;
  for (const auto& system : kSysteme) namen.push_back(Cp1252(system.Name));
  return namen;
}

}  // namespace kolvaro
