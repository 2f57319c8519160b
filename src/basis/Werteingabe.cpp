// Reading the value field.
#include "basis/Werteingabe.h"

#include <cmath>
#include <limits>

#include "basis/Formel.h"
#include "basis/Zahlformat.h"

namespace kolvaro {

namespace {

bool IstOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == ':' || c == '^' || c == '\xB7'; }

// Typed so far, but not yet a whole calculation.
bool Unfertig(std::string_view text) {
  long offen = 0;
  for (char c : text) {
    if (c == '(') ++offen;
    if (c == ')') --offen;
  }
  const auto letztes = text.find_last_not_of(' ');
  return offen > 0 || (letztes != std::string_view::npos && (IstOperator(text[letztes]) || text[letztes] == '('));
}

}  // namespace

Eingabewert WertLesen(std::string_view eingabe) {
  if (const auto zahl = ZahlLesen(eingabe)) return {Eingabeform::Zahl, *zahl};
  if (eingabe.find_first_not_of(' ') == std::string_view::npos) return {};
  if (Unfertig(eingabe)) return {Eingabeform::Unfertig, 0.0L};
  bool fehler = false;
  // The calculators' variable has no place here: it reads as "not a number".
  const double wert =
      FormelAuswerten(eingabe, std::numeric_limits<double>::quiet_NaN(), [&](const Text1252&) { fehler = true; });
  if (fehler || !std::isfinite(wert)) return {};
  return {Eingabeform::Rechnung, static_cast<long double>(wert)};
}

std::optional<long double> ZahlOderRechnung(std::string_view eingabe) {
  const Eingabewert gelesen = WertLesen(eingabe);
  if (gelesen.Form == Eingabeform::Zahl || gelesen.Form == Eingabeform::Rechnung) return gelesen.Wert;
  return std::nullopt;
}

}  // namespace kolvaro
