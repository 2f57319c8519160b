// The gate of the editing commands: which checks each command makes, in
// which order, and how it refuses.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "editing/Bearbeitungstor.h"

namespace kolvaro {
namespace {

const std::string kKeinFaktor =
    "Da bei diesem Gebiet die Umrechnung nicht mit einem einfachen Faktor möglich ist, ist ";
const std::string kEigene = kKeinFaktor + "ein Einfügen von eigenen Einheiten nicht möglich!";
const std::string kFaktor = kKeinFaktor + "ein Ändern des Umrechnungsfaktors nicht möglich!";
const std::string kFalsch = "Falsches Passwort!!";

TEST(Bearbeitungstor, PruefungUndAblehnung) {
  using B = Bearbeitung;
  const struct {
    Bearbeitung Befehl;
    const char* Gebiet;  // UTF-8
    bool Passwort;       // the answer of the password query
    bool Erlaubt, Gefragt;
    std::string Meldung;  // empty: none
    Meldungsart Art = Meldungsart::Information;
  } faelle[] = {{B::EinheitenAusblenden, "Temperatur", true, true, true, ""},
                {B::EinheitenAusblenden, "Länge", false, false, true, ""},
                {B::GebietLoeschen, "Länge", false, false, true, ""},
                {B::EigeneEinheit, "Währungen", true, true, true, ""},
                {B::EigeneEinheit, "Länge", false, false, true, kFalsch, Meldungsart::Schlicht},
                // The password first, then the category.
                {B::EigeneEinheit, "Kalender", true, false, true, kEigene},
                {B::EigeneEinheit, "Brüche", false, false, true, kFalsch, Meldungsart::Schlicht},
                {B::FaktorAendern, "Weltzeit", true, true, true, ""},
                {B::FaktorAendern, "Masse", false, false, true, ""}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Gebiet);
    bool gefragt = false;
    const Rechenergebnis r = BearbeitungPruefen(f.Befehl, Cp1252(f.Gebiet), [&] {
      gefragt = true;
      return f.Passwort;
    });
    EXPECT_EQ(r.Erfolg, f.Erlaubt);
    EXPECT_EQ(gefragt, f.Gefragt);
    EXPECT_EQ(r.Fehler ? Cp1252NachUtf8(r.Fehler->Text) : "", f.Meldung);
    EXPECT_EQ(r.Fehler ? r.Fehler->Art : f.Art, f.Art);
  }
}

// For a factor the category is checked before the password is asked.
TEST(Bearbeitungstor, DieSiebenGebieteOhneFaktor) {
  for (const char* gebiet : {"Zahlensysteme", "Temperatur", "Aräometerskalen", "Viskosität, kinem. alt", "Schuhgrößen",
                             "Brüche", "Kalender"}) {
    bool gefragt = false;
    const auto r = BearbeitungPruefen(Bearbeitung::FaktorAendern, Cp1252(gebiet), [&] { return gefragt = true; });
    EXPECT_FALSE(r.Erfolg) << gebiet;
    EXPECT_FALSE(gefragt) << gebiet;
    EXPECT_EQ(Cp1252NachUtf8(r.Fehler.value().Text), kFaktor) << gebiet;
  }
  // Case-sensitive, as every category with its own routine.
  EXPECT_TRUE(BearbeitungPruefen(Bearbeitung::FaktorAendern, "temperatur", [] { return true; }).Erfolg);
}

}  // namespace
}  // namespace kolvaro
