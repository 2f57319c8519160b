// The calculator commands. Each runs the dialog's operation of the core and
// prints its result texts; the messages the dialog would show go to
// standard error.
#include "cli/Rechnerbefehle.h"

#include <ostream>

#include "basis/Zeichensatz.h"
#include "calculators/ImmerwaehrenderKalender.h"
#include "calculators/Molmasse.h"
#include "calculators/Rechenfigur.h"
#include "cli/Terminaltext.h"

namespace kolvaro::cli {

namespace {

// Messages to standard error, results to standard output; 1 if the
// calculation reported a wrong input.
int Ausgeben(const Rechenergebnis& ergebnis, const Rechnerumgebung& u) {
  for (const Meldung& m : ergebnis.Vorher) u.Fehler << Terminaltext(m.Text) << "\n";
  if (ergebnis.Fehler) u.Fehler << Terminaltext(ergebnis.Fehler->Text) << "\n";
  for (const Text1252& zeile : ergebnis.Werte) u.Aus << Terminaltext(zeile) << "\n";
  return ergebnis.Fehler || !ergebnis.Vorher.empty() ? 1 : 0;
}

int Molmasse(const std::vector<std::string>& argumente, const Rechnerumgebung& u) {
  if (argumente.size() != 1 || argumente[0].empty()) return u.Nutzungsfehler("molmasse erwartet genau eine FORMEL.");
  auto elemente = ElementeLaden(u.Datenverzeichnis());
  if (!elemente) {
    u.Fehler << Terminaltext(elemente.Fehler().Text) << "\n";
    return 1;
  }
  auto formel = Utf8NachCp1252(argumente[0]);
  return Ausgeben(MolmasseBerechnen(formel.value_or("?"), *elemente), u);
}

std::string Eingabenliste(const Rechenfigur& f) {
  std::string liste;
  for (const Text1252& e : f.Eingaben) liste += (liste.empty() ? "" : ", ") + Terminaltext(e);
  return liste;
}

int Figur(const std::string& befehl, const std::vector<std::string>& argumente, const Rechnerumgebung& u) {
  const bool flaeche = befehl == "flaeche";
  const std::vector<Rechenfigur>& figuren = flaeche ? Flaechenfiguren() : Koerperfiguren();
  if (argumente.size() == 1 && argumente[0] == "--liste") {
    for (const Rechenfigur& f : figuren) u.Aus << Terminaltext(f.Name) << "\t" << Eingabenliste(f) << "\n";
    return 0;
  }
  const std::string was = flaeche ? "FIGUR" : "KOERPER";
  if (argumente.empty()) return u.Nutzungsfehler(befehl + " erwartet " + was + " und die Werte, oder --liste.");
  auto name = Utf8NachCp1252(argumente[0]);
  const Rechenfigur* figur = name ? FigurFinden(figuren, *name) : nullptr;
  if (!figur)
    return u.Nutzungsfehler("Unbekannte " + std::string(flaeche ? "Figur" : "Körperform") + ": " + argumente[0] +
                            " (\"kolvaro-cli " + befehl + " --liste\" nennt alle).");
  if (argumente.size() - 1 != figur->Eingaben.size())
    return u.Nutzungsfehler(argumente[0] + " erwartet " + std::to_string(figur->Eingaben.size()) +
                            (figur->Eingaben.size() == 1 ? " Wert: " : " Werte: ") + Eingabenliste(*figur) + ".");
  std::array<Text1252, kRecheneingaben> texte;
  for (std::size_t i = 1; i < argumente.size(); ++i) texte[i - 1] = Utf8NachCp1252(argumente[i]).value_or("?");
  const Rechenergebnis ergebnis = FigurBerechnen(*figur, texte);
  if (!ergebnis.Erfolg && !ergebnis.Fehler) {
    // The dialog stops silently at a 0; a script is told why nothing came.
    u.Fehler << "Ein Wert ist 0: keine Berechnung.\n";
    return 1;
  }
  if (ergebnis.Fehler) return Ausgeben(ergebnis, u);
  for (std::size_t i = 0; i < ergebnis.Werte.size(); ++i)
    if (!figur->Ergebnisse[i].empty())
      u.Aus << Terminaltext(figur->Ergebnisse[i]) << "\t" << Terminaltext(ergebnis.Werte[i]) << "\n";
  return 0;
}

int Wochentag(const std::vector<std::string>& argumente, const Rechnerumgebung& u) {
  if (argumente.size() != 1 || argumente[0].empty()) return u.Nutzungsfehler("wochentag erwartet genau ein DATUM.");
  return Ausgeben(WochentagBerechnen(Utf8NachCp1252(argumente[0]).value_or("?")), u);
}

int Feiertage(const std::vector<std::string>& argumente, const Rechnerumgebung& u) {
  bool julianisch = false;
  std::vector<std::string> jahr;
  for (const std::string& a : argumente) {
    if (a == "--julianisch")
      julianisch = true;
    else
      jahr.push_back(a);
  }
  if (jahr.size() != 1 || jahr[0].empty()) return u.Nutzungsfehler("feiertage erwartet genau ein JAHR.");
  return Ausgeben(FeiertageBerechnen(Utf8NachCp1252(jahr[0]).value_or("?"), julianisch), u);
}

}  // namespace

bool IstRechnerbefehl(const std::string& befehl) {
  return befehl == "molmasse" || befehl == "flaeche" || befehl == "koerper" || befehl == "wochentag" ||
         befehl == "feiertage";
}

int RechnerbefehlAusfuehren(const std::string& befehl, const std::vector<std::string>& argumente,
                            const Rechnerumgebung& umgebung) {
  if (befehl == "molmasse") return Molmasse(argumente, umgebung);
  if (befehl == "wochentag") return Wochentag(argumente, umgebung);
  if (befehl == "feiertage") return Feiertage(argumente, umgebung);
  return Figur(befehl, argumente, umgebung);
}

}  // namespace kolvaro::cli
