// Checking typed fields and file names.
#include "editing/Eingabepruefung.h"

#include "basis/Zeichensatz.h"

namespace kolvaro {

namespace {

Meldung Fehlerhaft(std::string_view feldname, const char* grund) {
  return InfoMeldung(
      Cp1252(std::string("Das Feld \"") + std::string(feldname) + "\" enthält " + grund + ". Bitte ändern!"));
}

}  // namespace

Resultat<> FeldPruefen(std::string_view text, std::string_view feldname, Feldart art) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\t') return Fehlerhaft(feldname, "einen Tabulator");
    const bool zeilenende = c == '\r' || c == '\n';
    if (zeilenende && art == Feldart::Zeilenfeld) return Fehlerhaft(feldname, "einen Zeilenumbruch");
    // A line break in an information text is CR LF; a lone CR or LF is not.
    if (zeilenende && !(c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') &&
        !(c == '\n' && i > 0 && text[i - 1] == '\r'))
      return Fehlerhaft(feldname, "einen einzelnen Zeilenvorschub");
    if (c == '*' && art == Feldart::Infotext) return Fehlerhaft(feldname, "einen Stern (*), der die Texte trennt");
    if ((c < 0x20 && !zeilenende) || c == 0x7F) return Fehlerhaft(feldname, "ein Steuerzeichen");
    if (c == 0xFF) return Fehlerhaft(feldname, "das Zeichen \"ÿ\", das Kolvaro nicht speichern kann");
  }
  return {};
}

Resultat<> DateinamePruefen(std::string_view name) {
  const Meldung falsch = InfoMeldung(Cp1252(
      "Der Dateiname darf nur aus 1 bis 8 Buchstaben (A bis Z), Ziffern, \"_\" und \"-\" bestehen. Bitte ändern!"));
  if (name.empty() || name.size() > 8) return falsch;
  for (char c : name) {
    const bool erlaubt =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    if (!erlaubt) return falsch;
  }
  std::string gross = GrossCp1252(name);
  static const char* const kGeraete[] = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                         "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                         "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
  for (const char* geraet : kGeraete)
    if (gross == geraet)
      return InfoMeldung(Cp1252("\"" + std::string(name) + "\" ist ein Gerätename und kein Dateiname. Bitte ändern!"));
  return {};
}

}  // namespace kolvaro
