// Rewriting a chemical formula into an expression of masses, step by step
// with plain text replacements, then evaluating it.
#include "calculators/Molmasse.h"

#include <charconv>
#include <cmath>

#include "basis/Formel.h"
#include "basis/Texte.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Nfo.h"

namespace kolvaro {

namespace {

// Atomic masses of the hydrogen isotopes (AME 2020): 2.01410177812 u and
// 3.01604928 u.
constexpr const char* kDeuterium = "2,01410";
constexpr const char* kTritium = "3,01605";

void AllesErsetzen(std::string& text, std::string_view alt, std::string_view neu) {
  for (std::size_t p = text.find(alt); p != std::string::npos; p = text.find(alt, p + neu.size()))
    text.replace(p, alt.size(), neu);
}

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

// The length of a count at the start of a part: digits, a decimal part,
// a fraction ("2", "0,5", "1/2").
std::size_t ZaehlerLaenge(std::string_view teil) {
  std::size_t i = 0;
  while (i < teil.size() && IstZiffer(teil[i])) ++i;
  if (i == 0) return 0;
  auto ziffernAb = [&](std::size_t ab) {
    std::size_t j = ab;
    while (j < teil.size() && IstZiffer(teil[j])) ++j;
    return j;
  };
  if (i + 1 < teil.size() && (teil[i] == ',' || teil[i] == '.') && IstZiffer(teil[i + 1])) i = ziffernAb(i + 1);
  if (i + 1 < teil.size() && teil[i] == '/' && IstZiffer(teil[i + 1])) i = ziffernAb(i + 1);
  return i;
}

// Whether the rest behind a count is a molecule (a symbol or a bracket) and
// not the rest of a calculation such as the power in "2^3".
bool MolekuelFolgt(std::string_view rest) {
  const std::size_t erstes = rest.find_first_not_of(' ');
  if (erstes == std::string_view::npos) return false;
  const char c = rest[erstes];
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '(' || c == '[';
}

// A count in front of a molecule multiplies the whole molecule: "2H2O"
// becomes "2{H2O}". The parts of an adduct ("*" or "·") add.
std::string MolekueleGruppieren(std::string_view formel) {
  std::string ergebnis;
  std::size_t anfang = 0;
  while (anfang <= formel.size()) {
    std::size_t ende = formel.find_first_of(std::string_view("*\xB7", 2), anfang);
    if (ende == std::string_view::npos) ende = formel.size();
    std::string_view teil = formel.substr(anfang, ende - anfang);
    std::size_t zaehler = ZaehlerLaenge(teil);
    if (anfang > 0) ergebnis += '+';
    if (zaehler > 0 && MolekuelFolgt(teil.substr(zaehler)))
      ergebnis += std::string(teil.substr(0, zaehler)) + "{" + std::string(teil.substr(zaehler)) + "}";
    else
      ergebnis += teil;
    anfang = ende + 1;
  }
  return ergebnis;
}

// Every occurrence of the symbol becomes "+" and the mass, with "*" when a
// count follows. The scan goes on behind each replacement, so a mass text
// can never be matched again.
void SymbolErsetzen(std::string& text, std::string_view symbol, std::string_view masse) {
  for (std::size_t p = text.find(symbol); p != std::string::npos;) {
    std::size_t danach = p + symbol.size();
    bool zahlFolgt = danach < text.size() && text[danach] >= '1' && text[danach] <= '9';
    std::string neu = "+" + std::string(masse) + (zahlFolgt ? "*" : "");
    text.replace(p, symbol.size(), neu);
    p = text.find(symbol, p + neu.size());
  }
}

}  // namespace

Resultat<std::vector<Element>> ElementeLaden(const std::filesystem::path& verzeichnis) {
  auto zeilen = NfoLesen(verzeichnis, kElementdatei, kElementKopfzeilen);
  if (!zeilen) return zeilen.Fehler();
  std::vector<Element> elemente;
  elemente.reserve(zeilen->size());
  for (const std::string& zeile : *zeilen) elemente.push_back({Feld(zeile, '\t', 2), Feld(zeile, '\t', 5)});
  return elemente;
}

std::string FormelUmschreiben(std::string_view formel, const std::vector<Element>& elemente) {
  std::string text = MolekueleGruppieren(formel);
  AllesErsetzen(text, "1/2", "0,5");
  for (std::size_t laenge : {2u, 1u})
    for (const Element& e : elemente)
      if (e.Symbol.size() == laenge) SymbolErsetzen(text, e.Symbol, e.Masse);
  SymbolErsetzen(text, "D", kDeuterium);
  SymbolErsetzen(text, "T", kTritium);
  // Bond signs add; a count after a closing bracket multiplies the group.
  AllesErsetzen(text, "-", "+");
  AllesErsetzen(text, "=", "+");
  AllesErsetzen(text, ")", ")*");
  AllesErsetzen(text, "]", ")*");
  AllesErsetzen(text, "(", "+(");
  AllesErsetzen(text, "[", "+(");
  AllesErsetzen(text, "{", "*(");
  AllesErsetzen(text, "}", ")");
  if (!text.empty() && text.back() == '*') text.pop_back();
  if (!text.empty() && text.front() == '*') text.erase(0, 1);
  if (!text.empty() && text.front() == '+') text.erase(0, 1);
  if (!text.empty() && text.back() == '+') text.pop_back();
  AllesErsetzen(text, "(+", "(");
  AllesErsetzen(text, "*+", "+");
  AllesErsetzen(text, "*)", ")");
  return text;
}

std::string MolmassenText(double wert) {
  char puffer[400];
  auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, 3);
  std::string text = fehler == std::errc() ? std::string(puffer, ende) : std::string();
  for (char& c : text)
    if (c == '.') c = ',';
  return text;
}

Rechenergebnis MolmasseBerechnen(const Text1252& eingabe, const std::vector<Element>& elemente) {
  const std::string_view formel = eingabe.Sicht();
  Rechenergebnis ergebnis;
  if (formel.empty()) return ergebnis;
  std::vector<Text1252> details;
  const double wert =
      FormelAuswerten(FormelUmschreiben(formel, elemente), 0.0, [&](const Text1252& d) { details.push_back(d); });
  Rechenergebnis& ablauf = ergebnis;
  if (!std::isfinite(wert)) {
    ablauf.Fehler = FehlerMeldung(Cp1252("Falsche Eingabe im Werteingabeld! Bitte ändern!"));
    ablauf.FokusDanach = Fokus::FokusUndMarkieren;
    return ergebnis;
  }
  for (std::size_t i = 0; i < details.size() && i < kMolmasseFehlerHoechstens; ++i)
    ablauf.Vorher.push_back(FehlerMeldung(Cp1252(texte::kFalscheEingabe) + details[i]));
  if (details.size() > kMolmasseFehlerHoechstens)
    ablauf.Vorher.back().Text += " (und " +
                                 Text1252::Zahl(static_cast<long long>(details.size() - kMolmasseFehlerHoechstens)) +
                                 " weitere Fehler)";
  if (!details.empty()) ablauf.FokusDanach = Fokus::FokusUndMarkieren;
  ablauf.Erfolg = true;
  ergebnis.Werte.push_back(Text1252(MolmassenText(wert)));
  return ergebnis;
}

}  // namespace kolvaro
