// Changing factors of single units and the currency table.
#include "editing/Faktoraenderung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "basis/Texte.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Einheitendatei.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "editing/Eingabepruefung.h"
#include "editing/Einheitenzeile.h"

namespace kolvaro {

namespace {

// The refusals of the single-unit dialogs are notes (information box).
Rechenergebnis Hinweis(Meldung meldung) {
  Rechenergebnis r;
  r.Fehler = std::move(meldung);
  r.FokusDanach = Fokus::FokusUndMarkieren;
  return r;
}

Rechenergebnis Fehlgeschlagen(Meldung meldung) {
  Rechenergebnis r;
  r.Fehler = std::move(meldung);
  return r;
}

// Whole-number text of any finite value.
std::string GanzText(long double r) {
  char puffer[64];
  std::snprintf(puffer, sizeof puffer, "%.0Lf", r + 0.0L);  // + 0 turns -0 into 0
  return puffer;
}

}  // namespace

Meldung NichtSpeicherbarMeldung(std::string_view feldname) {
  return InfoMeldung("Das Feld \"" + Cp1252(feldname) +
                     "\" enthält ein Zeichen, das Kolvaro nicht speichern kann. Bitte ändern!");
}

// -------------------------------------------------------------- one unit

Text1252 FaktorText(long double faktor) { return Text1252(WissText17(faktor)); }

Einheitenaenderung FaktorAendern(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                 const TAusgabetextobject& einheit, const Text1252& eingabe) {
  const auto faktor = FaktorPruefen(eingabe.Sicht(), Faktorart::Einheit, Faktorstelle::Aendern);
  if (!faktor) return {Hinweis(faktor.Fehler()), einheit};
  if (auto geschrieben =
          EinheitenzeileAendern(verzeichnis, datendatei, einheit.Dateizeile, feld::Faktor, eingabe.Bytes());
      !geschrieben)
    return {Fehlgeschlagen(geschrieben.Fehler()), einheit};
  Einheitenaenderung aenderung{Erledigt(), einheit};
  aenderung.Neu.Faktor = *faktor;
  aenderung.Neu.FaktorUnlesbar = false;
  return aenderung;
}

// -------------------------------------------------------- one world time

Text1252 MinutenText(long double faktor) {
  if (!std::isfinite(faktor)) return {};
  // nearbyint rounds halves to the even neighbour in the default mode.
  return Text1252(GanzText(std::nearbyint(faktor * 60.0L)));
}

Einheitenaenderung WeltzeitAendern(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                   const TAusgabetextobject& einheit, const Text1252& minuten,
                                   const Text1252& sommerzeit) {
  const auto gelesen = FaktorPruefen(minuten.Sicht(), Faktorart::Zeitdifferenz, Faktorstelle::Aendern);
  if (!gelesen) return {Hinweis(gelesen.Fehler()), einheit};
  const long double faktor = *gelesen / 60.0L;
  if (auto geprueft = FeldPruefen(sommerzeit.Sicht(), kSommerzeitFeld); !geprueft) {
    Rechenergebnis r = Fehlgeschlagen(geprueft.Fehler());
    r.FokusDanach = Fokus::FokusUndMarkieren;
    return {std::move(r), einheit};
  }
  if (auto geschrieben = EinheitenzeilenAendern(verzeichnis, datendatei,
                                                {{einheit.Dateizeile, feld::Faktor, WissText23(faktor)},
                                                 {einheit.Dateizeile, feld::Uebersetzung, sommerzeit.Bytes()}});
      !geschrieben)
    return {Fehlgeschlagen(geschrieben.Fehler()), einheit};
  Einheitenaenderung aenderung{Erledigt(), einheit};
  aenderung.Neu.Faktor = faktor;
  aenderung.Neu.FaktorUnlesbar = false;
  aenderung.Neu.Uebersetzung = sommerzeit.Anfang(kapazitaet::Uebersetzung);
  return aenderung;
}

// ------------------------------------------------------ the currency table

Resultat<std::vector<Waehrungseintrag>> WaehrungenLaden(const std::filesystem::path& verzeichnis,
                                                        const std::string& datendatei) {
  std::vector<Waehrungseintrag> eintraege;
  std::vector<std::string_view> felder;
  auto gelesen = GeheimdateiDurchlaufen(verzeichnis / datendatei, {}, [&](std::string_view klar, std::size_t zeile) {
    Felder(klar, '\t', felder);
    auto& eintrag = eintraege.emplace_back();
    eintrag.Sichtbar = felder.front() != "n";
    EinheitFuellen(eintrag.Einheit, felder, static_cast<int>(zeile));
    return true;
  });
  if (!gelesen) return gelesen.Fehler();
  return eintraege;
}

namespace {

// The country name as it is compared: the unit classes become runs of "A"
// that sort before every country in their fixed order.
std::string LandSchluessel(const std::string& land) {
  std::string schluessel;
  for (char c : land) {
    // Ä, Ö and Ü (Windows-1252) are compared as AE, OE and UE.
    const auto b = static_cast<unsigned char>(c);
    if (b == 0xC4 || b == 0xD6 || b == 0xDC) {
      schluessel += b == 0xC4 ? 'A' : b == 0xD6 ? 'O' : 'U';
      schluessel += 'E';
    } else {
      schluessel += c;
    }
  }
  for (std::size_t i = 0; i < texte::kEinheitenklassen.size(); ++i)
    if (schluessel == texte::kEinheitenklassen[i]) return std::string(i + 1, 'A');
  return schluessel;
}

int Vorzeichen(int wert) { return (wert > 0) - (wert < 0); }

}  // namespace

int LandVergleich(const TAusgabetextobject& a, const TAusgabetextobject& b) {
  // std::string compares its characters as unsigned, i.e. by their code.
  if (int land = LandSchluessel(a.Landname.Bytes()).compare(LandSchluessel(b.Landname.Bytes())))
    return Vorzeichen(land);
  return Vorzeichen(GrossCp1252(a.Einheitenname.Sicht()).compare(GrossCp1252(b.Einheitenname.Sicht())));
}

void NachLandOrdnen(std::vector<Waehrungseintrag>& eintraege) {
  std::stable_sort(eintraege.begin(), eintraege.end(), [](const Waehrungseintrag& a, const Waehrungseintrag& b) {
    return LandVergleich(a.Einheit, b.Einheit) < 0;
  });
}

void NachDateizeileOrdnen(std::vector<Waehrungseintrag>& eintraege) {
  std::sort(eintraege.begin(), eintraege.end(), [](const Waehrungseintrag& a, const Waehrungseintrag& b) {
    return a.Einheit.Dateizeile < b.Einheit.Dateizeile;
  });
}

Text1252 EuroText(long double faktor) {
  // The table shows the rate as a double, as the currencies are converted.
  const double wert = static_cast<double>(faktor);
  if (wert == 0.0) return {};
  char puffer[400];
  std::snprintf(puffer, sizeof puffer, "%.12f", wert);
  std::string text(Getrimmt(puffer));
  std::replace(text.begin(), text.end(), '.', ',');
  return Text1252(std::move(text));
}

Text1252 WaehrungsZelle(const Waehrungseintrag& eintrag, int spalte) {
  const TAusgabetextobject& e = eintrag.Einheit;
  switch (spalte) {
    case waehrungsspalte::Land:
      return e.Landname;
    case waehrungsspalte::Waehrung:
      return "1 " + e.Einheitenname + " =";
    case waehrungsspalte::Euro:
      return EuroText(e.Faktor);
    case waehrungsspalte::Stand:
      return e.Uebersetzung;
    case waehrungsspalte::Wert:
      return e.CaWert;
    default:
      return {};
  }
}

namespace {

std::string Waehrungszeile(const Waehrungseintrag& eintrag) {
  const TAusgabetextobject& e = eintrag.Einheit;
  Einheitenfelder f;
  f.Sichtbar = eintrag.Sichtbar ? "j" : "n";
  // An empty property stays empty rather than becoming a NUL byte.
  f.Eigenschaft = e.Eigenschaft ? std::string(1, e.Eigenschaft) : std::string();
  f.Kennung.clear();
  f.Feld4 = "1";
  f.Landname = e.Landname.Bytes();
  f.Feld6 = "1";
  f.Kurzzeichen = e.Kurzzeichen.Bytes();
  f.Einheitenname = e.Einheitenname.Bytes();
  f.Faktor = WissText23(e.Faktor);
  f.SonstigeNamen = e.SonstigeNamen.Bytes();
  f.Uebersetzung = e.Uebersetzung.Bytes();
  f.Einsatzgebiet = e.Einsatzgebiet.Bytes();
  f.Entspricht = e.Entspricht.Bytes();
  f.CaWert = e.CaWert.Bytes();
  f.Ort = e.Ort.Bytes();
  f.RegUnterschiede = e.RegUnterschiede ? "j" : "";
  f.Zeitraum = e.Zeitraum.Bytes();
  f.ZeitUnterschiede = e.ZeitUnterschiede ? "j" : "";
  f.Zusatzinfo = e.Zusatzinfo.Bytes();
  return ZeileBauen(f);
}

Waehrungsspeicherung Abgelehnt(Meldung meldung, int zeile, int spalte) {
  Waehrungsspeicherung s;
  s.Fehler = std::move(meldung);
  s.Zeile = zeile;
  s.Spalte = spalte;
  return s;
}

}  // namespace

Waehrungsspeicherung WaehrungenSpeichern(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                         std::vector<Waehrungseintrag>& eintraege,
                                         const std::vector<Waehrungseingabe>& eingaben) {
  // One row of input per entry, or the file would lose lines.
  if (eingaben.size() != eintraege.size() || eintraege.empty())
    return Abgelehnt(NichtGeschriebenMeldung(datendatei), -1, -1);
  std::vector<Waehrungseintrag> neu = eintraege;
  for (std::size_t i = 0; i < neu.size(); ++i) {
    const auto& eingabe = eingaben[i];
    const int zeile = static_cast<int>(i);
    // An empty cell is a rate not known, as 0 is.
    const auto rate = FaktorPruefen(eingabe.Euro.empty() ? std::string_view("0") : eingabe.Euro.Sicht(),
                                    Faktorart::Kurs, Faktorstelle::Kurstabelle);
    if (!rate) return Abgelehnt(rate.Fehler(), zeile, waehrungsspalte::Euro);
    if (auto geprueft = FeldPruefen(eingabe.Stand.Sicht(), "Stand"); !geprueft)
      return Abgelehnt(geprueft.Fehler(), zeile, waehrungsspalte::Stand);
    if (auto geprueft = FeldPruefen(eingabe.Wert.Sicht(), "Wert bzw.ca-Wert"); !geprueft)
      return Abgelehnt(geprueft.Fehler(), zeile, waehrungsspalte::Wert);
    TAusgabetextobject& e = neu[i].Einheit;
    e.Faktor = *rate;
    e.FaktorUnlesbar = false;
    e.Uebersetzung = eingabe.Stand.Anfang(kapazitaet::Uebersetzung);
    e.CaWert = eingabe.Wert.Anfang(kapazitaet::CaWert);
  }
  NachDateizeileOrdnen(neu);
  std::vector<std::string> zeilen;
  zeilen.reserve(neu.size());
  for (const auto& eintrag : neu) zeilen.push_back(LinieVerschluesseln(Waehrungszeile(eintrag), 1));
  if (auto geschrieben = SchreibeAtomar(verzeichnis / datendatei, zeilen); !geschrieben)
    return Abgelehnt(geschrieben.Fehler(), -1, -1);
  eintraege = std::move(neu);
  return {};
}

}  // namespace kolvaro
