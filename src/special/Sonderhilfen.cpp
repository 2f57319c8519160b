// Helpers of the special routines.
#include "special/Sonderhilfen.h"

#include <charconv>
#include <limits>

#include "converter/Zahlformat.h"
#include "data/Zeichensatz.h"

namespace kolvaro {

std::string_view Getrimmt(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<std::int64_t> GanzzahlLesen64(std::string_view text) {
  text = Getrimmt(text);
  bool negativ = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negativ = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  std::uint64_t wert = 0;
  auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (fehler != std::errc() || ende != text.data() + text.size()) return std::nullopt;
  if (wert > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) return std::nullopt;
  return negativ ? -static_cast<std::int64_t>(wert) : static_cast<std::int64_t>(wert);
}

std::optional<std::int32_t> Ganzzahl32Lesen(std::string_view text) {
  auto wert = GanzzahlLesen64(text);
  if (!wert || *wert < std::numeric_limits<std::int32_t>::min() || *wert > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(*wert);
}

void RohesErgebnis(TAusgabetextobject& einheit, long double wert, int dezimalen) {
  std::string fest(Getrimmt(FestTextRoh(wert, dezimalen)));
  for (char& c : fest)
    if (c == '.') c = ',';
  ErgebnisSetzen(einheit, WissTextRoh(wert), fest);
}

Rechenergebnis UnbekannteEinheitFehler() {
  return EingabeFehler(W("Für die gewählte Einheit ist in diesem Gebiet keine Umrechnungsvorschrift vorhanden. "
                         "Bitte eine andere Einheit wählen."),
                       Fokus::NurFokus);
}

}  // namespace kolvaro
