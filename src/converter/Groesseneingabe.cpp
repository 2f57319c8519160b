// Reading number-unit pairs.
#include "converter/Groesseneingabe.h"

#include <cmath>

#include "basis/Gebietsnamen.h"
#include "basis/Texte.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"

namespace kolvaro {

namespace {

constexpr char kGrad = '\xB0';

bool Ziffer(char c) { return c >= '0' && c <= '9'; }

// Equal but for the case of letters, without building the upper-case texts:
// a quantity is read at every key stroke against every unit of the category.
bool GleichBisAufGross(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (GrossCp1252(static_cast<unsigned char>(a[i])) != GrossCp1252(static_cast<unsigned char>(b[i]))) return false;
  return true;
}
bool Leer(char c) { return c == ' ' || c == '\t'; }
bool Zeichen(char c) { return c == kGrad || c == '\'' || c == '"'; }
bool Operator(char c) { return c == '*' || c == '/' || c == ':' || c == '^' || c == '(' || c == ')' || c == '\xB7'; }

// A number begins where a digit follows the start, a blank, a "+" or one
// of the marks ° ' " (which may stand right before the next number).
bool ZahlBeginnt(std::string_view text, std::size_t i) {
  return Ziffer(text[i]) && (i == 0 || Leer(text[i - 1]) || text[i - 1] == '+' || Zeichen(text[i - 1]));
}

struct Paar {
  std::string_view Zahl;
  std::string_view Einheit;  // empty: the number has no unit
};

// The pairs in order; nothing when the text does not begin as a quantity.
std::vector<Paar> Zerlegen(std::string_view text) {
  std::vector<Paar> paare;
  std::size_t i = 0;
  while (i < text.size() && Leer(text[i])) ++i;
  const std::size_t anfang = i;
  while (i < text.size()) {
    const std::size_t zahl = i;
    if (i == anfang && (text[i] == '-' || text[i] == '+')) ++i;
    while (i < text.size() && (Ziffer(text[i]) || text[i] == ',' || text[i] == '.')) ++i;
    Paar p{text.substr(zahl, i - zahl), {}};
    const std::size_t einheit = i;
    while (i < text.size() && !ZahlBeginnt(text, i)) ++i;
    p.Einheit = text.substr(einheit, i - einheit);
    // Blanks and the "+" between two pairs belong to neither.
    while (!p.Einheit.empty() && (Leer(p.Einheit.back()) || p.Einheit.back() == '+')) p.Einheit.remove_suffix(1);
    while (!p.Einheit.empty() && Leer(p.Einheit.front())) p.Einheit.remove_prefix(1);
    paare.push_back(p);
  }
  return paare;
}

// A unit still being typed: the beginning of a symbol or a name.
bool Anfang(std::string_view text, const std::vector<TAusgabetextobject>& einheiten) {
  for (const auto& e : einheiten) {
    if (Getrimmt(e.Kurzzeichen.Sicht()).substr(0, text.size()) == text) return true;
    if (GleichBisAufGross(e.Einheitenname.Sicht().substr(0, text.size()), text)) return true;
  }
  return false;
}

// "1E99999" is a number out of range, not 1 of a unit "E99999".
bool Hochzahl(std::string_view einheit) {
  if (einheit.empty() || (einheit[0] != 'E' && einheit[0] != 'e')) return false;
  einheit.remove_prefix(1);
  if (!einheit.empty() && (einheit[0] == '+' || einheit[0] == '-')) einheit.remove_prefix(1);
  return !einheit.empty() && Ziffer(einheit[0]);
}

Text1252 Teil(const Paar& p) {
  std::string teil(p.Zahl);
  if (!p.Einheit.empty()) teil += " " + std::string(p.Einheit);
  return Text1252(std::move(teil));
}

Groesseneingabe Abgelehnt(Text1252 grund) {
  Groesseneingabe g;
  g.Form = Groessenform::Falsch;
  g.Fehler = FehlerMeldung(Cp1252(texte::kFalscheEingabe) + grund);
  return g;
}

// The unit a symbol or name stands for, or the message why there is none
// (unbekannt: no unit has it, rather than several).
const TAusgabetextobject* EinheitFinden(std::string_view name, const std::vector<TAusgabetextobject>& einheiten,
                                        const Text1252& gebietsname, Text1252& fehler, bool& unbekannt,
                                        const Text1252& land = {}) {
  if (gebietsname == gebiet::Laenge && (name == "'" || name == "\"")) name = name == "'" ? "ft" : "in";
  std::vector<const TAusgabetextobject*> treffer;
  for (const auto& e : einheiten)
    if (Getrimmt(e.Kurzzeichen.Sicht()) == name || GleichBisAufGross(e.Einheitenname.Sicht(), name))
      treffer.push_back(&e);
  if (treffer.size() == 1) return treffer.front();
  if (!land.empty()) {
    std::vector<const TAusgabetextobject*> vomLand;
    for (const auto* e : treffer)
      if (e->Landname == land) vomLand.push_back(e);
    if (!vomLand.empty()) treffer = vomLand;
    if (treffer.size() == 1) return treffer.front();
  }
  unbekannt = treffer.empty();
  if (unbekannt) {
    fehler = "Die Einheit \"" + Text1252(name) + "\" gibt es im Gebiet \"" + gebietsname + "\" nicht.";
    return nullptr;
  }
  for (std::size_t k = 0; k < 3; ++k) {
    const TAusgabetextobject* gewaehlt = nullptr;
    int anzahl = 0;
    for (const auto* e : treffer)
      if (e->Landname.Sicht() == texte::kEinheitenklassen[k]) {
        gewaehlt = e;
        ++anzahl;
      }
    if (anzahl == 1) return gewaehlt;
    if (anzahl > 1) break;
  }
  fehler = "\"" + Text1252(name) + "\" ist mehrdeutig:";
  for (std::size_t i = 0; i < treffer.size() && i < 5; ++i)
    fehler += Cp1252(i == 0 ? " " : ", ") + treffer[i]->Einheitenname + " (" + treffer[i]->Landname + ")";
  if (treffer.size() > 5) fehler += " und " + Text1252::Zahl(static_cast<long long>(treffer.size() - 5)) + " weitere";
  fehler += ". Bitte eine Einheit wählen, deren Kurzzeichen oder Name eindeutig ist.";
  return nullptr;
}

}  // namespace

Resultat<const TAusgabetextobject*> EinheitNachZeichen(std::string_view zeichen,
                                                       const std::vector<TAusgabetextobject>& einheiten,
                                                       const Text1252& gebietsname, const Text1252& land) {
  Text1252 fehler;
  bool unbekannt = false;
  if (const auto* e = EinheitFinden(zeichen, einheiten, gebietsname, fehler, unbekannt, land)) return e;
  return FehlerMeldung(fehler);
}

Groesseneingabe GroesseLesen(std::string_view eingabe, const std::vector<TAusgabetextobject>& einheiten,
                             const Text1252& gebietsname) {
  const std::vector<Paar> paare = Zerlegen(eingabe);
  // A quantity begins with a number and a unit; "3*2" or "Pi/2" are calculations.
  if (paare.empty() || paare.front().Einheit.empty() || Operator(paare.front().Einheit.front()) ||
      Hochzahl(paare.front().Einheit) || !ZahlLesen(paare.front().Zahl))
    return {};
  Groesseneingabe g;
  long double summe = 0.0L;
  for (std::size_t i = 0; i < paare.size(); ++i) {
    const Paar& p = paare[i];
    const auto zahl = ZahlLesen(p.Zahl);
    if (!zahl) return Abgelehnt("\"" + Teil(p) + "\" ist keine Zahl mit Einheit.");
    if (p.Einheit.empty()) {
      if (i + 1 == paare.size()) {
        g.Form = Groessenform::Unfertig;
        g.Fehler = FehlerMeldung(Cp1252(texte::kFalscheEingabe) + "Die Zahl \"" + Teil(p) + "\" hat keine Einheit.");
        return g;
      }
      return Abgelehnt("Die Zahl \"" + Teil(p) + "\" hat keine Einheit.");
    }
    Text1252 fehler;
    bool unbekannt = false;
    const TAusgabetextobject* einheit = EinheitFinden(p.Einheit, einheiten, gebietsname, fehler, unbekannt);
    if (!einheit) {
      g = Abgelehnt(fehler);
      // The last unit may still be being typed ("5 ft 3 i").
      if (unbekannt && i + 1 == paare.size() && Anfang(p.Einheit, einheiten)) g.Form = Groessenform::Unfertig;
      return g;
    }
    if (!(einheit->Faktor > 0.0L)) return Abgelehnt("\"" + einheit->Einheitenname + "\" hat keinen gültigen Faktor.");
    summe += *zahl * einheit->Faktor;
  }
  if (!std::isfinite(summe)) return Abgelehnt(Cp1252("Die Summe ist zu groß."));
  g.Form = Groessenform::Groesse;
  g.Wert = summe;
  return g;
}

}  // namespace kolvaro
