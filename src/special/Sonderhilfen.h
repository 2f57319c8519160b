// Small helpers of the special routines: the message for units no rule
// knows, the lookup of a unit's rule by its name, the raw result form.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "basis/Zahlformat.h"
#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "special/Sonderumrechnung.h"

namespace kolvaro {

// A unit that none of the routine's rules knows (an own unit) cannot be the
// source of a conversion.
Rechenergebnis UnbekannteEinheitFehler();

inline const char* const kKeineAngabe = "keine Angabe";

// The entry of a table of rules whose Name (UTF-8) is the unit's name.
template <typename Regel, std::size_t N>
const Regel* RegelFuer(const Regel (&regeln)[N], const Text1252& einheitenname) {
  for (const auto& r : regeln)
    if (einheitenname == Cp1252(r.Name)) return &r;
  return nullptr;
}

// The result form of the categories that show the raw scientific text (with
// its decimal point) and a fixed text with decimal comma but no group marks.
void RohesErgebnis(TAusgabetextobject& einheit, long double wert, int dezimalen);

// The fixed text with the given decimals and a decimal comma, trimmed,
// without group marks: the values of scales shown to a step (22,5).
Text1252 FestTextKomma(long double wert, int dezimalen);

// The standard pair, but 0 in fixed notation: on a scale 0 is a value like
// any other (0 dBW, a calm), not a number too small for the float text.
void StandardErgebnisMitNull(TAusgabetextobject& einheit, long double wert);

}  // namespace kolvaro
