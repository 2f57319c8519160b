// Number reading and the converter's two result texts.
#include "converter/Zahlformat.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "data/Zeichensatz.h"

namespace kolvaro {
namespace {

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

void KommaStattPunkt(std::string& text) {
  for (char& c : text)
    if (c == '.') c = ',';
}

}  // namespace

std::optional<long double> ZahlLesen(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::string zahl(text);
  for (char& c : zahl)
    if (c == ',') c = '.';
  // Check the form ourselves: from_chars would accept "inf", "nan" and hex.
  std::size_t i = 0;
  bool negativ = false;
  if (i < zahl.size() && (zahl[i] == '+' || zahl[i] == '-')) negativ = zahl[i++] == '-';
  std::size_t anfang = i;
  int ziffern = 0;
  while (i < zahl.size() && IstZiffer(zahl[i])) ++i, ++ziffern;
  if (i < zahl.size() && zahl[i] == '.') {
    ++i;
    while (i < zahl.size() && IstZiffer(zahl[i])) ++i, ++ziffern;
  }
  if (ziffern == 0) return std::nullopt;
  if (i < zahl.size() && (zahl[i] == 'E' || zahl[i] == 'e')) {
    ++i;
    if (i < zahl.size() && (zahl[i] == '+' || zahl[i] == '-')) ++i;
    int exponentziffern = 0;
    while (i < zahl.size() && IstZiffer(zahl[i])) ++i, ++exponentziffern;
    if (exponentziffern == 0) return std::nullopt;
  }
  if (i != zahl.size()) return std::nullopt;
  long double wert = 0.0L;
  auto [ende, fehler] = std::from_chars(zahl.data() + anfang, zahl.data() + zahl.size(), wert);
  if (fehler == std::errc::result_out_of_range) {
    // Underflow reads as 0 (which callers treat as a zero input); overflow is no number.
    // from_chars leaves the value untouched, so tell the two apart by the exponent.
    auto e = zahl.find_first_of("Ee");
    if (e != std::string::npos && zahl.find('-', e) != std::string::npos) return negativ ? -0.0L : 0.0L;
    return std::nullopt;
  }
  if (fehler != std::errc() || ende != zahl.data() + zahl.size() || !std::isfinite(wert))
    return std::nullopt;
  return negativ ? -wert : wert;
}

std::string WissText(long double r) {
  if (!std::isfinite(r)) return W("Zahl zu groß");
  char puffer[64];
  auto [ende, fehler] =
      std::to_chars(puffer, puffer + sizeof puffer, std::fabs(r), std::chars_format::scientific, 6);
  if (fehler != std::errc()) return W("Zahl zu groß");
  std::string_view roh(puffer, static_cast<std::size_t>(ende - puffer));
  auto e = roh.find('e');
  std::string text;
  if (std::signbit(r) && r != 0.0L) text += '-';
  text += roh.substr(0, e);
  text += 'E';
  text += roh[e + 1];
  std::string_view exponent = roh.substr(e + 2);
  for (std::size_t k = exponent.size(); k < 4; ++k) text += '0';
  text += exponent;
  KommaStattPunkt(text);
  return text;
}

std::string FliessText(long double r) {
  long double betrag = std::fabs(r);
  if (!std::isfinite(r) || betrag > 9.9e12L || betrag < 5e-11L) return WissText(r);
  int dezimalen = 10;
  for (long double grenze = 10.0L; grenze <= 1e10L && betrag >= grenze; grenze *= 10.0L) --dezimalen;
  char puffer[64];
  auto [ende, fehler] =
      std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::fixed, dezimalen);
  if (fehler != std::errc()) return WissText(r);
  std::string text;
  if (r < 0.0L) text += '-';
  text.append(puffer, ende);
  KommaStattPunkt(text);
  auto komma = text.find(',');
  if (komma != std::string::npos) {
    // A group mark before every third digit left of the comma, never at the
    // very front; one right behind the minus sign is dropped below.
    for (std::ptrdiff_t p = static_cast<std::ptrdiff_t>(komma) - 3; p > 0; p -= 3)
      text.insert(static_cast<std::size_t>(p), 1, '.');
  }
  auto minus = text.find("-.");
  if (minus != std::string::npos) text.erase(minus + 1, 1);
  return text;
}

std::string KurzText(long double r) {
  char puffer[80];
  auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, r);
  if (fehler != std::errc()) return WissText(r);
  std::string text(puffer, ende);
  KommaStattPunkt(text);
  return text;
}

}  // namespace kolvaro
