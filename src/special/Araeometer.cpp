// "Aräometerskalen": the degree scales of hydrometers and densities in
// g/cm³. Everything goes through the density referred to water at 15 °C;
// most scales have one formula for liquids heavier and one for liquids
// lighter than water, and each refers to water at its own temperature.
#include <cmath>

#include "data/Zeichensatz.h"
#include "converter/Zahlformat.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {
namespace {

using LD = long double;

// Water densities that adapt each scale to its reference water.
constexpr LD w15 = 0.999126L;
constexpr LD a1 = 0.999466L, a2 = 0.999659818343L;
constexpr LD u1 = 0.99904L, u2 = 0.99991405822L;
constexpr LD o1 = 0.998713L, o2 = 0.999586638722L;
constexpr LD s1 = 0.998866L, s2 = 0.999907919522L;
constexpr LD z20 = 0.999103216211L;

enum class Art { Keine, BaumeNL, BaumeUSA, BaumeAlt, BaumeRationell, Balling, Beck, Brix, Cartier, Fleischer,
                 GayLussac, Stoppani, Twaddle, API, Dichte15, Dichte20, Bezug, BezugRelativ };

Art ArtDer(const TAusgabetextobject& e) {
  const std::string& n = e.Einheitenname;
  if (n == W("Grad Baumé")) {
    if (e.Landname == "Niederlande") return Art::BaumeNL;
    if (e.Landname == "USA") return Art::BaumeUSA;
    return Art::Keine;
  }
  static const std::pair<const char*, Art> namen[] = {
      {"Grad Baumé ältere Skala", Art::BaumeAlt}, {"Grad Baumé rationell", Art::BaumeRationell},
      {"Grad Balling", Art::Balling},             {"Grad Beck", Art::Beck},
      {"Grad Brix", Art::Brix},                   {"Grad Cartier", Art::Cartier},
      {"Grad Fleischer", Art::Fleischer},         {"Grad Gay-Lussac", Art::GayLussac},
      {"Grad Stoppani", Art::Stoppani},           {"Grad Twaddle", Art::Twaddle},
      {"Grad API", Art::API},                     {"Gramm/Zentimeter^3 bei 15° C", Art::Dichte15},
      {"Gramm/Zentimeter^3 bei 20° C", Art::Dichte20}, {"g/cm^3 bei Bezugstemperatur", Art::Bezug},
      {"g/cm^3 relativ Bezugstemp.", Art::BezugRelativ}};
  for (const auto& [name, art] : namen)
    if (n == W(name)) return art;
  return Art::Keine;
}

// W1 (density at 15 °C to density at the reference temperature) and W2
// (water at the reference temperature) by the Entspricht text.
bool Bezugswerte(const std::string& entspricht, LD& W1, LD& W2) {
  struct Bezug {
    const char* Text;
    LD W1, W2;
  };
  static const Bezug bezuege[] = {
      {"15° C", 1, 0.999126L},
      {"20° C", 0.999103216211L, 0.99823L},
      {"15,56° C", 0.99991405822L, 0.99904L},
      {"15,56° C = 60° F", 0.99991405822L, 0.99904L},
      {"12,5° C", 0.999466L / 0.999126L, 0.999466L},
      {"17,5° C", 0.999586638722L, 0.998713L},
      {"15,625° C = 12,5° R", 0.999907919522L, 0.998866L},
      {"4° C", 1 / 0.999126L, 1},
  };
  for (const auto& b : bezuege)
    if (entspricht == W(b.Text)) {
      W1 = b.W1;
      W2 = b.W2;
      return true;
    }
  return false;
}

// Density at 15 °C from a scale value; NaN where the side does not exist.
LD Dichte(Art art, bool schwer, LD x) {
  switch (art) {
    case Art::BaumeNL: return schwer ? 144 / (144 - x) * a1 * a2 : 144 / (144 + x) * a1 * a2;
    // The US light scale reads 10 for water: 140 / (130 + x), as the US standard defines it.
    case Art::BaumeUSA: return schwer ? 145 / (145 - x) * u1 / u2 : 140 / (130 + x) * u1 / u2;
    case Art::BaumeAlt: return schwer ? 146.78L / (146.78L - x) * o1 / o2 : 146.78L / (146.78L + x) * o1 / o2;
    case Art::BaumeRationell: return schwer ? 144.3L / (144.3L - x) * w15 : 144.3L / (144.3L + x) * w15;
    case Art::Balling: return schwer ? 200 / (200 - x) * o1 / o2 : 200 / (200 + x) * o1 / o2;
    case Art::Beck: return schwer ? 170 / (170 - x) * a1 * a2 : 170 / (170 + x) * a1 * a2;
    case Art::Brix: return schwer ? 400 / (400 - x) * s1 / s2 : 400 / (400 + x) * s1 / s2;
    case Art::Cartier: return schwer ? 136.8L / (126.1L - x) * a1 * a2 : 136.8L / (126.1L + x) * a1 * a2;
    case Art::Fleischer: return (x + 100) / 100 / o2 * o1;
    case Art::GayLussac: return 100 / x * w15;
    case Art::Stoppani: return schwer ? 166 / (166 - x) * s1 / s2 : 166 / (166 + x) * s1 / s2;
    case Art::Twaddle: return (x + 200) / 200 / u2 * u1;
    case Art::API: return 141.5L / (x + 131.5L) * u1 / u2;
    case Art::Dichte15: return x;
    case Art::Dichte20: return x / z20;
    default: return NAN;
  }
}

// Scale value from the density at 15 °C; NaN for "keine Angabe".
LD Wert(Art art, bool schwer, LD D, LD W1, LD W2) {
  switch (art) {
    case Art::BaumeNL: return schwer ? 144 - 144 / (D / a2 / a1) : 144 / (D / a2 / a1) - 144;
    case Art::BaumeUSA: return schwer ? 145 - 145 / (D * u2 / u1) : 140 / (D * u2 / u1) - 130;
    case Art::BaumeAlt: return schwer ? 146.78L - 146.78L / D / o2 * o1 : 146.78L / (D * o2 / o1) - 146.78L;
    case Art::BaumeRationell: return schwer ? 144.3L - 144.3L / D * w15 : 144.3L / D * w15 - 144.3L;
    case Art::Balling: return schwer ? 200 - 200 / D / o2 * o1 : 200 / (D * o2 / o1) - 200;
    case Art::Beck: return schwer ? 170 - 170 / (D / a2 / a1) : 170 / (D / a2 / a1) - 170;
    case Art::Brix: return schwer ? 400 - 400 / (D * s2 / s1) : 400 / (D * s2 / s1) - 400;
    case Art::Cartier: return schwer ? 126.1L - 136.8L / (D / a2 / a1) : 136.8L / (D / a2 / a1) - 126.1L;
    case Art::Fleischer: return schwer ? D * o2 / o1 * 100 - 100 : NAN;
    case Art::GayLussac: return 100 / D * w15;
    case Art::Stoppani: return schwer ? 166 - 166 / (D * s2 / s1) : 166 / (D * s2 / s1) - 166;
    case Art::Twaddle: return schwer ? D * u2 / u1 * 200 - 200 : NAN;
    case Art::API: return schwer ? NAN : 141.5L / (D * u2 / u1) - 131.5L;
    case Art::Dichte15: return D;
    case Art::Dichte20: return D * z20;
    case Art::Bezug: return D * W1;
    case Art::BezugRelativ: return D * W1 / W2;
    default: return NAN;
  }
}

}  // namespace

Rechenergebnis AraeometerUmrechnen(Sonderkontext& k) {
  const auto& auswahl = k.Einheiten[static_cast<std::size_t>(k.Auswahl)];
  const Art quelle = ArtDer(auswahl);
  auto eingabe = ZahlLesen(k.Eingabe);
  if (!eingabe) return AllgemeinerEingabeFehler();
  Rechenergebnis r;
  if (quelle == Art::Bezug || quelle == Art::BezugRelativ) {
    r.Fehler = Meldung{Meldungsart::Schlicht, "Diese Einheit ist nur zu Vergleichszwecken vorhanden und kann nicht "
                                               "umgerechnet werden."};
    return r;
  }
  if (quelle == Art::Keine) return UnbekannteEinheitFehler();
  LD x = *eingabe;
  if (x < 0) {
    // The value used is the magnitude, and the field shows it.
    x = -x;
    std::string text(k.Eingabe);
    for (char& c : text)
      if (c == '-') c = ' ';
    r.Eingabetext = text;
  }
  bool schwer = true;
  switch (quelle) {
    case Art::Dichte15:
    case Art::Dichte20: schwer = x >= 1; break;
    case Art::API: schwer = false; break;
    case Art::Fleischer:
    case Art::Twaddle:
    case Art::GayLussac: schwer = true; break;
    default: {
      const FrageAntwort antwort = k.Frage ? k.Frage(W("Zur Berechnung werden weitere Angaben benötigt. Ist Ihre "
                                                       "Flüssigkeit leichter als Wasser?"))
                                           : FrageAntwort::Abbrechen;
      if (antwort == FrageAntwort::Abbrechen) return Rechenergebnis{};
      schwer = antwort == FrageAntwort::Nein;
    }
  }
  LD W1 = NAN, W2 = NAN;
  Bezugswerte(auswahl.Entspricht, W1, W2);
  if (quelle == Art::GayLussac && x < 1) {
    r.Vorher.push_back({Meldungsart::Schlicht, W("Eingabe von Werten < 1 ist bei Gay-Lussac nicht zulässig!")});
    r.Eingabetext = "1";
    x = 1;
  }
  if (quelle == Art::API && x < 10) {
    r.Vorher.push_back({Meldungsart::Schlicht, W("Eingabe von Werten < 10 ist bei API nicht zulässig!")});
    r.Eingabetext = "10";
    x = 10;
  }
  const LD dichte = Dichte(quelle, schwer, x);
  // At or beyond a scale's pole there is no density: a wrong input, not a number.
  if (!std::isfinite(dichte) || dichte <= 0) {
    Rechenergebnis fehler = AllgemeinerEingabeFehler();
    fehler.Vorher = r.Vorher;
    fehler.Eingabetext = r.Eingabetext;
    return fehler;
  }
  for (auto& e : k.Einheiten) {
    LD v = Wert(ArtDer(e), dichte > w15, dichte, W1, W2);
    if (std::fabs(v) < 1e-6L) v = 0;
    // A value the scale does not define, or none at all: "keine Angabe".
    if (!std::isfinite(v) || v < 0) ErgebnisSetzen(e, kKeineAngabe);
    else StandardErgebnis(e, v);
  }
  r.Erfolg = true;
  return r;
}

}  // namespace kolvaro
