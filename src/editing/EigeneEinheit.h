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

namespace kolvaro {

enum class Eigenart { Gewoehnlich, Waehrung, Weltzeit };

// What a field of the dialogs means, so that a refusal can name where the
// focus goes; each dialog knows which of its controls holds which.
enum class Eingabefeld {
  Name,
  Kurzzeichen,
  Land,
  WeitererName,   // ordinary units
  Einsatzgebiet,  // ordinary units
  CaWert,         // currencies: the approximate value for the information panel
  Entspricht,     // currencies
  Stand,          // currencies: the date of the rate
  Sommerzeit,     // time zones
  Faktor          // the factor; for time zones the minutes to world time
};

// What the user typed (Windows-1252), by meaning. A dialog fills only the
// fields it has.
struct EigeneEingabe {
  std::string Name;
  std::string Kurzzeichen;
  std::string Land;
  std::string WeitererName;
  std::string Einsatzgebiet;
  std::string CaWert;
  std::string Entspricht;
  std::string Stand;
  std::string Sommerzeit;
  std::string Faktor;
};

// Every field in the order of Eingabefeld, and its text in an input.
inline constexpr Eingabefeld kAlleEingabefelder[] = {
    Eingabefeld::Name,          Eingabefeld::Kurzzeichen, Eingabefeld::Land,       Eingabefeld::WeitererName,
    Eingabefeld::Einsatzgebiet, Eingabefeld::CaWert,      Eingabefeld::Entspricht, Eingabefeld::Stand,
    Eingabefeld::Sommerzeit,    Eingabefeld::Faktor};
std::string& Feldtext(EigeneEingabe& eingabe, Eingabefeld feld);
const std::string& Feldtext(const EigeneEingabe& eingabe, Eingabefeld feld);

struct Eingabefehler {
  Meldung Text;
  Eingabefeld Feld;
};

// Minutes to world time as the stored factor: hours in the 23-character form.
std::string WeltzeitFaktor(long double minuten);

// The field captions (UTF-8) as the dialog of that kind shows them, without colon.
std::string_view Beschriftung(Eigenart art, Eingabefeld feld);

// Checks everything typed; nullopt when the line may be written.
std::optional<Eingabefehler> EigeneEingabePruefen(Eigenart art, const EigeneEingabe& eingabe);

// The deciphered line of the new unit; the input must have passed the check.
std::string EigeneZeileBauen(Eigenart art, const EigeneEingabe& eingabe);

// Inserts the line (deciphered) before the first line whose Einheitenname
// does not come before name alphabetically (AlphabetischVergleichen), or
// after the last line; every other line is written back as
// it was read. Gives the 0-based position of the new line. A file that
// cannot be read or written, a damaged line or a file cut off in a line
// leaves the file as it was.
Resultat<std::size_t> EinheitEinsortieren(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                          const std::string& zeile, const std::string& name);

// The whole operation of the dialogs' OK: check, build, insert.
struct EinfuegeErgebnis {
  std::optional<Eingabefehler> Fehler;  // refused: nothing written
  OptMeldung Schreibfehler;             // the file could not be read or written: nothing written
  bool Erfolg() const { return !Fehler && !Schreibfehler; }
};
EinfuegeErgebnis EigeneEinheitEinfuegen(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                                        Eigenart art, const EigeneEingabe& eingabe);

}  // namespace kolvaro
