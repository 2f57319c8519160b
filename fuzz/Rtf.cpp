// The reader of the clothing-size documents on arbitrary text: it must
// refuse what is no document and pass over what it does not know, never
// read past the text or run away.
#include "reference/Rtf.h"

#include <cstdint>
#include <string_view>

#include "Fuzzeingabe.h"

using namespace kolvaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
  const std::optional<Rtfdokument> dokument = RtfLesen(text);
  if (dokument) fuzz::Pruefen(text.substr(0, 5) == "{\\rtf", "nur ein RTF-Dokument wird gelesen", text);
  return 0;
}
