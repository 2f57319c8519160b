// "Ringgrößen": the ring size systems through the ring's inner
// circumference in millimetres, which is the size itself in the
// international system (ISO 8653) that Germany, Austria and France use.
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
// Italy, Spain, the Netherlands and Switzerland count the circumference
// above 40 mm.
constexpr long double kSchweizAb = 40.0L;

// USA and Canada: size 0 has an inner diameter of 0.458 inch, and each size
// adds 0.032 inch (Wikipedia, "Ring size"); sizes go in quarters, here 0 to 16.
long double UsaUmfang(long double groesse) { return kPi * (0.458L + 0.032L * groesse) * 25.4L; }

const std::vector<Stufe>& Usa() {
  static const std::vector<Stufe> stufen = [] {
    std::vector<Stufe> s;
    for (int viertel = 0; viertel <= 16 * 4; ++viertel) {
      std::string name = std::to_string(viertel / 4);
      static const char* const rest[] = {"", ",25", ",5", ",75"};
      name += rest[viertel % 4];
      s.push_back({name, UsaUmfang(viertel / 4.0L)});
    }
    return s;
  }();
  return stufen;
}

// Great Britain, Ireland and Australia: letters A to Z with half sizes
// between them. A to I by their inner circumference in the conversion chart
// of Wikipedia's "Ring size" (mm), J to Z by their inner diameter in the
// UK ring size list of Zuzu Jewellery (mm).
const std::vector<Stufe>& Grossbritannien() {
  static const std::vector<Stufe> stufen = [] {
    static const long double umfangAbisI[] = {37.8L, 39.1L, 40.4L, 41.7L, 42.9L, 44.2L, 45.5L, 46.8L, 48.0L};
    static const long double durchmesserJbisZ[] = {15.61L, 16.00L, 16.40L, 16.79L, 17.18L, 17.58L,
                                                   17.97L, 18.36L, 18.76L, 19.15L, 19.55L, 19.94L,
                                                   20.33L, 20.73L, 21.12L, 21.51L, 21.91L};
    std::vector<long double> umfang(std::begin(umfangAbisI), std::end(umfangAbisI));
    for (long double d : durchmesserJbisZ) umfang.push_back(kPi * d);
    std::vector<Stufe> s;
    for (std::size_t i = 0; i < umfang.size(); ++i) {
      const std::string buchstabe(1, static_cast<char>('A' + i));
      s.push_back({buchstabe, umfang[i]});
      // A half size lies halfway to the next letter.
      if (i + 1 < umfang.size()) s.push_back({buchstabe + "\xBD", (umfang[i] + umfang[i + 1]) / 2});
    }
    return s;
  }();
  return stufen;
}

// Japan: whole sizes only; size 1 has an inner diameter of 13 mm and every
// third size adds a millimetre (the size comparison of the jeweller J-Tano,
// "ringsize-hikaku"); here 1 to 30.
const std::vector<Stufe>& Japan() {
  static const std::vector<Stufe> stufen = [] {
    std::vector<Stufe> s;
    for (int n = 1; n <= 30; ++n) s.push_back({std::to_string(n), kPi * (13.0L + (n - 1) / 3.0L)});
    return s;
  }();
  return stufen;
}

// A British size as typed: "N", "n", "N½", "N 1/2", "N1/2", "N,5", "N.5".
std::optional<long double> BuchstabeLesen(std::string_view eingabe) {
  std::string text(Getrimmt(eingabe));
  if (text.empty()) return std::nullopt;
  std::string rest(Getrimmt(std::string_view(text).substr(1)));
  if (rest == "1/2" || rest == ",5" || rest == ".5") text = text.substr(0, 1) + "\xBD";
  if (auto i = StufeLesen(Grossbritannien(), text)) return Grossbritannien()[*i].Wert;
  return std::nullopt;
}

enum class Art { Keine, Umfang, Frankreich, Schweiz, Durchmesser, Usa, Grossbritannien, Japan };

Art ArtDer(const Text1252& name) {
  if (name == "Deutschland (Innenumfang in mm)") return Art::Umfang;
  if (name == "Frankreich") return Art::Frankreich;
  if (name == "Schweiz") return Art::Schweiz;
  if (name == "Innendurchmesser in Millimeter") return Art::Durchmesser;
  if (name == "USA/Kanada") return Art::Usa;
  if (name == Cp1252("Großbritannien/Australien")) return Art::Grossbritannien;
  if (name == "Japan") return Art::Japan;
  return Art::Keine;
}

}  // namespace

Rechenergebnis RinggroessenUmrechnen(Sonderkontext& k) {
  const Art quelle = ArtDer(k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Einheitenname);
  if (quelle == Art::Keine) return UnbekannteEinheitFehler();
  std::optional<long double> umfang;
  if (quelle == Art::Grossbritannien) {
    umfang = BuchstabeLesen(k.Eingabe);
  } else if (quelle == Art::Japan) {
    // Only the whole sizes exist; a calculation may name one.
    umfang = StufenwertLesen(Japan(), k.Eingabe, [](long n) { return std::to_string(n); });
  } else if (auto x = ZahlOderRechnung(k.Eingabe)) {
    switch (quelle) {
      case Art::Umfang:
      case Art::Frankreich:
        umfang = *x;
        break;
      case Art::Schweiz:
        umfang = *x + kSchweizAb;
        break;
      case Art::Durchmesser:
        umfang = kPi * *x;
        break;
      case Art::Usa:
        // Below size 0 the system has no sizes.
        if (*x >= 0) umfang = UsaUmfang(*x);
        break;
      default:
        break;
    }
  }
  if (!umfang || !(*umfang > 0) || !std::isfinite(*umfang)) return AllgemeinerEingabeFehler();
  const long double u = *umfang;
  for (auto& e : k.Einheiten) {
    switch (ArtDer(e.Einheitenname)) {
      case Art::Umfang:
      case Art::Frankreich:
        StandardErgebnis(e, u);
        break;
      case Art::Schweiz:
        if (u < kSchweizAb)
          ErgebnisSetzen(e, Cp1252(kKeineAngabe));
        else
          StandardErgebnis(e, u - kSchweizAb);
        break;
      case Art::Durchmesser:
        StandardErgebnis(e, u / kPi);
        break;
      case Art::Usa:
        ErgebnisSetzen(e, StufenText(Usa(), u));
        break;
      case Art::Grossbritannien:
        ErgebnisSetzen(e, StufenText(Grossbritannien(), u));
        break;
      case Art::Japan:
        ErgebnisSetzen(e, StufenText(Japan(), u));
        break;
      case Art::Keine:
        ErgebnisSetzen(e, Cp1252(kKeineAngabe));
        break;
    }
  }
  return Erledigt();
}

}  // namespace kolvaro
