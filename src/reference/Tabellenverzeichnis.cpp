#include "reference/Tabellenverzeichnis.h"

#include "basis/Zeichensatz.h"
#include "reference/FesteTabellen.h"
#include "reference/Nfotabellen.h"
#include "reference/Rtf.h"

namespace kolvaro {

namespace {

const Text1252& Elemente() {
  static const Text1252 name = Cp1252("Elemente");
  return name;
}
const Text1252& Naehrwerte() {
  static const Text1252 name = Cp1252("Nährwerte");
  return name;
}

Text1252 Konfektion(int gruppe) { return "Konfektion " + Cp1252(kKonfektionsgruppen[gruppe]); }

Resultat<Text1252> Text(Resultat<Referenztabelle> tabelle) {
  if (!tabelle) return tabelle.Fehler();
  return AlsTabText(*tabelle);
}

}  // namespace

std::vector<Text1252> Tabellennamen() {
  std::vector<Text1252> namen;
  for (const Stoffdateneintrag& e : Stoffdateneintraege()) namen.push_back(e.Name);
  namen.push_back(Elemente());
  for (const Skalentabelle& s : Skalentabellen()) namen.push_back(s.Name);
  namen.push_back(Naehrwerte());
  for (const char* n : {"Vorwahlen", "Konstanten", "Vorsatzzeichen", "Buchstabiertafel", "Zeichentabelle"})
    namen.push_back(Cp1252(n));
  for (int g = 0; g < 3; ++g) namen.push_back(Konfektion(g));
  return namen;
}

Resultat<Text1252> TabelleAlsText(const std::filesystem::path& verzeichnis, const Text1252& name) {
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
  return FehlerMeldung("Die Tabelle \"" + name + "\" gibt es nicht.");
}

}  // namespace kolvaro
