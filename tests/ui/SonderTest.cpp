// The special categories in the window: questions, notes before and after
// the results, corrected input, focus, and the exclusions of automatic
// calculation.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "FakePlattform.h"
#include "data/Feld.h"
#include "converter/Konverter.h"
#include "gemeinsam/Testdaten.h"
#include "ui/EinheitenModell.h"
#include "ui/MyWindow.h"

namespace kolvaro::ui {
namespace {

using kolvaro::test::Einheitenzeile;
using kolvaro::test::Verschluesselt;

class SonderFensterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::filesystem::path v = m_Temp.path().toStdString();
    kolvaro::test::Schreiben(v / "Gruppen.nfo", {Cp1252("Aräometerskalen\tARAEOM.DAT\tGramm/Zentimeter^3 bei 15° C"),
                                       "Weltzeit\tWELTZEIT.DAT\tWeltzeit (UTC)",
                                       "Zahlensysteme\tZAHLSYS.DAT\tDezimalzahl"});
    kolvaro::test::Schreiben(v / "Gebiet.nfo", {"A", "*", "W", "*", "Z", "*"});
    kolvaro::test::LaenderSchreiben(v);
    auto araeo = [](const char* land, const char* name, const char* bezug) {
      std::string z = Einheitenzeile("j", land, "", name, "1");
      return FeldErsetzen(z, 13, Cp1252(bezug));
    };
    Verschluesselt(v / "ARAEOM.DAT", {araeo("Deutschland", "Grad API", "15,56° C = 60° F"),
                                      araeo("Deutschland", "Grad Brix", "15,625° C = 12,5° R"),
                                      araeo("SI-Einheit", "Gramm/Zentimeter^3 bei 15° C", "15° C")});
    Verschluesselt(v / "WELTZEIT.DAT", {Einheitenzeile("j", "Deutschland", "", "Berlin", "1"),
                                        Einheitenzeile("j", "USA", "", "New York", "-5")});
    Verschluesselt(v / "ZAHLSYS.DAT",
                   {Einheitenzeile("j", "SI-Einheit", "", "Binärzahl", "1"), Einheitenzeile("j", "SI-Einheit", "", "Dezimalzahl", "1"),
                    Einheitenzeile("j", "SI-Einheit", "", "Hexadezimalzahl", "1"), Einheitenzeile("j", "SI-Einheit", "", "Oktalzahl", "1"),
                    Einheitenzeile("j", "SI-Einheit", "", "Römische Zahl", "1")});
    m_Einstellungen = std::make_unique<QSettings>(m_Temp.filePath(QStringLiteral("e.ini")), QSettings::IniFormat);
    m_Konverter = std::make_unique<Konverter>(v);
    m_Fenster = std::make_unique<TMyWindow>(*m_Konverter, m_Plattform, *m_Einstellungen);
    m_Fenster->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_Fenster.get()));
  }

  void Gebiet(const QString& name) {
    auto* combo = m_Fenster->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
    combo->setCurrentIndex(combo->findText(name));
    emit combo->activated(combo->currentIndex());
  }
  void Waehlen(const QString& name) {
    auto* liste = m_Fenster->findChild<QListView*>(QStringLiteral("ListBoxEinheit"));
    for (int i = 0; i < liste->model()->rowCount(); ++i)
      if (liste->model()->index(i, 0).data().toString() == name) {
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(liste->model()->index(i, 0)).center());
        return;
      }
    ADD_FAILURE() << name.toStdString();
  }
  QString Ergebnis(const QString& name) {
    auto* liste = m_Fenster->findChild<QListView*>(QStringLiteral("ListBoxEinheit"));
    for (int i = 0; i < liste->model()->rowCount(); ++i)
      if (liste->model()->index(i, 0).data().toString() == name)
        return liste->model()->index(i, 0).data(EinheitenModell::ErgebnisRolle).toString();
    return QStringLiteral("?");
  }
  QLineEdit* Eingabe() { return m_Fenster->findChild<QLineEdit*>(QStringLiteral("Edit_Eingabe")); }
  void Rechnen(const QString& text) {
    Eingabe()->setText(text);
    QTest::keyClick(Eingabe(), Qt::Key_Return);
  }

  QTemporaryDir m_Temp;
  test::FakePlattform m_Plattform;
  std::unique_ptr<QSettings> m_Einstellungen;
  std::unique_ptr<Konverter> m_Konverter;
  std::unique_ptr<TMyWindow> m_Fenster;
};

TEST_F(SonderFensterTest, RoemischeZahlErstErgebnisseDannMeldung) {
  Gebiet(QStringLiteral("Zahlensysteme"));
  Waehlen(QStringLiteral("Römische Zahl"));
  Rechnen(QStringLiteral("IIII"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Dezimalzahl")), QStringLiteral("4"));
  ASSERT_EQ(m_Plattform.Boxen.size(), 1u);
  EXPECT_EQ(m_Plattform.Boxen[0].Art, QStringLiteral("Fehler"));
  EXPECT_EQ(m_Plattform.Boxen[0].Text, QStringLiteral("Falsche Römische Zahl!"));
  EXPECT_TRUE(m_Fenster->findChild<QAction*>(QStringLiteral("WertKopieren1"))->isEnabled());
  // Focus only: the text is not selected.
  EXPECT_TRUE(Eingabe()->selectedText().isEmpty());
}

TEST_F(SonderFensterTest, AraeometerFragtUndKorrigiertDieEingabe) {
  Gebiet(QStringLiteral("Aräometerskalen"));
  Waehlen(QStringLiteral("Grad Brix"));
  m_Plattform.Antworten = {Antwort::Abbrechen};
  Rechnen(QStringLiteral("20"));
  ASSERT_EQ(m_Plattform.Texte(QStringLiteral("Frage")).size(), 1);
  EXPECT_TRUE(Ergebnis(QStringLiteral("Grad Brix")).isEmpty());  // cancelled: nothing shown
  m_Plattform.Antworten = {Antwort::Nein};
  Rechnen(QStringLiteral("20"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Grad Brix")), QStringLiteral("20,000000000"));

  m_Plattform.Boxen.clear();
  Waehlen(QStringLiteral("Grad API"));
  Rechnen(QStringLiteral("5"));
  ASSERT_EQ(m_Plattform.Texte(QStringLiteral("Schlicht")).size(), 1);
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Schlicht"))[0],
            QStringLiteral("Eingabe von Werten < 10 ist bei API nicht zulässig!"));
  EXPECT_EQ(Eingabe()->text(), QStringLiteral("10"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Grad API")), QStringLiteral("10,000000000"));
  EXPECT_EQ(m_Fenster->findChild<QLabel*>(QStringLiteral("Label_Ausgangseinheit"))->text(),
            QStringLiteral("10  Grad API"));
}

TEST_F(SonderFensterTest, WeltzeitRechnetNichtBeimTippen) {
  Gebiet(QStringLiteral("Weltzeit"));
  m_Fenster->findChild<QAction*>(QStringLiteral("AutomatischesRechnen1"))->trigger();  // no conversion here
  Waehlen(QStringLiteral("Berlin"));
  Eingabe()->clear();
  QTest::keyClicks(Eingabe(), QStringLiteral("23:00"));
  EXPECT_TRUE(Ergebnis(QStringLiteral("New York")).isEmpty()) << Ergebnis(QStringLiteral("New York")).toStdString();
  for (const auto& b : m_Plattform.Boxen) ADD_FAILURE() << b.Text.toStdString();
  QTest::keyClick(Eingabe(), Qt::Key_Return);
  EXPECT_EQ(Ergebnis(QStringLiteral("New York")), QStringLiteral("17:00"));
  Rechnen(QStringLiteral("25:00"));
  ASSERT_EQ(m_Plattform.Texte(QStringLiteral("Fehler")).size(), 1);
  EXPECT_EQ(Eingabe()->selectedText(), QStringLiteral("25:00"));
  EXPECT_EQ(Ergebnis(QStringLiteral("New York")), QStringLiteral("17:00"));  // unchanged
}

}  // namespace
}  // namespace kolvaro::ui
