// Building a unit line from its fields, as the editing functions write it:
// fields 1 to 18 each followed by a TAB, then field 19 (empty for own units,
// so their lines end with a TAB).
#pragma once

#include <string>

namespace kolvaro {

struct Einheitenfelder {
  std::string Sichtbar = "j";
  std::string Eigenschaft = "j";
  std::string Kennung;
  std::string Feld4 = "1";
  std::string Landname;
  std::string Feld6 = "1";
  std::string Kurzzeichen;
  std::string Einheitenname;
  std::string Faktor;
  std::string SonstigeNamen;
  std::string Uebersetzung;
  std::string Einsatzgebiet;
  std::string Entspricht;
  std::string CaWert;
  std::string Ort;
  std::string RegUnterschiede;
  std::string Zeitraum;
  std::string ZeitUnterschiede;
  std::string Zusatzinfo;
};

// The deciphered line (Windows-1252).
std::string ZeileBauen(const Einheitenfelder& felder);

}  // namespace kolvaro
