// The euro reference rates as the European Central Bank publishes them for
// download, read in any of their usual layouts: the XML of one day, of the
// last 90 days or of the whole history (<Cube time='…'> holding
// <Cube currency='USD' rate='1.0512'/>, inside the bank's envelope), the CSV
// of one day (a header "Date, USD, JPY, …" and one line) and the CSV of the
// whole history (one line per day, "N/A" where a currency has no rate).
// Every rate is "units of the currency per euro". A file is read whole and
// checked whole: one wrong line refuses all of it, so that nothing of a
// damaged or cut-off download reaches the currency file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Meldung.h"
#include "basis/Tagesdatum.h"

namespace kolvaro {

struct Kurs {
  std::string Code;  // the ISO code, three capital letters
  double Wert = 0;   // units of the currency per euro, above 0
};

// The rates of one day, without the currencies that had none.
struct Kursstichtag {
  Tagesdatum Datum;
  std::vector<Kurs> Kurse;
  std::size_t Zeile = 0;  // where the day begins in the file, from 1
};

enum class Kursform { Xml, Csv };

struct Kursdatei {
  Kursform Form = Kursform::Xml;
  std::vector<Kursstichtag> Tage;  // newest first
};

// Reads the text of a file; dateiname names it in the messages. A layout
// that is none of the bank's, a cut-off file, a rate that is not a number
// above 0, a day without a valid date or a file without any day is a message
// naming the line.
Resultat<Kursdatei> KursdateiLesen(std::string_view inhalt, const std::string& dateiname);

// The day to take: the newest without a date, else the day asked for. A day
// the file does not hold is a message naming the nearest days it holds.
Resultat<const Kursstichtag*> KurstagWaehlen(const Kursdatei& datei, const std::string& dateiname,
                                             const std::optional<Tagesdatum>& tag);

}  // namespace kolvaro
