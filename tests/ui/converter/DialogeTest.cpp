// The frame the dialogs hang in, with probes for dialogs: menu entries named
// and enabled with their dialogs, creation, the gate, the reload after a change.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QSet>
#include <QToolButton>

#include "data/Einheitendatei.h"
#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class DialogeTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    GebauteDatenKopieren();
  }
  // A probe that records its creation.
  Dialogfabrik Probe(const QString& name, test::Probedialog::Handlung handlung = {}, bool modal = true) {
    return [this, name, handlung, modal](const Dialogumgebung& u, QWidget* eltern) {
      m_Erzeugt.push_back(name);
      return new test::Probedialog(u, eltern, name, handlung, modal);
    };
  }
  // How often a probe was shown; one never called does not exist yet.
  int Gezeigt(const char* name) {
    auto* probe = m_Fenster->findChild<test::Probedialog*>(QString::fromLatin1(name));
    return probe ? probe->Gezeigt : 0;
  }

  std::vector<QString> m_Erzeugt;
};

TEST_F(DialogeTest, JederMenueeintragHatSeinenNamen) {
  Starten({});
  QSet<QString> namen;
  std::function<void(QMenu*)> durchgehen = [&](QMenu* menue) {
    for (QAction* aktion : menue->actions()) {
      if (aktion->menu()) {
        durchgehen(aktion->menu());
      } else if (!aktion->isSeparator()) {
        EXPECT_FALSE(aktion->objectName().isEmpty()) << aktion->text().toStdString();
        EXPECT_FALSE(namen.contains(aktion->objectName())) << aktion->objectName().toStdString();
        namen.insert(aktion->objectName());
      }
    }
  };
  for (QAction* menue : m_Fenster->menuBar()->actions()) durchgehen(menue->menu());
  EXPECT_EQ(namen.size(), 43);  // the entries of the eight menus
  // Without their dialogs the entries that only open one are disabled.
  for (const char* name : {"ChemischeElemente1", "MolmassenRechner1", "Einheitensuchen1", "ToolButton2",
                           "Laenderauseinblenden1", "NeuesGebieteinfgen1", "EigeneEinheiteinfgen1"})
    EXPECT_FALSE(Aktion(name)->isEnabled()) << name;
}

TEST_F(DialogeTest, EinDialogEntstehtBeimErstenAufrufUndBleibt) {
  Starten({{Dialogart::Koerper, Probe("Koerper")},
           {Dialogart::Suchen, Probe("Suchen")},
           {Dialogart::Vorsatzzeichen, Probe("Vorsatz", {}, false)}});
  EXPECT_TRUE(m_Erzeugt.empty());
  EXPECT_TRUE(Aktion("KrperBerechnung1")->isEnabled());
  EXPECT_TRUE(Aktion("ToolButton2")->isEnabled());
  EXPECT_FALSE(Aktion("MolmassenRechner1")->isEnabled());

  // The second call shows the dialog of the first, with what it holds.
  Aktion("KrperBerechnung1")->trigger();
  Aktion("KrperBerechnung1")->trigger();
  EXPECT_EQ(Gezeigt("Koerper"), 2);
  EXPECT_FALSE(Kind<QDialog>("Koerper")->isVisible());
  EXPECT_EQ(m_Erzeugt, (std::vector<QString>{"Koerper"}));
  // A viewer stays open beside the window.
  Aktion("Vorsatzzeichen1")->trigger();
  EXPECT_TRUE(Kind<QDialog>("Vorsatz")->isVisible() && !Kind<QDialog>("Vorsatz")->isModal());
  EXPECT_EQ(m_Erzeugt, (std::vector<QString>{"Koerper", "Vorsatz"}));
}

// Which command asks for the password and how it refuses is the core's gate
// (and PasswortTest's): here that the window follows it. After a change of the
// data, as the probes make it, the window reloads the category or the catalogue.
TEST_F(DialogeTest, TorDerBearbeitungsbefehleUndNeuladenNachEinerAenderung) {
  auto kilometerAusblenden = [](Konverter& k) {
    for (const auto& e : k.Einheiten()) {
      if (e.Einheitenname != "Kilometer") continue;
      EXPECT_TRUE(EinheitenzeileAendern(k.Verzeichnis(), k.Katalog()[k.Gebietsindex()].Datendatei, e.Dateizeile,
                                        feld::Sichtbar, "n"));
    }
    return Neuladen::Gebiet;
  };
  auto gebietDavor = [](Konverter& k) {
    auto gruppen = *DateiLaden(k.Verzeichnis() / "Gruppen.nfo");
    auto infotext = *DateiLaden(k.Verzeichnis() / "Gebiet.nfo");
    gruppen.insert(gruppen.begin(), "Aaa-Probe\tAAAPROBE.DAT\tProbe");
    infotext.insert(infotext.begin(), {"Probe.", "*"});
    kolvaro::test::Schreiben(k.Verzeichnis() / "Gruppen.nfo", gruppen);
    kolvaro::test::Schreiben(k.Verzeichnis() / "Gebiet.nfo", infotext);
    kolvaro::test::Verschluesselt(k.Verzeichnis() / "AAAPROBE.DAT",
                                  {Einheitenzeile("j", "SI-Einheit", "p", "Probe", "1")});
    return Neuladen::Katalog;
  };
  Starten({{Dialogart::FaktorAendern, Probe("Faktor", kilometerAusblenden)},
           {Dialogart::GebietNeu, Probe("Neu", gebietDavor)}});
  int gefragt = 0;
  bool erlaubt = false;
  m_Fenster->SetPasswortabfrage([&] {
    ++gefragt;
    return erlaubt;
  });
  // No factor in the special categories: a note, no password, no dialog.
  GebietWaehlen(QStringLiteral("Temperatur"));
  Aktion("Umrechnungsfaktorndern1")->trigger();
  EXPECT_EQ(Texte("Information").size(), 1);  // its text is BearbeitungstorTest's
  EXPECT_EQ(gefragt, 0);
  // A refused password: silence, no dialog; an accepted one opens it.
  GebietWaehlen(QStringLiteral("Länge"));
  m_Plattform.Boxen.clear();
  Aktion("Umrechnungsfaktorndern1")->trigger();
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  EXPECT_EQ(Gezeigt("Faktor"), 0);
  erlaubt = true;
  const int vorher = Liste()->model()->rowCount();
  Aktion("Umrechnungsfaktorndern1")->trigger();
  EXPECT_EQ(gefragt, 2);
  EXPECT_EQ(Gezeigt("Faktor"), 1);
  EXPECT_EQ(Liste()->model()->rowCount(), vorher - 1);
  EXPECT_FALSE(Namen().contains(QStringLiteral("Kilometer")));

  GebietWaehlen(QStringLiteral("Masse"));
  Aktion("NeuesGebieteinfgen1")->trigger();
  EXPECT_EQ(Gebiete().value(0), QStringLiteral("Aaa-Probe"));
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Masse"));  // the chosen one stays
  EXPECT_EQ(QtText(m_Konverter->Gebietsname()), QStringLiteral("Masse"));
  GebietWaehlen(QStringLiteral("Aaa-Probe"));
  EXPECT_EQ(Liste()->model()->rowCount(), 1);
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

TEST_F(DialogeTest, NachDemEinblendenGibtEsNichtsRueckgaengigZuMachen) {
  // One hidden unit of Masse; the status of the window follows the dialog at once.
  ASSERT_TRUE(EinheitenzeileAendern(Verzeichnis(), "MASSE.DAT", 0, feld::Sichtbar, "n"));
  Starten();
  GebietWaehlen(QStringLiteral("Masse"));
  auto* rueckgaengig = Kind<QToolButton>("SpeedButton8");
  Kind<QToolButton>("SpeedButton7")->click();  // show it for the moment: undo becomes possible
  ASSERT_TRUE(rueckgaengig->isEnabled());
  EXPECT_TRUE(ImDialog("Einheiteinblenden1", "Dlg_Einheit_einblenden", [&](QDialog& dialog) {
    Klick(&dialog, "BitBtn1");
    EXPECT_EQ(m_Konverter->Zaehler().Verborgen, 0);
    EXPECT_FALSE(rueckgaengig->isEnabled());
  }));
}

}  // namespace
}  // namespace kolvaro::ui
