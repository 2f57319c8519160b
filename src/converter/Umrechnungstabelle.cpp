// Conversion tables.
#include "converter/Umrechnungstabelle.h"

#include <charconv>
#include <cmath>
#include <string>

#include "basis/Texte.h"
#include "basis/Werteingabe.h"
#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"

namespace kolvaro {

Resultat<std::vector<long double>> Tabellenwerte(long double start, long double ende, long double schritt) {
  if (!std::isfinite(start) || !std::isfinite(ende) || !std::isfinite(schritt))
    return FehlerMeldung(Cp1252("Start, Ende und Schrittweite müssen Zahlen sein."));
  if (schritt == 0.0L || (ende - start) / schritt < 0.0L)
    return FehlerMeldung(Cp1252("Die Schrittweite muss vom Start zum Ende führen und darf nicht 0 sein."));
  // Steps that land on the end within rounding (0,1 ten times) include it.
  const long double schritte = std::floor((ende - start) / schritt * (1.0L + 1e-12L) + 1e-9L);
  if (schritte + 1 > kTabellenzeilenHoechstens)
    return FehlerMeldung("Die Tabelle hätte " + Text1252::Zahl(static_cast<long long>(schritte + 1)) +
                         " Zeilen; höchstens " + Text1252::Zahl(static_cast<long long>(kTabellenzeilenHoechstens)) +
                         " sind möglich. Bitte die Schrittweite vergrößern.");
  std::vector<long double> werte;
  werte.reserve(static_cast<std::size_t>(schritte) + 1);
  // Multiplied, not summed: the thousandth row carries no sum of rounding errors.
  for (long double i = 0; i <= schritte; ++i) werte.push_back(start + i * schritt);
  return werte;
}

std::vector<Tabellenzeile> Umrechnungstabelle(const std::vector<long double>& werte, const TAusgabetextobject& von,
                                              const std::vector<const TAusgabetextobject*>& nach) {
  std::vector<Tabellenzeile> zeilen;
  zeilen.reserve(werte.size());
  for (long double wert : werte) {
    Tabellenzeile z{wert, {}};
    z.Ergebnisse.reserve(nach.size());
    for (const auto* ziel : nach) z.Ergebnisse.push_back(wert * von.Faktor / ziel->Faktor);
    zeilen.push_back(std::move(z));
  }
  return zeilen;
}

Rechenergebnis UmrechnungstabelleBerechnen(const std::vector<TAusgabetextobject>& einheiten, int von,
                                           const std::vector<int>& nach, const Text1252& start, const Text1252& ende,
                                           const Text1252& schritt, int stellen) {
  auto gueltig = [&](int i) { return i >= 0 && i < static_cast<int>(einheiten.size()); };
  if (!gueltig(von) || nach.empty() || !(einheiten[static_cast<std::size_t>(von)].Faktor > 0))
    return EingabeFehler(Cp1252("Bitte eine Ausgangseinheit und mindestens eine Zieleinheit wählen."), Fokus::NurFokus);
  std::vector<const TAusgabetextobject*> ziele;
  for (int i : nach) {
    if (!gueltig(i) || !(einheiten[static_cast<std::size_t>(i)].Faktor > 0))
      return EingabeFehler(Cp1252("Bitte eine Ausgangseinheit und mindestens eine Zieleinheit wählen."),
                           Fokus::NurFokus);
    ziele.push_back(&einheiten[static_cast<std::size_t>(i)]);
  }
  long double zahlen[3];
  const Text1252* texte[] = {&start, &ende, &schritt};
  for (int i = 0; i < 3; ++i) {
    const auto zahl = ZahlOderRechnung(texte[i]->Sicht());
    if (!zahl) return EingabeFehler(Cp1252(texte::kFalscheEingabe), Rechenwertfeld(i + 1));
    zahlen[i] = *zahl;
  }
  const auto werte = Tabellenwerte(zahlen[0], zahlen[1], zahlen[2]);
  if (!werte) return EingabeFehler(werte.Fehler().Text, Eingabefeld::Wert3);
  std::vector<Text1252> zeilen;
  zeilen.reserve(werte->size());
  for (const Tabellenzeile& z : Umrechnungstabelle(*werte, einheiten[static_cast<std::size_t>(von)], ziele)) {
    Text1252 zeile = TabellenwertText(z.Wert);
    for (long double e : z.Ergebnisse) {
      zeile += '\t';
      zeile += stellen > 0 ? StellenText(e, stellen) : FliessText(e);
    }
    zeilen.push_back(std::move(zeile));
  }
  return ErledigtMit(std::move(zeilen));
}

Text1252 KeineUmrechnungstabelle(const Text1252& gebietsname) {
  return "Im Gebiet \"" + gebietsname + "\" gibt es keine Umrechnungstabelle: seine Einheiten haben keinen Faktor.";
}

Text1252 TabellenwertText(long double wert) {
  char puffer[64];
  const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, static_cast<double>(wert));
  std::string text = fehler == std::errc() ? std::string(puffer, ende) : std::string("?");
  for (char& c : text)
    if (c == '.') c = ',';
  return Text1252(std::move(text));
}

}  // namespace kolvaro
