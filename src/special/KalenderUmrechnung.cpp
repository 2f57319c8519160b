// The category "Kalender": a date or a day number of one calendar unit is
// turned into a Julian day number, and every unit of the category shows that
// day in its own calendar.
#include <algorithm>
#include <vector>

#include "basis/Texte.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "special/Kalenderrechnung.h"
#include "special/Namensbindung.h"
#include "special/Sonderhilfen.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro {

namespace {

enum class Eingabeart { Tageszahl, Datum, LangeZaehlung };

struct Kalendereinheit {
  Text1252 Name;  // the exact unit name of the data file
  Eingabeart Art;
  long Versatz;  // day numbers: JD = number + Versatz
  int GroessterTag;
  int GroessterMonat;
  bool LangeMeldung;  // the date message that explains negative years
  Text1252 Meldung;   // number message or conversion message
  std::optional<long> (*ZuJD)(std::string_view);
  std::string (*AusJD)(long);
};

const std::string Anfang(texte::kFalscheEingabe);

Text1252 Zahlmeldung(const char* was) {
  return Cp1252(Anfang + "Bitte geben Sie das \"" + was +
                "\" in der folgenden Form ein: 45205. Nachkommastellen sind nicht möglich.");
}

Text1252 Datumsmeldung(const char* kalender, const char* beispiel) {
  return Cp1252(Anfang + "Bitte geben Sie das Datum des \"" + kalender + "\" in der folgenden Form ein: " + beispiel);
}

const char* const Zwei = "20.03.1850 oder 20.03.-1000";
const char* const Kurz = "30.03.01";

Kalendereinheit Tageszahl(const char* name, long versatz, const char* was) {
  return {Cp1252(name), Eingabeart::Tageszahl, versatz, 0, 0, false, Zahlmeldung(was), nullptr, nullptr};
}

Kalendereinheit Kalender(const char* name, int tag, int monat, bool lang, Text1252 meldung,
                         std::optional<long> (*zu)(std::string_view), std::string (*aus)(long)) {
  return {Cp1252(name), Eingabeart::Datum, 0, tag, monat, lang, std::move(meldung), zu, aus};
}

// The units in the order in which a selected unit's name is looked up.
const std::vector<Kalendereinheit>& Einheiten() {
  static const std::vector<Kalendereinheit> liste = [] {
    std::vector<Kalendereinheit> l;
    l.push_back(Tageszahl("Julianisches Datum", 0, "Julianische Datum"));
    l.push_back(Tageszahl("Julianisches Datum, modifiziert", 2400001, "Julianische Datum, modifiziert"));
    l.push_back(Tageszahl("Julianisches Datum, truncated", 2440001, "Julianische Datum, truncated"));
    l.push_back(Tageszahl("Lilianisches Datum", 2299160, "Lilianische Datum"));
    l.push_back(Kalender("Julianischer Kalender (12 Uhr)", 31, 12, true, Datumsmeldung("Julianischen Kalenders", Zwei),
                         &JulianischZuJD, &JDZuJulianisch));
    l.push_back(Kalender("Gregorianischer Kalender (12 Uhr)", 31, 12, true,
                         Datumsmeldung("Gregorianischen Kalenders", Zwei), &GregorianischZuJD, &JDZuGregorianisch));
    l.push_back(Kalender("Abendländischer Kalender (12 Uhr)", 31, 12, true,
                         Datumsmeldung("Abendländischen Kalenders", Zwei), &AbendlaendischZuJD, &JDZuAbendlaendisch));
    l.push_back(Kalender("Jüdischer Kalender", 30, 13, false, Datumsmeldung("Jüdischen Kalenders", Zwei), &JuedischZuJD,
                         &JDZuJuedisch));
    l.push_back(Kalender("Franz. Revolutionskalender", 30, 13, false,
                         Datumsmeldung("Franz. Revolutionskalenders", "30.03.01 oder 20.03.-1000"), &RevolutionZuJD,
                         &JDZuRevolution));
    l.push_back(Kalender("Islamischer Kalender", 31, 12, true, Datumsmeldung("Islamischen Kalenders", Kurz),
                         &IslamischZuJD, &JDZuIslamisch));
    l.push_back(Kalender("Iranischer Kalender (neu)", 31, 13, true, Datumsmeldung("Iranischen Kalenders", Kurz),
                         &IranischZuJD, &JDZuIranisch));
    l.push_back(Kalender("Iranischer Kalender (Yazdegard)", 31, 13, true, Datumsmeldung("Iranischen Kalenders", Kurz),
                         &YazdegardZuJD, &JDZuYazdegard));
    l.push_back(Kalender("Ägyptischer Kalender (Nabon.)", 35, 13, true,
                         Datumsmeldung("Ägyptischen Kalenders (Nabon.)", Kurz), &AegyptischZuJD, &JDZuAegyptisch));
    l.push_back(Kalender("Armenischer Kalender", 35, 13, true, Datumsmeldung("Armenischen Kalenders", Kurz),
                         &ArmenischZuJD, &JDZuArmenisch));
    l.push_back(Kalender("Äthiopischer Kalender", 35, 13, true, Datumsmeldung("Äthiopischen Kalenders", Kurz),
                         &AethiopischZuJD, &JDZuAethiopisch));
    l.push_back(Kalender("Koptischer Kalender", 35, 13, true, Datumsmeldung("Koptischen Kalenders", Kurz),
                         &KoptischZuJD, &JDZuKoptisch));
    l.push_back(
        Kalender("Bahá'i Kalender", 19, 20, false, Datumsmeldung("Bahá'i Kalenders", Kurz), &BahaiZuJD, &JDZuBahai));
    l.push_back(Kalender("Indischer Kalender (Saka)", 31, 12, true, Datumsmeldung("Indischen Kalenders", Kurz),
                         &SakaZuJD, &JDZuSaka));
    Kalendereinheit maya{
        Cp1252("Maya-Kalender"),
        Eingabeart::LangeZaehlung,
        0,
        0,
        0,
        false,
        Cp1252(Anfang + "Bitte geben Sie das Datum des \"Maya-Kalenders\" in der folgenden Form ein: 7.17.18.13.1"),
        &MayaZuJD,
        &JDZuMaya};
    l.push_back(std::move(maya));
    return l;
  }();
  return liste;
}

const Kalendereinheit* EinheitFinden(const Text1252& name) {
  for (const Kalendereinheit& e : Einheiten())
    if (e.Name == name) return &e;
  return nullptr;
}

std::string Ausgabe(const Kalendereinheit& e, long jd) {
  if (e.Art == Eingabeart::Tageszahl) return std::to_string(jd - e.Versatz);
  return e.AusJD(jd);
}

}  // namespace

Rechenergebnis KalenderUmrechnen(Sonderkontext& k) {
  if (k.Auswahl < 0 || k.Auswahl >= static_cast<int>(k.Einheiten.size())) return {};
  const Kalendereinheit* gewaehlt = EinheitFinden(k.Einheiten[k.Auswahl].Einheitenname);
  if (!gewaehlt) return UnbekannteEinheitFehler();  // an own unit: no calendar behind it

  std::string eingabe(k.Eingabe);
  long long jd = 0;
  switch (gewaehlt->Art) {
    case Eingabeart::Tageszahl: {
      std::replace(eingabe.begin(), eingabe.end(), ',', '.');
      std::optional<long> zahl = Ganzzahl32Lesen(eingabe);
      if (!zahl) return EingabeFehler(gewaehlt->Meldung);
      jd = static_cast<long long>(*zahl) + gewaehlt->Versatz;
      break;
    }
    case Eingabeart::Datum: {
      if (eingabe.empty()) return {};
      if (!DatumFormGueltig(eingabe, gewaehlt->GroessterTag, gewaehlt->GroessterMonat)) {
        std::string text = Anfang + "Bitte geben Sie das Datum in der folgenden Form ein: 20.03.1850";
        if (gewaehlt->LangeMeldung)
          text += " oder 20.03.-1000. Die Eingabe des Jahres 0 ist nicht zulässig, da das Jahr 0 nicht existiert.";
        return EingabeFehler(Cp1252(text));
      }
      if (gewaehlt->Name == Cp1252("Abendländischer Kalender (12 Uhr)") && AusgelassenerTag(eingabe))
        return EingabeFehler(Cp1252(Anfang + "Das eingegebene Datum ist im Abendländischen Kalender nicht vorhanden."));
      std::optional<long> tag = gewaehlt->ZuJD(eingabe);
      if (!tag) return EingabeFehler(gewaehlt->Meldung);
      jd = *tag;
      break;
    }
    case Eingabeart::LangeZaehlung: {
      for (int feld = 1; feld <= 5; ++feld)
        if (!Ganzzahl32Lesen(Feld(eingabe, '.', feld)))
          return EingabeFehler(Cp1252(Anfang +
                                      "Bitte geben Sie das Datum des Maya-Kalenders in der folgenden Form ein: "
                                      "7.17.18.13.1"));
      std::optional<long> tag = MayaZuJD(eingabe);
      if (!tag) return EingabeFehler(gewaehlt->Meldung);
      jd = *tag;
      break;
    }
  }

  if (jd < 0)
    return EingabeFehler(
        Cp1252("Kalenderberechnungen können erst ab dem 01.01.4713 v. Chr. des Julian. Kalenders "
               "(Julian. Datum = 0)) durchgeführt werden!"));
  if (jd > 10000000)
    return EingabeFehler(
        Cp1252("Kalenderberechnungen können max. bis zum Jahr 22666 des Greg. Kalenders "
               "(Julian. Datum = 10 000 000)) durchgeführt werden!"));

  for (TAusgabetextobject& einheit : k.Einheiten) {
    const Kalendereinheit* e = EinheitFinden(einheit.Einheitenname);
    const std::string text = e ? Ausgabe(*e, static_cast<long>(jd)) : std::string();
    ErgebnisSetzen(einheit, Text1252(text.substr(0, 15)));
  }
  Rechenergebnis ergebnis;
  ergebnis.Erfolg = true;
  return ergebnis;
}

std::vector<Text1252> KalenderNamen() {
  std::vector<Text1252> namen;
  for (const Kalendereinheit& e : Einheiten()) namen.push_back(e.Name);
  return namen;
}

}  // namespace kolvaro
