// "Ofenstufen": the gas marks of British gas ovens stand for temperatures in
// steps of 25 °F, so a temperature shows the nearest mark. Every unit goes
// through degrees Fahrenheit.
#include <cmath>

#include "basis/Werteingabe.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {
namespace {

// Gas mark 1 is 275 °F and every mark up to 10 adds 25 °F; below 1 the
// marks halve, ¼ and ½ standing for 225 and 250 °F (R. Rowlett, How Many?
// A Dictionary of Units of Measurement, "gas mark"; Oxford English
// Dictionary, "gas mark"). The Celsius values printed in recipes are
// rounded from these by the cooks; here they are converted exactly.
struct Gasstufe {
  long double Stufe;
  const char* Text;  // UTF-8
  long double Fahrenheit;
};
const Gasstufe kStufen[] = {
    {0.25L, "¼", 225}, {0.5L, "½", 250}, {1, "1", 275}, {2, "2", 300}, {3, "3", 325}, {4, "4", 350},
    {5, "5", 375},     {6, "6", 400},    {7, "7", 425}, {8, "8", 450}, {9, "9", 475}, {10, "10", 500},
};
// Half a step either way belongs to a mark, also beyond the first and the
// last.
constexpr long double kHalberSchritt = 12.5L;

enum class Ofeneinheit { GasMark, Celsius, Fahrenheit };
struct Ofenregel {
  const char* Name;  // UTF-8
  Ofeneinheit Art;
};
const Ofenregel kEinheiten[] = {
    {"Gas Mark", Ofeneinheit::GasMark},
    {"Grad Celsius", Ofeneinheit::Celsius},
    {"Grad Fahrenheit", Ofeneinheit::Fahrenheit},
};

const Gasstufe* StufeZu(long double gasMark) {
  for (const auto& s : kStufen)
    if (s.Stufe == gasMark) return &s;
  return nullptr;
}

const Gasstufe* NaechsteStufe(long double fahrenheit) {
  for (const auto& s : kStufen)
    if (std::fabs(fahrenheit - s.Fahrenheit) <= kHalberSchritt) return &s;
  return nullptr;
}

}  // namespace

Rechenergebnis OfenstufenUmrechnen(Sonderkontext& k) {
  const Ofenregel* quelle = RegelFuer(kEinheiten, k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Einheitenname);
  if (!quelle) return UnbekannteEinheitFehler();
  // The marks below 1 as the dial shows them.
  const std::string_view roh = Getrimmt(k.Eingabe);
  std::optional<long double> eingabe;
  if (quelle->Art == Ofeneinheit::GasMark && roh == Cp1252("¼").Sicht())
    eingabe = 0.25L;
  else if (quelle->Art == Ofeneinheit::GasMark && roh == Cp1252("½").Sicht())
    eingabe = 0.5L;
  else
    eingabe = ZahlOderRechnung(k.Eingabe);
  if (!eingabe) return AllgemeinerEingabeFehler();
  long double fahrenheit = *eingabe;
  if (quelle->Art == Ofeneinheit::GasMark) {
    const Gasstufe* stufe = StufeZu(*eingabe);
    if (!stufe) return EingabeFehler(Cp1252("Gas Mark gibt es nur als ¼, ½ und 1 bis 10!"));
    fahrenheit = stufe->Fahrenheit;
  } else if (quelle->Art == Ofeneinheit::Celsius) {
    fahrenheit = *eingabe * 9 / 5 + 32;
  }
  if (!std::isfinite(fahrenheit)) return AllgemeinerEingabeFehler();
  for (auto& e : k.Einheiten) {
    const Ofenregel* ziel = RegelFuer(kEinheiten, e.Einheitenname);
    if (!ziel) {
      ErgebnisSetzen(e, Cp1252(kKeineAngabe));
      continue;
    }
    switch (ziel->Art) {
      case Ofeneinheit::GasMark: {
        const Gasstufe* stufe = NaechsteStufe(fahrenheit);
        ErgebnisSetzen(e, Cp1252(stufe ? stufe->Text : kKeineAngabe));
        break;
      }
      case Ofeneinheit::Celsius: {
        const long double c = ziel == quelle ? *eingabe : (fahrenheit - 32) * 5 / 9;
        ErgebnisSetzen(e, WissText(c), FestTextKomma(c, 1));
        break;
      }
      case Ofeneinheit::Fahrenheit:
        ErgebnisSetzen(e, WissText(fahrenheit), FestTextKomma(fahrenheit, 1));
        break;
    }
  }
  return Erledigt();
}

}  // namespace kolvaro
