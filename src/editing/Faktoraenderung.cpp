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
  return InfoMeldung(Cp1252("Das Feld \"" + std::string(feldname) +
                            "\" enthält ein Zeichen, das Kolvaro nicht speichern kann. Bitte ändern!"));
}

// -------------------------------------------------------------- one unit

std::string FaktorText(long double faktor) { return WissText17(faktor); }

Rechenergebnis FaktorAendern(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                             TAusgabetextobject& einheit, std::string_view eingabe) {
  const auto faktor = FaktorPruefen(eingabe, Faktorart::Einheit, Faktorstelle::Aendern);
  if (!faktor) return Hinweis(faktor.Fehler());
  if (auto geschrieben =
          EinheitenzeileAendern(verzeichnis, datendatei, einheit.Dateizeile, feld::Faktor, std::string(eingabe));
      !geschrieben)
    return Fehlgeschlagen(geschrieben.Fehler());
  einheit.Faktor = *faktor;
  einheit.FaktorUnlesbar = false;
  return Erledigt();
}

// -------------------------------------------------------- one world time

std::string MinutenText(long double faktor) {
  if (!std::isfinite(faktor)) return {};
  // nearbyint rounds halves to the even neighbour in the default mode.
  return GanzText(std::nearbyint(faktor * 60.0L));
}

Rechenergebnis WeltzeitAendern(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                               TAusgabetextobject& einheit, std::string_view minuten, std::string_view sommerzeit) {
  const auto gelesen = FaktorPruefen(minuten, Faktorart::Zeitdifferenz, Faktorstelle::Aendern);
  if (!gelesen) return Hinweis(gelesen.Fehler());
  const long double faktor = *gelesen / 60.0L;
  if (auto geprueft = FeldPruefen(sommerzeit, kSommerzeitFeld); !geprueft) {
    Rechenergebnis r = Fehlgeschlagen(geprueft.Fehler());
    r.FokusDanach = Fokus::FokusUndMarkieren;
    return r;
  }
  if (auto geschrieben = EinheitenzeilenAendern(verzeichnis, datendatei,
                                                {{einheit.Dateizeile, feld::Faktor, WissText23(faktor)},
                                                 {einheit.Dateizeile, feld::Uebersetzung, std::string(sommerzeit)}});
      !geschrieben)
    return Fehlgeschlagen(geschrieben.Fehler());
  einheit.Faktor = faktor;
  einheit.FaktorUnlesbar = false;
  einheit.Uebersetzung.assign(sommerzeit.substr(0, kapazitaet::Uebersetzung));
  return Erledigt();
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
  if (int land = LandSchluessel(a.Landname).compare(LandSchluessel(b.Landname))) return Vorzeichen(land);
  return Vorzeichen(GrossCp1252(a.Einheitenname).compare(GrossCp1252(b.Einheitenname)));
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

std::string EuroText(long double faktor) {
  // The table shows the rate as a double, as the currencies are converted.
  const double wert = static_cast<double>(faktor);
  if (wert == 0.0) return {};
  char puffer[400];
  std::snprintf(puffer, sizeof puffer, "%.12f", wert);
  std::string text(Getrimmt(puffer));
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string WaehrungsZelle(const Waehrungseintrag& eintrag, int spalte) {
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
  f.Landname = e.Landname;
  f.Feld6 = "1";
  f.Kurzzeichen = e.Kurzzeichen;
  f.Einheitenname = e.Einheitenname;
  f.Faktor = WissText23(e.Faktor);
  f.SonstigeNamen = e.SonstigeNamen;
  f.Uebersetzung = e.Uebersetzung;
  f.Einsatzgebiet = e.Einsatzgebiet;
  f.Entspricht = e.Entspricht;
  f.CaWert = e.CaWert;
  f.Ort = e.Ort;
  f.RegUnterschiede = e.RegUnterschiede ? "j" : "";
  f.Zeitraum = e.Zeitraum;
  f.ZeitUnterschiede = e.ZeitUnterschiede ? "j" : "";
  f.Zusatzinfo = e.Zusatzinfo;
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
    const auto rate = FaktorPruefen(eingabe.Euro.empty() ? std::string_view("0") : std::string_view(eingabe.Euro),
                                    Faktorart::Kurs, Faktorstelle::Kurstabelle);
    if (!rate) return Abgelehnt(rate.Fehler(), zeile, waehrungsspalte::Euro);
    if (auto geprueft = FeldPruefen(eingabe.Stand, "Stand"); !geprueft)
      return Abgelehnt(geprueft.Fehler(), zeile, waehrungsspalte::Stand);
    if (auto geprueft = FeldPruefen(eingabe.Wert, "Wert bzw.ca-Wert"); !geprueft)
      return Abgelehnt(geprueft.Fehler(), zeile, waehrungsspalte::Wert);
    TAusgabetextobject& e = neu[i].Einheit;
    e.Faktor = *rate;
    e.FaktorUnlesbar = false;
    e.Uebersetzung = eingabe.Stand.substr(0, kapazitaet::Uebersetzung);
    e.CaWert = eingabe.Wert.substr(0, kapazitaet::CaWert);
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
