// The evaluator works on the text itself: it splits at the weakest operator
// that stands outside brackets, rightmost first, and evaluates both sides.
// Everything is a view into one buffer without blanks, so a long formula is
// not copied at every level.
#include "basis/Formel.h"

#include <cmath>
#include <limits>

#include "basis/Zahlformat.h"

namespace kolvaro {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kGradZuBogen = 0.017453292519943295;
constexpr char kMalpunkt = '\xB7';

// Power by repeated squaring: the value of base multiplied n times, but in
// about 64 steps whatever n is.
double Potenz(double basis, double exponent) {
  const double n = std::nearbyint(exponent);  // rounds half to even
  if (!std::isfinite(n)) return std::pow(basis, n);
  double betrag = std::fabs(n);
  if (betrag > 9.0e15) return std::pow(basis, n);  // beyond exact whole doubles
  auto rest = static_cast<unsigned long long>(betrag);
  double ergebnis = 1.0;
  double faktor = basis;
  while (rest != 0) {
    if (rest & 1u) ergebnis *= faktor;
    rest >>= 1u;
    if (rest != 0) faktor *= faktor;
  }
  return n < 0 ? 1.0 / ergebnis : ergebnis;
}

class Auswertung {
 public:
  Auswertung(double x, const FormelFehler& fehler) : m_X(x), m_Fehler(fehler) {}

  double Wert(std::string_view text, int tiefe) {
    if (text.empty()) return 0.0;
    if (tiefe > kFormelTiefe) {
      if (!m_ZuTiefGemeldet) Melden("Fehler in " + std::string(text) + ": Formel zu tief geschachtelt");
      m_ZuTiefGemeldet = true;
      return 0.0;
    }
    if (text.front() == '-') return Differenz(text, tiefe);
    for (char op : {'+', '-', '*', kMalpunkt, '/', ':', '^'}) {
      std::size_t stelle = OperatorSuchen(text, op);
      if (stelle == std::string_view::npos) continue;
      double links = Wert(text.substr(0, stelle), tiefe + 1);
      double rechts = Wert(text.substr(stelle + 1), tiefe + 1);
      return Verknuepfen(op, links, rechts, text, stelle);
    }
    return Einzelwert(text, tiefe);
  }

 private:
  // A leading minus means "0-...".
  double Differenz(std::string_view text, int tiefe) {
    std::string mitNull = "0" + std::string(text);
    return Wert(mitNull, tiefe);
  }

  // The rightmost occurrence of op outside brackets, never the first
  // character; npos when there is none. Unbalanced brackets are reported.
  std::size_t OperatorSuchen(std::string_view text, char op) {
    long zaehler = 0;
    for (std::size_t i = text.size() - 1; i >= 1; --i) {
      if (text[i] == ')') ++zaehler;
      if (text[i] == '(') --zaehler;
      if (zaehler == 0 && text[i] == op) return i;
    }
    if (text[0] == ')') ++zaehler;
    if (text[0] == '(') --zaehler;
    if (zaehler != 0) Melden(std::string(text) + "|" + std::to_string(zaehler) + " Klammern zu viel!");
    return std::string_view::npos;
  }

  double Verknuepfen(char op, double links, double rechts, std::string_view text, std::size_t stelle) {
    switch (op) {
      case '+':
        return links + rechts;
      case '-':
        return links - rechts;
      case '*':
      case kMalpunkt:
        return links * rechts;
      case '/':
      case ':':
        if (rechts == 0.0) {
          Melden(std::string(text.substr(0, stelle)) + "/" + std::string(text.substr(stelle + 1)));
          return 0.0;
        }
        return links / rechts;
      default:
        return Potenz(links, rechts);
    }
  }

  double Einzelwert(std::string_view text, int tiefe) {
    if (text.size() > 2) {
      std::string_view name = text.substr(0, 2);
      if (name == "lg" || name == "ln" || name == "lb") {
        double a = Wert(text.substr(2), tiefe + 1);
        if (!(a > 0.0)) return Fehlerwert(text);
        return name == "lg" ? std::log10(a) : name == "ln" ? std::log(a) : std::log2(a);
      }
    }
    if (text.size() > 3) {
      std::optional<double> wert = Funktion(text.substr(0, 3), text, tiefe);
      if (wert) return *wert;
    }
    if (text.front() == '(') {
      while (text.size() >= 2 && text.back() != ')') text.remove_suffix(1);
      if (text.size() < 2) return 0.0;
      return Wert(text.substr(1, text.size() - 2), tiefe + 1);
    }
    if (text == "Pi") return kPi;
    if (text == "x") return m_X;
    std::optional<long double> zahl = ZahlLesen(text);
    if (!zahl) {
      Melden("Syntaxf. in " + std::string(text));
      return 0.0;
    }
    return static_cast<double>(*zahl);
  }

  // nullopt when the first three characters name no function.
  std::optional<double> Funktion(std::string_view name, std::string_view text, int tiefe) {
    static const char* const kNamen[] = {"sin", "cos", "tan", "si_", "co_", "ta_", "atn", "asn", "acs",
                                         "at_", "as_", "ac_", "abs", "exp", "wur", "int", "rou"};
    bool bekannt = false;
    for (const char* n : kNamen) bekannt = bekannt || name == n;
    if (!bekannt) return std::nullopt;
    const double a = Wert(text.substr(3), tiefe + 1);
    const bool grad = name[2] == '_';
    const double bogen = grad ? a * kGradZuBogen : a;
    if (name == "sin" || name == "si_") return std::sin(bogen);
    if (name == "cos" || name == "co_") return std::cos(bogen);
    if (name == "tan" || name == "ta_") {
      if (std::cos(bogen) == 0.0) return Fehlerwert(text);
      return std::tan(bogen);
    }
    const double nachGrad = grad ? 180.0 / kPi : 1.0;
    if (name == "atn" || name == "at_") return std::atan(a) * nachGrad;
    if (name == "asn" || name == "as_" || name == "acs" || name == "ac_") {
      const bool sinus = name[1] == 's';
      if (std::fabs(a - 1.0) < 1e-15) return (sinus ? kPi / 2 : 0.0) * nachGrad;
      if (std::fabs(a + 1.0) < 1e-15) return (sinus ? -kPi / 2 : kPi) * nachGrad;
      if (a * a >= 1.0) return Fehlerwert(text);
      return (sinus ? std::asin(a) : std::acos(a)) * nachGrad;
    }
    if (name == "abs") return std::fabs(a);
    if (name == "exp") return std::exp(a);
    if (name == "wur") {
      if (a < -1e-15) return Fehlerwert(text);
      return a < 0.0 ? 0.0 : std::sqrt(a);
    }
    if (name == "int") return std::trunc(a);
    return std::trunc(a + 0.5);  // rou
  }

  double Fehlerwert(std::string_view text) {
    Melden("Fehler in " + std::string(text));
    return 0.0;
  }

  void Melden(const std::string& detail) {
    // The formula's own characters and ASCII: the same bytes in Windows-1252.
    if (m_Fehler) m_Fehler(Text1252(detail));
  }

  double m_X;
  const FormelFehler& m_Fehler;
  bool m_ZuTiefGemeldet = false;
};

}  // namespace

double FormelAuswerten(std::string_view ausdruck, double x, const FormelFehler& fehler) {
  std::string ohneLeer;
  ohneLeer.reserve(ausdruck.size());
  for (char c : ausdruck)
    if (c != ' ') ohneLeer += c;
  Auswertung auswertung(x, fehler);
  return auswertung.Wert(ohneLeer, 0);
}

}  // namespace kolvaro
