// Adding an own unit to the current category: the line each of the three
// dialogs builds (ordinary units, currencies, time zones), the checks of
// what was typed, and the insertion of the enciphered line at its
// alphabetical place in the category's data file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "basis/Meldung.h"
#include "basis/Rechenergebnis.h"
#include "basis/Text1252.h"

namespace kolvaro {

enum class Eigenart { Gewoehnlich, Waehrung, Weltzeit };

// What the user typed, by meaning (Eingabefeld). A dialog fills only the
// fields it has.
struct EigeneEingabe {
  Text1252 Name;
  Text1252 Kurzzeichen;
  Text1252 Land;
  Text1252 SonstigeNamen;  // ordinary units: a further name
  Text1252 Einsatzgebiet;  // ordinary units
  Text1252 CaWert;
  Text1252 Entspricht;
  Text1252 Stand;
  Text1252 Sommerzeit;
  Text1252 Faktor;
};

// Every field of the own-unit dialogs, and its text in an input.
inline constexpr Eingabefeld kAlleEingabefelder[] = {
    Eingabefeld::Name,          Eingabefeld::Kurzzeichen, Eingabefeld::Land,       Eingabefeld::SonstigeNamen,
    Eingabefeld::Einsatzgebiet, Eingabefeld::CaWert,      Eingabefeld::Entspricht, Eingabefeld::Stand,
    Eingabefeld::Sommerzeit,    Eingabefeld::Faktor};
Text1252& Feldtext(EigeneEingabe& eingabe, Eingabefeld feld);
const Text1252& Feldtext(const EigeneEingabe& eingabe, Eingabefeld feld);

// Minutes to world time as the stored factor: hours in the 23-character form.
std::string WeltzeitFaktor(long double minuten);

// The field captions (UTF-8) as the dialog of that kind shows them, without colon.
std::string_view Beschriftung(Eigenart art, Eingabefeld feld);

// Checks everything typed: Erfolg when the line may be written, otherwise
// the message and the field it is about.
Rechenergebnis EigeneEingabePruefen(Eigenart art, const EigeneEingabe& eingabe);

// The deciphered line of the new unit; the input must have passed the check.
std::string EigeneZeileBauen(Eigenart art, const EigeneEingabe& eingabe);

// Inserts the line (deciphered) before the first line whose Einheitenname
// does not come before name alphabetically (AlphabetischVergleichen), or
// after the last line; every other line is written back as
// it was read. Gives the 0-based position of the new line. A file that
// cannot be read or written, a damaged line or a file cut off in a line
// leaves the file as it was.
Resultat<std::size_t> EinheitEinsortieren(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                          const std::string& zeile, const Text1252& name);

// The whole operation of the dialogs' OK: check, build, insert. A refusal
// names its field; a file that could not be read or written names none.
// Either way nothing is written.
Rechenergebnis EigeneEinheitEinfuegen(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                      Eigenart art, const EigeneEingabe& eingabe);

}  // namespace kolvaro
