// Hiding units, showing them again and deleting the hidden ones, from the
// main window: the rows, the selection, the counts and the lines written, or
// nothing changed. The file rules are EinheitensichtbarkeitTest's and
// GebietsverwaltungTest's.
#include <gtest/gtest.h>

#include <QMenu>
#include <QToolButton>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class Sichtbarkeit : public test::Fenstertest {
 protected:
  // The standard data with LAENGE.DAT's lines, if given, started on "Länge".
  void Laenge(const std::vector<std::string>& zeilen = {}, const Dialogfabriken& fabriken = Standardfabriken()) {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    if (!zeilen.empty()) Daten("LAENGE.DAT", zeilen);
    Starten(fabriken);
    GebietWaehlen(QStringLiteral("Länge"));
    m_Roh = Roh("LAENGE.DAT");
    m_Plattform.Boxen.clear();
  }
  QString Gezaehlt(int vorhanden, int ausgeblendet) {
    return QStringLiteral("%1 Einheiten vorhanden, davon %2 ausgeblendet.").arg(vorhanden).arg(ausgeblendet);
  }

  std::string m_Roh;
};

// LAENGE.DAT: 0 Fuß, 1 Kilometer, 2 Meter, 3 Meile, 4 Rute (hidden), 5 Zoll
// (country not present); listed in file order.
class AusblendenTest : public Sichtbarkeit {
 protected:
  void SetUp() override { Laenge({}, {}); }
  // Ctrl+click adds a row to the selection, as the user does it.
  void Dazuwaehlen(const QString& name) {
    const QModelIndex index = Liste()->model()->index(Zeile(name), 0);
    QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, Qt::ControlModifier, Liste()->visualRect(index).center());
  }
  void Ausblenden() { Aktion("Einheitausblenden1")->trigger(); }
};

TEST_F(AusblendenTest, EineUndZweiAufEinmalDieZeileDavorWirdGewaehlt) {
  Waehlen(QStringLiteral("Meter"));
  Ausblenden();
  EXPECT_EQ(Namen(), QStringList({"Fuß", "Kilometer", "Meile"}));
  EXPECT_EQ(Liste()->currentIndex().row(), 1);
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), QStringLiteral("Kilometer"));
  EXPECT_EQ(Label("Panel2"), Gezaehlt(5, 2));
  EXPECT_TRUE(Kind<QToolButton>("SpeedButton7")->isEnabled());
  // Two at once; Meile's row now lies before its line.
  Waehlen(QStringLiteral("Meile"));
  Dazuwaehlen(QStringLiteral("Fuß"));
  Ausblenden();
  EXPECT_EQ(Namen(), QStringList({"Kilometer"}));
  EXPECT_EQ(Label("Panel2"), Gezaehlt(5, 4));
  EXPECT_EQ(Sichtbar("LAENGE.DAT"), "njnnnj");
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  EXPECT_EQ(m_Plattform.Sanduhren, 0);
}

TEST_F(AusblendenTest, DieEinzigeEinheitHinterlaesstLeereListe) {
  GebietWaehlen(QStringLiteral("Temperatur"));
  m_Plattform.Boxen.clear();
  Waehlen(QStringLiteral("Kelvin"));
  Ausblenden();
  EXPECT_EQ(Liste()->model()->rowCount(), 0);
  ASSERT_EQ(Texte("Information").size(), 1);
  EXPECT_TRUE(Texte("Information")[0].startsWith(QStringLiteral("Die Einheiten-Liste enthält keine Einträge!")));
  EXPECT_TRUE(Label("Label_gewaehlte_einheit").isEmpty());
  EXPECT_EQ(Sichtbar("TEMP.DAT"), "n");
  Ausblenden();  // nothing left to hide: the command does nothing
  EXPECT_EQ(m_Plattform.Boxen.size(), 1u);
}

TEST_F(AusblendenTest, SchreibfehlerOhnePasswortOderAuswahlAendertNichts) {
  for (bool mehrere : {false, true}) {
    SCOPED_TRACE(mehrere ? "mehrere" : "eine");
    m_Plattform.Boxen.clear();
    Waehlen(QStringLiteral("Meile"));
    if (mehrere) Dazuwaehlen(QStringLiteral("Fuß"));
    Gesperrt([&] { Ausblenden(); });
    EXPECT_EQ(Texte("Fehler"), NichtGeschrieben("LAENGE.DAT"));
    EXPECT_EQ(Namen(), QStringList({"Fuß", "Kilometer", "Meter", "Meile"}));
    EXPECT_EQ(Label("Panel2"), Gezaehlt(5, 1));
    EXPECT_EQ(m_Plattform.Sanduhren, 0);
  }
  m_Plattform.Boxen.clear();
  Passwort(false);
  Ausblenden();
  Passwort(true);
  Liste()->clearSelection();
  Aktion("ToolButton3")->trigger();
  EXPECT_EQ(Namen().size(), 4);
  EXPECT_EQ(Roh("LAENGE.DAT"), m_Roh);
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  // The data file gone: the same message, the list unchanged.
  std::filesystem::remove(Verzeichnis() / "LAENGE.DAT");
  Waehlen(QStringLiteral("Meter"));
  Ausblenden();
  EXPECT_EQ(Texte("Fehler").size(), 1);
  EXPECT_EQ(Namen().size(), 4);
}

// Three hidden units, one of them of a country that is not present.
class EinblendenTest : public Sichtbarkeit {
 protected:
  void SetUp() override {
    Laenge({Einheitenzeile("j", "SI-Einheit", "m", "Meter", "1"),
            Einheitenzeile("n", "Deutschland", "", "Rute", "3.766242"),
            Einheitenzeile("j", "SI-Einheit", "km", "Kilometer", "1000"),
            Einheitenzeile("n", "Atlantis", "", "Elle", "0.6"),
            Einheitenzeile("n", "Österreich", "", "Klafter", "1.8965")});
  }
  void Oeffnen(const std::function<void(QDialog&)>& bedienen) {
    EXPECT_TRUE(ImDialog("Einheiteinblenden1", "Dlg_Einheit_einblenden", bedienen));
  }
  static QListWidget* Liste(QDialog& d) { return Element<QListWidget>(&d, "ListBox1"); }
  static bool Knopf(QDialog& d, const char* name) { return Element<QPushButton>(&d, name)->isEnabled(); }
};

TEST_F(EinblendenTest, ZweiVonDreienEinblendenZaehltSofortEins) {
  Oeffnen([&](QDialog& d) {
    auto* liste = Liste(d);
    ASSERT_EQ(Eintraege(liste), QStringList({"Rute - Deutschland", "Elle - Atlantis", "Klafter - Österreich"}));
    // Rute and Klafter, by the user's clicks.
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(0)).center());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      liste->visualItemRect(liste->item(2)).center());
    Klick(&d, "BitBtn1");
    EXPECT_EQ(Label("Panel2"), Gezaehlt(4, 1));
    EXPECT_EQ(Eintraege(liste), QStringList({"Elle - Atlantis"}));
    EXPECT_EQ(liste->currentRow(), 0);
  });
  EXPECT_EQ(Sichtbar("LAENGE.DAT"), "jjjnj");
  // The list is loaded anew; Elle's country is not shown.
  EXPECT_EQ(Namen(), QStringList({"Meter", "Rute", "Kilometer", "Klafter"}));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

TEST_F(EinblendenTest, AlleEinblendenSchliesst) {
  Oeffnen([&](QDialog& d) {
    Klick(&d, "BitBtn2");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(Sichtbar("LAENGE.DAT"), "jjjjj");
  EXPECT_EQ(Namen(), QStringList({"Meter", "Rute", "Kilometer", "Klafter"}));
  EXPECT_EQ(Label("Panel2"), Gezaehlt(4, 0));
  Oeffnen([&](QDialog& d) {  // nothing left to show
    EXPECT_EQ(Text(&d, "Label2"), QStringLiteral("Es sind keine Einheiten ausgeblendet!"));
    EXPECT_FALSE(Knopf(d, "BitBtn1") || Knopf(d, "BitBtn2"));
    EXPECT_EQ(Liste(d)->count(), 0);
  });
  // Another category with hidden units lists them.
  GebietWaehlen(QStringLiteral("Masse"));
  Daten("MASSE.DAT", {Einheitenzeile("n", "USA", "lb", "Pound", "0.45")});
  Oeffnen([&](QDialog& d) {
    EXPECT_EQ(Text(&d, "Label_Gebiet"), QStringLiteral("Masse"));
    EXPECT_EQ(Eintraege(Liste(d)), QStringList({"Pound - USA"}));
    EXPECT_TRUE(Knopf(d, "BitBtn1"));
  });
}

TEST_F(EinblendenTest, SchreibfehlerUndOhnePasswortAendernNichts) {
  Oeffnen([&](QDialog& d) {
    Liste(d)->selectAll();
    for (const char* knopf : {"BitBtn1", "BitBtn2"}) {
      SCOPED_TRACE(knopf);
      m_Plattform.Boxen.clear();
      Gesperrt([&] { Klick(&d, knopf); });
      EXPECT_EQ(Texte("Fehler"), NichtGeschrieben("LAENGE.DAT"));
      EXPECT_TRUE(d.isVisible());
      EXPECT_EQ(Liste(d)->count(), 3);
      EXPECT_EQ(Label("Panel2"), Gezaehlt(4, 3));
    }
  });
  EXPECT_EQ(Namen(), QStringList({"Meter", "Kilometer"}));
  Passwort(false);
  EXPECT_FALSE(ImDialog("ToolButton4", "Dlg_Einheit_einblenden", [](QDialog&) {}));
  EXPECT_EQ(Roh("LAENGE.DAT"), m_Roh);
}

// Two hidden units between shown ones, so that the lines after them move up.
class AusgeblendeteLoeschenTest : public Sichtbarkeit {
 protected:
  void SetUp() override {
    Laenge({Einheitenzeile("n", "SI-Einheit", "", "Elle", "0.6"),
            Einheitenzeile("j", "SI-Einheit", "km", "Kilometer", "1000"),
            Einheitenzeile("n", "Deutschland", "", "Rute", "3.766242"),
            Einheitenzeile("j", "SI-Einheit", "m", "Meter", "1"),
            Einheitenzeile("j", "SI-Einheit", "mm", "Millimeter", "0.001")});
  }
  QAction* Befehl() { return Aktion("AusgeblendeteEinheitenlschen1"); }
  // As the user reaches it: the menu opens, then the entry is chosen.
  bool MenueOeffnen() {
    emit qobject_cast<QMenu*>(Befehl()->parent())->aboutToShow();
    return Befehl()->isEnabled();
  }
};

TEST_F(AusgeblendeteLoeschenTest, LoeschtDieAusgeblendetenUndLaedtDasGebietNeu) {
  ASSERT_TRUE(MenueOeffnen());
  m_Plattform.Antworten = {Antwort::Ja};
  Befehl()->trigger();
  EXPECT_EQ(Texte("Frage").size(), 1);
  EXPECT_EQ(Texte("Information").size(), 1);
  const auto zeilen = Klartext("LAENGE.DAT");
  ASSERT_EQ(zeilen.size(), 3u);
  EXPECT_EQ(Label("Panel2"), QStringLiteral("3 Einheiten vorhanden, davon 0 ausgeblendet."));
  // Every unit the window holds addresses its own line in the new file: a
  // later rewrite by line number hits the right unit.
  for (const auto& einheit : m_Konverter->Einheiten())
    EXPECT_EQ(Feld(zeilen.at(static_cast<std::size_t>(einheit.Dateizeile)), '\t', 8), einheit.Einheitenname.Bytes());
  EXPECT_FALSE(MenueOeffnen());  // nothing hidden is left
}

// The categories bound to their lines refuse the purge in the core
// (GebietsverwaltungTest); its note reaches the window as every other.
TEST_F(AusgeblendeteLoeschenTest, SchreibfehlerUndOhnePasswortAendernNichts) {
  ASSERT_TRUE(MenueOeffnen());
  m_Plattform.Antworten = {Antwort::Ja};
  Gesperrt([&] { Befehl()->trigger(); });
  EXPECT_EQ(Texte("Fehler").size(), 1);
  EXPECT_TRUE(Texte("Information").isEmpty());
  EXPECT_EQ(m_Konverter->Zaehler().Verborgen, 2);

  // Without the password nothing is asked and nothing happens.
  m_Plattform.Boxen.clear();
  Passwort(false);
  Befehl()->trigger();
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  EXPECT_EQ(Roh("LAENGE.DAT"), m_Roh);
}

}  // namespace
}  // namespace kolvaro::ui
