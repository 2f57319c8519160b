// The dialog that shows hidden units again, driven through its widgets while
// it is open: which units it lists (those of hidden countries too), the
// hidden count at once after showing some, showing all, a category without
// hidden units, and a failed rewrite that keeps file and dialog as they were.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <csignal>
#include <functional>

#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "gemeinsam/Fenstertest.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"
#include "ui/converter/Einheit_einblendenDlg.h"

namespace kolvaro::ui {
namespace {

using kolvaro::test::Einheitenzeile;

using kolvaro::test::Schreibsperre;

class EinblendenTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    // Three hidden units, one of them of a country that is not present.
    kolvaro::test::Verschluesselt(Verzeichnis() / "LAENGE.DAT",
                                  {Einheitenzeile("j", "SI-Einheit", "m", "Meter", "1"),
                                   Einheitenzeile("n", "Deutschland", "", "Rute", "3.766242"),
                                   Einheitenzeile("j", "SI-Einheit", "km", "Kilometer", "1000"),
                                   Einheitenzeile("n", "Atlantis", "", "Elle", "0.6"),
                                   Einheitenzeile("n", "Österreich", "", "Klafter", "1.8965")});
    Starten({{Dialogart::EinheitenEinblenden,
              [](const Dialogumgebung& u, QWidget* e) { return new TDlg_Einheit_einblenden(u, e); }}});
    GebietWaehlen(QStringLiteral("Länge"));
    m_Roh = Roh();
    m_Plattform.Boxen.clear();
  }
  std::vector<std::string> Roh() { return *DateiLaden(Verzeichnis() / "LAENGE.DAT"); }
  std::string Sichtbar(std::size_t zeile) {
    return Feld((*GeheimdateiLesen(Verzeichnis() / "LAENGE.DAT"))[zeile], '\t', 1);
  }
  QStringList Namen() {
    QStringList namen;
    for (int i = 0; i < Liste()->model()->rowCount(); ++i) namen << Liste()->model()->index(i, 0).data().toString();
    return namen;
  }
  TDlg_Einheit_einblenden* Dialog() { return Kind<TDlg_Einheit_einblenden>("Dlg_Einheit_einblenden"); }
  template <typename T>
  T* ImDialog(const char* name) {
    T* kind = Dialog()->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(kind, nullptr) << name;
    return kind;
  }
  QStringList Eintraege() {
    QStringList t;
    auto* liste = ImDialog<QListWidget>("ListBox1");
    for (int i = 0; i < liste->count(); ++i) t << liste->item(i)->text();
    return t;
  }
  // Opens the dialog from the menu and runs bedienen while it is open; a
  // dialog still open afterwards is closed with the close button.
  void Oeffnen(const std::function<void()>& bedienen) {
    bool gelaufen = false;
    QTimer::singleShot(0, m_Fenster.get(), [&] {
      bedienen();
      gelaufen = true;
      if (Dialog()->isVisible()) ImDialog<QPushButton>("OKBtn")->click();
    });
    Aktion("Einheiteinblenden1")->trigger();
    EXPECT_TRUE(gelaufen);
    EXPECT_FALSE(Dialog()->isVisible());
  }

  std::vector<std::string> m_Roh;
};

TEST_F(EinblendenTest, ZweiVonDreienEinblendenZaehltSofortEins) {
  ASSERT_EQ(Namen(), QStringList({"Meter", "Kilometer"}));
  ASSERT_EQ(Label("Panel2"), QStringLiteral("4 Einheiten vorhanden, davon 3 ausgeblendet."));
  Oeffnen([&] {
    EXPECT_EQ(Dialog()->windowTitle(), QStringLiteral("Ausgeblendete Einheiten wieder einblenden"));
    EXPECT_EQ(ImDialog<QLabel>("Label_Gebiet")->text(), QStringLiteral("Länge"));
    EXPECT_EQ(ImDialog<QLabel>("Label2")->text(), QStringLiteral("Ausgeblendete Einheiten:"));
    ASSERT_EQ(Eintraege(), QStringList({"Rute - Deutschland", "Elle - Atlantis", "Klafter - Österreich"}));
    auto* liste = ImDialog<QListWidget>("ListBox1");
    EXPECT_EQ(liste->currentRow(), 0);
    EXPECT_EQ(liste->item(2)->data(TDlg_Einheit_einblenden::DateizeileRolle).toInt(), 4);
    // Rute and Klafter, by the user's clicks.
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(0)).center());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      liste->visualItemRect(liste->item(2)).center());
    ASSERT_EQ(liste->selectedItems().size(), 2);
    ImDialog<QPushButton>("BitBtn1")->click();
    EXPECT_EQ(Label("Panel2"), QStringLiteral("4 Einheiten vorhanden, davon 1 ausgeblendet."));
    EXPECT_EQ(Eintraege(), QStringList({"Elle - Atlantis"}));
    EXPECT_EQ(liste->currentRow(), 0);
    EXPECT_TRUE(ImDialog<QPushButton>("BitBtn1")->isEnabled());
  });
  EXPECT_EQ(Sichtbar(1), "j");
  EXPECT_EQ(Sichtbar(3), "n");
  EXPECT_EQ(Sichtbar(4), "j");
  const auto roh = Roh();
  for (std::size_t i : {0u, 2u, 3u}) EXPECT_EQ(roh[i], m_Roh[i]) << "Zeile " << i;
  // The list is loaded anew; Elle's country is not shown.
  EXPECT_EQ(Namen(), QStringList({"Meter", "Rute", "Kilometer", "Klafter"}));
  EXPECT_EQ(Label("Panel2"), QStringLiteral("4 Einheiten vorhanden, davon 1 ausgeblendet."));
  EXPECT_EQ(ImDialog<QListWidget>("ListBox1")->count(), 0);  // emptied when hidden
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

TEST_F(EinblendenTest, AlleEinblendenSchliesst) {
  Oeffnen([&] {
    ImDialog<QPushButton>("BitBtn2")->click();
    EXPECT_FALSE(Dialog()->isVisible());
  });
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(Sichtbar(i), "j") << i;
  EXPECT_EQ(Namen(), QStringList({"Meter", "Rute", "Kilometer", "Klafter"}));
  EXPECT_EQ(Label("Panel2"), QStringLiteral("4 Einheiten vorhanden, davon 0 ausgeblendet."));

  // Opened again there is nothing left to show.
  Oeffnen([&] {
    EXPECT_EQ(ImDialog<QLabel>("Label2")->text(), QStringLiteral("Es sind keine Einheiten ausgeblendet!"));
    EXPECT_TRUE(ImDialog<QLabel>("Label2")->styleSheet().contains(QStringLiteral("red")));
    EXPECT_FALSE(ImDialog<QPushButton>("BitBtn1")->isEnabled());
    EXPECT_FALSE(ImDialog<QPushButton>("BitBtn2")->isEnabled());
    EXPECT_EQ(ImDialog<QListWidget>("ListBox1")->count(), 0);
  });
  // Another category with hidden units: the label is black again.
  GebietWaehlen(QStringLiteral("Masse"));
  kolvaro::test::Verschluesselt(Verzeichnis() / "MASSE.DAT", {Einheitenzeile("n", "USA", "lb", "Pound", "0.45")});
  Oeffnen([&] {
    EXPECT_EQ(ImDialog<QLabel>("Label_Gebiet")->text(), QStringLiteral("Masse"));
    EXPECT_EQ(ImDialog<QLabel>("Label2")->text(), QStringLiteral("Ausgeblendete Einheiten:"));
    EXPECT_TRUE(ImDialog<QLabel>("Label2")->styleSheet().isEmpty());
    EXPECT_EQ(Eintraege(), QStringList({"Pound - USA"}));
    EXPECT_TRUE(ImDialog<QPushButton>("BitBtn1")->isEnabled());
  });
}

TEST_F(EinblendenTest, FehlgeschlagenesSchreibenLaesstDialogUndDatei) {
  Oeffnen([&] {
    auto* liste = ImDialog<QListWidget>("ListBox1");
    liste->selectAll();
    for (const char* knopf : {"BitBtn1", "BitBtn2"}) {
      SCOPED_TRACE(knopf);
      m_Plattform.Boxen.clear();
      {
        Schreibsperre sperre;
        ImDialog<QPushButton>(knopf)->click();
      }
      ASSERT_EQ(m_Plattform.Texte(QStringLiteral("Fehler")).size(), 1);
      EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Fehler"))[0], QtText(NichtGeschriebenMeldung("LAENGE.DAT").Text));
      EXPECT_TRUE(Dialog()->isVisible());
      EXPECT_EQ(Eintraege().size(), 3);
      EXPECT_EQ(Label("Panel2"), QStringLiteral("4 Einheiten vorhanden, davon 3 ausgeblendet."));
    }
  });
  EXPECT_EQ(Roh(), m_Roh);
  EXPECT_EQ(Namen(), QStringList({"Meter", "Kilometer"}));
}

TEST_F(EinblendenTest, OhnePasswortKeinDialog) {
  m_Fenster->SetPasswortabfrage([] { return false; });
  Aktion("ToolButton4")->trigger();
  EXPECT_FALSE(Dialog()->isVisible());
  EXPECT_EQ(Roh(), m_Roh);
}

}  // namespace
}  // namespace kolvaro::ui
