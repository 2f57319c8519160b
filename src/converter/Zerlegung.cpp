// Splitting a value over units.
#include "converter/Zerlegung.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "basis/Gebietsnamen.h"
#include "basis/Zeichensatz.h"

namespace kolvaro {

namespace {

// Up to two decimals, decimal comma, no trailing zeros.
std::string ZahlText(long double wert) {
  char puffer[64];
  std::snprintf(puffer, sizeof puffer, "%.2Lf", wert);
  std::string text(puffer);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  for (char& c : text)
    if (c == '.') c = ',';
  return text;
}

}  // namespace

Text1252 ZerlegungText(long double basis, const std::vector<Zerlegungsteil>& teile) {
  if (teile.empty() || !std::isfinite(basis)) return {};
  const std::size_t n = teile.size();
  long double rest = std::fabs(basis);
  std::vector<long double> werte(n, 0.0L);
  for (std::size_t i = 0; i + 1 < n; ++i) {
    werte[i] = std::floor(rest / teile[i].Faktor);
    rest -= werte[i] * teile[i].Faktor;
    if (rest < 0) rest = 0;
  }
  werte[n - 1] = std::round(rest / teile[n - 1].Faktor * 100.0L) / 100.0L;
  // A part that reached a whole larger unit (by rounding or by the floor of
  // a value just below it) carries into that unit.
  for (std::size_t i = n - 1; i > 0; --i) {
    const long double ganz = std::round(teile[i - 1].Faktor / teile[i].Faktor * 100.0L) / 100.0L;
    while (werte[i] >= ganz - 1e-9L && ganz > 0) {
      werte[i] -= ganz;
      if (werte[i] < 1e-9L) werte[i] = 0;
      werte[i - 1] += 1;
    }
  }
  std::size_t erster = 0;
  while (erster + 1 < n && werte[erster] == 0) ++erster;
  Text1252 text;
  for (std::size_t i = erster; i < n; ++i) {
    if (i > erster) text += ' ';
    if (i == erster && basis < 0 && (werte[i] != 0 || i + 1 < n)) text += '-';
    text += Text1252(ZahlText(werte[i])) + ' ' + teile[i].Zeichen;
  }
  return text;
}

std::vector<const char*> UeblicheZerlegung(const Text1252& gebietsname) {
  if (gebietsname == gebiet::Laenge) return {"mi", "yd", "ft", "in"};
  if (gebietsname == gebiet::Masse) return {"st", "lb", "oz"};
  if (gebietsname == "Zeit") return {"d", "h", "min", "s"};
  if (gebietsname == "Winkel") return {"°", "'", "\""};
  if (gebietsname == gebiet::Volumen) return {"gal", "qt", "pt", "fl oz"};
  return {};
}

}  // namespace kolvaro
