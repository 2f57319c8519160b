// The two single-unit factor dialogs in the window: what they show, the
// line they write, the list converting with the new factor, and the
// refusals and the failed write that keep the dialog open with what was
// typed while the file and the unit in memory stay as they were.
#include <gtest/gtest.h>

#include <functional>

#include "basis/Zeichensatz.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "gemeinsam/Fenstertest.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"
#include "ui/editing/FaktorAendernDlg.h"
#include "ui/editing/FaktorAendernWeltzeitDlg.h"

namespace kolvaro::ui {
namespace {

using kolvaro::test::Einheitenzeile;
using kolvaro::test::Schreibsperre;

const QString kKeineAngabe = QStringLiteral("Falsche oder keine Angabe im Eingabefeld! Bitte ändern!");

class FaktorAendernTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    const auto v = Verzeichnis();
    kolvaro::test::StandardDaten(v);
    kolvaro::test::Schreiben(v / "Gruppen.nfo",
                             {Cp1252("Länge\tLAENGE.DAT\tMeter"), Cp1252("Masse\tMASSE.DAT\tKilogramm"),
                              Cp1252("Temperatur\tTEMP.DAT\tKelvin"), Cp1252("Weltzeit\tZONEN.DAT\tWeltzeit (UTC)")});
    kolvaro::test::Schreiben(v / "Gebiet.nfo", {"L.", "*", "M.", "*", "T.", "*", "Z.", "*"});
    std::string neufundland = Einheitenzeile("j", "USA", "NST", "Neufundland", "-3.5");
    neufundland = FeldErsetzen(neufundland, 11, Cp1252("März bis November"));
    kolvaro::test::Verschluesselt(v / "ZONEN.DAT",
                                  {Einheitenzeile("j", "SI-Einheit", "UTC", "Weltzeit", "0"), neufundland,
                                   Einheitenzeile("j", "Deutschland", "MEZ", "Berlin", "1")});
    Starten({{Dialogart::FaktorAendern, [](const Dialogumgebung& u, QWidget* e) { return new TFaktor_aendern(u, e); }},
             {Dialogart::FaktorAendernWeltzeit,
              [](const Dialogumgebung& u, QWidget* e) { return new TFaktor_aendern_Weltzeit(u, e); }}});
  }

  void Aendern(const char* dialogname, const std::function<void(QDialog&)>& handlung) {
    EXPECT_TRUE(ImDialog<QDialog>("Umrechnungsfaktorndern1", dialogname, handlung)) << dialogname;
  }
  static QLineEdit* Edit(QDialog* d, const char* name) { return Element<QLineEdit>(d, name); }
  static QString Text(QDialog* d, const char* label) { return Element<QLabel>(d, label)->text(); }
  static void Tippen(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  std::vector<std::string> Klartext(const char* datei) {
    auto zeilen = GeheimdateiLesen(Verzeichnis() / datei);
    EXPECT_TRUE(zeilen);
    return zeilen ? *zeilen : std::vector<std::string>{};
  }
  std::string Inhalt(const char* datei) {
    auto inhalt = DateiInhalt(Verzeichnis() / datei);
    return inhalt ? *inhalt : std::string();
  }
  const TAusgabetextobject& Einheit(const QString& name) {
    return m_Konverter->Einheiten()[static_cast<std::size_t>(Zeile(name))];
  }
};

TEST_F(FaktorAendernTest, NeuerFaktorStehtInDerDateiUndWirdGerechnet) {
  GebietWaehlen(QStringLiteral("Länge"));
  Waehlen(QStringLiteral("Fuß"));
  const auto vorher = Klartext("LAENGE.DAT");
  Aendern("Faktor_aendern", [&](QDialog& dr) {
    QDialog* d = &dr;
    EXPECT_EQ(Text(d, "Label_Gebiet"), QStringLiteral("Länge"));
    EXPECT_EQ(Text(d, "Label_Land"), QStringLiteral("Internationale Einheit"));
    EXPECT_EQ(Text(d, "Label_Einheit"), QStringLiteral("Fuß"));
    EXPECT_EQ(Text(d, "Label_Bezugseinheit"), QStringLiteral("Meter"));
    EXPECT_EQ(Edit(d, "Edit1")->text(), QStringLiteral(" 3,04800000E-0001"));
    EXPECT_EQ(d->focusWidget(), Edit(d, "Edit1"));
    Tippen(Edit(d, "Edit1"), QStringLiteral("0,5"));
    Klick(d, "OKBtn");
    EXPECT_FALSE(d->isVisible());
  });
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  const auto nachher = Klartext("LAENGE.DAT");
  auto erwartet = vorher;
  erwartet[0] = FeldErsetzen(vorher[0], 9, "0,5");
  EXPECT_EQ(nachher, erwartet);
  EXPECT_EQ(Einheit(QStringLiteral("Fuß")).Faktor, 0.5L);

  // Converting again uses the new factor at once.
  Waehlen(QStringLiteral("Fuß"));
  Rechnen(QStringLiteral("4"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Meter")), QStringLiteral("2,0000000000"));
}

TEST_F(FaktorAendernTest, FalscheEingabenUndSchreibfehlerLassenDenDialogOffen) {
  GebietWaehlen(QStringLiteral("Länge"));
  Waehlen(QStringLiteral("Meile"));
  const std::string vorher = Inhalt("LAENGE.DAT");
  Aendern("Faktor_aendern", [&](QDialog& dr) {
    QDialog* d = &dr;
    QLineEdit* edit1 = Edit(d, "Edit1");
    const struct {
      QString Eingabe;
      QString Meldung;
    } faelle[] = {
        {QString(), kKeineAngabe},
        {QStringLiteral("1609 m"), kKeineAngabe},
        {QStringLiteral("0"), QStringLiteral("Der Umrechnungsfaktor muss größer als 0 sein! Bitte ändern!")},
    };
    for (const auto& fall : faelle) {
      m_Plattform.Boxen.clear();
      Tippen(edit1, fall.Eingabe);
      Klick(d, "OKBtn");
      EXPECT_TRUE(d->isVisible()) << fall.Eingabe.toStdString();
      EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Information")), QStringList{fall.Meldung});
      EXPECT_EQ(edit1->text(), fall.Eingabe);
      EXPECT_EQ(d->focusWidget(), edit1);
    }

    m_Plattform.Boxen.clear();
    Tippen(edit1, QStringLiteral("1852"));
    {
      Schreibsperre sperre;
      Klick(d, "OKBtn");
    }
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Fehler")),
              QStringList{QtText(NichtGeschriebenMeldung("LAENGE.DAT").Text)});
    EXPECT_EQ(edit1->text(), QStringLiteral("1852"));
  });
  EXPECT_EQ(Inhalt("LAENGE.DAT"), vorher);
  EXPECT_EQ(Einheit(QStringLiteral("Meile")).Faktor, 1609.344L);
}

TEST_F(FaktorAendernTest, WeltzeitInMinutenMitSommerzeit) {
  GebietWaehlen(QStringLiteral("Weltzeit"));
  Waehlen(QStringLiteral("Neufundland"));
  const auto vorher = Klartext("ZONEN.DAT");
  Aendern("Faktor_aendern_Weltzeit", [&](QDialog& dr) {
    QDialog* d = &dr;
    EXPECT_EQ(Text(d, "Label_Einheit"), QStringLiteral("Neufundland"));
    EXPECT_EQ(Edit(d, "Edit1")->text(), QStringLiteral("-210"));
    EXPECT_EQ(Edit(d, "Edit2")->text(), QStringLiteral("März bis November"));
    EXPECT_EQ(d->focusWidget(), Edit(d, "Edit1"));
    Tippen(Edit(d, "Edit1"), QStringLiteral("-150"));
    Tippen(Edit(d, "Edit2"), QStringLiteral("April bis Oktober"));
    Klick(d, "OKBtn");
    EXPECT_FALSE(d->isVisible());
  });
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  const auto nachher = Klartext("ZONEN.DAT");
  auto erwartet = vorher;
  erwartet[1] = FeldErsetzen(FeldErsetzen(vorher[1], 9, "-2.50000000000000E+0000"), 11, "April bis Oktober");
  EXPECT_EQ(nachher, erwartet);
  EXPECT_EQ(Einheit(QStringLiteral("Neufundland")).Faktor, -2.5L);
  EXPECT_EQ(Einheit(QStringLiteral("Neufundland")).Uebersetzung, "April bis Oktober");
}

TEST_F(FaktorAendernTest, WeltzeitLehntUnspeicherbareSommerzeitAb) {
  GebietWaehlen(QStringLiteral("Weltzeit"));
  Waehlen(QStringLiteral("Berlin"));
  const std::string vorher = Inhalt("ZONEN.DAT");
  Aendern("Faktor_aendern_Weltzeit", [&](QDialog& dr) {
    QDialog* d = &dr;
    QLineEdit* edit1 = Edit(d, "Edit1");
    QLineEdit* edit2 = Edit(d, "Edit2");
    const QString feld = QStringLiteral("Das Feld \"Sommerzeit (+ 1 Stunde) von..bis\" enthält ");
    const struct {
      QString Minuten;
      QString Sommerzeit;
      QString Meldung;
      QLineEdit* Fokus;
    } faelle[] = {
        {QStringLiteral("eine Stunde"), QStringLiteral("April"), kKeineAngabe, edit1},
        {QStringLiteral("120"), QStringLiteral("April\tOktober"),
         feld + QStringLiteral("einen Tabulator. Bitte ändern!"), edit2},
        {QStringLiteral("120"), QStringLiteral("April → Oktober"),
         feld + QStringLiteral("ein Zeichen, das Kolvaro nicht speichern kann. Bitte ändern!"), edit2},
        {QStringLiteral("120"), QStringLiteral("ÿ"),
         feld + QStringLiteral("das Zeichen \"ÿ\", das Kolvaro nicht speichern kann. Bitte ändern!"), edit2},
    };
    for (const auto& fall : faelle) {
      m_Plattform.Boxen.clear();
      edit1->setText(fall.Minuten);
      edit2->setText(fall.Sommerzeit);
      Klick(d, "OKBtn");
      EXPECT_TRUE(d->isVisible()) << fall.Meldung.toStdString();
      EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Information")), QStringList{fall.Meldung});
      EXPECT_EQ(d->focusWidget(), fall.Fokus) << fall.Meldung.toStdString();
      EXPECT_EQ(edit2->text(), fall.Sommerzeit);
    }
  });
  EXPECT_EQ(Inhalt("ZONEN.DAT"), vorher);
  EXPECT_EQ(Einheit(QStringLiteral("Berlin")).Faktor, 1.0L);
}

}  // namespace
}  // namespace kolvaro::ui
