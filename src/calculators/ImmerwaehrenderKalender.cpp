#include "calculators/ImmerwaehrenderKalender.h"

#include <cstdint>
#include <limits>
#include <string>

#include "basis/Texte.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "special/Kalenderrechnung.h"

namespace kolvaro {

namespace {

const std::string_view kAnfang = texte::kFalscheEingabe;

struct Feiertag {
  const char* Text;
  int Abstand;  // days from Easter Sunday
};

constexpr Feiertag kFeiertage[] = {
    {"Fastnachtsdienstag am ", -47}, {"Aschermittwoch am ", -46}, {"Ostersonntag am ", 0},
    {"Christi Himmelfahrt am ", 39}, {"Pfingstsonntag am ", 49},  {"Fronleichnam am ", 60},
};

// The days of the month in the Western calendar: Julian up to 1582, so
// that 29.02.1500 exists (and 29.02.-1, the year before year 1), Gregorian
// after it, without 29.02.1900.
int TageImMonat(const Datum& d) {
  static constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d.Monat != 2) return kTage[d.Monat - 1];
  const long long jahr = d.Jahr < 1 ? d.Jahr + 1LL : d.Jahr;  // counted with a year 0
  const bool schalt = d.Jahr <= 1582 ? ModUnten(4, jahr) == 0 : (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
  return schalt ? 29 : 28;
}

}  // namespace

Rechenergebnis WochentagBerechnen(const Text1252& eingabe) {
  const std::string_view datum = eingabe.Sicht();
  if (datum.empty()) return {};
  const Rechenergebnis falscheForm =
      EingabeFehler(Cp1252(kAnfang) +
                        "Bitte geben Sie das Datum in der folgenden Form ein: 20.03.1850 oder 20.03.-1000. Die "
                        "Eingabe des Jahres 0 ist nicht zulässig, da das Jahr 0 nicht existiert.",
                    Fokus::NurFokus);
  if (!DatumFormGueltig(datum, 31, 12)) return falscheForm;
  // The form check lets every month have 31 days; the conversion to a day
  // number would carry 31.02. into March and name a weekday for it.
  const Datum d = *DatumLesen(datum);
  if (d.Jahr == 1582 && d.Monat == 10 && d.Tag >= 5 && d.Tag <= 14)
    return EingabeFehler(Cp1252(kAnfang) + "Das eingegebene Datum ist im Abendländischen Kalender nicht vorhanden.");
  if (d.Tag > TageImMonat(d)) return falscheForm;
  std::optional<long> jd = AbendlaendischZuJD(datum);
  if (!jd)
    return EingabeFehler(
        Cp1252(kAnfang) + "Bitte geben Sie das Datum in der folgenden Form ein: 20.03.1850 oder 20.03.-1000",
        Fokus::Keiner);
  static const char* const kNamen[] = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
  // The remainder with the sign of the divisor: days before JD 0 count too.
  const long long n = ModUnten(7, static_cast<long long>(*jd) + 1);
  return ErledigtMit({"Wochentag = " + Cp1252(kNamen[n])});
}

Rechenergebnis FeiertageBerechnen(const Text1252& eingabe, bool julianisch) {
  const std::string_view jahrtext = eingabe.Sicht();
  if (jahrtext.empty()) return {};
  std::optional<std::int64_t> jahr = GanzzahlLesen(jahrtext);
  if (!jahr)
    return EingabeFehler(Cp1252(kAnfang) + "Bitte geben Sie das Jahr in der folgenden Form ein: 1850 oder -1000.");
  if (*jahr < 1583 && !julianisch)
    return EingabeFehler(Cp1252("Der gregorianische Kalender kann erst ab dem Jahre 1583 berechnet werden. Bitte "
                                "wählen Sie für frühere Daten den Julianischen Kalender!"),
                         Fokus::Keiner);
  if (*jahr < 532)
    return EingabeFehler(Cp1252("Das Osterfest und damit die Feiertage können erst ab dem Jahre 532 berechnet werden, "
                                "nachdem Dionysius Exiguus die sog. Ostertafeln veröffentlicht hatte. Vor dieser Zeit "
                                "war das Datum des Osterfestes regional unterschiedlich."),
                         Fokus::Keiner);
  // Day numbers are 32-bit: about 5.8 million years from the start of the
  // count. Larger years are refused before any arithmetic on them.
  const Text1252 zuGross = Cp1252(kAnfang) + "Die Feiertage können nur bis etwa zum Jahre 5874000 berechnet werden.";
  if (*jahr > std::numeric_limits<std::int32_t>::max()) return EingabeFehler(zuGross);
  const std::string jahrText = std::to_string(*jahr);
  const std::string ostern =
      julianisch ? OsternJulianisch(static_cast<long>(*jahr)) : OsternGregorianisch(static_cast<long>(*jahr));
  std::optional<long> e = julianisch ? JulianischZuJD(ostern + jahrText) : GregorianischZuJD(ostern + jahrText);
  if (!e || *e - 47 < std::numeric_limits<std::int32_t>::min() || *e + 60 > std::numeric_limits<std::int32_t>::max())
    return EingabeFehler(zuGross);
  std::vector<Text1252> zeilen;
  for (const Feiertag& f : kFeiertage) {
    std::string datum = f.Abstand == 0
                            ? ostern + jahrText
                            : (julianisch ? JDZuJulianisch(*e + f.Abstand) : JDZuGregorianisch(*e + f.Abstand));
    zeilen.push_back(Cp1252(f.Text) + Text1252(datum));
  }
  return ErledigtMit(std::move(zeilen));
}

}  // namespace kolvaro
