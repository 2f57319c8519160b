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

namespace kolvaro {

// The latest date among the fields that begin with a valid date (T.M.JJJJ,
// day and month with one or two digits), written TT.MM.JJJJ; empty when no
// field does.
Text1252 NeuestesKursdatum(const std::vector<std::string_view>& staende);

// The same over the data file of the category "Währungen" in the directory.
// Without that category the date is empty; an unreadable catalogue or data
// file is the reader's message.
Resultat<Text1252> Wechselkursstand(const std::filesystem::path& verzeichnis);

}  // namespace kolvaro
