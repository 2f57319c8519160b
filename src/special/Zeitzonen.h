// Local times in the zones of the system's time-zone database: a date and
// time read in one zone, the moment it names, and what the clocks of any
// zone show at that moment (offset and abbreviation included, summer time
// as the database has it).
#pragma once

#include <string>
#include <string_view>

#include "basis/Meldung.h"

namespace kolvaro {

// Where the system keeps its database; named in the messages.
inline const char* const kZeitzonenVerzeichnis = "/usr/share/zoneinfo";

// A date and time as a clock shows it, in no zone yet.
struct Wandzeit {
  int Jahr = 1970;
  int Monat = 1;
  int Tag = 1;
  int Stunde = 0;
  int Minute = 0;
};

// "06.12.2026 14:30" (day and month with one or two digits, the year with
// four, the time optional and then 00:00). The message says what is wrong.
Resultat<Wandzeit> WandzeitLesen(std::string_view eingabe);

// Whether the system's database has the zone; the message says which of
// the two is missing.
Resultat<> ZoneVorhanden(const std::string& zone);

// A moment: seconds since 01.01.1970 00:00 UTC.
using Zeitpunkt = long long;

// The moment of a wall time in a zone. A time the zone skips (the clocks
// jump forward) is an error; a time it has twice (the hour repeated when
// the clocks go back) is read as the earlier one, and Hinweis says so with
// both readings.
struct Zeitbestimmung {
  Zeitpunkt Moment = 0;
  OptMeldung Hinweis;
};
Resultat<Zeitbestimmung> ZeitpunktIn(const std::string& zone, const Wandzeit& zeit);

// What the clocks of a zone show at a moment.
struct Zonenzeit {
  Text1252 DatumUhrzeit;  // "01.07.2026 06:00"
  Text1252 Versatz;       // "UTC-04:00"
  Text1252 Abkuerzung;    // "EDT", or numeric ("+0545") as the database gives it
};
Resultat<Zonenzeit> ZonenzeitBei(const std::string& zone, Zeitpunkt moment);

// Why some rows of a moment after 2037 show "keine Angabe".
Text1252 TabellenendeHinweis();

// The row text: "01.07.2026 06:00 -04:00 EDT".
Text1252 ZonenzeitText(const Zonenzeit& zeit);

// The present moment, to the minute.
Zeitpunkt JetztAufDieMinute();

}  // namespace kolvaro
