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
      return {F::Name, F::Kurzzeichen, F::Land, F::SonstigeNamen, F::Einsatzgebiet};
    case Eigenart::Waehrung:
      return {F::Name, F::Kurzzeichen, F::Land, F::CaWert, F::Entspricht, F::Stand};
    case Eigenart::Weltzeit:
      break;
  }
  return {F::Name, F::Kurzzeichen, F::Land, F::Sommerzeit};
}

Rechenergebnis Abgelehnt(Meldung meldung, Eingabefeld feld) {
  Rechenergebnis r = EingabeFehler(std::move(meldung.Text), feld);
  r.Fehler->Art = meldung.Art;
  return r;
}

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

Text1252& Feldtext(EigeneEingabe& e, Eingabefeld feld) {
  // In the order of kAlleEingabefelder.
  using E = EigeneEingabe;
  static constexpr Text1252 E::*kFelder[] = {&E::Name,          &E::Kurzzeichen, &E::Land,       &E::SonstigeNamen,
                                             &E::Einsatzgebiet, &E::CaWert,      &E::Entspricht, &E::Stand,
                                             &E::Sommerzeit,    &E::Faktor};
  static_assert(std::size(kFelder) == std::size(kAlleEingabefelder));
  for (std::size_t i = 0; i < std::size(kAlleEingabefelder); ++i)
    if (kAlleEingabefelder[i] == feld) return e.*kFelder[i];
  return e.Name;  // a field no own-unit dialog has
}

const Text1252& Feldtext(const EigeneEingabe& e, Eingabefeld feld) {
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
    case Eingabefeld::SonstigeNamen:
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
    default:
      break;
  }
  return art == Eigenart::Weltzeit ? "Zeitdifferenz zur Weltzeit in Minuten" : "Umrechnungsfaktor";
}

Rechenergebnis EigeneEingabePruefen(Eigenart art, const EigeneEingabe& eingabe) {
  // A unit without a name could be neither found nor chosen in the list.
  if (Getrimmt(eingabe.Name.Sicht()).empty())
    return Abgelehnt(
        InfoMeldung("Bitte im Feld \"" + Cp1252(Beschriftung(art, Eingabefeld::Name)) + "\" einen Namen eingeben!"),
        Eingabefeld::Name);
  for (Eingabefeld feld : Textfelder(art))
    if (auto geprueft = FeldPruefen(Feldtext(eingabe, feld).Sicht(), Beschriftung(art, feld)); !geprueft)
      return Abgelehnt(geprueft.Fehler(), feld);

  if (auto faktor = FaktorPruefen(eingabe.Faktor.Sicht(), ArtDesFaktors(art), Faktorstelle::Einfuegen); !faktor)
    return Abgelehnt(faktor.Fehler(), Eingabefeld::Faktor);
  return Erledigt();
}

std::string EigeneZeileBauen(Eigenart art, const EigeneEingabe& e) {
  Einheitenfelder f;
  f.Landname = e.Land.Bytes();
  f.Kurzzeichen = e.Kurzzeichen.Bytes();
  f.Einheitenname = e.Name.Bytes();
  switch (art) {
    case Eigenart::Gewoehnlich:
      f.Faktor = e.Faktor.Bytes();  // as typed: the reader turns a comma into a point
      f.SonstigeNamen = e.SonstigeNamen.Bytes();
      f.Einsatzgebiet = e.Einsatzgebiet.Bytes();
      break;
    case Eigenart::Waehrung:
      f.Faktor = e.Faktor.Bytes();
      f.Uebersetzung = e.Stand.Bytes();  // the field the information panel shows as the date of the rate
      f.Entspricht = e.Entspricht.Bytes();
      f.CaWert = e.CaWert.Bytes();
      break;
    case Eigenart::Weltzeit: {
      const auto minuten = FaktorPruefen(e.Faktor.Sicht(), Faktorart::Zeitdifferenz, Faktorstelle::Einfuegen);
      f.Faktor = WeltzeitFaktor(minuten ? *minuten : 0.0L);
      f.Uebersetzung = e.Sommerzeit.Bytes();  // the field the information panel shows as summer time
      break;
    }
  }
  return ZeileBauen(f);
}

Resultat<std::size_t> EinheitEinsortieren(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                          const std::string& zeile, const Text1252& name) {
  auto gelesen = ZeilenZumUmschreiben(verzeichnis / datendatei);
  if (!gelesen) return gelesen.Fehler();
  auto& zeilen = *gelesen;
  std::size_t position = zeilen.size();
  std::string klartext;
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    if (!LinieEntschluesseln(zeilen[i], 1, klartext)) return BeschaedigtMeldung(datendatei, i + 1);
    if (AlphabetischVergleichen(Feld(klartext, '\t', 8), name.Sicht()) >= 0) {
      position = i;
      break;
    }
  }
  zeilen.insert(zeilen.begin() + static_cast<std::ptrdiff_t>(position), LinieVerschluesseln(zeile, 1));
  if (auto geschrieben = SchreibeAtomar(verzeichnis / datendatei, zeilen); !geschrieben) return geschrieben.Fehler();
  return position;
}

Rechenergebnis EigeneEinheitEinfuegen(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                      Eigenart art, const EigeneEingabe& eingabe) {
  Rechenergebnis geprueft = EigeneEingabePruefen(art, eingabe);
  if (!geprueft.Erfolg) return geprueft;
  auto eingefuegt = EinheitEinsortieren(verzeichnis, datendatei, EigeneZeileBauen(art, eingabe), eingabe.Name);
  if (!eingefuegt) return Abgebrochen(eingefuegt.Fehler());
  return Erledigt();
}

}  // namespace kolvaro
