// Calendar arithmetic: texts, the Julian, Gregorian and Western calendars,
// the Islamic, French Republican, Egyptian-type, Ethiopian, Coptic and Saka
// calendars, the Maya long count and Easter. The Jewish, Iranian and Bahá'í
// calendars are in KalenderJuedisch.cpp.
//
// The quotients below are C++ quotients (truncated toward zero), as the
// classical day-number formulas expect; in the range JD 0 to 10 000 000 every
// intermediate value is positive, so nothing depends on the rounding there.
#include "special/Kalenderrechnung.h"

#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "special/KalenderIntern.h"

namespace kolvaro {

using kalenderintern::AlsTagnummer;
using kalenderintern::FloorDiv;
using kalenderintern::Ganzzahl64;
using kalenderintern::JahrHeraus;
using kalenderintern::JahrHinein;

namespace {

std::string_view Teil(std::string_view text, std::size_t ab, std::size_t anzahl = std::string_view::npos) {
  if (ab >= text.size()) return {};
  return text.substr(ab, anzahl);
}

std::string DatumAusJahr(Ganzzahl64 tag, Ganzzahl64 monat, Ganzzahl64 jahr) {
  return DatumText(static_cast<long>(tag), static_cast<long>(monat), static_cast<long>(jahr));
}

// ---- Julian and Gregorian calendars ----

Ganzzahl64 JulianischerTag(Ganzzahl64 tag, Ganzzahl64 monat, Ganzzahl64 jahr) {
  Ganzzahl64 a = (14 - monat) / 12;
  Ganzzahl64 y = jahr + 4800 - a;
  Ganzzahl64 m = monat + 12 * a - 3;
  return tag + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083;
}

std::optional<long> MitDatum(std::string_view text, Ganzzahl64 (*rechnung)(const Datum&)) {
  std::optional<Datum> d = DatumLesen(text);
  if (!d) return std::nullopt;
  return AlsTagnummer(rechnung(*d));
}

// ---- calendars of 365 days: twelve months of 30 days and five extra days ----

struct Wandeljahr {
  Ganzzahl64 j, y, m;
};
constexpr Wandeljahr Yazdegard{77, 5348, 9};
constexpr Wandeljahr Aegyptisch{47, 3968, 0};
constexpr Wandeljahr Armenisch{317, 5268, 0};

std::string AusWandeljahr(long jd, const Wandeljahr& k) {
  Ganzzahl64 t = Ganzzahl64{jd} + k.j;
  Ganzzahl64 y0 = t / 365;
  Ganzzahl64 g = t % 365;
  Ganzzahl64 monat = ((g / 30 + k.m) % 13) + 1;
  Ganzzahl64 tag = g % 30 + 1;
  Ganzzahl64 jahr = y0 - k.y + (13 + k.m - monat) / 13;
  return DatumAusJahr(tag, monat, JahrHeraus(jahr));
}

std::optional<long> InWandeljahr(std::string_view text, const Wandeljahr& k) {
  std::optional<Datum> d = DatumLesen(text);
  if (!d) return std::nullopt;
  Ganzzahl64 g = JahrHinein(d->Jahr) + k.y - (13 + k.m - d->Monat) / 13;
  Ganzzahl64 f = (d->Monat - k.m + 12) % 13;
  return AlsTagnummer(365 * g + 30 * f + d->Tag - 1 - k.j);
}

// ---- Ethiopian and Coptic: like the above, with a sixth extra day every fourth year ----

constexpr Ganzzahl64 EthiopischeJahre = 4720;
constexpr Ganzzahl64 KoptischeJahre = 4996;

std::string AusAlexandrinisch(long jd, Ganzzahl64 jahre) {
  Ganzzahl64 k = 4 * (Ganzzahl64{jd} + 124) + 3;
  Ganzzahl64 y0 = k / 1461;
  Ganzzahl64 g = (k % 1461) / 4;
  Ganzzahl64 monat = ((g / 30) % 13) + 1;
  Ganzzahl64 tag = g % 30 + 1;
  Ganzzahl64 jahr = y0 - jahre + (13 - monat) / 13;
  return DatumAusJahr(tag, monat, JahrHeraus(jahr));
}

std::optional<long> InAlexandrinisch(std::string_view text, Ganzzahl64 jahre) {
  std::optional<Datum> d = DatumLesen(text);
  if (!d) return std::nullopt;
  Ganzzahl64 g = JahrHinein(d->Jahr) + jahre - (13 - d->Monat) / 13;
  Ganzzahl64 f = (d->Monat + 12) % 13;
  return AlsTagnummer((1461 * g) / 4 + 30 * f + d->Tag - 1 - 124);
}

}  // namespace

// ---- texts ----

const std::string& AusserhalbBereich() {
  static const std::string text = Cp1252("außerh. Bereich").Bytes();
  return text;
}

std::optional<Datum> DatumLesen(std::string_view text) {
  // The year is read up to the end of the text. Reading a fixed number of
  // characters would turn "01.01.-10000" into the year -1000 and ignore
  // trailing characters; the whole rest is either a number or an error.
  const auto tag = Ganzzahl32Lesen(Teil(text, 0, 2));
  const auto monat = Ganzzahl32Lesen(Teil(text, 3, 2));
  const auto jahr = Ganzzahl32Lesen(Teil(text, 6));
  if (!tag || !monat || !jahr) return std::nullopt;
  return Datum{*tag, *monat, *jahr};
}

bool DatumFormGueltig(std::string_view text, int groessterTag, int groessterMonat) {
  if (text.size() < 6 || text[2] != '.' || text[5] != '.') return false;
  const std::optional<Datum> d = DatumLesen(text);
  return d && d->Tag >= 1 && d->Tag <= groessterTag && d->Monat >= 1 && d->Monat <= groessterMonat && d->Jahr != 0;
}

bool AusgelassenerTag(std::string_view text) {
  if (text.size() != 10 || text.substr(2) != ".10.1582") return false;
  if (text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') return false;
  const int tag = (text[0] - '0') * 10 + (text[1] - '0');
  return tag >= 5 && tag <= 14;
}

std::string DatumText(long tag, long monat, long jahr) {
  auto zweistellig = [](long n) {
    std::string s = std::to_string(n);
    return s.size() == 1 ? "0" + s : s;
  };
  std::string j = std::to_string(jahr);
  if (j.size() == 1)
    j = "0" + j;
  else if (j.size() == 2 && j[0] == '-')
    j = "-0" + j.substr(1);
  return zweistellig(tag) + "." + zweistellig(monat) + "." + j;
}

long long ModUnten(long long teiler, long long wert) { return wert - FloorDiv(wert, teiler) * teiler; }

// ---- Julian, Gregorian and Western calendars ----

std::string JDZuJulianisch(long jd) {
  Ganzzahl64 c = Ganzzahl64{jd} + 32082;
  Ganzzahl64 d = (4 * c + 3) / 1461;
  Ganzzahl64 e = c - (1461 * d) / 4;
  Ganzzahl64 m = (5 * e + 2) / 153;
  Ganzzahl64 tag = e - (153 * m + 2) / 5 + 1;
  Ganzzahl64 monat = m + 3 - 12 * (m / 10);
  Ganzzahl64 jahr = d - 4800 + m / 10;
  return DatumAusJahr(tag, monat, JahrHeraus(jahr));
}

std::optional<long> JulianischZuJD(std::string_view text) {
  return MitDatum(text, [](const Datum& d) { return JulianischerTag(d.Tag, d.Monat, JahrHinein(d.Jahr)); });
}

std::string JDZuGregorianisch(long jd) {
  Ganzzahl64 a = Ganzzahl64{jd} + 32044;
  Ganzzahl64 b = (4 * a + 3) / 146097;
  Ganzzahl64 c = a - (146097 * b) / 4;
  Ganzzahl64 d = (4 * c + 3) / 1461;
  Ganzzahl64 e = c - (1461 * d) / 4;
  Ganzzahl64 m = (5 * e + 2) / 153;
  Ganzzahl64 tag = e - (153 * m + 2) / 5 + 1;
  Ganzzahl64 monat = m + 3 - 12 * (m / 10);
  Ganzzahl64 jahr = 100 * b + d - 4800 + m / 10;
  return DatumAusJahr(tag, monat, JahrHeraus(jahr));
}

std::optional<long> GregorianischZuJD(std::string_view text) {
  return MitDatum(
      text, [](const Datum& d) { return kalenderintern::GregorianischerTag(d.Tag, d.Monat, JahrHinein(d.Jahr)); });
}

std::optional<long> AbendlaendischZuJD(std::string_view text) {
  return MitDatum(text, [](const Datum& d) {
    bool julianisch =
        d.Jahr < 1582 || (d.Jahr == 1582 && d.Monat < 10) || (d.Jahr == 1582 && d.Monat == 10 && d.Tag < 5);
    Ganzzahl64 jahr = JahrHinein(d.Jahr);
    return julianisch ? JulianischerTag(d.Tag, d.Monat, jahr)
                      : kalenderintern::GregorianischerTag(d.Tag, d.Monat, jahr);
  });
}

std::string JDZuAbendlaendisch(long jd) { return jd >= 2299161 ? JDZuGregorianisch(jd) : JDZuJulianisch(jd); }

// ---- French Republican calendar: years 3, 7, 11 are leap years ----

std::string JDZuRevolution(long jd) {
  if (jd < 2375840 || jd > 2380687) return AusserhalbBereich();
  Ganzzahl64 d = Ganzzahl64{jd} - 2375475;
  Ganzzahl64 c = d / 1461;
  Ganzzahl64 r = d % 1461;
  Ganzzahl64 y = r / 365 - r / 1460;
  Ganzzahl64 e = r - 365 * y;
  return DatumAusJahr(e % 30 + 1, e / 30 + 1, 4 * c + y);
}

std::optional<long> RevolutionZuJD(std::string_view text) {
  return MitDatum(text, [](const Datum& d) {
    Ganzzahl64 y = d.Jahr;
    return 1461 * (y / 4) + 365 * (y % 4) + 30 * Ganzzahl64{d.Monat} + d.Tag + 2375444;
  });
}

// ---- Islamic calendar: 30-year cycle of 10631 days, leap years 2, 5, 7, 10, ... ----

std::string JDZuIslamisch(long jd) {
  Ganzzahl64 k = 30 * (Ganzzahl64{jd} + 7665) + 15;
  Ganzzahl64 y0 = k / 10631;
  Ganzzahl64 h = 100 * ((k % 10631) / 30) + 10;
  Ganzzahl64 monat = ((h / 2951) % 12) + 1;
  Ganzzahl64 tag = (h % 2951) / 100 + 1;
  Ganzzahl64 jahr = y0 - 5519 + (12 - monat) / 12;
  return DatumAusJahr(tag, monat, JahrHeraus(jahr));
}

std::optional<long> IslamischZuJD(std::string_view text) {
  return MitDatum(text, [](const Datum& d) {
    Ganzzahl64 g = JahrHinein(d.Jahr) + 5519 - (12 - Ganzzahl64{d.Monat}) / 12;
    Ganzzahl64 f = (Ganzzahl64{d.Monat} + 11) % 12;
    return (10631 * g + 14) / 30 + (2951 * f + 51) / 100 + d.Tag - 1 - 7665;
  });
}

// ---- Yazdegard, Egyptian (Nabonassar) and Armenian calendars ----

std::string JDZuYazdegard(long jd) { return AusWandeljahr(jd, Yazdegard); }
std::optional<long> YazdegardZuJD(std::string_view text) { return InWandeljahr(text, Yazdegard); }
std::string JDZuAegyptisch(long jd) { return AusWandeljahr(jd, Aegyptisch); }
std::optional<long> AegyptischZuJD(std::string_view text) { return InWandeljahr(text, Aegyptisch); }
std::string JDZuArmenisch(long jd) { return AusWandeljahr(jd, Armenisch); }
std::optional<long> ArmenischZuJD(std::string_view text) { return InWandeljahr(text, Armenisch); }

// ---- Ethiopian and Coptic calendars ----

std::string JDZuAethiopisch(long jd) { return AusAlexandrinisch(jd, EthiopischeJahre); }
std::optional<long> AethiopischZuJD(std::string_view text) { return InAlexandrinisch(text, EthiopischeJahre); }
std::string JDZuKoptisch(long jd) { return AusAlexandrinisch(jd, KoptischeJahre); }
std::optional<long> KoptischZuJD(std::string_view text) { return InAlexandrinisch(text, KoptischeJahre); }

// ---- Indian national calendar (Saka): Gregorian leap years, Chaitra 1 on 22 (21) March ----

std::string JDZuSaka(long jd) {
  Ganzzahl64 j = jd;
  Ganzzahl64 f = j + 1312 + (3 * ((4 * j + 274073) / 146097)) / 4;
  Ganzzahl64 e = 4 * f + 3;
  Ganzzahl64 y0 = e / 1461;
  Ganzzahl64 g = (e % 1461) / 4;
  Ganzzahl64 x = g / 365 - g / 185;
  Ganzzahl64 s = 31 + x;
  Ganzzahl64 h = g + 5 * x;
  Ganzzahl64 monat = ((h / s + 1) % 12) + 1;
  Ganzzahl64 tag = h % s + 1 + (g == 365 ? 6 : 0);
  Ganzzahl64 jahr = y0 - 4794 + (13 - monat) / 12;
  return DatumAusJahr(tag, monat, JahrHeraus(jahr));
}

std::optional<long> SakaZuJD(std::string_view text) {
  return MitDatum(text, [](const Datum& d) {
    Ganzzahl64 g = JahrHinein(d.Jahr) + 4794 - (13 - Ganzzahl64{d.Monat}) / 12;
    Ganzzahl64 f = (Ganzzahl64{d.Monat} + 10) % 12;
    Ganzzahl64 z = f / 6;
    return (1461 * g) / 4 + (31 - z) * f + 5 * z + d.Tag - 1 - (1312 + (3 * ((g + 184) / 100)) / 4);
  });
}

// ---- Maya long count ----

std::string JDZuMaya(long jd) {
  if (jd < 584283) return AusserhalbBereich();
  Ganzzahl64 d = Ganzzahl64{jd} - 584283;
  Ganzzahl64 baktun = FloorDiv(d, 144000);
  Ganzzahl64 r1 = ModUnten(144000, d);
  Ganzzahl64 katun = FloorDiv(r1, 7200);
  Ganzzahl64 r2 = ModUnten(7200, r1);
  Ganzzahl64 tun = FloorDiv(r2, 360);
  Ganzzahl64 r3 = ModUnten(360, r2);
  Ganzzahl64 uinal = FloorDiv(r3, 20);
  Ganzzahl64 kin = ModUnten(20, r3);
  return std::to_string(baktun) + "." + std::to_string(katun) + "." + std::to_string(tun) + "." +
         std::to_string(uinal) + "." + std::to_string(kin);
}

std::optional<long> MayaZuJD(std::string_view text) {
  static constexpr Ganzzahl64 Stellenwert[5] = {144000, 7200, 360, 20, 1};
  Ganzzahl64 jd = 584283;
  for (int i = 0; i < 5; ++i) {
    std::optional<long> feld = Ganzzahl32Lesen(Feld(text, '.', i + 1));
    if (!feld) return std::nullopt;
    jd += Stellenwert[i] * *feld;
  }
  return AlsTagnummer(jd);
}

// ---- Easter Sunday ----

namespace {
std::string Ostertext(Ganzzahl64 l) {
  Ganzzahl64 monat = 3 + (l + 40) / 44;
  Ganzzahl64 tag = l + 28 - 31 * (monat / 4);
  return DatumText(static_cast<long>(tag), static_cast<long>(monat), 0).substr(0, 6);
}
}  // namespace

std::string OsternJulianisch(long jahr) {
  Ganzzahl64 y = jahr;
  Ganzzahl64 i = (19 * (y % 19) + 15) % 30;
  Ganzzahl64 j = (y + y / 4 + i) % 7;
  return Ostertext(i - j);
}

std::string OsternGregorianisch(long jahr) {
  Ganzzahl64 y = jahr;
  Ganzzahl64 g = y % 19;
  Ganzzahl64 c = y / 100;
  // The remainder with the sign of the divisor keeps h from 0 to 29 even for
  // years before the era, where 29 / (h + 1) would otherwise divide by zero.
  Ganzzahl64 h = ModUnten(30, c - c / 4 - (8 * c + 13) / 25 + 19 * g + 15);
  Ganzzahl64 i = h - (h / 28) * (1 - (29 / (h + 1)) * ((21 - g) / 11));
  Ganzzahl64 j = (y + y / 4 + i + 2 - c + c / 4) % 7;
  return Ostertext(i - j);
}

}  // namespace kolvaro
