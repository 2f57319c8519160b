// "Zahlensysteme": binary, decimal, hexadecimal, octal and Roman numerals,
// converted through one 32-bit integer. Lines 0 to 4 of the data file are
// the five systems in that order.
#include <cstdint>
#include <limits>

#include "basis/Zeichensatz.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {
namespace {

enum Zeile { kBinaer = 0, kDezimal = 1, kHex = 2, kOktal = 3, kRoemisch = 4 };

constexpr std::int64_t kGroesster = std::numeric_limits<std::int32_t>::max();

int RoemischerWert(char c) {
  switch (c) {
    case 'I':
      return 1;
    case 'V':
      return 5;
    case 'X':
      return 10;
    case 'L':
      return 50;
    case 'C':
      return 100;
    case 'D':
      return 500;
    case 'M':
      return 1000;
    default:
      return 0;
  }
}

std::string Stellen(std::int64_t wert, int basis) {
  static const char ziffern[] = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), ziffern[wert % basis]);
    wert /= basis;
  } while (wert > 0);
  return text;
}

std::string Roemisch(std::int64_t wert) {
  std::string text(static_cast<std::size_t>(wert / 1000), 'M');
  const char* stufen[3][3] = {{"C", "D", "M"}, {"X", "L", "C"}, {"I", "V", "X"}};
  const std::int64_t teiler[3] = {100, 10, 1};
  for (int s = 0; s < 3; ++s) {
    const int ziffer = static_cast<int>(wert / teiler[s] % 10);
    const std::string eins = stufen[s][0], fuenf = stufen[s][1], zehn = stufen[s][2];
    if (ziffer == 9)
      text += eins + zehn;
    else if (ziffer >= 5) {
      text += fuenf;
      for (int i = 5; i < ziffer; ++i) text += eins;
    } else if (ziffer == 4)
      text += eins + fuenf;
    else
      for (int i = 0; i < ziffer; ++i) text += eins;
  }
  return text;
}

// The digits of a system (ASCII), or the overflow note when they do not fit.
Text1252 Begrenzt(std::string ziffern, std::size_t maximum) {
  return ziffern.size() > maximum ? Cp1252("Zahl zu groß") : Text1252(std::move(ziffern));
}

bool NurZeichen(std::string_view text, std::string_view erlaubt) {
  return !text.empty() && text.find_first_not_of(erlaubt) == std::string_view::npos;
}

}  // namespace

Resultat<> ZahlensystemdateiPruefen(const std::string& datendatei, const std::vector<Text1252>& namen) {
  // In the order of Zeile.
  return ZeilennamenPruefen(datendatei, namen,
                            {"Binärzahl", "Dezimalzahl", "Hexadezimalzahl", "Oktalzahl", "Römische Zahl"});
}

Rechenergebnis ZahlensystemeUmrechnen(Sonderkontext& k) {
  const int zeile = k.Einheiten[static_cast<std::size_t>(k.Auswahl)].Dateizeile;
  const std::string_view text = Getrimmt(k.Eingabe);
  const Text1252 zuGross = Cp1252("Zahl im Eingabefeld zu groß!");

  // Phase 1 and 2: check the input and read its value.
  std::int64_t zahlwert = 0;
  switch (zeile) {
    case kBinaer:
    case kOktal: {
      const bool binaer = zeile == kBinaer;
      if (!NurZeichen(text, binaer ? "01" : "01234567"))
        return EingabeFehler(binaer ? Cp1252("Falsche Eingabe im Werteingabeld! Es sind nur 1 und 0 erlaubt!")
                                    : Cp1252("Falsche Eingabe im Werteingabeld! Es sind nur folgende Zeichen erlaubt: "
                                             "0, 1, 2, 3, 4, 5, 6, 7!"));
      for (char c : text) {
        zahlwert = zahlwert * (binaer ? 2 : 8) + (c - '0');
        if (zahlwert > kGroesster) return EingabeFehler(zuGross);
      }
      break;
    }
    case kDezimal: {
      auto wert = GanzzahlLesen(text);
      const Text1252 ganzeZahlen = Cp1252("Falsche Eingabe im Werteingabeld! Es sind nur ganze Zahlen erlaubt!");
      if (!wert) {
        // Digits alone that do not fit are too large, anything else is no integer.
        const bool nurZiffern = NurZeichen(text.substr(text.size() && text[0] == '+' ? 1 : 0), "0123456789");
        return EingabeFehler(nurZiffern ? zuGross : ganzeZahlen);
      }
      if (*wert < 0) return EingabeFehler(ganzeZahlen);
      if (*wert > kGroesster) return EingabeFehler(zuGross);
      zahlwert = *wert;
      break;
    }
    case kHex: {
      if (!NurZeichen(text, "0123456789ABCDEF"))
        return EingabeFehler(
            Cp1252("Falsche Eingabe im Werteingabeld! Es sind nur folgende Zeichen erlaubt: 0, 1, 2, 3, "
                   "4, 5, 6, 7, 8, 9, A, B, C, D, E, F!"));
      for (char c : text) {
        zahlwert = zahlwert * 16 + (c <= '9' ? c - '0' : c - 'A' + 10);
        if (zahlwert > kGroesster) return EingabeFehler(Cp1252("Die Hexadezimalzahl ist zu groß!"), Fokus::NurFokus);
      }
      break;
    }
    case kRoemisch: {
      if (!NurZeichen(text, "IVXLCDM"))
        return EingabeFehler(
            Cp1252("Falsche Eingabe im Werteingabeld! Es sind nur folgende Zeichen erlaubt: I, V, X, L, "
                   "C, D, M!"));
      for (std::size_t i = 0; i < text.size(); ++i) {
        const int wert = RoemischerWert(text[i]);
        const bool abziehen = i + 1 < text.size() && wert < RoemischerWert(text[i + 1]);
        zahlwert += abziehen ? -wert : wert;
      }
      break;
    }
    default:
      return UnbekannteEinheitFehler();
  }

  // Phase 3: every system's text.
  Text1252 roemisch;
  for (auto& e : k.Einheiten) {
    switch (e.Dateizeile) {
      case kBinaer:
        ErgebnisSetzen(e, Begrenzt(Stellen(zahlwert, 2), 15));
        break;
      case kDezimal:
        ErgebnisSetzen(e, Begrenzt(std::to_string(zahlwert), 15));
        break;
      case kHex:
        ErgebnisSetzen(e, Text1252(Stellen(zahlwert, 16)));
        break;
      case kOktal:
        ErgebnisSetzen(e, Begrenzt(Stellen(zahlwert, 8), 15));
        break;
      case kRoemisch:
        roemisch = zahlwert > 0 ? Begrenzt(Roemisch(zahlwert), 14) : Text1252();
        ErgebnisSetzen(e, roemisch);
        break;
      default:
        ErgebnisSetzen(e, Text1252());
        break;
    }
  }
  Rechenergebnis r;
  r.Erfolg = true;
  if (zeile == kRoemisch) {
    if (zahlwert > 0 && roemisch.empty()) roemisch = Begrenzt(Roemisch(zahlwert), 14);  // no Roman unit listed
    // A numeral that is not written the canonical way is converted, then reported.
    if (roemisch.Sicht() != k.Eingabe) {
      r.Nachher.push_back(FehlerMeldung(Cp1252("Falsche Römische Zahl!")));
      r.FokusDanach = Fokus::NurFokus;
    }
  }
  return r;
}

}  // namespace kolvaro
