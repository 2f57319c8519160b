// Taking the central bank's reference rates into the currency file. A
// currency unit takes the rate of the ISO code its symbol begins with ("USD
// $", "AUD A$"): its factor becomes euros per unit, 1 / rate, and its date
// field ("Stand") the day of the rate with the bank named. Every other line
// stays as it was, and the file is rewritten once, or not at all.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "basis/Rechenergebnis.h"
#include "special/Kursdatei.h"

namespace kolvaro {

// What an import did, for the report.
struct Kursbericht {
  Tagesdatum Datum;
  int Uebernommen = 0;                   // rates of the file that a unit took
  std::vector<std::string> OhneEinheit;  // codes of the file no unit has
  // Codes whose units keep the rate fixed for good when their currency
  // joined the euro or was pegged to it ("fester Kurs seit …"): the bank
  // rounds such a rate to five digits.
  std::vector<std::string> FesterKurs;
};

struct Kurseinlesung {
  Rechenergebnis Ergebnis;  // Erfolg, or the message; nothing written then
  Kursbericht Bericht;
};

// Reads and checks a rate file; a file that cannot be read is the message naming it.
Resultat<Kursdatei> KursdateiLaden(const std::filesystem::path& pfad);

// Takes the rates of the day into the data file of the category "Währungen"
// in verzeichnis. Refused when the catalogue has no such category or its
// reference unit is not the euro (the rates are per euro).
Kurseinlesung KurseEinlesen(const std::filesystem::path& verzeichnis, const Kursstichtag& tag);

// The date text a unit takes: "04.12.2026 (EZB)".
Text1252 EzbStand(const Tagesdatum& datum);

// The report, one statement a line: the day, how many rates were taken,
// the codes without a unit and those that kept their fixed rate.
std::vector<Text1252> BerichtZeilen(const Kursbericht& bericht);

}  // namespace kolvaro
