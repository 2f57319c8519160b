// Choosing the routine of a special category, what the conversions need of
// the data file, and helpers shared by the routines.
#include "special/Sonderumrechnung.h"

#include <cmath>

#include "basis/Gebietsnamen.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Textdatei.h"

namespace kolvaro {

Sonderroutine SonderroutineFuer(const Text1252& name) {
  if (name == gebiet::Brueche) return &BruecheUmrechnen;
  if (name == gebiet::Zahlensysteme) return &ZahlensystemeUmrechnen;
  if (name == gebiet::Weltzeit) return &WeltzeitUmrechnen;
  if (name == gebiet::Zeitzonen) return &ZeitzonenUmrechnen;
  if (name == gebiet::Waehrungen) return &WaehrungenUmrechnen;
  if (name == gebiet::Temperatur) return &TemperaturUmrechnen;
  if (name == gebiet::Araeometerskalen) return &AraeometerUmrechnen;
  if (name == gebiet::ViskositaetAlt) return &ViskositaetUmrechnen;
  if (name == gebiet::Schuhgroessen) return &SchuhgroessenUmrechnen;
  if (name == gebiet::Kalender) return &KalenderUmrechnen;
  if (name == gebiet::Kraftstoffverbrauch) return &KraftstoffverbrauchUmrechnen;
  if (name == gebiet::Stromverbrauch) return &StromverbrauchUmrechnen;
  if (name == gebiet::Windstaerke) return &WindstaerkeUmrechnen;
  if (name == gebiet::Leistungspegel) return &LeistungspegelUmrechnen;
  if (name == gebiet::Ofenstufen) return &OfenstufenUmrechnen;
  if (name == gebiet::Drahtstaerken) return &DrahtstaerkenUmrechnen;
  if (name == gebiet::Schleifkoernung) return &SchleifkoernungUmrechnen;
  if (name == gebiet::Ringgroessen) return &RinggroessenUmrechnen;
  return nullptr;
}

Text1252 FaktorUngueltigText() { return Cp1252("Faktor ungültig"); }

Text1252 FaktorMangel(const Text1252& name, const TAusgabetextobject& e) {
  if (name == gebiet::Weltzeit) {
    if (e.FaktorUnlesbar || !(std::fabs(e.Faktor) <= kWeltzeitGrenzeStunden))
      return Cp1252("keine gültige Zeitverschiebung (höchstens 24 Stunden)");
    return {};
  }
  if (SonderroutineFuer(name)) return {};
  // An unreadable factor reads as 0.
  if (!(e.Faktor > 0.0L)) return Cp1252("keinen gültigen Umrechnungsfaktor");
  return {};
}

Dateiformpruefung DateiformpruefungFuer(const Text1252& name) {
  if (name == gebiet::Temperatur) return &TemperaturdateiPruefen;
  if (name == gebiet::Brueche) return &BruchdateiPruefen;
  if (name == gebiet::Zahlensysteme) return &ZahlensystemdateiPruefen;
  return nullptr;
}

Resultat<> ZeilennamenPruefen(const std::string& datendatei, const std::vector<Text1252>& namen,
                              const std::vector<const char*>& erwartet) {
  // Names first: a missing or added line shows as the first name out of place.
  for (std::size_t i = 0; i < namen.size() && i < erwartet.size(); ++i) {
    const Text1252 soll = Cp1252(erwartet[i]);
    if (namen[i] != soll)
      return BeschaedigtMeldung(datendatei, i + 1, "enthält \"" + namen[i] + "\" statt \"" + soll + "\"");
  }
  if (namen.size() != erwartet.size())
    return DateiBeschaedigtMeldung(datendatei, "sie hat " + Text1252::Zahl(static_cast<long long>(namen.size())) +
                                                   " statt " + Text1252::Zahl(static_cast<long long>(erwartet.size())) +
                                                   " Zeilen");
  return {};
}

void ErgebnisSetzen(TAusgabetextobject& einheit, const Text1252& wiss, const Text1252& fliess) {
  einheit.Ergebniszahl.reset();
  einheit.ErgebnisWiss = wiss.Anfang(kapazitaet::ErgebnisWiss);
  einheit.ErgebnisFliess = fliess.Anfang(kapazitaet::ErgebnisFliess);
}

void ErgebnisSetzen(TAusgabetextobject& einheit, const Text1252& text) { ErgebnisSetzen(einheit, text, text); }

void StandardErgebnis(TAusgabetextobject& einheit, long double wert, bool tausenderpunkte) {
  Text1252 fliess = FliessText(wert);
  if (!tausenderpunkte && fliess.Sicht().find('E') == std::string_view::npos) {
    std::string ohne;
    for (char c : fliess.Sicht())
      if (c != '.') ohne += c;
    fliess = Text1252(std::move(ohne));
  }
  ErgebnisSetzen(einheit, WissText(wert), fliess);
}

}  // namespace kolvaro
