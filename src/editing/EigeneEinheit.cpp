// Own units: building, checking and inserting the line.
#include "editing/EigeneEinheit.h"

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

// The text fields each dialog has, in reading order (the factor last: it is
// checked for its number form, not for stray characters).
std::vector<Eingabefeld> Textfelder(Eigenart art) {
  switch (art) {
    case Eigenart::Gewoehnlich:
      return {Eingabefeld::Edit1, Eingabefeld::Edit2, Eingabefeld::ComboBox1, Eingabefeld::Edit3, Eingabefeld::Edit4};
    case Eigenart::Waehrung:
      return {Eingabefeld::Edit1, Eingabefeld::Edit2, Eingabefeld::ComboBox1,
              Eingabefeld::Edit3, Eingabefeld::Edit6, Eingabefeld::Edit4};
    case Eigenart::Weltzeit:
      break;
  }
  return {Eingabefeld::Edit1, Eingabefeld::Edit2, Eingabefeld::ComboBox1, Eingabefeld::Edit3};
}

const std::string& Text(const EigeneEingabe& e, Eingabefeld feld) {
  switch (feld) {
    case Eingabefeld::Edit1:
      return e.Edit1;
    case Eingabefeld::Edit2:
      return e.Edit2;
    case Eingabefeld::ComboBox1:
      return e.Land;
    case Eingabefeld::Edit3:
      return e.Edit3;
    case Eingabefeld::Edit4:
      return e.Edit4;
    case Eingabefeld::Edit5:
      return e.Edit5;
    case Eingabefeld::Edit6:
      break;
  }
  return e.Edit6;
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

std::string WeltzeitFaktor(long double minuten) { return WissText23(minuten / 60.0L); }

std::string_view Beschriftung(Eigenart art, Eingabefeld feld) {
  const bool waehrung = art == Eigenart::Waehrung;
  switch (feld) {
    case Eingabefeld::Edit1:
      return waehrung ? "Name der Währung" : "Name der Einheit";
    case Eingabefeld::Edit2:
      return "Kurzzeichen";
    case Eingabefeld::ComboBox1:
      return "Land";
    case Eingabefeld::Edit3:
      if (waehrung) return "Wert bwz. ca.Wert";
      return art == Eigenart::Weltzeit ? "Sommerzeit (von..bis)" : "Weiterer Name";
    case Eingabefeld::Edit4:
      return waehrung ? "Stand (Datum)" : "Einsatzgebiet";
    case Eingabefeld::Edit5:
      return art == Eigenart::Weltzeit ? "Zeitdifferenz zur Weltzeit in Minuten" : "Umrechnungsfaktor";
    case Eingabefeld::Edit6:
      break;
  }
  return "entspricht";
}

std::optional<Eingabefehler> EigeneEingabePruefen(Eigenart art, const EigeneEingabe& eingabe) {
  // A unit without a name could be neither found nor chosen in the list.
  if (Getrimmt(eingabe.Edit1).empty())
    return Abgelehnt(Eingabefeld::Edit1, std::string("Bitte im Feld \"") +
                                             std::string(Beschriftung(art, Eingabefeld::Edit1)) +
                                             "\" einen Namen eingeben!");
  for (Eingabefeld feld : Textfelder(art))
    if (auto geprueft = FeldPruefen(Text(eingabe, feld), Beschriftung(art, feld)); !geprueft)
      return Eingabefehler{geprueft.Fehler(), feld};

  if (auto faktor = FaktorPruefen(eingabe.Edit5, ArtDesFaktors(art), Faktorstelle::Einfuegen); !faktor)
    return Eingabefehler{faktor.Fehler(), Eingabefeld::Edit5};
  return std::nullopt;
}

std::string EigeneZeileBauen(Eigenart art, const EigeneEingabe& e) {
  Einheitenfelder f;
  f.Landname = e.Land;
  f.Kurzzeichen = e.Edit2;
  f.Einheitenname = e.Edit1;
  switch (art) {
    case Eigenart::Gewoehnlich:
      f.Faktor = e.Edit5;  // as typed: the reader turns a comma into a point
      f.SonstigeNamen = e.Edit3;
      f.Einsatzgebiet = e.Edit4;
      break;
    case Eigenart::Waehrung:
      f.Faktor = e.Edit5;
      f.Uebersetzung = e.Edit4;  // date of the rate
      f.Entspricht = e.Edit6;
      f.CaWert = e.Edit3;
      break;
    case Eigenart::Weltzeit: {
      const auto minuten = FaktorPruefen(e.Edit5, Faktorart::Zeitdifferenz, Faktorstelle::Einfuegen);
      f.Faktor = WeltzeitFaktor(minuten ? *minuten : 0.0L);
      f.Uebersetzung = e.Edit3;  // summer time
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
  auto eingefuegt = EinheitEinsortieren(verzeichnis, datendatei, EigeneZeileBauen(art, eingabe), eingabe.Edit1);
  if (!eingefuegt) ergebnis.Schreibfehler = eingefuegt.Fehler();
  return ergebnis;
}

}  // namespace kolvaro
