// kolvaro-cli kurse-einlesen on a copy of the shipped data: the report, the
// new rate in a conversion, the day chosen, the password asked on standard
// input, and the refusals that leave the currency file as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "cli/CliAufruf.h"
#include "editing/Passwortdatei.h"

namespace kolvaro::test {
namespace {

namespace fs = std::filesystem;

const char* const kVerlauf =
    "Date,USD,JPY,BGN,XYZ,\n"
    "2026-12-04,1.0512,157.3,1.9558,2,\n"
    "2026-12-02,1.04,156.1,1.9558,N/A,\n";

class KurseEinlesenCli : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& eintrag : fs::directory_iterator(KOLVARO_DATEN_DIR))
      fs::copy_file(eintrag.path(), m_Daten.Pfad() / eintrag.path().filename());
    ASSERT_TRUE(PasswortSchreiben(m_Daten.Pfad(), Text1252()));
    ASSERT_TRUE(SchreibeAtomarRoh(Kursdatei(), kVerlauf));
  }
  std::string Kursdatei() const { return (m_Ort.Pfad() / "eurofxref-hist.csv").string(); }
  std::string Waehrungsdatei() const { return *DateiInhalt(m_Daten.Pfad() / "WAEHRUNG.DAT"); }

  CliLauf Cli(std::vector<std::string> argumente, const std::string& eingabe = {}) {
    argumente.insert(argumente.begin(), {"--daten", m_Daten.Pfad().string()});
    return CliAufrufen(argumente, {}, {}, eingabe);
  }
  // The row of the US dollar when 100 euros are converted.
  std::string Dollar() {
    const CliLauf lauf = Cli({"umrechnen", "Währungen", "Euro", "100"});
    const std::size_t ende = lauf.Aus.find("\tUS-Dollar\tUSA\n");
    return lauf.Aus.substr(lauf.Aus.rfind('\n', ende) + 1, ende - lauf.Aus.rfind('\n', ende) - 1);
  }

  TempVerzeichnis m_Daten, m_Ort;
};

// Status, output and errors of a run, compared as one.
std::tuple<int, std::string, std::string> Ergebnis(const CliLauf& l) { return {l.Status, l.Aus, l.Fehler}; }
std::tuple<int, std::string, std::string> Fehler(const std::string& text) { return {1, "", text}; }

TEST_F(KurseEinlesenCli, NeuesterOderGenannterTag) {
  EXPECT_EQ(Dollar(), "111,55000000");
  const CliLauf lauf = Cli({"kurse-einlesen", Kursdatei()});
  EXPECT_EQ(lauf.Status, 0) << lauf.Fehler;
  EXPECT_EQ(lauf.Aus,
            "Referenzkurse der Europäischen Zentralbank vom 04.12.2026\n"
            "2 Kurse übernommen\n"
            "Ohne Einheit in Kolvaro: XYZ\n"
            "Fester Kurs beibehalten: BGN\n");
  EXPECT_EQ(Dollar(), "105,12000000");
  EXPECT_EQ(Cli({"kurse-einlesen", "--datum", "2026-12-02", Kursdatei()}).Status, 0);
  EXPECT_EQ(Dollar(), "104,00000000");
}

TEST_F(KurseEinlesenCli, AblehnungenLassenDieDateiStehen) {
  const std::string vorher = Waehrungsdatei();
  const std::string fehlt =
      "Die Kursdatei eurofxref-hist.csv enthält keine Kurse vom 03.12.2026. Die nächsten Tage "
      "mit Kursen sind der 04.12.2026 und der 02.12.2026.\n";
  EXPECT_EQ(Ergebnis(Cli({"kurse-einlesen", "--datum", "2026-12-03", Kursdatei()})), Fehler(fehlt));
  ASSERT_TRUE(SchreibeAtomarRoh(Kursdatei(), "Date,USD,\n2026-12-04,-1.05,\n"));
  const CliLauf negativ = Cli({"kurse-einlesen", Kursdatei()});
  EXPECT_EQ(negativ.Status, 1);
  EXPECT_EQ(negativ.Fehler,
            "Die Kursdatei eurofxref-hist.csv, Zeile 2: Der Kurs \"-1.05\" für USD ist keine Zahl größer als 0. Es "
            "wurden keine Kurse übernommen.\n");
  EXPECT_EQ(Cli({"kurse-einlesen", "--datum", "4.12.2026", Kursdatei()}).Status, 2);
  EXPECT_EQ(Cli({"kurse-einlesen"}).Status, 2);
  EXPECT_EQ(Waehrungsdatei(), vorher);
}

TEST_F(KurseEinlesenCli, PasswortVonDerEingabe) {
  ASSERT_TRUE(PasswortSchreiben(m_Daten.Pfad(), Text1252("Geheim")));
  const std::string vorher = Waehrungsdatei();
  EXPECT_EQ(Ergebnis(Cli({"kurse-einlesen", Kursdatei()}, "geheim\n")), Fehler("Falsches Passwort!\n"));
  EXPECT_EQ(Ergebnis(Cli({"kurse-einlesen", Kursdatei()})),
            Fehler("Diese Funktion ist nur mit Ihrem Passwort zugänglich; es wurde keines eingegeben.\n"));
  EXPECT_EQ(Waehrungsdatei(), vorher);
  EXPECT_EQ(Cli({"kurse-einlesen", Kursdatei()}, "Geheim\n").Status, 0);
  EXPECT_NE(Waehrungsdatei(), vorher);
}

}  // namespace
}  // namespace kolvaro::test
