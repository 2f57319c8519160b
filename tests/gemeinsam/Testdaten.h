// Small data directories for tests: a catalogue, information texts, a country
// table and category files, written in the program's own formats.
#pragma once

#include <filesystem>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "basis/Zeichensatz.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"

namespace kolvaro {
// Failed expectations show a core text as UTF-8.
inline std::ostream& operator<<(std::ostream& aus, const Text1252& text) { return aus << Cp1252NachUtf8(text); }
// Expected texts are written in the tests as UTF-8.
inline bool operator==(const Text1252& ist, const char* utf8) { return ist == Cp1252(utf8); }
inline bool operator!=(const Text1252& ist, const char* utf8) { return !(ist == utf8); }
}  // namespace kolvaro

namespace kolvaro::test {

// A temporary directory that disappears with the object.
class TempVerzeichnis {
 public:
  TempVerzeichnis() {
    std::random_device zufall;
    m_Pfad = std::filesystem::temp_directory_path() / ("kolvaro_test_" + std::to_string(zufall()));
    std::filesystem::create_directories(m_Pfad);
  }
  ~TempVerzeichnis() {
    std::error_code ignoriert;
    std::filesystem::remove_all(m_Pfad, ignoriert);
  }
  TempVerzeichnis(const TempVerzeichnis&) = delete;
  TempVerzeichnis& operator=(const TempVerzeichnis&) = delete;
  const std::filesystem::path& Pfad() const { return m_Pfad; }

 private:
  std::filesystem::path m_Pfad;
};

// The Windows-1252 bytes of a UTF-8 text, as a file holds them.
inline std::string DateiBytes(std::string_view utf8) { return Cp1252(utf8).Bytes(); }

// The bytes of a file line as UTF-8, for messages of failed expectations.
inline std::string AlsUtf8(std::string_view bytes) { return Cp1252NachUtf8(Text1252(bytes)); }

// One unit line (UTF-8 in, Windows-1252 out) with the fields that matter in tests.
inline std::string Einheitenzeile(const std::string& sichtbar, const std::string& land, const std::string& kurz,
                                  const std::string& name, const std::string& faktor, const std::string& zusatz = "") {
  std::vector<std::string> f(19);
  f[0] = sichtbar;
  f[4] = land;
  f[6] = kurz;
  f[7] = name;
  f[8] = faktor;
  f[18] = zusatz;
  std::string zeile;
  for (std::size_t i = 0; i < f.size(); ++i) zeile += (i ? "\t" : "") + f[i];
  return DateiBytes(zeile);
}

// Writes a test file; a failure ends the test with an exception.
inline void Schreiben(const std::filesystem::path& pfad, const std::vector<std::string>& zeilen) {
  if (!SchreibeAtomar(pfad, zeilen)) throw std::runtime_error("Testdatei nicht geschrieben: " + pfad.string());
}

inline void Verschluesselt(const std::filesystem::path& pfad, const std::vector<std::string>& zeilen,
                           int schluessel = 1) {
  std::vector<std::string> geheim;
  for (const auto& z : zeilen) geheim.push_back(LinieVerschluesseln(z, schluessel));
  Schreiben(pfad, geheim);
}

// A catalogue of categories {name, data file, base unit} (UTF-8), each with
// the information text "<name>.".
inline void Katalog(const std::filesystem::path& v, const std::vector<std::vector<std::string>>& gebiete) {
  std::vector<std::string> gruppen, info;
  for (const auto& g : gebiete) {
    gruppen.push_back(DateiBytes(g.at(0) + "\t" + g.at(1) + "\t" + g.at(2)));
    info.insert(info.end(), {DateiBytes(g.at(0) + "."), "*"});
  }
  Schreiben(v / "Gruppen.nfo", gruppen);
  Schreiben(v / "Gebiet.nfo", info);
}

// Countries: 1 SI-Einheit, 2 Internationale Einheit, 3 Deutschland, 4 USA,
// 5 Österreich (present), 6 Atlantis (not present).
inline void LaenderSchreiben(const std::filesystem::path& verzeichnis) {
  Verschluesselt(verzeichnis / "Laender.nfo",
                 {DateiBytes("SI-Einheit\t\t1\tj"), DateiBytes("Internationale Einheit\t\t2\tj"),
                  DateiBytes("Deutschland\t\t3\tj"), DateiBytes("USA\t\t4\tj"), DateiBytes("Österreich\t\t5\tj"),
                  DateiBytes("Atlantis\t\t6\tn")},
                 3);
}

// "Länge" (6 units, one hidden, one of a non-present country), "Masse",
// "Temperatur" and "Zeit"; Zeit's data file is missing.
inline void StandardDaten(const std::filesystem::path& v) {
  Schreiben(v / "Gruppen.nfo", {DateiBytes("Länge\tLAENGE.DAT\tMeter"), DateiBytes("Masse\tMASSE.DAT\tKilogramm"),
                                DateiBytes("Temperatur\tTEMP.DAT\tKelvin"), DateiBytes("Zeit\tZEIT.DAT\tSekunde")});
  Schreiben(v / "Gebiet.nfo", {DateiBytes("Längen messen."), DateiBytes("Zweite Zeile."), "*", "Massen.", "*",
                               "Temperaturen.", "*", "Zeiten.", "*"});
  LaenderSchreiben(v);
  Verschluesselt(v / "LAENGE.DAT", {Einheitenzeile("j", "Internationale Einheit", "ft", "Fuß", "0.3048"),
                                    Einheitenzeile("j", "SI-Einheit", "km", "Kilometer", "1000"),
                                    Einheitenzeile("j", "SI-Einheit", "m", "Meter", "1", "Basiseinheit."),
                                    Einheitenzeile("j", "Internationale Einheit", "mi", "Meile", "1609,344"),
                                    Einheitenzeile("n", "Deutschland", "", "Rute", "3.766242"),
                                    Einheitenzeile("j", "Atlantis", "", "Zoll", "0.02")});
  Verschluesselt(v / "MASSE.DAT", {Einheitenzeile("j", "SI-Einheit", "kg", "Kilogramm", "1"),
                                   Einheitenzeile("j", "Österreich", "", "Pfund", "0.56"),
                                   Einheitenzeile("j", "USA", "lb", "Pound", "0.45359237")});
  Verschluesselt(v / "TEMP.DAT", {Einheitenzeile("j", "Atlantis", "K", "Kelvin", "1")});
}

}  // namespace kolvaro::test
