// The date of the newest exchange rate the currency category carries, for
// the about box. Each currency keeps the date of its rate at the start of
// its field Uebersetzung ("26.09.2024 (EZB)"); fixed rates ("fester Kurs
// seit 1.1.1999") and currency reforms name a date that is no rate's date
// and do not count.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"
#include "basis/Tagesdatum.h"

namespace kolvaro {

// The latest date among the fields that begin with a valid date (T.M.JJJJ,
// day and month with one or two digits), written TT.MM.JJJJ; empty when no
// field does.
Text1252 NeuestesKursdatum(const std::vector<std::string_view>& staende);

// How old a rate is on the day heute: "vor 3 Tagen", "vor 1 Monat", "vor 2
// Jahren" (whole calendar months and years), "von heute"; empty when the
// field does not begin with a date or names a day after heute.
Text1252 Kursalter(std::string_view stand, const Tagesdatum& heute);
// The field as the information panel shows it: "26.09.2024 (EZB), vor 2 Jahren".
Text1252 StandMitAlter(const Text1252& stand, const Tagesdatum& heute);

// The same over the data file of the category "Währungen" in the directory.
// Without that category the date is empty; an unreadable catalogue or data
// file is the reader's message.
Resultat<Text1252> Wechselkursstand(const std::filesystem::path& verzeichnis);

}  // namespace kolvaro
