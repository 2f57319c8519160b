// "Brüche": a fraction to a decimal number and back. Line 0 of the data
// file is the fraction, line 1 the decimal number.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {
namespace {

constexpr int kBruch = 0;
constexpr int kDezimalzahl = 1;

std::int64_t Ggt(std::int64_t a, std::int64_t b) {
  while (b != 0) {
    std::int64_t r = a % b;
    a = b;
    b = r;
  }
  return a;
}

// Writes the fraction text and the decimal texts into the two units; every
// other unit (an own one) shows "keine Angabe".
void Schreiben(Sonderkontext& k, const std::string& bruch, long double dezimal) {
  for (auto& e : k.Einheiten) {
    if (e.Dateizeile == kBruch)
      ErgebnisSetzen(e, Text1252(bruch));
    else if (e.Dateizeile == kDezimalzahl)
      StandardErgebnis(e, dezimal, false);
    else
      ErgebnisSetzen(e, Cp1252(kKeineAngabe));
  }
}

Rechenergebnis BruchZuDezimal(Sonderkontext& k) {
  std::string_view text = Getrimmt(k.Eingabe);
  auto strich = text.find('/');
  if (strich == std::string_view::npos || strich == 0 || strich + 1 == text.size())
    return EingabeFehler(Cp1252("Falsche Eingabe im Werteingabeld! Die Zahl ist kein Bruch! Richtig z.B. 1/5!"));
  auto zaehler = Ganzzahl32Lesen(Getrimmt(text.substr(0, strich)));
  auto nenner = Ganzzahl32Lesen(Getrimmt(text.substr(strich + 1)));
  if (!zaehler || !nenner || *zaehler == 0 || *nenner == 0) return AllgemeinerEingabeFehler();

  // Work with magnitudes and put the sign in front, so that -7/3 gives -2 1/3.
  const bool negativ = (*zaehler < 0) != (*nenner < 0);
  std::int64_t z = std::llabs(*zaehler), n = std::llabs(*nenner);
  const double q = static_cast<double>(z) / static_cast<double>(n);
  std::string ganz;
  if (q >= 1.0) {
    const std::int64_t w = static_cast<std::int64_t>(q);
    ganz = std::to_string(w);
    z -= n * w;
  }
  std::string bruch;
  if (q == 1.0) {
    bruch = "1";
  } else if (z == 0) {
    bruch = ganz;
  } else {
    const std::int64_t g = Ggt(n, z);
    bruch = std::string(Getrimmt(ganz + " " + std::to_string(z / g) + "/" + std::to_string(n / g)));
  }
  if (negativ) bruch = "-" + bruch;
  if (bruch.size() > 15) bruch = Cp1252("Zahl zu groß").Bytes();
  Schreiben(k, bruch, negativ ? -static_cast<long double>(q) : static_cast<long double>(q));
  Rechenergebnis r;
  r.Erfolg = true;
  return r;
}

Rechenergebnis DezimalZuBruch(Sonderkontext& k) {
  std::string text(Getrimmt(k.Eingabe));
  for (char& c : text)
    if (c == ',') c = '.';
  auto wert = ZahlLesen(text);
  if (!wert || *wert == 0.0L) return AllgemeinerEingabeFehler();
  auto punkt = text.find('.');
  const std::string nachkomma = punkt == std::string::npos ? std::string() : text.substr(punkt + 1);
  if (nachkomma.find_first_not_of('0') == std::string::npos)
    return EingabeFehler(
        Cp1252("Falsche Eingabe im Werteingabeld! Die Zahl ist eine ganze Zahl und kann nicht in "
               "einen Bruch umgerechnet werden!"));
  // Only plain decimal numbers have a digit text to read ("1.5E2" has none).
  if (nachkomma.find_first_not_of("0123456789") != std::string::npos) return AllgemeinerEingabeFehler();

  std::string vorkomma = text.substr(0, punkt);
  std::string vorzeichen;
  if (!vorkomma.empty() && (vorkomma.front() == '-' || vorkomma.front() == '+')) {
    if (vorkomma.front() == '-') vorzeichen = "-";
    vorkomma.erase(0, 1);
  }
  vorkomma.erase(0, std::min(vorkomma.find_first_not_of('0'), vorkomma.size()));  // "0" and "00" become empty
  if (nachkomma.size() > 9) {
    Rechenergebnis r = EingabeFehler(Cp1252("Zahl im Eingabefeld zu groß!"), Fokus::NurFokus);
    r.GebietNeuLaden = true;
    return r;
  }
  std::int64_t d = 1;
  for (std::size_t i = 0; i < nachkomma.size(); ++i) d *= 10;
  std::int64_t n = std::stoll(nachkomma);
  const std::int64_t g = Ggt(d, n);
  n /= g;
  d /= g;
  // The separating blank counts for the length even when there is no whole part.
  const std::string roh = vorzeichen + vorkomma + " " + std::to_string(n) + "/" + std::to_string(d);
  std::string bruch = vorkomma.empty() ? vorzeichen + std::to_string(n) + "/" + std::to_string(d) : roh;
  if (roh.size() > 15) bruch = Cp1252("Zahl zu groß").Bytes();
  Schreiben(k, bruch, *wert);
  Rechenergebnis r;
  r.Erfolg = true;
  return r;
}

}  // namespace

Resultat<> BruchdateiPruefen(const std::string& datendatei, const std::vector<Text1252>& namen) {
  return ZeilennamenPruefen(datendatei, namen, {"Bruch", "Dezimalzahl"});
}

Rechenergebnis BruecheUmrechnen(Sonderkontext& k) {
  const int zeile = k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Dateizeile;
  if (zeile == kBruch) return BruchZuDezimal(k);
  if (zeile == kDezimalzahl) return DezimalZuBruch(k);
  return UnbekannteEinheitFehler();
}

}  // namespace kolvaro
