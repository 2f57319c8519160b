// Tables as the files and printouts that take them away: CSV the way German
// spreadsheets read it, and HTML for printing.
#pragma once

#include <vector>

#include "basis/Text1252.h"

namespace kolvaro {

// ";" between the fields, CR LF after each row; a field that holds ";", a
// quote or a line break stands in quotes, its quotes doubled. Numbers keep
// their decimal comma.
Text1252 CsvText(const std::vector<std::vector<Text1252>>& zeilen);

// An HTML page with a heading, a line under it and the rows as a table, the
// first row as column headings; the texts' special characters escaped.
Text1252 HtmlTabelle(const Text1252& ueberschrift, const Text1252& unterzeile,
                     const std::vector<std::vector<Text1252>>& zeilen);

}  // namespace kolvaro
