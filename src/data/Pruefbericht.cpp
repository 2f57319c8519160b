// Findings of a data check and the line reader that goes on past damage.
#include "data/Pruefbericht.h"

#include "basis/Zeichensatz.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"

namespace kolvaro {

Text1252 BefundText(const Pruefbefund& befund) {
  Text1252 text(befund.Datei);
  if (befund.Zeile > 0) text += ":" + Text1252::Zahl(static_cast<long long>(befund.Zeile));
  return text + ": " + befund.Text;
}

Text1252 PruefZusammenfassung(const Pruefbericht& bericht) {
  return Cp1252("Geprüft: ") + Text1252::Zahl(bericht.Gebiete) + " Gebiete, " + Text1252::Zahl(bericht.Einheiten) +
         " Einheiten, " + Text1252::Zahl(static_cast<long long>(bericht.Befunde.size())) + " Fehler";
}

void MeldungAlsBefund(const std::string& datei, const Meldung& meldung, Pruefbericht& bericht) {
  std::string text = meldung.Text.Bytes();
  const std::string anfang = Cp1252("Die Datei ").Bytes() + datei + Cp1252(" ist beschädigt: ").Bytes();
  const std::string ende = ". Der Vorgang wurde abgebrochen.";
  if (text.compare(0, anfang.size(), anfang) == 0 && text.size() >= anfang.size() + ende.size() &&
      text.compare(text.size() - ende.size(), ende.size(), ende) == 0)
    text = text.substr(anfang.size(), text.size() - anfang.size() - ende.size());
  std::size_t zeile = 0;
  if (text.compare(0, 6, "Zeile ") == 0) {
    std::size_t i = 6;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
      zeile = zeile * 10 + static_cast<std::size_t>(text[i++] - '0');
    if (i > 6 && i < text.size() && text[i] == ' ')
      text = text.substr(i + 1);
    else
      zeile = 0;
  }
  bericht.Melden(datei, zeile, Text1252(std::move(text)));
}

std::optional<Pruefzeilen> ZeilenZumPruefen(const std::filesystem::path& verzeichnis, const std::string& datei,
                                            int schluessel, std::size_t kopfzeilen, Pruefbericht& bericht) {
  auto inhalt = DateiInhalt(verzeichnis / datei);
  if (!inhalt) {
    bericht.Melden(datei, 0, Cp1252("fehlt oder ist nicht lesbar"));
    return std::nullopt;
  }
  Pruefzeilen ergebnis;
  ergebnis.ErsteZeile = kopfzeilen + 1;
  const std::size_t zeilen = ZeilenZaehlen(*inhalt);
  // A last line without its line break was cut off and may read as another,
  // plausible value.
  if (!inhalt->empty() && inhalt->back() != '\n')
    bericht.Melden(datei, zeilen + 1, Cp1252("endet ohne Zeilenumbruch (die Datei ist abgeschnitten)"));
  std::string klar;
  ZeilenDurchlaufen(*inhalt, [&](std::string_view zeile, std::size_t index) {
    if (index < kopfzeilen) return true;
    if (schluessel == 0) {
      ergebnis.Klar.emplace_back(std::string(zeile));
    } else if (LinieEntschluesseln(zeile, schluessel, klar)) {
      ergebnis.Klar.emplace_back(klar);
    } else {
      bericht.Melden(datei, index + 1, Cp1252("ist keine gültige verschlüsselte Zeile"));
      ergebnis.Klar.emplace_back(std::nullopt);
    }
    return true;
  });
  return ergebnis;
}

}  // namespace kolvaro
