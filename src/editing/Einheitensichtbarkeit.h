// Hiding and showing units in their data file (field Sichtbar), the list of
// hidden units that the showing dialog offers, and the working lists of the
// country dialog. The window binds these to its widgets; the rules live here
// so that they run without a user interface.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "basis/Meldung.h"

namespace kolvaro {

// Sets Sichtbar of the given lines to "n" (ausblenden) or "j" (einblenden)
// in one rewrite; all lines change or none, every other line keeps its
// stored text.
Resultat<> SichtbarkeitSetzen(const std::filesystem::path& verzeichnis, const std::string& datendatei,
                              const std::vector<int>& dateizeilen, bool sichtbar);

// One hidden unit as the showing dialog lists it.
struct AusgeblendeteEinheit {
  Text1252 Text;  // Einheitenname + " - " + Landname
  int Dateizeile = 0;
};

// Every line whose Sichtbar is "n", in file order, whatever its country.
Resultat<std::vector<AusgeblendeteEinheit>> AusgeblendeteEinheitenLesen(const std::filesystem::path& verzeichnis,
                                                                        const std::string& datendatei);

// The row to select after the rows were hidden: the row before the first
// of them, or the first row. zeilen need not be sorted.
int AuswahlNachAusblenden(const std::vector<int>& zeilen);

// The hidden count after anzahl units were shown again; never below 0.
int VerborgenNachEinblenden(int verborgen, int anzahl);

// The two lists of the country dialog while it is open. Only countries
// present in the data files are ever listed.
class Laenderauswahl {
 public:
  Laenderauswahl() = default;
  Laenderauswahl(std::vector<Text1252> angezeigt, std::vector<Text1252> ausgeblendet)
      : m_Angezeigt(std::move(angezeigt)), m_Ausgeblendet(std::move(ausgeblendet)) {}

  const std::vector<Text1252>& Angezeigt() const { return m_Angezeigt; }
  const std::vector<Text1252>& Ausgeblendet() const { return m_Ausgeblendet; }

  // Moves the shown country at index to the end of the hidden list (and the
  // reverse); an index outside the list changes nothing and gives false.
  bool Ausblenden(int index);
  bool Einblenden(int index);
  void AlleAusblenden(const std::vector<Text1252>& vorhandene);
  void AlleEinblenden(const std::vector<Text1252>& vorhandene);
  // The first three present countries plus every later one named
  // "Deutschland", "Großbritannien" or "USA"; the rest hidden.
  void TechnischeVerwendung(const std::vector<Text1252>& vorhandene);

 private:
  std::vector<Text1252> m_Angezeigt;
  std::vector<Text1252> m_Ausgeblendet;
};

}  // namespace kolvaro
