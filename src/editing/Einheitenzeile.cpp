// Joining the fields of a unit line.
#include "editing/Einheitenzeile.h"

namespace kolvaro {

std::string ZeileBauen(const Einheitenfelder& f) {
  std::string zeile;
  for (const std::string* feld :
       {&f.Sichtbar, &f.Eigenschaft, &f.Kennung, &f.Feld4, &f.Landname, &f.Feld6, &f.Kurzzeichen, &f.Einheitenname,
        &f.Faktor, &f.SonstigeNamen, &f.Uebersetzung, &f.Einsatzgebiet, &f.Entspricht, &f.CaWert, &f.Ort,
        &f.RegUnterschiede, &f.Zeitraum, &f.ZeitUnterschiede}) {
    zeile += *feld;
    zeile += '\t';
  }
  zeile += f.Zusatzinfo;
  return zeile;
}

}  // namespace kolvaro
