// The formula evaluator and the molar-mass calculator. The first byte
// chooses: 0 evaluates the rest as an expression (the next eight bytes are
// x), 1 takes the rest as a chemical formula, 2 builds a formula from the
// bytes whose molar mass is known beforehand and compares.
#include "basis/Formel.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "Fuzzeingabe.h"
#include "basis/Zahlformat.h"
#include "calculators/Molmasse.h"

using namespace kolvaro;

namespace {

// Enough elements for every way a symbol can be cut wrongly: one-letter
// symbols that begin two-letter ones (C, Cl, Co, Cu; S, Si, Sn; N, Na, Ni),
// two-letter symbols holding D or T, the mass number of an element without
// a standard weight.
const std::vector<Element>& Elemente() {
  static const std::vector<Element> elemente = {
      {"H", "1,0080"},  {"He", "4,0026"}, {"C", "12,011"},  {"N", "14,007"},  {"O", "15,999"},  {"F", "18,998"},
      {"Na", "22,990"}, {"Mg", "24,305"}, {"Al", "26,982"}, {"Si", "28,085"}, {"P", "30,974"},  {"S", "32,06"},
      {"Cl", "35,45"},  {"K", "39,098"},  {"Ca", "40,078"}, {"Ti", "47,867"}, {"Fe", "55,845"}, {"Co", "58,933"},
      {"Ni", "58,693"}, {"Cu", "63,546"}, {"Zn", "65,38"},  {"Br", "79,904"}, {"Tc", "97"},     {"Sn", "118,71"},
      {"I", "126,90"},  {"Dy", "162,50"}, {"U", "238,03"},  {"Ds", "281"}};
  return elemente;
}

double Masse(const std::string& text) { return static_cast<double>(*ZahlLesen(text)); }

void Auswerten(std::string_view text, double x) {
  int fehler = 0;
  FormelAuswerten(text, x, [&](const Text1252&) { ++fehler; });
  FormelAuswerten(text, x, FormelFehler());  // without a receiver of the errors
}

void FormelRechnen(std::string_view formel) {
  FormelUmschreiben(formel, Elemente());
  const Rechenergebnis r = MolmasseBerechnen(Text1252(formel), Elemente());
  fuzz::Pruefen(r.Vorher.size() <= kMolmasseFehlerHoechstens, "hoechstens zehn Fehlermeldungen", formel);
  if (r.Erfolg)
    fuzz::Pruefen(r.Werte.size() == 1 && ZahlLesen(r.Werte[0].Sicht()).has_value(), "eine lesbare Molmasse", formel);
}

// A molecule: atoms with counts and at most one bracketed group; several
// molecules form an adduct, each with an optional count in front.
struct Gebaut {
  std::string Formel;
  double Masse = 0;
};

void AtomAnhaengen(fuzz::Eingabe& eingabe, Gebaut& teil) {
  const std::uint8_t b = eingabe.Byte();
  const std::size_t k = b % (Elemente().size() + 2);
  std::string symbol;
  double masse;
  if (k < Elemente().size()) {
    symbol = Elemente()[k].Symbol;
    masse = Masse(Elemente()[k].Masse);
  } else {
    // Deuterium and tritium, with the masses the calculator documents.
    symbol = k == Elemente().size() ? "D" : "T";
    masse = k == Elemente().size() ? 2.01410 : 3.01605;
  }
  const int anzahl = (b >> 5) == 0 ? 1 : eingabe.Byte() % 99 + 1;
  teil.Formel += symbol;
  if (anzahl > 1 || (b >> 5) == 1) teil.Formel += std::to_string(anzahl);
  teil.Masse += anzahl * masse;
}

Gebaut TeilBauen(fuzz::Eingabe& eingabe) {
  Gebaut teil;
  const int atome = eingabe.Byte() % 4 + 1;
  for (int i = 0; i < atome; ++i) AtomAnhaengen(eingabe, teil);
  const std::uint8_t gruppe = eingabe.Byte();
  if (gruppe % 3 == 0) {
    Gebaut innen;
    const int n = gruppe / 3 % 3 + 1;
    for (int i = 0; i < n; ++i) AtomAnhaengen(eingabe, innen);
    const int anzahl = eingabe.Byte() % 9 + 1;
    const char* klammern = gruppe & 0x80 ? "[]" : "()";
    teil.Formel += klammern[0] + innen.Formel + klammern[1] + (anzahl > 1 ? std::to_string(anzahl) : "");
    teil.Masse += anzahl * innen.Masse;
  }
  return teil;
}

void BekannteFormelPruefen(fuzz::Eingabe& eingabe) {
  Gebaut formel;
  const int teile = eingabe.Byte() % 3 + 1;
  for (int i = 0; i < teile; ++i) {
    const Gebaut teil = TeilBauen(eingabe);
    const int anzahl = eingabe.Byte() % 12;
    if (i > 0) formel.Formel += i % 2 ? "*" : "\xB7";
    if (anzahl > 1) formel.Formel += std::to_string(anzahl);
    formel.Formel += teil.Formel;
    formel.Masse += (anzahl > 1 ? anzahl : 1) * teil.Masse;
  }
  const Rechenergebnis r = MolmasseBerechnen(Text1252(formel.Formel), Elemente());
  fuzz::Pruefen(r.Erfolg && r.Vorher.empty() && r.Werte.size() == 1, "eine Formel ohne Fehler", formel.Formel,
                r.Werte.empty() ? std::string() : r.Werte[0].Bytes());
  const std::optional<long double> wert = ZahlLesen(r.Werte[0].Sicht());
  // Three decimals in the text, and the sums of doubles in either order.
  const bool nah = wert && std::fabs(static_cast<double>(*wert) - formel.Masse) <= 0.0005 + 1e-9 * formel.Masse;
  if (!nah) fuzz::Zeigen("Erwartet", std::to_string(formel.Masse));
  fuzz::Pruefen(nah, "die Molmasse ist die Summe der Atommassen", formel.Formel, r.Werte[0].Bytes());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  fuzz::Eingabe eingabe(daten, groesse);
  switch (eingabe.Byte() % 3) {
    case 0: {
      const auto x = eingabe.Wert<double>();
      Auswerten(eingabe.Rest(), x);
      break;
    }
    case 1:
      FormelRechnen(eingabe.Rest());
      break;
    default:
      BekannteFormelPruefen(eingabe);
      break;
  }
  return 0;
}
