// Checking typed fields and file names.
#include "editing/Eingabepruefung.h"

#include <cmath>
#include <limits>
#include <optional>

#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"

namespace kolvaro {

namespace {

Meldung Fehlerhaft(std::string_view feldname, const char* grund) {
  return InfoMeldung(
      Cp1252(std::string("Das Feld \"") + std::string(feldname) + "\" enthält " + grund + ". Bitte ändern!"));
}

bool Ziffer(char c) { return c >= '0' && c <= '9'; }

// What the form of a typed number tells before its value is read: whether
// it is negative, whether a digit other than 0 stands in it, and the power
// of ten of its first such digit (clamped), so that a number too large or
// too small to read is still told apart from one that is no number.
struct Zahlgestalt {
  bool Negativ = false;
  bool NichtNull = false;
  long long Groessenordnung = 0;
};

std::optional<Zahlgestalt> GestaltLesen(std::string_view text) {
  Zahlgestalt g;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) g.Negativ = text[i++] == '-';
  int ziffern = 0;
  long long stellen = 0;  // digits before the separator, from the first one not 0
  for (; i < text.size() && Ziffer(text[i]); ++i, ++ziffern) {
    if (text[i] != '0') g.NichtNull = true;
    if (g.NichtNull) ++stellen;
  }
  long long fuehrendeNullen = 0;  // zeros after the separator before the first other digit
  if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
    for (++i; i < text.size() && Ziffer(text[i]); ++i, ++ziffern) {
      if (!g.NichtNull && text[i] == '0') ++fuehrendeNullen;
      if (text[i] != '0') g.NichtNull = true;
    }
  }
  if (ziffern == 0) return std::nullopt;
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativ = text[i++] == '-';
    int exponentziffern = 0;
    for (; i < text.size() && Ziffer(text[i]); ++i, ++exponentziffern)
      if (exponent < 1000000000) exponent = exponent * 10 + (text[i] - '0');
    if (exponentziffern == 0) return std::nullopt;
    if (negativ) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;
  g.Groessenordnung = exponent + (stellen > 0 ? stellen - 1 : -fuehrendeNullen - 1);
  return g;
}

}  // namespace

Resultat<long double> FaktorPruefen(std::string_view text, Faktorart art, Faktorstelle stelle) {
  const Meldungsart meldungsart = stelle == Faktorstelle::Kurstabelle ? Meldungsart::Fehler : Meldungsart::Information;
  auto abgelehnt = [meldungsart](const char* utf8) { return Meldung{meldungsart, Cp1252(utf8)}; };

  const auto gestalt = GestaltLesen(text);
  if (!gestalt) {
    switch (stelle) {
      case Faktorstelle::Einfuegen:
        return abgelehnt("Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!");
      case Faktorstelle::Aendern:
        return abgelehnt("Falsche oder keine Angabe im Eingabefeld! Bitte ändern!");
      case Faktorstelle::Kurstabelle:
        break;
    }
    return abgelehnt("Falsche Eingabe, bitte berichtigen!");
  }
  // A number of the right form that does not fit the reader's range counts
  // as larger or smaller than every bound below.
  long double wert = ZahlLesen(text).value_or(std::numeric_limits<long double>::infinity());
  if (std::isinf(wert) || (wert == 0.0L && gestalt->NichtNull))
    wert = gestalt->Groessenordnung > 0 ? std::numeric_limits<long double>::infinity()
                                        : std::numeric_limits<long double>::denorm_min();
  wert = std::copysign(std::fabs(wert), gestalt->Negativ ? -1.0L : 1.0L);
  if (wert == 0.0L) wert = 0.0L;  // -0 is 0

  const auto ausserhalb = [](long double w) { return w < kKleinsterFaktor || w > kGroessterFaktor; };
  const char* const bereich = "Der Umrechnungsfaktor muss zwischen 1E-300 und 1E300 liegen! Bitte ändern!";
  switch (art) {
    case Faktorart::Einheit:
      // 0 or below would divide by zero or turn every result's sign.
      if (!(wert > 0.0L)) return abgelehnt("Der Umrechnungsfaktor muss größer als 0 sein! Bitte ändern!");
      if (ausserhalb(wert)) return abgelehnt(bereich);
      break;
    case Faktorart::Kurs:
      if (wert < 0.0L)
        return abgelehnt(
            "Der Umrechnungsfaktor darf nicht negativ sein (0 steht für einen unbekannten Kurs)! Bitte ändern!");
      if (wert != 0.0L && ausserhalb(wert)) return abgelehnt(bereich);
      break;
    case Faktorart::Zeitdifferenz:
      // West of world time the offset is negative; no zone lies a day or
      // more away, and every zone is a whole number of minutes away.
      if (wert != std::trunc(wert) || std::fabs(wert) > kWeltzeitGrenze)
        return abgelehnt(
            "Die Zeitdifferenz zur Weltzeit muss eine ganze Zahl von Minuten zwischen -1440 und 1440 sein! Bitte "
            "ändern!");
      break;
  }
  return wert;
}

Resultat<> FeldPruefen(std::string_view text, std::string_view feldname, Feldart art) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\t') return Fehlerhaft(feldname, "einen Tabulator");
    const bool zeilenende = c == '\r' || c == '\n';
    if (zeilenende && art == Feldart::Zeilenfeld) return Fehlerhaft(feldname, "einen Zeilenumbruch");
    // A line break in an information text is CR LF; a lone CR or LF is not.
    if (zeilenende && !(c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') &&
        !(c == '\n' && i > 0 && text[i - 1] == '\r'))
      return Fehlerhaft(feldname, "einen einzelnen Zeilenvorschub");
    if (c == '*' && art == Feldart::Infotext) return Fehlerhaft(feldname, "einen Stern (*), der die Texte trennt");
    if ((c < 0x20 && !zeilenende) || c == 0x7F) return Fehlerhaft(feldname, "ein Steuerzeichen");
    if (c == 0xFF) return Fehlerhaft(feldname, "das Zeichen \"ÿ\", das Kolvaro nicht speichern kann");
  }
  return {};
}

Resultat<> DateinamePruefen(std::string_view name) {
  const Meldung falsch = InfoMeldung(Cp1252(
      "Der Dateiname darf nur aus 1 bis 8 Buchstaben (A bis Z), Ziffern, \"_\" und \"-\" bestehen. Bitte ändern!"));
  if (name.empty() || name.size() > 8) return falsch;
  for (char c : name) {
    const bool erlaubt =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    if (!erlaubt) return falsch;
  }
  std::string gross = GrossCp1252(name);
  static const char* const kGeraete[] = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                         "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                         "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
  for (const char* geraet : kGeraete)
    if (gross == geraet)
      return InfoMeldung(Cp1252("\"" + std::string(name) + "\" ist ein Gerätename und kein Dateiname. Bitte ändern!"));
  return {};
}

}  // namespace kolvaro
