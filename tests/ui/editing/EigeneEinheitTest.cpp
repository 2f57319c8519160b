// The own-unit dialogs in the window: each writes its line where it belongs
// and the window shows the new unit; cancel writes and reloads nothing;
// refusals and a failed write keep the dialog open with everything typed.
// Which input is refused, and why, is checked in the core's tests.
#include <gtest/gtest.h>

#include <QComboBox>
#include <functional>

#include "basis/Zeichensatz.h"
#include "gemeinsam/Fenstertest.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro::ui {
namespace {

using kolvaro::test::Einheitenzeile;

class EigeneEinheitTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    const auto v = Verzeichnis();
    kolvaro::test::StandardDaten(v);
    kolvaro::test::Schreiben(v / "Gruppen.nfo",
                             {Cp1252("Länge\tLAENGE.DAT\tMeter"), Cp1252("Masse\tMASSE.DAT\tKilogramm"),
                              Cp1252("Temperatur\tTEMP.DAT\tKelvin"), Cp1252("Währungen\tGELD.DAT\tEuro"),
                              Cp1252("Weltzeit\tZONEN.DAT\tWeltzeit")});
    kolvaro::test::Schreiben(v / "Gebiet.nfo", {"L.", "*", "M.", "*", "T.", "*", "W.", "*", "Z.", "*"});
    kolvaro::test::Verschluesselt(v / "GELD.DAT", {Einheitenzeile("j", "Deutschland", "EUR", "Euro", "1"),
                                                   Einheitenzeile("j", "USA", "USD", "US-Dollar", "0,9")});
    kolvaro::test::Verschluesselt(v / "ZONEN.DAT", {Einheitenzeile("j", "SI-Einheit", "UTC", "Weltzeit", "0")});
    Starten();
  }

  void Einfuegen(const char* dialogname, const std::function<void(QDialog&)>& handlung) {
    EXPECT_TRUE(ImDialog("EigeneEinheiteinfgen1", dialogname, handlung)) << dialogname;
  }
  static QLineEdit* Edit(QDialog& d, const char* name) { return Element<QLineEdit>(&d, name); }
  static void Fuellen(QDialog& d, std::initializer_list<std::pair<const char*, QString>> felder) {
    for (const auto& [name, text] : felder) {
      QLineEdit* edit = Edit(d, name);
      edit->clear();
      for (QChar c : text) {
        if (c.unicode() < 128)
          QTest::keyClicks(edit, QString(c));
        else  // no key for it on the test keyboard: as an input method would
          edit->insert(QString(c));
      }
    }
  }
  static void Klafter(QDialog& d) {
    Fuellen(d, {{"Edit1", QStringLiteral("Klafter")},
                {"Edit2", QStringLiteral("kl")},
                {"Edit3", QStringLiteral("Faden")},
                {"Edit4", QStringLiteral("Bergbau")},
                {"Edit5", QStringLiteral("1,8")}});
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
    Fuellen(d, {{"Edit1", QStringLiteral("Schilling")},
                {"Edit2", QStringLiteral("ATS")},
                {"Edit3", QStringLiteral("ca. 0,07 €")},
                {"Edit6", QStringLiteral("100 Groschen")},
                {"Edit4", QStringLiteral("31.12.2001")},
                {"Edit5", QStringLiteral("0,0726728")}});
    Laender(d)->setCurrentText(QStringLiteral("Österreich"));
    Klick(&d, "OKBtn");
  });
  auto geld = Klartext("GELD.DAT");
  ASSERT_EQ(geld.size(), 3u);
  EXPECT_EQ(geld[1], Cp1252("j\tj\t\t1\tÖsterreich\t1\tATS\tSchilling\t0,0726728\t\t31.12.2001\t\t100 Groschen\t"
                            "ca. 0,07 €\t\t\t\t\t"));
  EXPECT_TRUE(Namen().contains(QStringLiteral("Schilling")));

  GebietWaehlen(QStringLiteral("Weltzeit"));
  Einfuegen("Dlg_eigene_einfuegen_WZ", [&](QDialog& d) {
    Fuellen(d, {{"Edit1", QStringLiteral("Indien")},
                {"Edit2", QStringLiteral("IST")},
                {"Edit3", QStringLiteral("keine")},
                {"Edit5", QStringLiteral("-330")}});
    Klick(&d, "OKBtn");
  });
  auto zonen = Klartext("ZONEN.DAT");
  ASSERT_EQ(zonen.size(), 2u);
  EXPECT_EQ(zonen[0], "j\tj\t\t1\tSI-Einheit\t1\tIST\tIndien\t-5.50000000000000E+0000\t\tkeine\t\t\t\t\t\t\t\t");
  EXPECT_TRUE(Namen().contains(QStringLiteral("Indien")));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

TEST_F(EigeneEinheitTest, AbbrechenSchreibtUndLaedtNichts) {
  GebietWaehlen(QStringLiteral("Masse"));
  Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& d) {
    Fuellen(d, {{"Edit1", QStringLiteral("Zentner")}, {"Edit5", QStringLiteral("50")}});
    // A change behind the window's back shows whether it reloads afterwards.
    kolvaro::test::Verschluesselt(Verzeichnis() / "MASSE.DAT",
                                  {Einheitenzeile("j", "SI-Einheit", "kg", "Kilogramm", "1")});
    Klick(&d, "CancelBtn");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(Namen(), (QStringList{QStringLiteral("Kilogramm"), QStringLiteral("Pfund"), QStringLiteral("Pound")}));
  EXPECT_EQ(Klartext("MASSE.DAT").size(), 1u);
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  // Escape cancels too; the fields keep their text for next time.
  Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& d) {
    EXPECT_EQ(Edit(d, "Edit1")->text(), QStringLiteral("Zentner"));
    QTest::keyClick(Edit(d, "Edit1"), Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(Klartext("MASSE.DAT").size(), 1u);
}

TEST_F(EigeneEinheitTest, LaenderJedesMalVollstaendigUndNurEinmal) {
  const QStringList erwartet = {QStringLiteral("SI-Einheit"),  QStringLiteral("Internationale Einheit"),
                                QStringLiteral("Deutschland"), QStringLiteral("USA"),
                                QStringLiteral("Österreich"),  QStringLiteral("Atlantis")};
  for (int mal = 0; mal < 2; ++mal) {
    Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& d) {
      QStringList laender;
      for (int i = 0; i < Laender(d)->count(); ++i) laender << Laender(d)->itemText(i);
      EXPECT_EQ(laender, erwartet);
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
    QString Text;
    QString Meldung;
  } faelle[] = {
      {"Edit5", QStringLiteral("0"), QStringLiteral("Der Umrechnungsfaktor muss größer als 0 sein! Bitte ändern!")},
      // No character of the files' code page: only the window can see it.
      {"Edit2", QStringLiteral("漢"),
       QStringLiteral("Das Feld \"Kurzzeichen\" enthält ein Zeichen, das Kolvaro nicht speichern kann. Bitte ändern!")},
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
    {
      kolvaro::test::Schreibsperre sperre;
      Klick(&d, "OKBtn");
    }
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Roh("LAENGE.DAT"), vorher);
    EXPECT_EQ(Edit(d, "Edit3")->text(), QStringLiteral("Faden"));
    // Once the disk takes it again, the same OK writes.
    Klick(&d, "OKBtn");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(Texte("Fehler"), QStringList{QtText(NichtGeschriebenMeldung("LAENGE.DAT").Text)});
  EXPECT_EQ(Klartext("LAENGE.DAT").size(), 7u);
  EXPECT_TRUE(Namen().contains(QStringLiteral("Klafter")));
}

}  // namespace
}  // namespace kolvaro::ui
