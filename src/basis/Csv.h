// Tables saved as CSV the way German spreadsheets read them.
#pragma once

#include <vector>

#include "basis/Text1252.h"

namespace kolvaro {

// ";" between the fields, CR LF after each row; a field that holds ";", a
// quote or a line break stands in quotes, its quotes doubled. Numbers keep
// their decimal comma.
Text1252 CsvText(const std::vector<std::vector<Text1252>>& zeilen);

}  // namespace kolvaro
