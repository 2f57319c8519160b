#include "reference/Tabellenverzeichnis.h"

#include "basis/Zeichensatz.h"
#include "reference/FesteTabellen.h"
#include "reference/Nfotabellen.h"
#include "reference/Rtf.h"

namespace kolvaro {

namespace {

const std::string& Elemente() {
  static const std::string name = "Elemente";
  return name;
}
const std::string& Naehrwerte() {
  static const std::string name = Cp1252("Nährwerte");
  return name;
}

std::string Konfektion(int gruppe) { return std::string("Konfektion ") + kKonfektionsgruppen[gruppe]; }

Resultat<std::string> Text(Resultat<Referenztabelle> tabelle) {
  if (!tabelle) return tabelle.Fehler();
  return AlsTabText(*tabelle);
}

}  // namespace

std::vector<std::string> Tabellennamen() {
  std::vector<std::string> namen;
  for (const Stoffdateneintrag& e : Stoffdateneintraege()) namen.push_back(e.Name);
  namen.push_back(Elemente());
  for (const Skalentabelle& s : Skalentabellen()) namen.push_back(s.Name);
  namen.push_back(Naehrwerte());
  for (const char* n : {"Vorwahlen", "Konstanten", "Vorsatzzeichen", "Buchstabiertafel", "Zeichentabelle"})
    namen.push_back(n);
  for (int g = 0; g < 3; ++g) namen.push_back(Konfektion(g));
  return namen;
}

Resultat<std::string> TabelleAlsText(const std::filesystem::path& verzeichnis, const std::string& name) {
  for (const Stoffdateneintrag& e : Stoffdateneintraege())
    if (e.Name == name) return Text(StoffdatenLesen(verzeichnis, e));
  if (name == Elemente()) {
    auto zeilen = ElementeLesen(verzeichnis);
    if (!zeilen) return zeilen.Fehler();
    return AlsTabText(ElementTabelle(*zeilen));
  }
  for (const Skalentabelle& s : Skalentabellen()) {
    if (s.Name != name) continue;
    auto zeilen = SkalenLesen(verzeichnis);
    if (!zeilen) return zeilen.Fehler();
    return AlsTabText(SkalenTabelle(*zeilen, s));
  }
  if (name == Naehrwerte()) {
    auto zeilen = NaehrwerteLesen(verzeichnis);
    if (!zeilen) return zeilen.Fehler();
    return AlsTabText(NaehrwertTabelle(*zeilen, Naehrwertgruppen().front(), false));
  }
  if (name == "Vorwahlen") {
    auto zeilen = VorwahlenLesen(verzeichnis);
    if (!zeilen) return zeilen.Fehler();
    return AlsTabText(VorwahlTabelle(*zeilen));
  }
  if (name == "Konstanten") return AlsTabText(PhysikalischeKonstanten());
  if (name == "Vorsatzzeichen") return AlsTabText(VorsatzzeichenTabelle());
  if (name == "Buchstabiertafel") return AlsTabText(BuchstabiertafelTabelle());
  if (name == "Zeichentabelle") return AlsTabText(ZeichentabelleAnsi());
  for (int g = 0; g < 3; ++g) {
    if (name != Konfektion(g)) continue;
    auto dokument = KonfektionLesen(verzeichnis, g);
    if (!dokument) return dokument.Fehler();
    return dokument->Text;
  }
  return FehlerMeldung(Cp1252("Die Tabelle \"") + name + Cp1252("\" gibt es nicht."));
}

}  // namespace kolvaro
