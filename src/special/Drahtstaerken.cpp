// "Drahtstärken": wire gauges and the wire's diameter and cross-section.
// Everything goes through the diameter in millimetres.
#include <cmath>
#include <string>

#include "basis/Werteingabe.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "special/Sonderhilfen.h"
#include "special/Stufentabelle.h"

namespace kolvaro {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279503L;

// The gauges beyond 0 are written 1/0 (= 0), 2/0 (= 00) and so on.
std::string Nummer(int n) { return n <= 0 ? std::to_string(1 - n) + "/0" : std::to_string(n); }

// American Wire Gauge (ASTM B258): 4/0 is 0.46 inch, 36 is 0.005 inch, and
// the 38 steps between them divide the diameter by the same ratio each, so
// d = 0.127 mm · 92^((36 − n) / 39) with n = −3 for 4/0.
const std::vector<Stufe>& Awg() {
  static const std::vector<Stufe> stufen = [] {
    std::vector<Stufe> s;
    for (int n = -3; n <= 40; ++n) s.push_back({Nummer(n), 0.127L * std::pow(92.0L, (36.0L - n) / 39.0L)});
    return s;
  }();
  return stufen;
}

// British Imperial Standard Wire Gauge (Order in Council 1883, later
// BS 3737:1964), diameters in thousandths of an inch for 7/0 to 50, as the
// Engineering ToolBox table "SWG - Standard Wire Gauge" lists them.
const std::vector<Stufe>& Swg() {
  static const std::vector<Stufe> stufen = [] {
    static const double mil[] = {500, 464, 432, 400,  372,  348,  324,  300,  276,  252, 232, 212, 192, 176, 160,
                                 144, 128, 116, 104,  92,   80,   72,   64,   56,   48,  40,  36,  32,  28,  24,
                                 22,  20,  18,  16.4, 14.8, 13.6, 12.4, 11.6, 10.8, 10,  9.2, 8.4, 7.6, 6.8, 6,
                                 5.2, 4.8, 4.4, 4,    3.6,  3.2,  2.8,  2.4,  2,    1.6, 1.2, 1};
    std::vector<Stufe> s;
    int n = -6;
    for (double m : mil) s.push_back({Nummer(n++), static_cast<long double>(m) * 0.0254L});
    return s;
  }();
  return stufen;
}

enum class Art { Keine, Awg, Swg, Durchmesser, Querschnitt };

Art ArtDer(const Text1252& name) {
  if (name == "AWG") return Art::Awg;
  if (name == "SWG") return Art::Swg;
  if (name == "Durchmesser in Millimeter") return Art::Durchmesser;
  if (name == "Querschnitt in Quadratmillimeter") return Art::Querschnitt;
  return Art::Keine;
}

// A gauge as typed: its name, the old form with zeros (000 for 3/0), or a
// whole number or calculation that names one.
std::optional<long double> GaugeLesen(const std::vector<Stufe>& stufen, std::string_view eingabe) {
  std::string text(Getrimmt(eingabe));
  if (text.size() > 1 && text.find_first_not_of('0') == std::string::npos) text = std::to_string(text.size()) + "/0";
  return StufenwertLesen(stufen, text, [](long n) { return Nummer(static_cast<int>(n)); });
}

}  // namespace

Rechenergebnis DrahtstaerkenUmrechnen(Sonderkontext& k) {
  const Art quelle = ArtDer(k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Einheitenname);
  std::optional<long double> d;
  switch (quelle) {
    case Art::Keine:
      return UnbekannteEinheitFehler();
    case Art::Awg:
      d = GaugeLesen(Awg(), k.Eingabe);
      break;
    case Art::Swg:
      d = GaugeLesen(Swg(), k.Eingabe);
      break;
    case Art::Durchmesser:
      d = ZahlOderRechnung(k.Eingabe);
      break;
    case Art::Querschnitt:
      if (auto a = ZahlOderRechnung(k.Eingabe); a && *a > 0) d = std::sqrt(*a * 4 / kPi);
      break;
  }
  if (!d || !(*d > 0) || !std::isfinite(*d)) return AllgemeinerEingabeFehler();
  for (auto& e : k.Einheiten) {
    switch (ArtDer(e.Einheitenname)) {
      case Art::Awg:
        ErgebnisSetzen(e, StufenText(Awg(), *d));
        break;
      case Art::Swg:
        ErgebnisSetzen(e, StufenText(Swg(), *d));
        break;
      case Art::Durchmesser:
        StandardErgebnis(e, *d);
        break;
      case Art::Querschnitt:
        StandardErgebnis(e, kPi / 4 * *d * *d);
        break;
      case Art::Keine:
        ErgebnisSetzen(e, Cp1252(kKeineAngabe));
        break;
    }
  }
  return Erledigt();
}

}  // namespace kolvaro
