// Building unit entries from unit lines.
#include "data/Einheit.h"

#include "basis/Zahlformat.h"

namespace kolvaro {
namespace {

std::string_view FeldOderLeer(const std::vector<std::string_view>& felder, int n) {
  return (n >= 1 && static_cast<std::size_t>(n) <= felder.size()) ? felder[n - 1] : std::string_view();
}

}  // namespace

void EinheitFuellen(TAusgabetextobject& e, const std::vector<std::string_view>& felder, int dateizeile) {
  auto eigenschaft = FeldOderLeer(felder, feld::Eigenschaft);
  e.Eigenschaft = eigenschaft.empty() ? '\0' : eigenschaft.front();
  e.Kennung = Text1252(FeldOderLeer(felder, feld::Kennung).substr(0, kapazitaet::Kennung));
  e.Landname = Text1252(FeldOderLeer(felder, feld::Landname));
  e.Kurzzeichen = Text1252(FeldOderLeer(felder, feld::Kurzzeichen).substr(0, kapazitaet::Kurzzeichen));
  e.Einheitenname = Text1252(FeldOderLeer(felder, feld::Einheitenname).substr(0, kapazitaet::Einheitenname));
  const auto faktor = ZahlLesen(FeldOderLeer(felder, feld::Faktor));
  e.Faktor = faktor.value_or(0.0L);
  e.FaktorUnlesbar = !faktor;
  e.SonstigeNamen = Text1252(FeldOderLeer(felder, feld::SonstigeNamen).substr(0, kapazitaet::SonstigeNamen));
  e.Uebersetzung = Text1252(FeldOderLeer(felder, feld::Uebersetzung).substr(0, kapazitaet::Uebersetzung));
  e.Einsatzgebiet = Text1252(FeldOderLeer(felder, feld::Einsatzgebiet).substr(0, kapazitaet::Einsatzgebiet));
  e.Entspricht = Text1252(FeldOderLeer(felder, feld::Entspricht).substr(0, kapazitaet::Entspricht));
  e.CaWert = Text1252(FeldOderLeer(felder, feld::CaWert).substr(0, kapazitaet::CaWert));
  e.Ort = Text1252(FeldOderLeer(felder, feld::Ort).substr(0, kapazitaet::Ort));
  e.RegUnterschiede = FeldOderLeer(felder, feld::RegUnterschiede) == "j";
  e.Zeitraum = Text1252(FeldOderLeer(felder, feld::Zeitraum).substr(0, kapazitaet::Zeitraum));
  e.ZeitUnterschiede = FeldOderLeer(felder, feld::ZeitUnterschiede) == "j";
  e.Zusatzinfo = Text1252(FeldOderLeer(felder, feld::Zusatzinfo));
  e.Dateizeile = dateizeile;
}

}  // namespace kolvaro
