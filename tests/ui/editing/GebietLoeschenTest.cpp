// The delete-category dialog, driven through its widgets while it is open:
// deleting the category on show leaves a usable window on the first
// remaining one with every information block still at its category; No
// deletes nothing; the last category is kept.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "data/Textdatei.h"
#include "gemeinsam/Fenstertest.h"
#include "gemeinsam/Testdaten.h"
#include "ui/editing/GebietLoeschenDlg.h"

namespace kolvaro::ui {
namespace {

class GebietLoeschenTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    Starten({{Dialogart::GebietLoeschen,
              [](const Dialogumgebung& u, QWidget* e) { return new TGebietLoeschenDlg(u, e); }}});
    m_Fenster->SetPasswortabfrage([] { return true; });
    m_Plattform.Boxen.clear();
  }
  TGebietLoeschenDlg* Dialog() { return Kind<TGebietLoeschenDlg>("GebietLoeschenDlg"); }
  QListWidget* Gebiete() { return Dialog()->findChild<QListWidget*>(QStringLiteral("ListBox1")); }
  QPushButton* Knopf(const char* name) { return Dialog()->findChild<QPushButton*>(QString::fromLatin1(name)); }
  QStringList Eintraege() {
    QStringList t;
    for (int i = 0; i < Gebiete()->count(); ++i) t << Gebiete()->item(i)->text();
    return t;
  }
  QStringList Auswahlbox() {
    QStringList t;
    auto* combo = Kind<QComboBox>("ComboBox2");
    for (int i = 0; i < combo->count(); ++i) t << combo->itemText(i);
    return t;
  }
  // Opens the dialog from the menu and runs bedienen while it is open; true
  // when it was still open afterwards (then it is closed with "Abbrechen").
  bool Oeffnen(const std::function<void()>& bedienen) {
    bool gelaufen = false, offen = false;
    QTimer::singleShot(0, m_Fenster.get(), [&] {
      // Focus moves only in the active window, as on the desktop.
      QApplication::setActiveWindow(Dialog());
      EXPECT_TRUE(QTest::qWaitForWindowActive(Dialog()));
      bedienen();
      gelaufen = true;
      offen = Dialog()->isVisible();
      if (offen) Knopf("BitBtn2")->click();
    });
    Aktion("VorhandenesGebietlschen1")->trigger();
    EXPECT_TRUE(gelaufen);
    EXPECT_FALSE(Dialog()->isVisible());
    return offen;
  }
};

TEST_F(GebietLoeschenTest, DasAngezeigteGebietLoeschenZeigtDasErsteVerbliebene) {
  GebietWaehlen(QStringLiteral("Masse"));
  m_Plattform.Antworten = {Antwort::Ja};
  const bool offen = Oeffnen([&] {
    EXPECT_EQ(Dialog()->windowTitle(), QStringLiteral("Vorhandenes Gebiet löschen"));
    EXPECT_EQ(Eintraege(), QStringList({"Länge", "Masse", "Temperatur", "Zeit"}));
    EXPECT_EQ(Gebiete()->currentRow(), 1);  // the category on show
    EXPECT_EQ(Dialog()->focusWidget(), Gebiete());
    Knopf("BitBtn1")->click();
  });
  EXPECT_FALSE(offen);
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Frage")),
            QStringList({QStringLiteral("Soll das Gebiet \"Masse\" wirklich gelöscht werden?")}));
  EXPECT_EQ(Auswahlbox(), QStringList({"Länge", "Temperatur", "Zeit"}));
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Länge"));
  EXPECT_EQ(m_Konverter->Gebietsname(), Cp1252("Länge"));
  EXPECT_GT(Liste()->model()->rowCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(Verzeichnis() / "MASSE.DAT"));
  // Every remaining category keeps its own information text.
  EXPECT_EQ(m_Konverter->GebietsInfo(), Cp1252("Längen messen.\r\nZweite Zeile."));
  GebietWaehlen(QStringLiteral("Temperatur"));
  EXPECT_EQ(m_Konverter->GebietsInfo(), "Temperaturen.");
  GebietWaehlen(QStringLiteral("Zeit"));
  EXPECT_EQ(m_Konverter->GebietsInfo(), "Zeiten.");
}

TEST_F(GebietLoeschenTest, NeinLoeschtNichtsUndSchliesst) {
  const std::string gruppen = *DateiInhalt(Verzeichnis() / "Gruppen.nfo");
  m_Plattform.Antworten = {Antwort::Nein};
  const bool offen = Oeffnen([&] {
    Gebiete()->setCurrentRow(3);
    Knopf("BitBtn1")->click();
  });
  EXPECT_FALSE(offen);
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Frage")),
            QStringList({QStringLiteral("Soll das Gebiet \"Zeit\" wirklich gelöscht werden?")}));
  EXPECT_EQ(*DateiInhalt(Verzeichnis() / "Gruppen.nfo"), gruppen);
  EXPECT_EQ(Auswahlbox().size(), 4);
}

TEST_F(GebietLoeschenTest, DasLetzteGebietBleibt) {
  m_Plattform.Antworten = {Antwort::Ja, Antwort::Ja, Antwort::Ja};
  for (int i = 0; i < 3; ++i)
    Oeffnen([&] {
      Gebiete()->setCurrentRow(Gebiete()->count() - 1);
      Knopf("BitBtn1")->click();
    });
  ASSERT_EQ(Auswahlbox(), QStringList({"Länge"}));
  m_Plattform.Boxen.clear();
  const bool offen = Oeffnen([&] { Knopf("BitBtn1")->click(); });
  EXPECT_TRUE(offen);
  EXPECT_TRUE(m_Plattform.Texte(QStringLiteral("Frage")).isEmpty());
  ASSERT_EQ(m_Plattform.Texte(QStringLiteral("Information")).size(), 1);
  EXPECT_TRUE(m_Plattform.Texte(QStringLiteral("Information"))[0].startsWith(QStringLiteral("Das letzte Gebiet")));
  EXPECT_EQ(Auswahlbox(), QStringList({"Länge"}));
  EXPECT_TRUE(std::filesystem::exists(Verzeichnis() / "LAENGE.DAT"));
  EXPECT_EQ(*DateiLaden(Verzeichnis() / "Gebiet.nfo"),
            (std::vector<std::string>{Cp1252("Längen messen."), "Zweite Zeile.", "*"}));
}

}  // namespace
}  // namespace kolvaro::ui
