// The main window driven through its real widgets on a copy of the built
// data; the rules behind what it shows are the core's tests'.
#include <gtest/gtest.h>

#include "data/Einheitendatei.h"
#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class MyWindowTest : public test::GebautesFenster {
 protected:
  // The category Länge with the given unit selected.
  void Laenge(const char* einheit) {
    GebietWaehlen(QStringLiteral("Länge"));
    Klicken(Zeile(QString::fromUtf8(einheit)));
  }
  QString Ergebnis(const char* einheit) { return Fenstertest::Ergebnis(QString::fromUtf8(einheit)); }
  using Fenstertest::Ergebnis;
};

TEST_F(MyWindowTest, ErsterStartUndUmrechnenZeigenErgebnisseUndErgebniszeile) {
  // The first start shows the first category with its first unit selected.
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->currentIndex(), 0);
  ASSERT_EQ(Liste()->currentIndex().row(), 0);
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), Liste()->currentIndex().data().toString());
  Laenge("Kilometer");
  EXPECT_TRUE(Label("Label_Ausgangseinheit").isEmpty());
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), QStringLiteral("Kilometer"));
  Eintippen(QStringLiteral("2,5"));
  Enter();
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  EXPECT_EQ(Ergebnis("Meter"), QStringLiteral("2.500,0000000"));
  EXPECT_EQ(Liste()->currentIndex().row(), Zeile(QStringLiteral("Kilometer")));
  EXPECT_EQ(Label("Label_Ausgangseinheit"), QStringLiteral("2,5  Kilometer"));
  EXPECT_TRUE(Aktion("WertKopieren1")->isEnabled());
  // The result row blinks five times and then stays visible.
  EXPECT_TRUE(Kind<QTimer>("Timer1")->isActive());
  QTRY_VERIFY_WITH_TIMEOUT(!Kind<QTimer>("Timer1")->isActive(), 5000);
  EXPECT_TRUE(Kind<QLabel>("Label_Ausgangseinheit")->isVisible());
  // A category change empties the row and disables copying.
  GebietWaehlen(QStringLiteral("Masse"));
  EXPECT_TRUE(Label("Label_Ausgangseinheit").isEmpty());
  EXPECT_FALSE(Aktion("WertKopieren1")->isEnabled());
  EXPECT_TRUE(Ergebnis(0).isEmpty());
}

TEST_F(MyWindowTest, FalscheEingabeBringtFehlerboxUndAendertNichts) {
  Laenge("Meter");
  Rechnen(QStringLiteral("3"));
  // π has no place in the code page: in the window the same message as any other wrong input.
  for (const QString& falsch : {QStringLiteral("x1"), QStringLiteral("π")}) {
    m_Plattform.Boxen.clear();
    Eintippen(falsch);
    Enter();
    EXPECT_EQ(Texte("Fehler"), QStringList{QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! ")});
    EXPECT_EQ(m_Plattform.Boxen.size(), 1u);
    EXPECT_EQ(Eingabe()->selectedText(), falsch);
    EXPECT_EQ(Ergebnis("Kilometer"), QStringLiteral("0,0030000000"));
  }
}

TEST_F(MyWindowTest, AnzeigeUndSortierungUmschaltenOhneNeueRechnung) {
  Laenge("Meter");
  Eintippen(QStringLiteral("1"));
  QTest::mouseClick(Kind<QPushButton>("Rechentaste"), Qt::LeftButton);
  Aktion("WissenschaZahlenanzeige1")->trigger();
  EXPECT_EQ(Ergebnis("Kilometer"), QStringLiteral("1,000000E-0003"));
  EXPECT_TRUE(Aktion("ToolButton13")->isChecked());  // menu and tool bar agree
  Aktion("ToolButton11")->trigger();
  EXPECT_EQ(Ergebnis("Kilometer"), QStringLiteral("0,0010000000"));
  // Sorted by size, then by name: the same unit selected, the results kept.
  Aktion("EinheitensortierungnachGroesse1")->trigger();
  EXPECT_TRUE(Aktion("ToolButton12")->isChecked());
  EXPECT_EQ(Liste()->currentIndex().data().toString(), QStringLiteral("Meter"));
  EXPECT_EQ(Ergebnis(Liste()->currentIndex().row()), QStringLiteral("1,0000000000"));
  EXPECT_LT(Zeile(QStringLiteral("Meter")), Zeile(QStringLiteral("Kilometer")));
  Aktion("ToolButton8")->trigger();
  EXPECT_EQ(Liste()->currentIndex().data().toString(), QStringLiteral("Meter"));
  EXPECT_EQ(Ergebnis("Kilometer"), QStringLiteral("0,0010000000"));
  // By country without results: SI units first, the first row selected.
  GebietWaehlen(QStringLiteral("Masse"));
  Aktion("ToolButton9")->trigger();
  EXPECT_EQ(QtText(m_Konverter->Einheiten()[0].Landname), QStringLiteral("SI-Einheit"));
  EXPECT_EQ(Liste()->currentIndex().row(), 0);
}

TEST_F(MyWindowTest, KopierenEinfuegenUndAutomatischesRechnen) {
  Laenge("Kilometer");
  Kind<QAction>("PopupKopieren")->trigger();  // before a conversion: the empty text
  EXPECT_EQ(m_Plattform.Ablage, QString());
  Rechnen(QStringLiteral("2"));
  Klicken(Zeile(QStringLiteral("Meter")));
  Aktion("WertKopieren1")->trigger();
  EXPECT_EQ(m_Plattform.Ablage, QStringLiteral("2.000,0000000"));

  m_Plattform.Ablage = QStringLiteral("7");
  Aktion("AutomatischesRechnen1")->trigger();  // on: converts at once
  Aktion("Werteinfgen1")->trigger();
  EXPECT_EQ(Eingabe()->text(), QStringLiteral("7"));
  EXPECT_EQ(Ergebnis("Kilometer"), QStringLiteral("0,0070000000"));
  Eintippen(QStringLiteral("12"));
  EXPECT_EQ(Ergebnis("Kilometer"), QStringLiteral("0,0120000000"));
  Klicken(Zeile(QStringLiteral("Kilometer")));  // selecting another unit converts at once
  EXPECT_EQ(Ergebnis("Meter"), QStringLiteral("12.000,000000"));
  GebietWaehlen(QStringLiteral("Masse"));
  EXPECT_FALSE(Ergebnis(0).isEmpty());
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

TEST_F(MyWindowTest, EinstellungenUeberlebenDenNeustart) {
  GebietWaehlen(QStringLiteral("Masse"));
  Aktion("ToolButton9")->trigger();
  Aktion("WissenschaZahlenanzeige1")->trigger();
  Aktion("AutomatischesRechnen1")->trigger();
  const int masse = Kind<QComboBox>("ComboBox2")->currentIndex();
  // The stored texts are EinstellungswerteTest's; here that they come back.
  Schliessen();
  Starten();
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->currentIndex(), masse);
  EXPECT_TRUE(Aktion("ToolButton9")->isChecked());
  EXPECT_TRUE(Aktion("AutomatischesRechnen1")->isChecked());
  // Automatic calculation at start: results are there at once, scientific.
  EXPECT_TRUE(Ergebnis(0).contains(QLatin1Char('E')));

  // Nonsense in the settings: the warning, and the defaults.
  Schliessen();
  m_Einstellungen->setValue(QStringLiteral("Gruppe"), QStringLiteral("viele"));
  Starten();
  EXPECT_EQ(Texte("Warnung"), QStringList{QStringLiteral("Die Angaben in der Registry konnten nicht gelesen werden. "
                                                         "Der Kolvaro wird mit Standardeinstellungen geöffnet")});
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->currentIndex(), 0);
  EXPECT_TRUE(Aktion("ToolButton8")->isChecked());
}

// The category's text, and the unit's further information by the tool
// button and by a double click.
TEST_F(MyWindowTest, InformationenUeberGebietUndEinheit) {
  GebietWaehlen(QStringLiteral("Länge"));
  Aktion("InformationenueberGebiet1")->trigger();
  ASSERT_EQ(Texte("Information").size(), 1);
  EXPECT_TRUE(Texte("Information")[0].contains(QStringLiteral("Meter")));
  const int meter = Zeile(QStringLiteral("Meter"));
  Klicken(meter);
  Aktion("ToolButton1")->trigger();
  QTest::mouseDClick(Liste()->viewport(), Qt::LeftButton, {},
                     Liste()->visualRect(Liste()->model()->index(meter, 0)).center());
  const QString zusatz = QtText(m_Konverter->Einheiten()[static_cast<std::size_t>(meter)].Zusatzinfo);
  EXPECT_FALSE(zusatz.isEmpty());
  EXPECT_EQ(Texte("Schlicht"), (QStringList{zusatz, zusatz}));
}

TEST_F(MyWindowTest, UmrechnenRolltDieListeNicht) {
  GebietWaehlen(QStringLiteral("Länge"));
  for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();
  Liste()->scrollTo(Liste()->model()->index(Liste()->model()->rowCount() / 2, 0), QAbstractItemView::PositionAtTop);
  const int oben = Liste()->indexAt(QPoint(1, 1)).row();
  ASSERT_GT(oben, 0);
  QTest::mouseClick(Kind<QPushButton>("Rechentaste"), Qt::LeftButton);
  for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(Liste()->indexAt(QPoint(1, 1)).row(), oben);
  EXPECT_FALSE(Ergebnis(oben).isEmpty());
}

TEST_F(MyWindowTest, FehlenderKatalogLaesstDasProgrammBedienbar) {
  Schliessen();
  std::filesystem::remove(Verzeichnis() / "Gruppen.nfo");
  Starten();
  EXPECT_EQ(Texte("Fehler"), QStringList{QStringLiteral("Die Datei Gruppen.nfo konnte nicht geöffnet werden!")});
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->count(), 0);
  Enter();  // nothing to convert, nothing happens
  QTest::mouseClick(Kind<QPushButton>("Rechentaste"), Qt::LeftButton);
  EXPECT_EQ(m_Plattform.Boxen.size(), 1u);
}

// The about box: the version of the build, and the date of the newest
// exchange rate, read from the data directory each time the box opens.
TEST_F(MyWindowTest, UeberDlgZeigtVersionUndStandDerKurse) {
  auto kurse = [&] {
    QStringList texte;
    EXPECT_TRUE(ImDialog("UeberKolvaro1", "UeberDlg", [&](QDialog& d) {
      texte << Text(&d, "Version") << Text(&d, "Wechselkurse");
      Klick(&d, "BitBtn1");
      EXPECT_FALSE(d.isVisible());  // OK closes it
    }));
    return texte.join(QLatin1Char('|'));
  };
  EXPECT_EQ(kurse(), QStringLiteral("Version 6.0|Wechselkurse: Stand 05.09.2025"));
  ASSERT_TRUE(EinheitenzeileAendern(Verzeichnis(), "WAEHRUNG.DAT", 0, feld::Uebersetzung, "1.10.2025 eigener Kurs"));
  EXPECT_EQ(kurse(), QStringLiteral("Version 6.0|Wechselkurse: Stand 01.10.2025"));
  // A currency file that cannot be read leaves the box usable.
  std::filesystem::remove(Verzeichnis() / "WAEHRUNG.DAT");
  EXPECT_EQ(kurse(), QStringLiteral("Version 6.0|Wechselkurse: Stand unbekannt"));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

}  // namespace
}  // namespace kolvaro::ui
