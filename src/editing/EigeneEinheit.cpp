// Own units: building, checking and inserting the line.
#include "editing/EigeneEinheit.h"

#include <iterator>
#include <vector>

#include "basis/Alphabet.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "editing/Eingabepruefung.h"
#include "editing/Einheitenzeile.h"

namespace kolvaro {

namespace {

// The text fields each dialog has, in reading order (the factor is not
// among them: it is checked for its number form, not for stray characters).
std::vector<Eingabefeld> Textfelder(Eigenart art) {
  using F = Eingabefeld;
  switch (art) {
    case Eigenart::Gewoehnlich:
      return {F::Name, F::Kurzzeichen, F::Land, F::WeitererName, F::Einsatzgebiet};
    case Eigenart::Waehrung:
      return {F::Name, F::Kurzzeichen, F::Land, F::CaWert, F::Entspricht, F::Stand};
    case Eigenart::Weltzeit:
      break;
  }
  return {F::Name, F::Kurzzeichen, F::Land, F::Sommerzeit};
}

Eingabefehler Abgelehnt(Eingabefeld feld, std::string_view utf8) { return {InfoMeldung(Cp1252(utf8)), feld}; }

Faktorart ArtDesFaktors(Eigenart art) {
  switch (art) {
    case Eigenart::Gewoehnlich:
      return Faktorart::Einheit;
    case Eigenart::Waehrung:
      return Faktorart::Kurs;
    case Eigenart::Weltzeit:
      break;
  }
  return Faktorart::Zeitdifferenz;
}

}  // namespace

std::string& Feldtext(EigeneEingabe& e, Eingabefeld feld) {
  // In the order of Eingabefeld.
  using E = EigeneEingabe;
  static constexpr std::string E::*kFelder[] = {&E::Name,          &E::Kurzzeichen, &E::Land,       &E::WeitererName,
                                                &E::Einsatzgebiet, &E::CaWert,      &E::Entspricht, &E::Stand,
                                                &E::Sommerzeit,    &E::Faktor};
  static_assert(std::size(kFelder) == std::size(kAlleEingabefelder));
  return e.*kFelder[static_cast<std::size_t>(feld)];
}

const std::string& Feldtext(const EigeneEingabe& e, Eingabefeld feld) {
  return Feldtext(const_cast<EigeneEingabe&>(e), feld);
}

std::string WeltzeitFaktor(long double minuten) { return WissText23(minuten / 60.0L); }

std::string_view Beschriftung(Eigenart art, Eingabefeld feld) {
  switch (feld) {
    case Eingabefeld::Name:
      return art == Eigenart::Waehrung ? "Name der Währung" : "Name der Einheit";
    case Eingabefeld::Kurzzeichen:
      return "Kurzzeichen";
    case Eingabefeld::Land:
      return "Land";
    case Eingabefeld::WeitererName:
      return "Weiterer Name";
    case Eingabefeld::Einsatzgebiet:
      return "Einsatzgebiet";
    case Eingabefeld::CaWert:
      return "Wert bwz. ca.Wert";
    case Eingabefeld::Entspricht:
      return "entspricht";
    case Eingabefeld::Stand:
      return "Stand (Datum)";
    case Eingabefeld::Sommerzeit:
      return "Sommerzeit (von..bis)";
    case Eingabefeld::Faktor:
      break;
  }
  return art == Eigenart::Weltzeit ? "Zeitdifferenz zur Weltzeit in Minuten" : "Umrechnungsfaktor";
}

std::optional<Eingabefehler> EigeneEingabePruefen(Eigenart art, const EigeneEingabe& eingabe) {
  // A unit without a name could be neither found nor chosen in the list.
  if (Getrimmt(eingabe.Name).empty())
    return Abgelehnt(Eingabefeld::Name, std::string("Bitte im Feld \"") +
                                            std::string(Beschriftung(art, Eingabefeld::Name)) +
                                            "\" einen Namen eingeben!");
  for (Eingabefeld feld : Textfelder(art))
    if (auto geprueft = FeldPruefen(Feldtext(eingabe, feld), Beschriftung(art, feld)); !geprueft)
      return Eingabefehler{geprueft.Fehler(), feld};

  if (auto faktor = FaktorPruefen(eingabe.Faktor, ArtDesFaktors(art), Faktorstelle::Einfuegen); !faktor)
    return Eingabefehler{faktor.Fehler(), Eingabefeld::Faktor};
  return std::nullopt;
}

std::string EigeneZeileBauen(Eigenart art, const EigeneEingabe& e) {
  Einheitenfelder f;
  f.Landname = e.Land;
  f.Kurzzeichen = e.Kurzzeichen;
  f.Einheitenname = e.Name;
  switch (art) {
    case Eigenart::Gewoehnlich:
      f.Faktor = e.Faktor;  // as typed: the reader turns a comma into a point
      f.SonstigeNamen = e.WeitererName;
      f.Einsatzgebiet = e.Einsatzgebiet;
      break;
    case Eigenart::Waehrung:
      f.Faktor = e.Faktor;
      f.Uebersetzung = e.Stand;  // the field the information panel shows as the date of the rate
      f.Entspricht = e.Entspricht;
      f.CaWert = e.CaWert;
      break;
    case Eigenart::Weltzeit: {
      const auto minuten = FaktorPruefen(e.Faktor, Faktorart::Zeitdifferenz, Faktorstelle::Einfuegen);
      f.Faktor = WeltzeitFaktor(minuten ? *minuten : 0.0L);
      f.Uebersetzung = e.Sommerzeit;  // the field the information panel shows as summer time
      break;
    }
  }
  return ZeileBauen(f);
}

Resultat<std::size_t> EinheitEinsortieren(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                          const std::string& zeile, const std::string& name) {
  auto gelesen = ZeilenZumUmschreiben(verzeichnis / datendatei);
  if (!gelesen) return gelesen.Fehler();
  auto& zeilen = *gelesen;
  std::size_t position = zeilen.size();
  std::string klartext;
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    if (!LinieEntschluesseln(zeilen[i], 1, klartext)) return BeschaedigtMeldung(datendatei, i + 1);
    if (AlphabetischVergleichen(Feld(klartext, '\t', 8), name) >= 0) {
      position = i;
      break;
    }
  }
  zeilen.insert(zeilen.begin() + static_cast<std::ptrdiff_t>(position), LinieVerschluesseln(zeile, 1));
  if (auto geschrieben = SchreibeAtomar(verzeichnis / datendatei, zeilen); !geschrieben) return geschrieben.Fehler();
  return position;
}

EinfuegeErgebnis EigeneEinheitEinfuegen(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                        Eigenart art, const EigeneEingabe& eingabe) {
  EinfuegeErgebnis ergebnis;
  ergebnis.Fehler = EigeneEingabePruefen(art, eingabe);
  if (ergebnis.Fehler) return ergebnis;
  auto eingefuegt = EinheitEinsortieren(verzeichnis, datendatei, EigeneZeileBauen(art, eingabe), eingabe.Name);
  if (!eingefuegt) ergebnis.Schreibfehler = eingefuegt.Fehler();
  return ergebnis;
}

}  // namespace kolvaro
