// The country dialog, driven through its widgets while it is open: the two
// lists built from the stored flags, the arrows and double clicks, the
// technical choice, OK (flags, settings, reload of the four categories
// filtered by country) and Cancel (nothing changes), all countries hidden,
// and the temporary display that leaves the stored choice alone.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "gemeinsam/Fenstertest.h"
#include "gemeinsam/Testdaten.h"
#include "ui/converter/Land_neu_Dlg.h"

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
    Starten({{Dialogart::Laender, [](const Dialogumgebung& u, QWidget* e) { return new TLand_neu_Dlg(u, e); }}});
  }
  TLand_neu_Dlg* Dialog() { return Kind<TLand_neu_Dlg>("Land_neu_Dlg"); }
  template <typename T>
  T* ImDialog(const char* name) {
    T* kind = Dialog()->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(kind, nullptr) << name;
    return kind;
  }
  QStringList Eintraege(const char* liste) {
    QStringList t;
    auto* l = ImDialog<QListWidget>(liste);
    for (int i = 0; i < l->count(); ++i) t << l->item(i)->text();
    return t;
  }
  void Markieren(const char* liste, const QString& land) {
    auto* l = ImDialog<QListWidget>(liste);
    const auto treffer = l->findItems(land, Qt::MatchExactly);
    ASSERT_EQ(treffer.size(), 1) << land.toStdString();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(treffer[0]).center());
  }
  void Doppelklick(const char* liste, const QString& land) {
    auto* l = ImDialog<QListWidget>(liste);
    const auto treffer = l->findItems(land, Qt::MatchExactly);
    ASSERT_EQ(treffer.size(), 1) << land.toStdString();
    const QPoint p = l->visualItemRect(treffer[0]).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
  }
  void Klick(const char* knopf) { ImDialog<QAbstractButton>(knopf)->click(); }
  // Opens the dialog from the menu and runs bedienen while it is open; a
  // dialog still open afterwards is cancelled.
  void Oeffnen(const std::function<void()>& bedienen) {
    bool gelaufen = false;
    QTimer::singleShot(0, m_Fenster.get(), [&] {
      bedienen();
      gelaufen = true;
      if (Dialog()->isVisible()) Klick("BitBtn2");
    });
    Aktion("Laenderauseinblenden1")->trigger();
    EXPECT_TRUE(gelaufen);
    EXPECT_FALSE(Dialog()->isVisible());
  }
  QStringList Namen() {
    QStringList namen;
    for (int i = 0; i < Liste()->model()->rowCount(); ++i) namen << Liste()->model()->index(i, 0).data().toString();
    return namen;
  }
  QString GespeicherteFlaggen() {
    Schliessen();
    return m_Einstellungen->value(QStringLiteral("Laender")).toString().left(6);
  }
};

TEST_F(LaenderDialogTest, VerschiebenUndOkLaedtNeuUndSpeichert) {
  StartenMit(Flaggen(QStringLiteral("111011")));  // USA hidden
  GebietWaehlen(QStringLiteral("Masse"));
  ASSERT_EQ(Namen(), QStringList({"Kilogramm", "Pfund"}));
  Oeffnen([&] {
    EXPECT_EQ(Dialog()->windowTitle(), QStringLiteral("Länder ein-/ausblenden"));
    EXPECT_EQ(Eintraege("ListBox1"),
              QStringList({"SI-Einheit", "Internationale Einheit", "Deutschland", "Österreich"}));
    EXPECT_EQ(Eintraege("ListBox2"), QStringList({"USA"}));
    // Arrow and double click move to the end of the other list.
    Markieren("ListBox1", QStringLiteral("Deutschland"));
    Klick("SpeedButton1");
    EXPECT_EQ(Eintraege("ListBox2"), QStringList({"USA", "Deutschland"}));
    Doppelklick("ListBox2", QStringLiteral("USA"));
    Doppelklick("ListBox1", QStringLiteral("Österreich"));
    Markieren("ListBox2", QStringLiteral("Deutschland"));
    Klick("SpeedButton4");
    EXPECT_EQ(Eintraege("ListBox1"), QStringList({"SI-Einheit", "Internationale Einheit", "USA", "Deutschland"}));
    EXPECT_EQ(Eintraege("ListBox2"), QStringList({"Österreich"}));
    // The main window has not changed yet.
    EXPECT_EQ(Namen(), QStringList({"Kilogramm", "Pfund"}));
    Klick("BitBtn1");
  });
  EXPECT_EQ(Namen(), QStringList({"Kilogramm", "Pound"}));
  EXPECT_EQ(Label("Panel3"), QStringLiteral("5 Länder vorhanden, davon 1 ausgeblendet."));
  // Atlantis is not present and is stored as hidden.
  EXPECT_EQ(GespeicherteFlaggen(), QStringLiteral("111100"));
}

TEST_F(LaenderDialogTest, AbbrechenVerwirft) {
  StartenMit(Flaggen(QStringLiteral("111011")));
  GebietWaehlen(QStringLiteral("Masse"));
  Oeffnen([&] {
    Klick("SpeedButton3");
    EXPECT_TRUE(Eintraege("ListBox2").isEmpty());
    Klick("BitBtn2");
  });
  EXPECT_EQ(Namen(), QStringList({"Kilogramm", "Pfund"}));
  // Escape cancels too; the lists come back from the stored flags.
  Oeffnen([&] {
    EXPECT_EQ(Eintraege("ListBox2"), QStringList({"USA"}));
    Klick("SpeedButton2");
    QTest::keyClick(Dialog(), Qt::Key_Escape);
  });
  Oeffnen([&] { EXPECT_EQ(Eintraege("ListBox2"), QStringList({"USA"})); });
  EXPECT_EQ(Namen(), QStringList({"Kilogramm", "Pfund"}));
  EXPECT_EQ(GespeicherteFlaggen(), QStringLiteral("111011"));
}

TEST_F(LaenderDialogTest, TechnischeVerwendung) {
  StartenMit(Flaggen(QStringLiteral("000000")));
  Oeffnen([&] {
    Klick("Button1");
    EXPECT_EQ(Eintraege("ListBox1"), QStringList({"SI-Einheit", "Internationale Einheit", "Deutschland", "USA"}));
    EXPECT_EQ(Eintraege("ListBox2"), QStringList({"Österreich"}));
    Klick("BitBtn1");
  });
  EXPECT_EQ(GespeicherteFlaggen(), QStringLiteral("111100"));
}

TEST_F(LaenderDialogTest, AlleAusgeblendetLeertNurDieVierGebiete) {
  StartenMit(Flaggen(QString()));
  GebietWaehlen(QStringLiteral("Länge"));
  ASSERT_GT(Namen().size(), 0);
  m_Plattform.Boxen.clear();
  Oeffnen([&] {
    Klick("SpeedButton2");
    EXPECT_TRUE(Eintraege("ListBox1").isEmpty());
    Klick("BitBtn1");
  });
  EXPECT_TRUE(Namen().isEmpty());
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Information")).size(), 1);
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
  Oeffnen([&] {
    EXPECT_TRUE(Eintraege("ListBox1").isEmpty());
    EXPECT_EQ(Eintraege("ListBox2").size(), 5);
  });
  QTest::mouseClick(Kind<QToolButton>("SpeedButton10"), Qt::LeftButton);
  EXPECT_TRUE(Namen().isEmpty());
  EXPECT_EQ(GespeicherteFlaggen(), QStringLiteral("000000"));
}

TEST_F(LaenderDialogTest, OkAusserhalbDerVierGebieteLaedtNichtNeu) {
  StartenMit(Flaggen(QString()));
  GebietWaehlen(QStringLiteral("Temperatur"));
  Waehlen(QStringLiteral("Kelvin"));
  m_Plattform.Boxen.clear();
  Oeffnen([&] {
    Klick("SpeedButton2");
    Klick("BitBtn1");
  });
  EXPECT_EQ(Namen(), QStringList({"Kelvin"}));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  GebietWaehlen(QStringLiteral("Länge"));
  EXPECT_TRUE(Namen().isEmpty());
}

}  // namespace
}  // namespace kolvaro::ui
