// Number-unit pairs in the value field.
#include <gtest/gtest.h>

#include "basis/Zeichensatz.h"
#include "converter/Groesseneingabe.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro {
namespace {

TAusgabetextobject Einheit(const char* name, const char* kurz, const char* land, long double faktor) {
  TAusgabetextobject e;
  e.Einheitenname = Cp1252(name);
  e.Kurzzeichen = Cp1252(kurz);
  e.Landname = Cp1252(land);
  e.Faktor = faktor;
  return e;
}

TEST(Groesseneingabe, PaareSummeMehrdeutigkeitUndFehler) {
  const std::vector<TAusgabetextobject> laenge = {Einheit("Meter", "m", "SI-Einheit", 1),
                                                  Einheit("Kilometer", " km ", "SI-Einheit", 1000),
                                                  Einheit("Fuß", "ft", "Internationale Einheit", 0.3048L),
                                                  Einheit("Fuß", "", "Schweiz", 0.3L),
                                                  Einheit("Zoll", "in", "Internationale Einheit", 0.0254L),
                                                  Einheit("Elle", "", "Preußen", 0.6669L),
                                                  Einheit("Elle", "", "Bayern", 0.833L),
                                                  Einheit("Kilometer pro Stunde", "km/h", "SI-Einheit", 7)};
  using G = Groessenform;
  const struct {
    const char* Text;
    Groessenform Form;
    long double Wert;
    const char* Meldung;  // the end of the message
  } faelle[] = {
      {"5 ft 3 in", G::Groesse, 1.6002L, ""},
      {"5' 3\"", G::Groesse, 1.6002L, ""},  // foot and inch marks in "Länge"
      {"1,5 km + 200 m", G::Groesse, 1700, ""},
      {"1 Fuß 3 ZOLL", G::Groesse, 0.381L, ""},  // names in any case; Fuß goes to the international foot
      {"2 km/h", G::Groesse, 14, ""},
      {"3*2", G::KeineGroesse, 0, ""},
      {"Pi/2", G::KeineGroesse, 0, ""},
      {"1E99999", G::KeineGroesse, 0, ""},  // a number beyond the range, as before
      {"5 ft 3", G::Unfertig, 0, "Die Zahl \"3\" hat keine Einheit."},
      {"5 ft 3 i", G::Unfertig, 0, "Die Einheit \"i\" gibt es im Gebiet \"Länge\" nicht."},
      {"5 xyz", G::Falsch, 0, "Die Einheit \"xyz\" gibt es im Gebiet \"Länge\" nicht."},
      {"5 ft 3 m 4", G::Unfertig, 0, "Die Zahl \"4\" hat keine Einheit."},
      {"2 Elle", G::Falsch, 0,
       "\"Elle\" ist mehrdeutig: Elle (Preußen), Elle (Bayern). Bitte eine Einheit wählen, deren Kurzzeichen oder "
       "Name eindeutig ist."},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Text);
    const Groesseneingabe g = GroesseLesen(Cp1252(f.Text).Sicht(), laenge, Cp1252("Länge"));
    EXPECT_EQ(g.Form, f.Form);
    if (f.Form == G::Groesse) {
      EXPECT_NEAR(static_cast<double>(g.Wert), static_cast<double>(f.Wert), 1e-12);
    }
    const std::string meldung = g.Fehler ? Cp1252NachUtf8(g.Fehler->Text) : "";
    EXPECT_EQ(meldung.empty() ? "" : meldung.substr(meldung.size() - std::string(f.Meldung).size()), f.Meldung);
  }
  // The marks are foot and inch in "Länge" only.
  EXPECT_EQ(GroesseLesen("5'", laenge, "Winkel").Form, Groessenform::Falsch);
}

}  // namespace
}  // namespace kolvaro
