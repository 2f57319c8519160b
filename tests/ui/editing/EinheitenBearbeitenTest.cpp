// The dialogs that add a unit or change factors and rates, in the window:
// the fields reach their places in the line, the window converts with it,
// and refusals and a failed write keep the dialog open with everything typed.
// Which input is refused and how the lines are built is the core's
// (EigeneEinheitTest, FaktoraenderungTest).
#include <gtest/gtest.h>

#include <QTableView>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class Bearbeiten : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    kolvaro::test::Katalog(Verzeichnis(), {{"Länge", "LAENGE.DAT", "Meter"},
                                           {"Masse", "MASSE.DAT", "Kilogramm"},
                                           {"Währungen", "GELD.DAT", "Euro"},
                                           {"Weltzeit", "ZONEN.DAT", "Weltzeit"}});
    std::string dollar = Einheitenzeile("j", "USA", "USD", "US-Dollar", "0,9");
    Daten("GELD.DAT", {Einheitenzeile("j", "Deutschland", "EUR", "Euro", "1"),
                       FeldErsetzen(FeldErsetzen(dollar, 11, "01.05.2024"), 14, "ca. 0,90"),
                       Einheitenzeile("n", "Österreich", "ATS", "Schilling", "0.0726728"),
                       Einheitenzeile("j", "SI-Einheit", "", "Goldmark", "0")});
    Daten("ZONEN.DAT", {Einheitenzeile("j", "SI-Einheit", "UTC", "Weltzeit", "0"),
                        FeldErsetzen(Einheitenzeile("j", "USA", "NST", "Neufundland", "-3.5"), 11,
                                     kolvaro::test::DateiBytes("März bis November")),
                        Einheitenzeile("j", "Deutschland", "MEZ", "Berlin", "1")});
    Starten();
  }
  static QLineEdit* Edit(QDialog& d, const char* name) { return Element<QLineEdit>(&d, name); }
};

// ---------------------------------------------------------------- own units

class EigeneEinheitTest : public Bearbeiten {
 protected:
  void Einfuegen(const char* dialogname, const std::function<void(QDialog&)>& handlung) {
    EXPECT_TRUE(ImDialog("EigeneEinheiteinfgen1", dialogname, handlung)) << dialogname;
  }
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
    EXPECT_EQ(Text(&d, "Label6"), QStringLiteral("Meter"));  // the factor's reference unit
    Klafter(d);
    Laender(d)->setCurrentText(QStringLiteral("Österreich"));
    Klick(&d, "OKBtn");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  const auto zeilen = Klartext("LAENGE.DAT");
  ASSERT_EQ(zeilen.size(), 7u);
  // Fuß, Kilometer, Klafter, Meter, ...: the factor as typed, comma and all.
  EXPECT_EQ(zeilen[2],
            kolvaro::test::DateiBytes("j\tj\t\t1\tÖsterreich\t1\tkl\tKlafter\t1,8\tFaden\t\tBergbau\t\t\t\t\t\t\t"));
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
  EXPECT_EQ(Klartext("GELD.DAT").at(1),
            kolvaro::test::DateiBytes("j\tj\t\t1\tÖsterreich\t1\tATS\tSchilling\t0,0726728\t\t31.12.2001\t\t"
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

// Cancel writes and reloads nothing; the fields keep their text for next
// time, the countries are listed complete each time, the first selected.
TEST_F(EigeneEinheitTest, AbbrechenSchreibtUndLaedtNichts) {
  GebietWaehlen(QStringLiteral("Masse"));
  const QStringList laender{"SI-Einheit", "Internationale Einheit", "Deutschland", "USA", "Österreich", "Atlantis"};
  Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& d) {
    Fuellen(d, {{"Edit1", "Zentner"}, {"Edit5", "50"}}, "USA");
    // A change behind the window's back shows whether it reloads afterwards.
    Daten("MASSE.DAT", {Einheitenzeile("j", "SI-Einheit", "kg", "Kilogramm", "1")});
    Klick(&d, "CancelBtn");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(Namen(), QStringList({"Kilogramm", "Pfund", "Pound"}));
  EXPECT_EQ(Klartext("MASSE.DAT").size(), 1u);
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& d) {
    EXPECT_EQ(Edit(d, "Edit1")->text(), QStringLiteral("Zentner"));
    EXPECT_EQ(Eintraege(Laender(d)), laender);
    EXPECT_EQ(Laender(d)->currentIndex(), 0);
  });
}

TEST_F(EigeneEinheitTest, AblehnungenUndSchreibfehlerLassenDenDialogOffen) {
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
  m_Plattform.Boxen.clear();
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
  EXPECT_TRUE(Namen().contains(QStringLiteral("Klafter")));
}

// ------------------------------------------------------ one unit's factor

class FaktorAendernTest : public Bearbeiten {
 protected:
  // Selects the unit and runs handlung in the dialog the command opens.
  void Aendern(const char* gebiet, const char* einheit, const char* dialogname,
               const std::function<void(QDialog&)>& handlung) {
    GebietWaehlen(QString::fromUtf8(gebiet));
    Waehlen(QString::fromUtf8(einheit));
    EXPECT_TRUE(ImDialog("Umrechnungsfaktorndern1", dialogname, handlung)) << dialogname;
  }
  const TAusgabetextobject& Einheit(const QString& name) {
    return m_Konverter->Einheiten()[static_cast<std::size_t>(Zeile(name))];
  }
};

TEST_F(FaktorAendernTest, NeuerFaktorStehtInDerDateiUndWirdGerechnet) {
  auto erwartet = Klartext("LAENGE.DAT");
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

  m_Plattform.Boxen.clear();
  Aendern("Länge", "Fuß", "Faktor_aendern", [&](QDialog& d) {
    EXPECT_EQ(Edit(d, "Edit1")->text(), QStringLiteral(" 3,04800000E-0001"));
    EXPECT_EQ(Text(&d, "Label_Bezugseinheit"), QStringLiteral("Meter"));
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

TEST_F(FaktorAendernTest, WeltzeitInMinutenMitSommerzeit) {
  auto erwartet = Klartext("ZONEN.DAT");
  Aendern("Weltzeit", "Neufundland", "Faktor_aendern_Weltzeit", [&](QDialog& d) {
    EXPECT_EQ(Edit(d, "Edit1")->text(), QStringLiteral("-210"));
    EXPECT_EQ(Edit(d, "Edit2")->text(), QStringLiteral("März bis November"));
    // Refusals set the focus on their field and keep what was typed.
    const struct {
      QString Minuten, Sommerzeit, Meldung;
      const char* Fokus;
    } faelle[] = {
        {"90,5", "April",
         "Die Zeitdifferenz zur Weltzeit muss eine ganze Zahl von Minuten zwischen -1440 und 1440 sein! Bitte ändern!",
         "Edit1"},
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
    EXPECT_EQ(Klartext("ZONEN.DAT"), erwartet);
    m_Plattform.Boxen.clear();
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

// -------------------------------------------------------- currency table

class WaehrungstabelleTest : public Bearbeiten {
 protected:
  // Runs the command on "Währungen"; handlung drives the table, which is cancelled if it is still open.
  void Tabelle(const std::function<void(QDialog&)>& handlung) {
    GebietWaehlen(QStringLiteral("Währungen"));
    EXPECT_TRUE(ImDialog("Umrechnungsfaktorndern1", "Faktor_aender_Waehrung_neu", handlung));
  }
  static QTableView* Gitter(QDialog& d) { return Element<QTableView>(&d, "StringGrid1"); }
  static QModelIndex Index(QDialog& d, int zeile, int spalte) { return Gitter(d)->model()->index(zeile, spalte); }
  static QString Zelle(QDialog& d, int zeile, int spalte) { return Index(d, zeile, spalte).data().toString(); }
  static QStringList Spalte(QDialog& d, int spalte) {
    QStringList s;
    for (int i = 0; i < Gitter(d)->model()->rowCount(); ++i) s << Zelle(d, i, spalte);
    return s;
  }
  // Types into a cell as the user does: a key starts the cell editor, Enter
  // ends it. False when the cell takes no input.
  static bool Tippen(QDialog& d, int zeile, int spalte, const QString& text) {
    QTableView* gitter = Gitter(d);
    gitter->setCurrentIndex(Index(d, zeile, spalte));
    if (text.isEmpty()) {
      QTest::keyClick(gitter, Qt::Key_Delete);
      return gitter->model()->setData(gitter->currentIndex(), QString());
    }
    QTest::keyClick(gitter, text.at(0).toLatin1());
    // The open cell editor sits on its cell.
    auto* editor = qobject_cast<QLineEdit*>(gitter->indexWidget(gitter->currentIndex()));
    if (!editor || !editor->isVisible()) return false;
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the closed editor goes away
    return true;
  }
};

TEST_F(WaehrungstabelleTest, ZeigtJedeWaehrungUndNurDreiSpaltenNehmenEingaben) {
  const std::string vorher = Roh("GELD.DAT");
  Tabelle([&](QDialog& d) {
    const QStringList dateifolge{"Deutschland", "USA", "Österreich", "SI-Einheit"};
    EXPECT_EQ(Spalte(d, 0), dateifolge);
    // Country and currency take no input; the other three do.
    EXPECT_FALSE(Tippen(d, 1, 0, QStringLiteral("Kanada")));
    EXPECT_FALSE(Tippen(d, 1, 1, QStringLiteral("Loonie")));
    for (int spalte : {2, 3, 4}) EXPECT_TRUE(Tippen(d, 1, spalte, QStringLiteral("0,8")));
    EXPECT_EQ(Zelle(d, 1, 4), QStringLiteral("0,8"));
    // Sorting fills the table from the stored entries again.
    Klick(&d, "Button1");
    EXPECT_EQ(Spalte(d, 0), (QStringList{"SI-Einheit", "Deutschland", "Österreich", "USA"}));
    EXPECT_EQ(Zelle(d, 3, 2), QStringLiteral("0,900000000000"));
    Klick(&d, "Button2");
    EXPECT_EQ(Spalte(d, 0), dateifolge);
  });
  // Cancelled: nothing written.
  EXPECT_EQ(Roh("GELD.DAT"), vorher);
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

TEST_F(WaehrungstabelleTest, GespeichertInDateifolgeUndSofortGerechnet) {
  Tabelle([&](QDialog& d) {
    Klick(&d, "Button1");  // SI-Einheit, Deutschland, Österreich, USA
    ASSERT_TRUE(Tippen(d, 3, 2, QStringLiteral("0,8")));
    ASSERT_TRUE(Tippen(d, 3, 3, QStringLiteral("Juni")));
    ASSERT_TRUE(Tippen(d, 2, 2, QStringLiteral("")));
    Klick(&d, "BitBtn1");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  // The cells of the sorted table reached their lines: US-Dollar's date, Schilling's emptied rate.
  const auto zeilen = Klartext("GELD.DAT");
  ASSERT_EQ(zeilen.size(), 4u);
  EXPECT_EQ(Feld(zeilen[1], '\t', 11), "Juni");
  EXPECT_EQ(Feld(zeilen[2], '\t', 9), " 0.00000000000000E+0000");

  // The category was reloaded: the new rate converts, the emptied one is unknown.
  Waehlen(QStringLiteral("Euro"));
  Rechnen(QStringLiteral("8"));
  EXPECT_EQ(Ergebnis(QStringLiteral("US-Dollar")), QStringLiteral("10,000000000"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Goldmark")), QStringLiteral("unbekannt"));
}

TEST_F(WaehrungstabelleTest, FalscheZelleUndSchreibfehlerLassenDieTabelleOffen) {
  const std::string vorher = Roh("GELD.DAT");
  Tabelle([&](QDialog& d) {
    auto* modell = Gitter(d)->model();
    ASSERT_TRUE(Tippen(d, 0, 3, QStringLiteral("heute")));
    ASSERT_TRUE(Tippen(d, 2, 2, QStringLiteral("1,2,3")));
    Klick(&d, "BitBtn1");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Texte("Fehler"), QStringList{QStringLiteral("Falsche Eingabe, bitte berichtigen!")});
    EXPECT_EQ(Gitter(d)->currentIndex(), Index(d, 2, 2));

    // No character of the files' code page: only the window can see it.
    m_Plattform.Boxen.clear();
    modell->setData(Index(d, 2, 2), QStringLiteral("0,07"));
    modell->setData(Index(d, 1, 4), QStringLiteral("ca.\u2248 0,9"));
    Klick(&d, "BitBtn1");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Texte("Information"), QStringList{QStringLiteral("Das Feld \"Wert bzw.ca-Wert\" enthält ein Zeichen, "
                                                               "das Kolvaro nicht speichern kann. Bitte ändern!")});
    EXPECT_EQ(Gitter(d)->currentIndex(), Index(d, 1, 4));

    m_Plattform.Boxen.clear();
    modell->setData(Index(d, 1, 4), QStringLiteral("ca. 0,9"));
    Gesperrt([&] { Klick(&d, "BitBtn1"); });
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Texte("Fehler"), NichtGeschrieben("GELD.DAT"));
    // Everything typed is still there.
    EXPECT_EQ(Zelle(d, 0, 3), QStringLiteral("heute"));
    EXPECT_EQ(Zelle(d, 2, 2), QStringLiteral("0,07"));
  });
  EXPECT_EQ(Roh("GELD.DAT"), vorher);
}

}  // namespace
}  // namespace kolvaro::ui
