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

// The controls of the dialogs, so that a refusal can name where the focus goes.
enum class Eingabefeld { Edit1, Edit2, ComboBox1, Edit3, Edit4, Edit5, Edit6 };

// What the user typed (Windows-1252), by control. Edit3, Edit4 and Edit6
// mean different things in the three dialogs; Edit6 exists only for
// currencies, Edit4 not for time zones.
struct EigeneEingabe {
  std::string Edit1;  // name
  std::string Edit2;  // symbol
  std::string Land;   // the selected entry of ComboBox1
  std::string Edit3;
  std::string Edit4;
  std::string Edit5;  // factor, or minutes to world time
  std::string Edit6;
};

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
