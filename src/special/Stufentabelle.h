// Scales whose steps are named entries of a table (wire gauges, grit sizes,
// ring sizes): finding the step nearest to a measured value and reading a
// step's name as typed.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Text1252.h"

namespace kolvaro {

struct Stufe {
  std::string Name;  // as shown, Windows-1252
  long double Wert;  // in the category's common measure
};

// The step whose value lies nearest to wert; nullopt beyond the table, that
// is further out than half the distance from an end step to its neighbour.
// The steps may ascend or descend.
std::optional<std::size_t> NaechsteStufe(const std::vector<Stufe>& stufen, long double wert);

// The step named as typed: blanks around it and the case of letters do not
// count. nullopt when the table has no such step.
std::optional<std::size_t> StufeLesen(const std::vector<Stufe>& stufen, std::string_view eingabe);

// The value of the step a typed text names: the step's name, or a whole
// number (or a calculation giving one) that name turns into a step's name
// ("80" is "P80" on a scale of P grades). nullopt for any other text.
std::optional<long double> StufenwertLesen(const std::vector<Stufe>& stufen, std::string_view eingabe,
                                           const std::function<std::string(long)>& name);

// What a unit shows for a measured value: the nearest step's name, or
// "keine Angabe" beyond the table.
Text1252 StufenText(const std::vector<Stufe>& stufen, long double wert);

}  // namespace kolvaro
