// The country dialog, driven while it is open; the moves are
// EinheitensichtbarkeitTest's (Laenderauswahl), here what the window does with them.
#include <gtest/gtest.h>

#include <QToolButton>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

// Countries of the test table: 1 SI-Einheit, 2 Internationale Einheit,
// 3 Deutschland, 4 USA, 5 Österreich (present), 6 Atlantis (not present).
QString Flaggen(const QString& erste) { return erste + QString(211 - erste.size(), QLatin1Char('1')); }

class LaenderDialogTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
  }
  void StartenMit(const QString& laender) {
    m_Einstellungen->setValue(QStringLiteral("Laender"), laender);
    Starten();
  }
  void Oeffnen(const std::function<void(QDialog&)>& bedienen) {
    EXPECT_TRUE(ImDialog("Laenderauseinblenden1", "Land_neu_Dlg", bedienen));
  }
  static QStringList Eintraege(QDialog& d, const char* liste) {
    return Fenstertest::Eintraege(Element<QListWidget>(&d, liste));
  }
  // A click on the country, and a second one as a double click.
  static void Anklicken(QDialog& d, const char* liste, const QString& land, bool doppelt = false) {
    auto* l = Element<QListWidget>(&d, liste);
    const auto treffer = l->findItems(land, Qt::MatchExactly);
    ASSERT_EQ(treffer.size(), 1) << land.toStdString();
    const QPoint p = l->visualItemRect(treffer[0]).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
    if (doppelt) QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
  }
  QString GespeicherteFlaggen() {
    Schliessen();
    return m_Einstellungen->value(QStringLiteral("Laender")).toString().left(6);
  }
};

TEST_F(LaenderDialogTest, VerschiebenUndOkLaedtNeuUndSpeichert) {
  StartenMit(Flaggen(QStringLiteral("111011")));  // USA hidden
  GebietWaehlen(QStringLiteral("Masse"));
  Oeffnen([&](QDialog& d) {
    EXPECT_EQ(Eintraege(d, "ListBox1"),
              QStringList({"SI-Einheit", "Internationale Einheit", "Deutschland", "Österreich"}));
    EXPECT_EQ(Eintraege(d, "ListBox2"), QStringList({"USA"}));
    // Arrows and double clicks.
    Anklicken(d, "ListBox1", QStringLiteral("Deutschland"));
    Klick(&d, "SpeedButton1");
    Anklicken(d, "ListBox2", QStringLiteral("USA"), true);
    Anklicken(d, "ListBox1", QStringLiteral("Österreich"), true);
    Anklicken(d, "ListBox2", QStringLiteral("Deutschland"));
    Klick(&d, "SpeedButton4");
    EXPECT_EQ(Eintraege(d, "ListBox1"), QStringList({"SI-Einheit", "Internationale Einheit", "USA", "Deutschland"}));
    EXPECT_EQ(Eintraege(d, "ListBox2"), QStringList({"Österreich"}));
    // The main window has not changed yet.
    EXPECT_EQ(Namen(), QStringList({"Kilogramm", "Pfund"}));
    Klick(&d, "BitBtn1");
  });
  EXPECT_EQ(Namen(), QStringList({"Kilogramm", "Pound"}));
  EXPECT_EQ(Label("Panel3"), QStringLiteral("5 Länder vorhanden, davon 1 ausgeblendet."));
  // Atlantis is not present and is stored as hidden.
  EXPECT_EQ(GespeicherteFlaggen(), QStringLiteral("111100"));
}

TEST_F(LaenderDialogTest, AbbrechenVerwirft) {
  StartenMit(Flaggen(QStringLiteral("111011")));
  GebietWaehlen(QStringLiteral("Masse"));
  Oeffnen([&](QDialog& d) {
    Klick(&d, "SpeedButton3");
    EXPECT_TRUE(Eintraege(d, "ListBox2").isEmpty());
    Klick(&d, "BitBtn2");
  });
  // Escape cancels too; the lists come back from the stored flags.
  Oeffnen([&](QDialog& d) {
    EXPECT_EQ(Eintraege(d, "ListBox2"), QStringList({"USA"}));
    Klick(&d, "SpeedButton2");
    QTest::keyClick(&d, Qt::Key_Escape);
  });
  Oeffnen([&](QDialog& d) { EXPECT_EQ(Eintraege(d, "ListBox2"), QStringList({"USA"})); });
  EXPECT_EQ(Namen(), QStringList({"Kilogramm", "Pfund"}));
  EXPECT_EQ(GespeicherteFlaggen(), QStringLiteral("111011"));
}

TEST_F(LaenderDialogTest, AlleAusgeblendetLeertNurDieVierGebiete) {
  StartenMit(Flaggen(QString()));
  GebietWaehlen(QStringLiteral("Länge"));
  m_Plattform.Boxen.clear();
  Oeffnen([&](QDialog& d) {
    Klick(&d, "SpeedButton2");
    Klick(&d, "BitBtn1");
  });
  EXPECT_TRUE(Namen().isEmpty());
  EXPECT_TRUE(Label("Label_gewaehlte_einheit").isEmpty());
  ASSERT_EQ(Texte("Information").size(), 1);
  EXPECT_TRUE(Texte("Information")[0].startsWith(QStringLiteral("Die Einheiten-Liste enthält keine Einträge!")));
  GebietWaehlen(QStringLiteral("Masse"));
  EXPECT_TRUE(Namen().isEmpty());
  // Not filtered by country, even though Kelvin's country is not shown.
  GebietWaehlen(QStringLiteral("Temperatur"));
  EXPECT_EQ(Namen(), QStringList({"Kelvin"}));
  EXPECT_TRUE(Label("Panel3").isEmpty());

  // The temporary display lists everything and leaves the choice alone.
  GebietWaehlen(QStringLiteral("Masse"));
  QTest::mouseClick(Kind<QToolButton>("SpeedButton9"), Qt::LeftButton);
  EXPECT_EQ(Namen(), QStringList({"Kilogramm", "Pfund", "Pound"}));
  Oeffnen([&](QDialog& d) {
    EXPECT_TRUE(Eintraege(d, "ListBox1").isEmpty());
    EXPECT_EQ(Eintraege(d, "ListBox2").size(), 5);
  });
  QTest::mouseClick(Kind<QToolButton>("SpeedButton10"), Qt::LeftButton);
  EXPECT_TRUE(Namen().isEmpty());
  EXPECT_EQ(GespeicherteFlaggen(), QStringLiteral("000000"));
}

TEST_F(LaenderDialogTest, OkAusserhalbDerVierGebieteLaedtNichtNeuUndTechnischeVerwendung) {
  StartenMit(Flaggen(QString()));
  GebietWaehlen(QStringLiteral("Temperatur"));
  Waehlen(QStringLiteral("Kelvin"));
  m_Plattform.Boxen.clear();
  Oeffnen([&](QDialog& d) {
    Klick(&d, "SpeedButton2");
    Klick(&d, "BitBtn1");
  });
  EXPECT_EQ(Namen(), QStringList({"Kelvin"}));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  GebietWaehlen(QStringLiteral("Länge"));
  EXPECT_TRUE(Namen().isEmpty());
  // The technical choice.
  Oeffnen([&](QDialog& d) {
    Klick(&d, "Button1");
    EXPECT_EQ(Eintraege(d, "ListBox2"), QStringList({"Österreich"}));
    Klick(&d, "BitBtn1");
  });
  EXPECT_EQ(GespeicherteFlaggen(), QStringLiteral("111100"));
}

}  // namespace
}  // namespace kolvaro::ui
