// One unit line of a category data file and its in-memory entry.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Text1252.h"

namespace kolvaro {

// Field numbers (from 1) of a deciphered unit line.
namespace feld {
constexpr int Sichtbar = 1;
constexpr int Eigenschaft = 2;
constexpr int Kennung = 3;
constexpr int Landname = 5;
constexpr int Kurzzeichen = 7;
constexpr int Einheitenname = 8;
constexpr int Faktor = 9;
constexpr int SonstigeNamen = 10;
constexpr int Uebersetzung = 11;
constexpr int Einsatzgebiet = 12;
constexpr int Entspricht = 13;
constexpr int CaWert = 14;
constexpr int Ort = 15;
constexpr int RegUnterschiede = 16;
constexpr int Zeitraum = 17;
constexpr int ZeitUnterschiede = 18;
constexpr int Zusatzinfo = 19;
constexpr int Anzahl = 19;
// A line with fewer fields than this lacks its name or its factor.
constexpr int Mindestens = Faktor;
}  // namespace feld

// Capacities of the loaded text fields; longer text is cut when loaded.
namespace kapazitaet {
constexpr std::size_t Kennung = 5;
constexpr std::size_t Kurzzeichen = 20;
constexpr std::size_t Einheitenname = 34;
constexpr std::size_t SonstigeNamen = 33;
constexpr std::size_t Uebersetzung = 32;
constexpr std::size_t Einsatzgebiet = 27;
constexpr std::size_t Entspricht = 40;
constexpr std::size_t CaWert = 21;
constexpr std::size_t Ort = 17;
constexpr std::size_t Zeitraum = 15;
constexpr std::size_t ErgebnisWiss = 15;
// The float text of -1 000 000 000 .. -10 000 000 000 needs up to 17
// characters after grouping; the field is wide enough that nothing is cut.
constexpr std::size_t ErgebnisFliess = 17;
}  // namespace kapazitaet

// One unit of the current category.
struct TAusgabetextobject {
  char Eigenschaft = '\0';
  Text1252 Kennung;
  Text1252 Landname;
  Text1252 Kurzzeichen;
  Text1252 Einheitenname;
  long double Faktor = 0.0L;
  // The factor field was not a number (Faktor is then 0): in world time 0
  // is an offset like any other, so only this tells the damage apart.
  bool FaktorUnlesbar = false;
  Text1252 SonstigeNamen;
  Text1252 Uebersetzung;
  Text1252 Einsatzgebiet;
  Text1252 Entspricht;
  Text1252 CaWert;
  Text1252 Ort;
  bool RegUnterschiede = false;
  Text1252 Zeitraum;
  bool ZeitUnterschiede = false;
  Text1252 Zusatzinfo;

  int Dateizeile = 0;
  Text1252 ErgebnisWiss;
  Text1252 ErgebnisFliess;
  // A result by factors before its texts are asked for: a list of a
  // thousand units formats only the rows it shows.
  std::optional<long double> Ergebniszahl;
};

// Fills an entry from the fields of a deciphered line (missing fields are
// empty). The factor is read with "," or "." as decimal separator; a factor
// that is not a number becomes 0 and is marked FaktorUnlesbar.
void EinheitFuellen(TAusgabetextobject& e, const std::vector<std::string_view>& felder, int dateizeile);

}  // namespace kolvaro
