// The line cipher: deciphering arbitrary bytes, and enciphering then
// deciphering, which must give the text back for every key and start value.
// The first byte chooses the key (one of the program's three, the built-in
// default, or bytes of the input), the second the start value.
#include "data/Verschluesselung.h"

#include <cstdint>
#include <string>

#include "Fuzzeingabe.h"

using namespace kolvaro;

namespace {

bool IstGrosseHexziffer(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  fuzz::Eingabe eingabe(daten, groesse);
  const int wahl = eingabe.Byte() % 5;
  const std::uint8_t startwert = eingabe.Byte();
  std::string schluessel;
  if (wahl == 4)
    schluessel = std::string(eingabe.Text(eingabe.Byte() % 17));  // may stay empty: the default key
  else if (wahl > 0)
    schluessel = Schluessel(wahl);
  const std::string_view text = eingabe.Rest();

  // Both forms of deciphering agree on what is cipher text and on its plain text.
  const std::optional<std::string> klar = Entschluesseln(text, schluessel);
  std::string puffer = "vorher";
  const bool gelesen = Entschluesseln(text, schluessel, puffer);
  fuzz::Pruefen(klar.has_value() == gelesen, "beide Entschluesseln-Formen erkennen gleich", text);
  if (gelesen) fuzz::Pruefen(*klar == puffer, "beide Entschluesseln-Formen ergeben denselben Text", text, puffer);
  if (wahl >= 1 && wahl <= 3) {
    const std::optional<std::string> linie = LinieEntschluesseln(text, wahl);
    fuzz::Pruefen(linie == klar, "LinieEntschluesseln wie Entschluesseln", text);
  }

  // The cipher works modulo 255: 0x00 and 0xFF cannot be carried (the data
  // build tool refuses them), every other byte must come back.
  std::string klartext;
  for (char c : text)
    if (c != '\0' && c != '\xFF') klartext += c;
  const std::string geheim = Verschluesseln(klartext, schluessel, startwert);
  fuzz::Pruefen(geheim.size() == (klartext.empty() ? 0 : 2 + 2 * klartext.size()), "zwei Hexziffern je Byte", klartext,
                geheim);
  for (char c : geheim) fuzz::Pruefen(IstGrosseHexziffer(c), "nur grosse Hexziffern", klartext, geheim);
  const std::optional<std::string> zurueck = Entschluesseln(geheim, schluessel);
  fuzz::Pruefen(zurueck.has_value() && *zurueck == klartext, "Entschluesseln(Verschluesseln(t)) == t", klartext,
                geheim);
  if (wahl >= 1 && wahl <= 3) {
    const std::string linie = LinieVerschluesseln(klartext, wahl);
    fuzz::Pruefen(LinieEntschluesseln(linie, wahl) == klartext, "Linie hin und zurueck", klartext, linie);
  }
  return 0;
}
