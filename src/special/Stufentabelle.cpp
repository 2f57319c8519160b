// Scales of named steps.
#include "special/Stufentabelle.h"

#include <cmath>

#include "basis/Werteingabe.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "special/Sonderhilfen.h"

namespace kolvaro {

std::optional<std::size_t> NaechsteStufe(const std::vector<Stufe>& stufen, long double wert) {
  if (stufen.empty() || !std::isfinite(wert)) return std::nullopt;
  std::size_t beste = 0;
  for (std::size_t i = 1; i < stufen.size(); ++i)
    if (std::fabs(stufen[i].Wert - wert) < std::fabs(stufen[beste].Wert - wert)) beste = i;
  if (stufen.size() == 1) return stufen[0].Wert == wert ? std::optional<std::size_t>(0) : std::nullopt;
  // At an end step the value may lie outside: past it by more than half a
  // step it belongs to no step of the table.
  const auto jenseits = [&](std::size_t ende, std::size_t nachbar) {
    const long double schritt = stufen[ende].Wert - stufen[nachbar].Wert;  // points outwards
    const long double ueber = (wert - stufen[ende].Wert) / schritt;
    return ueber > 0.5L;
  };
  if (beste == 0 && jenseits(0, 1)) return std::nullopt;
  const std::size_t letzte = stufen.size() - 1;
  if (beste == letzte && jenseits(letzte, letzte - 1)) return std::nullopt;
  return beste;
}

std::optional<std::size_t> StufeLesen(const std::vector<Stufe>& stufen, std::string_view eingabe) {
  const std::string gesucht = GrossCp1252(Getrimmt(eingabe));
  if (gesucht.empty()) return std::nullopt;
  for (std::size_t i = 0; i < stufen.size(); ++i)
    if (GrossCp1252(stufen[i].Name) == gesucht) return i;
  return std::nullopt;
}

std::optional<long double> StufenwertLesen(const std::vector<Stufe>& stufen, std::string_view eingabe,
                                           const std::function<std::string(long)>& name) {
  if (auto i = StufeLesen(stufen, eingabe)) return stufen[*i].Wert;
  const auto zahl = ZahlOderRechnung(eingabe);
  // The bound only keeps the conversion to a whole number defined; no table
  // counts that far.
  if (!zahl || *zahl != std::floor(*zahl) || *zahl < 0 || *zahl > 1e6L) return std::nullopt;
  if (auto i = StufeLesen(stufen, name(static_cast<long>(*zahl)))) return stufen[*i].Wert;
  return std::nullopt;
}

Text1252 StufenText(const std::vector<Stufe>& stufen, long double wert) {
  const auto i = NaechsteStufe(stufen, wert);
  return i ? Text1252(stufen[*i].Name) : Cp1252(kKeineAngabe);
}

}  // namespace kolvaro
