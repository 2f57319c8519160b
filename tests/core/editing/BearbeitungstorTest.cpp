// The gate of the editing commands: which checks each command makes, in
// which order, and how it refuses.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "editing/Bearbeitungstor.h"

namespace kolvaro {
namespace {

const std::string kKeinFaktor =
    "Da bei diesem Gebiet die Umrechnung nicht mit einem einfachen Faktor möglich ist, ist ";

struct Fall {
  const char* Name;
  Bearbeitung Befehl;
  const char* Gebiet;  // UTF-8
  bool Passwort;       // the answer of the password query
  bool Erlaubt;
  bool Gefragt;         // the password was asked
  const char* Meldung;  // UTF-8; empty: refused without a message
  Meldungsart Art = Meldungsart::Information;
};

void PrintTo(const Fall& f, std::ostream* os) { *os << f.Name; }

class BearbeitungstorTest : public ::testing::TestWithParam<Fall> {};

TEST_P(BearbeitungstorTest, PruefungUndAblehnung) {
  const Fall& f = GetParam();
  bool gefragt = false;
  const Rechenergebnis r = BearbeitungPruefen(f.Befehl, Cp1252(f.Gebiet), [&] {
    gefragt = true;
    return f.Passwort;
  });
  EXPECT_EQ(r.Erfolg, f.Erlaubt);
  EXPECT_EQ(gefragt, f.Gefragt);
  if (*f.Meldung == '\0') {
    EXPECT_FALSE(r.Fehler);
  } else {
    ASSERT_TRUE(r.Fehler);
    EXPECT_EQ(Cp1252NachUtf8(r.Fehler->Text), f.Meldung);
    EXPECT_EQ(r.Fehler->Art, f.Art);
  }
}

const std::string kEigene = kKeinFaktor + "ein Einfügen von eigenen Einheiten nicht möglich!";
const std::string kFaktor = kKeinFaktor + "ein Ändern des Umrechnungsfaktors nicht möglich!";

INSTANTIATE_TEST_SUITE_P(
    Befehle, BearbeitungstorTest,
    ::testing::Values(
        Fall{"AusblendenMitPasswort", Bearbeitung::EinheitenAusblenden, "Temperatur", true, true, true, ""},
        Fall{"AusblendenOhnePasswortStill", Bearbeitung::EinheitenAusblenden, "Länge", false, false, true, ""},
        Fall{"GebietLoeschenOhnePasswortStill", Bearbeitung::GebietLoeschen, "Länge", false, false, true, ""},
        Fall{"EigeneEinheitErlaubt", Bearbeitung::EigeneEinheit, "Währungen", true, true, true, ""},
        Fall{"EigeneEinheitFalschesPasswort", Bearbeitung::EigeneEinheit, "Länge", false, false, true,
             "Falsches Passwort!!", Meldungsart::Schlicht},
        Fall{"EigeneEinheitErstPasswortDannGebiet", Bearbeitung::EigeneEinheit, "Kalender", true, false, true,
             kEigene.c_str()},
        Fall{"EigeneEinheitFalschesPasswortVorGebiet", Bearbeitung::EigeneEinheit, "Brüche", false, false, true,
             "Falsches Passwort!!", Meldungsart::Schlicht},
        Fall{"FaktorErlaubtInWeltzeit", Bearbeitung::FaktorAendern, "Weltzeit", true, true, true, ""},
        Fall{"FaktorOhnePasswortStill", Bearbeitung::FaktorAendern, "Masse", false, false, true, ""},
        Fall{"FaktorGebietVorPasswort", Bearbeitung::FaktorAendern, "Viskosität, kinem. alt", true, false, false,
             kFaktor.c_str()},
        Fall{"FaktorInSchuhgroessen", Bearbeitung::FaktorAendern, "Schuhgrößen", true, false, false, kFaktor.c_str()}));

TEST(Bearbeitungstor, DieSiebenGebieteOhneFaktor) {
  for (const char* gebiet : {"Zahlensysteme", "Temperatur", "Aräometerskalen", "Viskosität, kinem. alt", "Schuhgrößen",
                             "Brüche", "Kalender"})
    EXPECT_FALSE(BearbeitungPruefen(Bearbeitung::FaktorAendern, Cp1252(gebiet), [] { return true; }).Erfolg) << gebiet;
  // Case-sensitive, as every special category.
  EXPECT_TRUE(BearbeitungPruefen(Bearbeitung::FaktorAendern, "temperatur", [] { return true; }).Erfolg);
}

}  // namespace
}  // namespace kolvaro
