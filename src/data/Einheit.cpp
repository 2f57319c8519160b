// Building unit entries from unit lines.
#include "data/Einheit.h"

#include "converter/Zahlformat.h"

namespace kolvaro {
namespace {

std::string_view FeldOderLeer(const std::vector<std::string_view>& felder, int n) {
  return (n >= 1 && static_cast<std::size_t>(n) <= felder.size()) ? felder[n - 1] : std::string_view();
}

std::string Gekuerzt(std::string_view text, std::size_t maximum) {
  return std::string(text.substr(0, maximum));
}

}  // namespace

bool FaktorLesen(std::string_view text, long double& wert) {
  auto zahl = ZahlLesen(text);
  if (!zahl) return false;
  wert = *zahl;
  return true;
}

TAusgabetextobject EinheitAusFeldern(const std::vector<std::string_view>& felder, int dateizeile) {
  TAusgabetextobject e;
  auto eigenschaft = FeldOderLeer(felder, feld::Eigenschaft);
  e.Eigenschaft = eigenschaft.empty() ? '\0' : eigenschaft.front();
  e.Kennung = Gekuerzt(FeldOderLeer(felder, feld::Kennung), kapazitaet::Kennung);
  e.Landname = std::string(FeldOderLeer(felder, feld::Landname));
  e.Kurzzeichen = Gekuerzt(FeldOderLeer(felder, feld::Kurzzeichen), kapazitaet::Kurzzeichen);
  e.Einheitenname = Gekuerzt(FeldOderLeer(felder, feld::Einheitenname), kapazitaet::Einheitenname);
  if (!FaktorLesen(FeldOderLeer(felder, feld::Faktor), e.Faktor)) e.Faktor = 0.0L;
  e.SonstigeNamen = Gekuerzt(FeldOderLeer(felder, feld::SonstigeNamen), kapazitaet::SonstigeNamen);
  e.Uebersetzung = Gekuerzt(FeldOderLeer(felder, feld::Uebersetzung), kapazitaet::Uebersetzung);
  e.Einsatzgebiet = Gekuerzt(FeldOderLeer(felder, feld::Einsatzgebiet), kapazitaet::Einsatzgebiet);
  e.Entspricht = Gekuerzt(FeldOderLeer(felder, feld::Entspricht), kapazitaet::Entspricht);
  e.CaWert = Gekuerzt(FeldOderLeer(felder, feld::CaWert), kapazitaet::CaWert);
  e.Ort = Gekuerzt(FeldOderLeer(felder, feld::Ort), kapazitaet::Ort);
  e.RegUnterschiede = FeldOderLeer(felder, feld::RegUnterschiede) == "j";
  e.Zeitraum = Gekuerzt(FeldOderLeer(felder, feld::Zeitraum), kapazitaet::Zeitraum);
  e.ZeitUnterschiede = FeldOderLeer(felder, feld::ZeitUnterschiede) == "j";
  e.Zusatzinfo = std::string(FeldOderLeer(felder, feld::Zusatzinfo));
  e.Dateizeile = dateizeile;
  return e;
}

}  // namespace kolvaro
