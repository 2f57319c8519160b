// Which category binds its units by name.
#include "special/Namensbindung.h"

#include "basis/Gebietsnamen.h"

namespace kolvaro {

std::vector<Text1252> GebundeneNamen(const Text1252& name) {
  if (name == gebiet::Araeometerskalen) return AraeometerNamen();
  if (name == gebiet::ViskositaetAlt) return ViskositaetNamen();
  if (name == gebiet::Schuhgroessen) return SchuhgroessenNamen();
  if (name == gebiet::Kalender) return KalenderNamen();
  return {};
}

}  // namespace kolvaro
