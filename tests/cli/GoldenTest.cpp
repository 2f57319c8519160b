// Golden-file tests of kolvaro-cli: every case file in golden/ holds a
// command line and the exact standard output, standard error and exit status
// of the real program, on the shipped data or on the small fixed data set
// built from testdaten/ (the format: golden/README.md).
// Each case is its own test, Golden.<file name>. With KOLVARO_GOLDEN_NEU=1
// the runner writes what the program prints into the case files instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliAufruf.h"

namespace {

namespace fs = std::filesystem;
using kolvaro::test::CliLauf;

const char* const kKoepfe[] = {"# argumente", "# ausgabe", "# fehler", "# status"};
// The argument that stands for the built small data set.
const char* const kTestdaten = "{testdaten}";

struct Fall {
  std::string Vorspann;  // free text before "# argumente", kept on rewriting
  std::vector<std::string> Argumente;
  CliLauf Erwartet;
  int Abschnitte = 0;  // how many of the four sections the file has
};

// A final line end starts no further line, so "a\n" and "a" are one line.
std::vector<std::string> Zeilen(const std::string& text) {
  std::vector<std::string> zeilen;
  std::istringstream s(text);
  for (std::string z; std::getline(s, z);) zeilen.push_back(z);
  return zeilen;
}

// The sections must come in the order of kKoepfe; a line is a heading only
// if it is exactly one of them, so the outputs may hold any other text.
std::optional<Fall> FallLesen(const std::string& inhalt, std::string& problem) {
  Fall fall;
  std::string status;
  std::string* const texte[] = {&fall.Vorspann, nullptr, &fall.Erwartet.Aus, &fall.Erwartet.Fehler, &status};
  for (const auto& zeile : Zeilen(inhalt)) {
    if (fall.Abschnitte < 4 && zeile == kKoepfe[fall.Abschnitte]) {
      ++fall.Abschnitte;
      continue;
    }
    if (std::find(std::begin(kKoepfe), std::end(kKoepfe), zeile) != std::end(kKoepfe)) {
      problem = "\"" + zeile + "\" steht an falscher Stelle";
      return std::nullopt;
    }
    if (fall.Abschnitte == 1)
      fall.Argumente.push_back(zeile);
    else
      *texte[fall.Abschnitte] += zeile + "\n";
  }
  if (fall.Abschnitte == 0) {
    problem = "der Abschnitt \"# argumente\" fehlt";
    return std::nullopt;
  }
  if (fall.Abschnitte == 4) {
    char* ende = nullptr;
    fall.Erwartet.Status = static_cast<int>(std::strtol(status.c_str(), &ende, 10));
    if (status.empty() || std::string(ende) != "\n") {
      problem = "unter \"# status\" steht keine Zahl";
      return std::nullopt;
    }
  }
  return fall;
}

std::string FallText(const Fall& fall, const CliLauf& lauf) {
  auto zeilen = [](const std::string& text) { return text.empty() || text.back() == '\n' ? text : text + "\n"; };
  std::string text = fall.Vorspann + kKoepfe[0] + "\n";
  for (const auto& a : fall.Argumente) text += a + "\n";
  text += std::string(kKoepfe[1]) + "\n" + zeilen(lauf.Aus);
  text += std::string(kKoepfe[2]) + "\n" + zeilen(lauf.Fehler);
  return text + kKoepfe[3] + "\n" + std::to_string(lauf.Status) + "\n";
}

// The lines between the common beginning and the common end: only in the
// expectation ("-") or only in the output ("+"), with their line numbers; "|"
// marks each end so that blanks at the end of a line show.
std::string Unterschiede(const std::string& erwartet, const std::string& erhalten) {
  const auto a = Zeilen(erwartet), b = Zeilen(erhalten);
  std::size_t anfang = 0, ende = 0;
  while (anfang < a.size() && anfang < b.size() && a[anfang] == b[anfang]) ++anfang;
  while (anfang + ende < std::min(a.size(), b.size()) && a[a.size() - 1 - ende] == b[b.size() - 1 - ende]) ++ende;
  std::ostringstream text;
  std::size_t gezeigt = 0;
  for (const auto& [art, z] : {std::pair{'-', &a}, std::pair{'+', &b}})
    for (std::size_t i = anfang; i + ende < z->size(); ++i)
      if (++gezeigt <= 40) text << art << ' ' << i + 1 << "\t|" << (*z)[i] << "|\n";
  if (gezeigt > 40) text << "... und " << gezeigt - 40 << " weitere Zeilen\n";
  if (gezeigt == 0) text << "(gleiche Zeilen, aber das Zeilenende am Schluss fehlt oder ist zu viel)\n";
  return text.str();
}

class Golden : public testing::Test {
 public:
  explicit Golden(std::string name) : m_Name(std::move(name)) {}

  void TestBody() override {
    const fs::path pfad = fs::path(KOLVARO_GOLDEN_DIR) / (m_Name + ".fall");
    SCOPED_TRACE(pfad.string());
    const auto inhalt = kolvaro::DateiInhalt(pfad);
    ASSERT_TRUE(inhalt) << "Die Falldatei fehlt.";
    std::string problem;
    const auto fall = FallLesen(*inhalt, problem);
    ASSERT_TRUE(fall) << problem;
    // A case that names no data directory runs on the shipped data.
    std::vector<std::string> argumente = fall->Argumente;
    if (std::find(argumente.begin(), argumente.end(), "--daten") == argumente.end())
      argumente.insert(argumente.begin(), {"--daten", KOLVARO_DATEN_DIR});
    std::replace(argumente.begin(), argumente.end(), std::string(kTestdaten), std::string(KOLVARO_TESTDATEN_DIR));
    const CliLauf lauf = kolvaro::test::CliAufrufen(argumente);

    if (const char* schalter = std::getenv("KOLVARO_GOLDEN_NEU"); schalter && std::string(schalter) == "1") {
      const std::string neu = FallText(*fall, lauf);
      if (neu == *inhalt) return;
      ASSERT_TRUE(kolvaro::SchreibeAtomarRoh(pfad, neu));
      GTEST_SKIP() << "neu geschrieben, bitte jede Zeile prüfen: " << pfad.string();
    }
    ASSERT_EQ(fall->Abschnitte, 4) << "Abschnitte fehlen (KOLVARO_GOLDEN_NEU=1 füllt sie)";
    EXPECT_EQ(fall->Erwartet.Status, lauf.Status) << "Exit-Status";
    if (lauf.Aus != fall->Erwartet.Aus)
      ADD_FAILURE() << "Standardausgabe (- erwartet, + erhalten):\n" << Unterschiede(fall->Erwartet.Aus, lauf.Aus);
    if (lauf.Fehler != fall->Erwartet.Fehler)
      ADD_FAILURE() << "Standardfehler (- erwartet, + erhalten):\n" << Unterschiede(fall->Erwartet.Fehler, lauf.Fehler);
  }

 private:
  std::string m_Name;
};

// The build passes the case names (the file names without ".fall"), so that
// adding or removing a case file rebuilds this test and CTest sees the change.
const bool kRegistriert = [] {
  std::istringstream namen(KOLVARO_GOLDEN_FAELLE);
  for (std::string name; std::getline(namen, name, ',');)
    if (!name.empty())
      testing::RegisterTest("Golden", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                            [name]() -> Golden* { return new Golden(name); });
  return true;
}();

}  // namespace
