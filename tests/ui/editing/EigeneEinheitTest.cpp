// The own-unit dialogs in the window: each writes its line where it belongs
// and the window shows the new unit; cancel writes and reloads nothing;
// refusals and a failed write keep the dialog open with everything typed.
// Which input is refused, and why, is checked in the core's tests.
#include <gtest/gtest.h>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class EigeneEinheitTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    kolvaro::test::Katalog(Verzeichnis(), {{"Länge", "LAENGE.DAT", "Meter"},
                                           {"Masse", "MASSE.DAT", "Kilogramm"},
                                           {"Temperatur", "TEMP.DAT", "Kelvin"},
                                           {"Währungen", "GELD.DAT", "Euro"},
                                           {"Weltzeit", "ZONEN.DAT", "Weltzeit"}});
    Daten("GELD.DAT", {Einheitenzeile("j", "Deutschland", "EUR", "Euro", "1"),
                       Einheitenzeile("j", "USA", "USD", "US-Dollar", "0,9")});
    Daten("ZONEN.DAT", {Einheitenzeile("j", "SI-Einheit", "UTC", "Weltzeit", "0")});
    Starten();
  }

  void Einfuegen(const char* dialogname, const std::function<void(QDialog&)>& handlung) {
    EXPECT_TRUE(ImDialog("EigeneEinheiteinfgen1", dialogname, handlung)) << dialogname;
  }
  static QLineEdit* Edit(QDialog& d, const char* name) { return Element<QLineEdit>(&d, name); }
  // Types into the fields; a character without a key as an input method would.
  static void Fuellen(QDialog& d, std::initializer_list<std::pair<const char*, QString>> felder,
                      const char* land = nullptr) {
    for (const auto& [name, text] : felder) {
      Edit(d, name)->clear();
      for (QChar c : text) c.unicode() < 128 ? QTest::keyClicks(Edit(d, name), QString(c)) : Edit(d, name)->insert(c);
    }
    if (land) Laender(d)->setCurrentText(QString::fromUtf8(land));
  }
  static void Klafter(QDialog& d) {
    Fuellen(d, {{"Edit1", "Klafter"}, {"Edit2", "kl"}, {"Edit3", "Faden"}, {"Edit4", "Bergbau"}, {"Edit5", "1,8"}});
  }
  static QComboBox* Laender(QDialog& d) { return Element<QComboBox>(&d, "ComboBox1"); }
};

TEST_F(EigeneEinheitTest, GewoehnlicheEinheitAnIhremPlatzUndInDerListe) {
  GebietWaehlen(QStringLiteral("Länge"));
  Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& d) {
    Klafter(d);
    Laender(d)->setCurrentText(QStringLiteral("Österreich"));
    Klick(&d, "OKBtn");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  const auto zeilen = Klartext("LAENGE.DAT");
  ASSERT_EQ(zeilen.size(), 7u);
  // Fuß, Kilometer, Klafter, Meter, ...: the factor as typed, comma and all.
  EXPECT_EQ(zeilen[2], Cp1252("j\tj\t\t1\tÖsterreich\t1\tkl\tKlafter\t1,8\tFaden\t\tBergbau\t\t\t\t\t\t\t"));
  // The window has reloaded the category and converts with the new factor.
  Waehlen(QStringLiteral("Klafter"));
  Rechnen(QStringLiteral("1"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Meter")), QStringLiteral("1,8000000000"));
}

TEST_F(EigeneEinheitTest, WaehrungUndWeltzeitSchreibenIhreFelder) {
  GebietWaehlen(QStringLiteral("Währungen"));
  Einfuegen("Dlg_eigene_einfuegen_Waehrung", [&](QDialog& d) {
    Fuellen(d,
            {{"Edit1", "Schilling"},
             {"Edit2", "ATS"},
             {"Edit3", "ca. 0,07 €"},
             {"Edit6", "100 Groschen"},
             {"Edit4", "31.12.2001"},
             {"Edit5", "0,0726728"}},
            "Österreich");
    Klick(&d, "OKBtn");
  });
  EXPECT_EQ(Klartext("GELD.DAT").at(1), Cp1252("j\tj\t\t1\tÖsterreich\t1\tATS\tSchilling\t0,0726728\t\t31.12.2001\t\t"
                                               "100 Groschen\tca. 0,07 €\t\t\t\t\t"));
  EXPECT_TRUE(Namen().contains(QStringLiteral("Schilling")));

  GebietWaehlen(QStringLiteral("Weltzeit"));
  Einfuegen("Dlg_eigene_einfuegen_WZ", [&](QDialog& d) {
    Fuellen(d, {{"Edit1", "Indien"}, {"Edit2", "IST"}, {"Edit3", "keine"}, {"Edit5", "-330"}});
    Klick(&d, "OKBtn");
  });
  EXPECT_EQ(Klartext("ZONEN.DAT").at(0),
            "j\tj\t\t1\tSI-Einheit\t1\tIST\tIndien\t-5.50000000000000E+0000\t\tkeine\t\t\t\t\t\t\t\t");
  EXPECT_TRUE(Namen().contains(QStringLiteral("Indien")));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

TEST_F(EigeneEinheitTest, AbbrechenSchreibtUndLaedtNichts) {
  GebietWaehlen(QStringLiteral("Masse"));
  Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& d) {
    Fuellen(d, {{"Edit1", "Zentner"}, {"Edit5", "50"}});
    // A change behind the window's back shows whether it reloads afterwards.
    Daten("MASSE.DAT", {Einheitenzeile("j", "SI-Einheit", "kg", "Kilogramm", "1")});
    Klick(&d, "CancelBtn");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(Namen(), QStringList({"Kilogramm", "Pfund", "Pound"}));
  EXPECT_EQ(Klartext("MASSE.DAT").size(), 1u);
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  // The fields keep their text for next time.
  Einfuegen("Dlg_eigene_einfuegen",
            [&](QDialog& d) { EXPECT_EQ(Edit(d, "Edit1")->text(), QStringLiteral("Zentner")); });
}

TEST_F(EigeneEinheitTest, LaenderJedesMalVollstaendigUndNurEinmal) {
  for (int mal = 0; mal < 2; ++mal) {
    Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& d) {
      QStringList laender;
      for (int i = 0; i < Laender(d)->count(); ++i) laender << Laender(d)->itemText(i);
      EXPECT_EQ(laender,
                QStringList({"SI-Einheit", "Internationale Einheit", "Deutschland", "USA", "Österreich", "Atlantis"}));
      EXPECT_EQ(Laender(d)->currentIndex(), 0);
      Laender(d)->setCurrentIndex(3);  // the next opening selects the first again
    });
  }
}

TEST_F(EigeneEinheitTest, AblehnungenLassenDenDialogOffen) {
  GebietWaehlen(QStringLiteral("Länge"));
  const std::string vorher = Roh("LAENGE.DAT");
  const struct {
    const char* Feld;
    QString Text, Meldung;
  } faelle[] = {
      {"Edit5", "0", "Der Umrechnungsfaktor muss größer als 0 sein! Bitte ändern!"},
      // No character of the files' code page: only the window can see it.
      {"Edit2", "漢", "Das Feld \"Kurzzeichen\" enthält ein Zeichen, das Kolvaro nicht speichern kann. Bitte ändern!"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.Feld);
    m_Plattform.Boxen.clear();
    Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& d) {
      Klafter(d);
      Edit(d, f.Feld)->setText(f.Text);
      Klick(&d, "OKBtn");
      EXPECT_TRUE(d.isVisible());
      EXPECT_EQ(d.focusWidget(), Edit(d, f.Feld));
      EXPECT_EQ(Edit(d, f.Feld)->text(), f.Text);
    });
    EXPECT_EQ(Texte("Information"), QStringList{f.Meldung});
    EXPECT_EQ(Roh("LAENGE.DAT"), vorher);
  }
}

TEST_F(EigeneEinheitTest, MisslungenesSchreibenVerliertNichts) {
  GebietWaehlen(QStringLiteral("Länge"));
  const std::string vorher = Roh("LAENGE.DAT");
  Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& d) {
    Klafter(d);
    Gesperrt([&] { Klick(&d, "OKBtn"); });
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Roh("LAENGE.DAT"), vorher);
    EXPECT_EQ(Edit(d, "Edit3")->text(), QStringLiteral("Faden"));
    // Once the disk takes it again, the same OK writes.
    Klick(&d, "OKBtn");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(Texte("Fehler"), NichtGeschrieben("LAENGE.DAT"));
  EXPECT_EQ(Klartext("LAENGE.DAT").size(), 7u);
  EXPECT_TRUE(Namen().contains(QStringLiteral("Klafter")));
}

}  // namespace
}  // namespace kolvaro::ui
