// The two single-unit factor dialogs in the window: the factor they show,
// the line they write, the list converting with the new factor, and the
// refusals and the failed write that keep the dialog open with what was
// typed while file and unit stay as they were. Which inputs are refused is
// checked in the core's tests.
#include <gtest/gtest.h>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class FaktorAendernTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    kolvaro::test::Katalog(Verzeichnis(), {{"Länge", "LAENGE.DAT", "Meter"}, {"Weltzeit", "ZONEN.DAT", "Weltzeit"}});
    Daten("ZONEN.DAT",
          {Einheitenzeile("j", "SI-Einheit", "UTC", "Weltzeit", "0"),
           FeldErsetzen(Einheitenzeile("j", "USA", "NST", "Neufundland", "-3.5"), 11, Cp1252("März bis November")),
           Einheitenzeile("j", "Deutschland", "MEZ", "Berlin", "1")});
    Starten();
  }
  // Selects the unit and runs handlung in the dialog the command opens.
  void Aendern(const char* gebiet, const char* einheit, const char* dialogname,
               const std::function<void(QDialog&)>& handlung) {
    GebietWaehlen(QString::fromUtf8(gebiet));
    Waehlen(QString::fromUtf8(einheit));
    EXPECT_TRUE(ImDialog("Umrechnungsfaktorndern1", dialogname, handlung)) << dialogname;
  }
  static QLineEdit* Edit(QDialog& d, const char* name) { return Element<QLineEdit>(&d, name); }
  const TAusgabetextobject& Einheit(const QString& name) {
    return m_Konverter->Einheiten()[static_cast<std::size_t>(Zeile(name))];
  }
};

TEST_F(FaktorAendernTest, NeuerFaktorStehtInDerDateiUndWirdGerechnet) {
  auto erwartet = Klartext("LAENGE.DAT");
  Aendern("Länge", "Fuß", "Faktor_aendern", [&](QDialog& d) {
    EXPECT_EQ(Edit(d, "Edit1")->text(), QStringLiteral(" 3,04800000E-0001"));
    Edit(d, "Edit1")->setText(QStringLiteral("0,5"));
    Klick(&d, "OKBtn");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  erwartet[0] = FeldErsetzen(erwartet[0], 9, "0,5");
  EXPECT_EQ(Klartext("LAENGE.DAT"), erwartet);
  // Converting again uses the new factor at once.
  Waehlen(QStringLiteral("Fuß"));
  Rechnen(QStringLiteral("4"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Meter")), QStringLiteral("2,0000000000"));
}

TEST_F(FaktorAendernTest, FalscheEingabeUndSchreibfehlerLassenDenDialogOffen) {
  const std::string vorher = Roh("LAENGE.DAT");
  Aendern("Länge", "Meile", "Faktor_aendern", [&](QDialog& d) {
    QLineEdit* edit1 = Edit(d, "Edit1");
    edit1->setText(QStringLiteral("0"));
    Klick(&d, "OKBtn");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Texte("Information").size(), 1);
    EXPECT_EQ(edit1->text(), QStringLiteral("0"));
    EXPECT_EQ(d.focusWidget(), edit1);

    m_Plattform.Boxen.clear();
    edit1->setText(QStringLiteral("1852"));
    Gesperrt([&] { Klick(&d, "OKBtn"); });
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Texte("Fehler"), NichtGeschrieben("LAENGE.DAT"));
    EXPECT_EQ(edit1->text(), QStringLiteral("1852"));
  });
  EXPECT_EQ(Roh("LAENGE.DAT"), vorher);
  EXPECT_EQ(Einheit(QStringLiteral("Meile")).Faktor, 1609.344L);
}

TEST_F(FaktorAendernTest, WeltzeitInMinutenMitSommerzeit) {
  auto erwartet = Klartext("ZONEN.DAT");
  Aendern("Weltzeit", "Neufundland", "Faktor_aendern_Weltzeit", [&](QDialog& d) {
    EXPECT_EQ(Edit(d, "Edit1")->text(), QStringLiteral("-210"));
    EXPECT_EQ(Edit(d, "Edit2")->text(), QStringLiteral("März bis November"));
    Edit(d, "Edit1")->setText(QStringLiteral("-150"));
    Edit(d, "Edit2")->setText(QStringLiteral("April bis Oktober"));
    Klick(&d, "OKBtn");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  erwartet[1] = FeldErsetzen(FeldErsetzen(erwartet[1], 9, "-2.50000000000000E+0000"), 11, "April bis Oktober");
  EXPECT_EQ(Klartext("ZONEN.DAT"), erwartet);
  EXPECT_EQ(Einheit(QStringLiteral("Neufundland")).Faktor, -2.5L);
  EXPECT_EQ(Einheit(QStringLiteral("Neufundland")).Uebersetzung, "April bis Oktober");
}

TEST_F(FaktorAendernTest, WeltzeitAblehnungenSetzenDenFokusAufIhrFeld) {
  const std::string vorher = Roh("ZONEN.DAT");
  Aendern("Weltzeit", "Berlin", "Faktor_aendern_Weltzeit", [&](QDialog& d) {
    const struct {
      QString Minuten, Sommerzeit, Meldung;
      const char* Fokus;
    } faelle[] = {
        {"eine Stunde", "April", "Falsche oder keine Angabe im Eingabefeld! Bitte ändern!", "Edit1"},
        // No character of the files' code page: only the window can see it.
        {"120", "April → Oktober",
         "Das Feld \"Sommerzeit (+ 1 Stunde) von..bis\" enthält ein Zeichen, das Kolvaro nicht speichern kann. Bitte "
         "ändern!",
         "Edit2"},
    };
    for (const auto& fall : faelle) {
      SCOPED_TRACE(fall.Fokus);
      m_Plattform.Boxen.clear();
      Edit(d, "Edit1")->setText(fall.Minuten);
      Edit(d, "Edit2")->setText(fall.Sommerzeit);
      Klick(&d, "OKBtn");
      EXPECT_TRUE(d.isVisible());
      EXPECT_EQ(Texte("Information"), QStringList{fall.Meldung});
      EXPECT_EQ(d.focusWidget(), Edit(d, fall.Fokus));
      EXPECT_EQ(Edit(d, "Edit2")->text(), fall.Sommerzeit);
    }
  });
  EXPECT_EQ(Roh("ZONEN.DAT"), vorher);
  EXPECT_EQ(Einheit(QStringLiteral("Berlin")).Faktor, 1.0L);
}

}  // namespace
}  // namespace kolvaro::ui
