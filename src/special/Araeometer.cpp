// "Aräometerskalen": the degree scales of hydrometers and densities in
// g/cm³. Everything goes through the density referred to water at 15 °C;
// most scales have one formula for liquids heavier and one for liquids
// lighter than water, and each refers to water at its own temperature.
#include <cmath>

#include "basis/Werteingabe.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "special/Namensbindung.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {
namespace {

// Each scale refers to water at its own temperature (in °C: 12,5, 15,56 =
// 60 °F, 17,5, 15,625 = 12,5 °R, 20). kWasser... is the density of water at
// that temperature in g/cm³ as the scales' tables take it; kAnpassung... is
// the factor the scale's formulas pair with it to move between a density
// referred to water at 15 °C and one referred to the scale's own water.
constexpr long double kWasser15 = 0.999126L;
constexpr long double kWasser12_5 = 0.999466L, kAnpassung12_5 = 0.999659818343L;
constexpr long double kWasser15_56 = 0.99904L, kAnpassung15_56 = 0.99991405822L;
constexpr long double kWasser17_5 = 0.998713L, kAnpassung17_5 = 0.999586638722L;
constexpr long double kWasser15_625 = 0.998866L, kAnpassung15_625 = 0.999907919522L;
constexpr long double kAnpassung20 = 0.999103216211L;
// Water at 20 °C, the reference of the must and wort scales: they read the
// relative density 20/20 °C.
constexpr long double kWasser20 = 0.99823L;

// Plato (ASBC): mass percent of extract from the relative density 20/20 °C,
// °P = −616,868 + 1111,14·d − 630,272·d² + 135,997·d³ (the fit that
// G. J. Noonan, "New Brewing Lager Beer", gives). Its slope is positive
// everywhere, so each Plato value has exactly one density.
long double PlatoAusRelDichte(long double d) { return ((135.997L * d - 630.272L) * d + 1111.14L) * d - 616.868L; }

long double RelDichteAusPlato(long double p) {
  long double unten = 0, oben = 10;
  if (!(p >= PlatoAusRelDichte(unten) && p <= PlatoAusRelDichte(oben))) return NAN;
  for (int i = 0; i < 200; ++i) {
    const long double mitte = (unten + oben) / 2;
    (PlatoAusRelDichte(mitte) < p ? unten : oben) = mitte;
  }
  return (unten + oben) / 2;
}

// Klosterneuburger Mostwaage (°KMW, mass percent of sugar in must): its
// accepted relation to Oechsle, °Oe = °KMW · (0,022 · °KMW + 4,54), as the
// manuals of must refractometers give it (Milwaukee Instruments MA882).
long double OechsleAusKmw(long double kmw) { return kmw * (0.022L * kmw + 4.54L); }
long double KmwAusOechsle(long double oe) {
  return (std::sqrt(4.54L * 4.54L + 4 * 0.022L * oe) - 4.54L) / (2 * 0.022L);
}

// Density at 15 °C from the relative density 20/20 °C and back.
long double DichteAusRel20(long double rel) { return rel * kWasser20 / kAnpassung20; }
long double Rel20AusDichte(long double D) { return D * kAnpassung20 / kWasser20; }

enum class Art {
  Keine,
  BaumeNL,
  BaumeUSA,
  BaumeAlt,
  BaumeRationell,
  Balling,
  Beck,
  Brix,
  Cartier,
  Fleischer,
  GayLussac,
  Stoppani,
  Twaddle,
  API,
  Dichte15,
  Dichte20,
  Bezug,
  BezugRelativ,
  Oechsle,
  Plato,
  KMW
};

// Every scale but the two Baumé scales, which the country tells apart.
const std::pair<const char*, Art> kNamen[] = {{"Grad Baumé ältere Skala", Art::BaumeAlt},
                                              {"Grad Baumé rationell", Art::BaumeRationell},
                                              {"Grad Balling", Art::Balling},
                                              {"Grad Beck", Art::Beck},
                                              {"Grad Brix", Art::Brix},
                                              {"Grad Cartier", Art::Cartier},
                                              {"Grad Fleischer", Art::Fleischer},
                                              {"Grad Gay-Lussac", Art::GayLussac},
                                              {"Grad Stoppani", Art::Stoppani},
                                              {"Grad Twaddle", Art::Twaddle},
                                              {"Grad API", Art::API},
                                              {"Gramm/Zentimeter^3 bei 15° C", Art::Dichte15},
                                              {"Gramm/Zentimeter^3 bei 20° C", Art::Dichte20},
                                              {"g/cm^3 bei Bezugstemperatur", Art::Bezug},
                                              {"g/cm^3 relativ Bezugstemp.", Art::BezugRelativ},
                                              {"Grad Oechsle", Art::Oechsle},
                                              {"Grad Plato", Art::Plato},
                                              {"Grad Klosterneuburger Mostwaage", Art::KMW}};

Art ArtDer(const TAusgabetextobject& e) {
  const Text1252& n = e.Einheitenname;
  if (n == Cp1252("Grad Baumé")) {
    if (e.Landname == "Niederlande") return Art::BaumeNL;
    if (e.Landname == "USA") return Art::BaumeUSA;
    return Art::Keine;
  }
  for (const auto& [name, art] : kNamen)
    if (n == Cp1252(name)) return art;
  return Art::Keine;
}

// W1 (density at 15 °C to density at the reference temperature) and W2
// (water at the reference temperature) by the Entspricht text.
bool Bezugswerte(const Text1252& entspricht, long double& W1, long double& W2) {
  struct Bezug {
    const char* Text;
    long double W1, W2;
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
    if (entspricht == Cp1252(b.Text)) {
      W1 = b.W1;
      W2 = b.W2;
      return true;
    }
  return false;
}

// Density at 15 °C from a scale value; NaN where the side does not exist.
long double Dichte(Art art, bool schwer, long double x) {
  switch (art) {
    case Art::BaumeNL:
      return schwer ? 144 / (144 - x) * kWasser12_5 * kAnpassung12_5 : 144 / (144 + x) * kWasser12_5 * kAnpassung12_5;
    // The US light scale reads 10 for water: 140 / (130 + x), as the US standard defines it.
    case Art::BaumeUSA:
      return schwer ? 145 / (145 - x) * kWasser15_56 / kAnpassung15_56
                    : 140 / (130 + x) * kWasser15_56 / kAnpassung15_56;
    case Art::BaumeAlt:
      return schwer ? 146.78L / (146.78L - x) * kWasser17_5 / kAnpassung17_5
                    : 146.78L / (146.78L + x) * kWasser17_5 / kAnpassung17_5;
    case Art::BaumeRationell:
      return schwer ? 144.3L / (144.3L - x) * kWasser15 : 144.3L / (144.3L + x) * kWasser15;
    case Art::Balling:
      return schwer ? 200 / (200 - x) * kWasser17_5 / kAnpassung17_5 : 200 / (200 + x) * kWasser17_5 / kAnpassung17_5;
    case Art::Beck:
      return schwer ? 170 / (170 - x) * kWasser12_5 * kAnpassung12_5 : 170 / (170 + x) * kWasser12_5 * kAnpassung12_5;
    case Art::Brix:
      return schwer ? 400 / (400 - x) * kWasser15_625 / kAnpassung15_625
                    : 400 / (400 + x) * kWasser15_625 / kAnpassung15_625;
    case Art::Cartier:
      return schwer ? 136.8L / (126.1L - x) * kWasser12_5 * kAnpassung12_5
                    : 136.8L / (126.1L + x) * kWasser12_5 * kAnpassung12_5;
    case Art::Fleischer:
      return (x + 100) / 100 / kAnpassung17_5 * kWasser17_5;
    case Art::GayLussac:
      return 100 / x * kWasser15;
    case Art::Stoppani:
      return schwer ? 166 / (166 - x) * kWasser15_625 / kAnpassung15_625
                    : 166 / (166 + x) * kWasser15_625 / kAnpassung15_625;
    case Art::Twaddle:
      return (x + 200) / 200 / kAnpassung15_56 * kWasser15_56;
    case Art::API:
      return 141.5L / (x + 131.5L) * kWasser15_56 / kAnpassung15_56;
    case Art::Dichte15:
      return x;
    case Art::Dichte20:
      return x / kAnpassung20;
    case Art::Oechsle:
      return DichteAusRel20(1 + x / 1000);
    case Art::Plato:
      return DichteAusRel20(RelDichteAusPlato(x));
    case Art::KMW:
      return DichteAusRel20(1 + OechsleAusKmw(x) / 1000);
    default:
      return NAN;
  }
}

// Scale value from the density at 15 °C; NaN for "keine Angabe".
long double Wert(Art art, bool schwer, long double D, long double W1, long double W2) {
  switch (art) {
    case Art::BaumeNL:
      return schwer ? 144 - 144 / (D / kAnpassung12_5 / kWasser12_5) : 144 / (D / kAnpassung12_5 / kWasser12_5) - 144;
    case Art::BaumeUSA:
      return schwer ? 145 - 145 / (D * kAnpassung15_56 / kWasser15_56)
                    : 140 / (D * kAnpassung15_56 / kWasser15_56) - 130;
    case Art::BaumeAlt:
      return schwer ? 146.78L - 146.78L / D / kAnpassung17_5 * kWasser17_5
                    : 146.78L / (D * kAnpassung17_5 / kWasser17_5) - 146.78L;
    case Art::BaumeRationell:
      return schwer ? 144.3L - 144.3L / D * kWasser15 : 144.3L / D * kWasser15 - 144.3L;
    case Art::Balling:
      return schwer ? 200 - 200 / D / kAnpassung17_5 * kWasser17_5 : 200 / (D * kAnpassung17_5 / kWasser17_5) - 200;
    case Art::Beck:
      return schwer ? 170 - 170 / (D / kAnpassung12_5 / kWasser12_5) : 170 / (D / kAnpassung12_5 / kWasser12_5) - 170;
    case Art::Brix:
      return schwer ? 400 - 400 / (D * kAnpassung15_625 / kWasser15_625)
                    : 400 / (D * kAnpassung15_625 / kWasser15_625) - 400;
    case Art::Cartier:
      return schwer ? 126.1L - 136.8L / (D / kAnpassung12_5 / kWasser12_5)
                    : 136.8L / (D / kAnpassung12_5 / kWasser12_5) - 126.1L;
    case Art::Fleischer:
      return schwer ? D * kAnpassung17_5 / kWasser17_5 * 100 - 100 : NAN;
    case Art::GayLussac:
      return 100 / D * kWasser15;
    case Art::Stoppani:
      return schwer ? 166 - 166 / (D * kAnpassung15_625 / kWasser15_625)
                    : 166 / (D * kAnpassung15_625 / kWasser15_625) - 166;
    case Art::Twaddle:
      return schwer ? D * kAnpassung15_56 / kWasser15_56 * 200 - 200 : NAN;
    case Art::API:
      return schwer ? NAN : 141.5L / (D * kAnpassung15_56 / kWasser15_56) - 131.5L;
    case Art::Dichte15:
      return D;
    case Art::Dichte20:
      return D * kAnpassung20;
    case Art::Bezug:
      return D * W1;
    case Art::BezugRelativ:
      return D * W1 / W2;
    // Must and wort are heavier than water; below it the scales have no
    // value, and the negative result says so.
    case Art::Oechsle:
      return (Rel20AusDichte(D) - 1) * 1000;
    case Art::Plato:
      return PlatoAusRelDichte(Rel20AusDichte(D));
    case Art::KMW:
      return KmwAusOechsle((Rel20AusDichte(D) - 1) * 1000);
    default:
      return NAN;
  }
}

}  // namespace

Rechenergebnis AraeometerUmrechnen(Sonderkontext& k) {
  const auto& auswahl = k.Einheiten[static_cast<std::size_t>(k.Auswahl)];
  const Art quelle = ArtDer(auswahl);
  auto eingabe = ZahlOderRechnung(k.Eingabe);
  if (!eingabe) return AllgemeinerEingabeFehler();
  Rechenergebnis r;
  if (quelle == Art::Bezug || quelle == Art::BezugRelativ) {
    r.Fehler =
        Meldung{Meldungsart::Schlicht, Cp1252("Diese Einheit ist nur zu Vergleichszwecken vorhanden und kann nicht "
                                              "umgerechnet werden.")};
    return r;
  }
  if (quelle == Art::Keine) return UnbekannteEinheitFehler();
  long double x = *eingabe;
  if (x < 0) {
    // The value used is the magnitude, and a typed number shows it (a
    // calculation stays as it was typed).
    x = -x;
  }
  if (*eingabe < 0 && WertLesen(k.Eingabe).Form == Eingabeform::Zahl) {
    std::string text(k.Eingabe);
    for (char& c : text)
      if (c == '-') c = ' ';
    r.Eingabetext = Text1252(std::move(text));
  }
  bool schwer = true;
  switch (quelle) {
    case Art::Dichte15:
    case Art::Dichte20:
      schwer = x >= 1;
      break;
    case Art::API:
      schwer = false;
      break;
    case Art::Fleischer:
    case Art::Twaddle:
    case Art::GayLussac:
    case Art::Oechsle:
    case Art::Plato:
    case Art::KMW:
      schwer = true;
      break;
    default: {
      const FrageAntwort antwort = k.Frage ? k.Frage(Cp1252("Zur Berechnung werden weitere Angaben benötigt. Ist Ihre "
                                                            "Flüssigkeit leichter als Wasser?"))
                                           : FrageAntwort::Abbrechen;
      if (antwort == FrageAntwort::Abbrechen) return Rechenergebnis{};
      schwer = antwort == FrageAntwort::Nein;
    }
  }
  long double W1 = NAN, W2 = NAN;
  Bezugswerte(auswahl.Entspricht, W1, W2);
  if (quelle == Art::GayLussac && x < 1) {
    r.Vorher.push_back({Meldungsart::Schlicht, Cp1252("Eingabe von Werten < 1 ist bei Gay-Lussac nicht zulässig!")});
    r.Eingabetext = Cp1252("1");
    x = 1;
  }
  if (quelle == Art::API && x < 10) {
    r.Vorher.push_back({Meldungsart::Schlicht, Cp1252("Eingabe von Werten < 10 ist bei API nicht zulässig!")});
    r.Eingabetext = Cp1252("10");
    x = 10;
  }
  const long double dichte = Dichte(quelle, schwer, x);
  // At or beyond a scale's pole there is no density: a wrong input, not a number.
  if (!std::isfinite(dichte) || dichte <= 0) {
    Rechenergebnis fehler = AllgemeinerEingabeFehler();
    fehler.Vorher = r.Vorher;
    fehler.Eingabetext = r.Eingabetext;
    return fehler;
  }
  for (auto& e : k.Einheiten) {
    long double v = Wert(ArtDer(e), dichte > kWasser15, dichte, W1, W2);
    if (std::fabs(v) < 1e-6L) v = 0;
    // A value the scale does not define, or none at all: "keine Angabe".
    if (!std::isfinite(v) || v < 0)
      ErgebnisSetzen(e, Cp1252(kKeineAngabe));
    else
      StandardErgebnis(e, v);
  }
  r.Erfolg = true;
  return r;
}

std::vector<Text1252> AraeometerNamen() {
  std::vector<Text1252> namen{Cp1252("Grad Baumé")};
  for (const auto& eintrag : kNamen) namen.push_back(Cp1252(eintrag.first));
  return namen;
}

}  // namespace kolvaro
