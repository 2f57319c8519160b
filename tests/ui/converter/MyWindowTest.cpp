// The main window driven through its real widgets on a copy of the built data.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "basis/Zeichensatz.h"
#include "gemeinsam/Fenstertest.h"
#include "gemeinsam/Testdaten.h"

namespace kolvaro::ui {
namespace {

class MyWindowTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    GebauteDatenKopieren();
  }
};

TEST_F(MyWindowTest, ErsterStartZeigtDasErsteGebiet) {
  Starten();
  EXPECT_EQ(m_Fenster->windowTitle(), QStringLiteral("Kolvaro 6.0"));
  auto* combo = Kind<QComboBox>("ComboBox2");
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_GT(combo->count(), 5);
  EXPECT_GT(Liste()->model()->rowCount(), 0);
  EXPECT_EQ(Liste()->currentIndex().row(), 0);
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), Liste()->model()->index(0, 0).data().toString());
  EXPECT_TRUE(Label("Panel2").endsWith(QStringLiteral(" ausgeblendet.")));
  EXPECT_FALSE(Aktion("WertKopieren1")->isEnabled());
  EXPECT_FALSE(Kind<QToolButton>("SpeedButton8")->isEnabled());
  EXPECT_TRUE(Aktion("ToolButton8")->isChecked());
  EXPECT_FALSE(Aktion("EinheitensortierungnachAlphabet1")->isEnabled());
  EXPECT_TRUE(Aktion("ToolButton11")->isChecked());
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

TEST_F(MyWindowTest, UmrechnenZeigtErgebnisseUndErgebniszeile) {
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  EXPECT_TRUE(Label("Label_Ausgangseinheit").isEmpty());
  EXPECT_TRUE(Label("Panel3").contains(QStringLiteral(" Länder vorhanden, davon 0 ausgeblendet.")));
  Klicken(Zeile(QStringLiteral("Kilometer")));
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), QStringLiteral("Kilometer"));
  EXPECT_EQ(Label("Info_Kurzzeichen2"), QStringLiteral("km"));
  EXPECT_EQ(Label("Info_Landname2"), QStringLiteral("SI-Einheit"));
  Eintippen(QStringLiteral("2,5"));
  Enter();
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  EXPECT_EQ(Ergebnis(Zeile(QStringLiteral("Meter"))), QStringLiteral("2.500,0000000"));
  EXPECT_EQ(Ergebnis(Zeile(QStringLiteral("Kilometer"))), QStringLiteral("2,5000000000"));
  EXPECT_EQ(Liste()->currentIndex().row(), Zeile(QStringLiteral("Kilometer")));
  EXPECT_EQ(Label("Label_Ausgangseinheit"), QStringLiteral("2,5  Kilometer"));
  EXPECT_EQ(Label("Label2"), QStringLiteral("="));
  EXPECT_TRUE(Kind<QTimer>("Timer1")->isActive());
  EXPECT_TRUE(Aktion("WertKopieren1")->isEnabled());

  // The result row blinks five times and then stays visible.
  QTRY_VERIFY_WITH_TIMEOUT(!Kind<QTimer>("Timer1")->isActive(), 5000);
  EXPECT_TRUE(Kind<QLabel>("Label_Ausgangseinheit")->isVisible());

  // A category change empties the row and disables copying.
  GebietWaehlen(QStringLiteral("Masse"));
  EXPECT_TRUE(Label("Label_Ausgangseinheit").isEmpty());
  EXPECT_FALSE(Aktion("WertKopieren1")->isEnabled());
  EXPECT_TRUE(Ergebnis(0).isEmpty());
}

TEST_F(MyWindowTest, FalscheEingabeBringtFehlerboxUndAendertNichts) {
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  Klicken(Zeile(QStringLiteral("Meter")));
  Eintippen(QStringLiteral("3"));
  Enter();
  const QString vorher = Ergebnis(Zeile(QStringLiteral("Kilometer")));
  for (const QString& falsch :
       {QStringLiteral("0"), QStringLiteral("x1"), QStringLiteral("1E99999"), QStringLiteral("π")}) {
    m_Plattform.Boxen.clear();
    Eintippen(falsch);
    Enter();
    ASSERT_EQ(m_Plattform.Boxen.size(), 1u) << falsch.toStdString();
    EXPECT_EQ(m_Plattform.Boxen[0].Art, QStringLiteral("Fehler"));
    EXPECT_EQ(m_Plattform.Boxen[0].Text, QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! "));
    EXPECT_EQ(Eingabe()->selectedText(), falsch);
    EXPECT_EQ(Ergebnis(Zeile(QStringLiteral("Kilometer"))), vorher);
  }
}

TEST_F(MyWindowTest, AnzeigeUmschaltenOhneNeueRechnung) {
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  Klicken(Zeile(QStringLiteral("Meter")));
  Eintippen(QStringLiteral("1"));
  QTest::mouseClick(Kind<QPushButton>("Rechentaste"), Qt::LeftButton);
  EXPECT_EQ(Ergebnis(Zeile(QStringLiteral("Meter"))), QStringLiteral("1,0000000000"));
  Aktion("WissenschaZahlenanzeige1")->trigger();
  EXPECT_EQ(Ergebnis(Zeile(QStringLiteral("Meter"))), QStringLiteral("1,000000E+0000"));
  EXPECT_EQ(Ergebnis(Zeile(QStringLiteral("Kilometer"))), QStringLiteral("1,000000E-0003"));
  EXPECT_FALSE(Aktion("WissenschaZahlenanzeige1")->isEnabled());
  EXPECT_TRUE(Aktion("Fliekommaanzeige1")->isEnabled());
  EXPECT_TRUE(Aktion("ToolButton13")->isChecked());
  Aktion("ToolButton11")->trigger();
  EXPECT_EQ(Ergebnis(Zeile(QStringLiteral("Kilometer"))), QStringLiteral("0,0010000000"));
  EXPECT_EQ(Liste()->currentIndex().row(), Zeile(QStringLiteral("Meter")));
}

TEST_F(MyWindowTest, SortierungenMitUndOhneErgebnisse) {
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  Aktion("ToolButton9")->trigger();  // by country, no results: SI units first
  EXPECT_EQ(QtText(m_Konverter->Einheiten()[0].Landname), QStringLiteral("SI-Einheit"));
  EXPECT_FALSE(Aktion("EinheitensortierungnachLand1")->isEnabled());
  EXPECT_TRUE(Aktion("ToolButton9")->isChecked());
  EXPECT_EQ(Liste()->currentIndex().row(), 0);

  Klicken(Zeile(QStringLiteral("Kilometer")));
  Eintippen(QStringLiteral("1"));
  Enter();
  Aktion("EinheitensortierungnachGroesse1")->trigger();
  // Same unit selected, results kept, ascending factors.
  EXPECT_EQ(Liste()->currentIndex().data().toString(), QStringLiteral("Kilometer"));
  EXPECT_EQ(Ergebnis(Liste()->currentIndex().row()), QStringLiteral("1,0000000000"));
  const auto& e = m_Konverter->Einheiten();
  for (std::size_t i = 1; i < e.size(); ++i) EXPECT_LE(e[i - 1].Faktor, e[i].Faktor);
  EXPECT_TRUE(Aktion("ToolButton12")->isChecked());

  Aktion("ToolButton8")->trigger();
  EXPECT_EQ(Liste()->currentIndex().data().toString(), QStringLiteral("Kilometer"));
  EXPECT_FALSE(Ergebnis(0).isEmpty());
}

TEST_F(MyWindowTest, KopierenUndEinfuegen) {
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  Klicken(Zeile(QStringLiteral("Kilometer")));
  Kind<QAction>("PopupKopieren")->trigger();  // before a conversion: the empty text
  EXPECT_EQ(m_Plattform.Ablage, QString());
  Eintippen(QStringLiteral("2"));
  Enter();
  Klicken(Zeile(QStringLiteral("Meter")));
  Aktion("WertKopieren1")->trigger();
  EXPECT_EQ(m_Plattform.Ablage, QStringLiteral("2.000,0000000"));

  m_Plattform.Ablage = QStringLiteral("7");
  Aktion("AutomatischesRechnen1")->trigger();  // on: converts at once
  Aktion("Werteinfgen1")->trigger();
  EXPECT_EQ(Eingabe()->text(), QStringLiteral("7"));
  EXPECT_EQ(Ergebnis(Zeile(QStringLiteral("Kilometer"))), QStringLiteral("0,0070000000"));
}

TEST_F(MyWindowTest, AutomatischesRechnenBeimTippenUndWechseln) {
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  Klicken(Zeile(QStringLiteral("Meter")));
  Aktion("AutomatischesRechnen1")->trigger();
  Eintippen(QStringLiteral("12"));
  EXPECT_EQ(Ergebnis(Zeile(QStringLiteral("Kilometer"))), QStringLiteral("0,0120000000"));
  Klicken(Zeile(QStringLiteral("Kilometer")));  // selecting another unit converts at once
  EXPECT_EQ(Ergebnis(Zeile(QStringLiteral("Meter"))), QStringLiteral("12.000,000000"));
  GebietWaehlen(QStringLiteral("Masse"));
  EXPECT_FALSE(Ergebnis(0).isEmpty());
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

TEST_F(MyWindowTest, EinstellungenUeberlebenDenNeustart) {
  Starten();
  GebietWaehlen(QStringLiteral("Masse"));
  Aktion("ToolButton9")->trigger();
  Aktion("WissenschaZahlenanzeige1")->trigger();
  Aktion("AutomatischesRechnen1")->trigger();
  const int masse = Kind<QComboBox>("ComboBox2")->currentIndex();
  Schliessen();
  EXPECT_EQ(m_Einstellungen->value(QStringLiteral("Gruppe")).toString(), QString::number(masse + 1));
  EXPECT_EQ(m_Einstellungen->value(QStringLiteral("ESortierung")).toString(), QStringLiteral("Land"));
  EXPECT_EQ(m_Einstellungen->value(QStringLiteral("ausg_wiss")).toString(), QStringLiteral("0"));
  EXPECT_EQ(m_Einstellungen->value(QStringLiteral("autorechnen")).toString(), QStringLiteral("1"));
  EXPECT_EQ(m_Einstellungen->value(QStringLiteral("Laender")).toString().size(), 211);

  Starten();
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->currentIndex(), masse);
  EXPECT_TRUE(Aktion("ToolButton9")->isChecked());
  EXPECT_TRUE(Aktion("ToolButton13")->isChecked());
  EXPECT_TRUE(Aktion("AutomatischesRechnen1")->isChecked());
  // Automatic calculation at start: results are there at once.
  EXPECT_FALSE(Ergebnis(0).isEmpty());
  EXPECT_TRUE(Ergebnis(0).contains(QLatin1Char('E')));
}

TEST_F(MyWindowTest, UnsinnigeEinstellungenGebenWarnungUndVorgaben) {
  m_Einstellungen->setValue(QStringLiteral("Gruppe"), QStringLiteral("viele"));
  m_Einstellungen->setValue(QStringLiteral("ESortierung"), QStringLiteral("Land"));
  Starten();
  ASSERT_EQ(m_Plattform.Texte(QStringLiteral("Warnung")).size(), 1);
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Warnung"))[0],
            QStringLiteral("Die Angaben in der Registry konnten nicht gelesen werden. Der Kolvaro wird mit "
                           "Standardeinstellungen geöffnet"));
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->currentIndex(), 0);
  EXPECT_TRUE(Aktion("ToolButton8")->isChecked());
}

TEST_F(MyWindowTest, AlleLaenderAusgeblendetMeldetLeereListe) {
  m_Einstellungen->setValue(QStringLiteral("Laender"), QString(211, QLatin1Char('0')));
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  EXPECT_EQ(Liste()->model()->rowCount(), 0);
  ASSERT_FALSE(m_Plattform.Texte(QStringLiteral("Information")).isEmpty());
  EXPECT_TRUE(m_Plattform.Texte(QStringLiteral("Information"))
                  .last()
                  .startsWith(QStringLiteral("Die Einheiten-Liste enthält keine Einträge!")));
  EXPECT_TRUE(Label("Label_gewaehlte_einheit").isEmpty());
  EXPECT_TRUE(Kind<QToolButton>("SpeedButton9")->isEnabled());
  // Showing the hidden countries for the moment lists the units again...
  QTest::mouseClick(Kind<QToolButton>("SpeedButton9"), Qt::LeftButton);
  EXPECT_GT(Liste()->model()->rowCount(), 0);
  EXPECT_TRUE(Kind<QToolButton>("SpeedButton10")->isEnabled());
  // ...and leaves the stored choice alone.
  Schliessen();
  EXPECT_EQ(m_Einstellungen->value(QStringLiteral("Laender")).toString(), QString(211, QLatin1Char('0')));
}

TEST_F(MyWindowTest, InformationenUeberGebietUndEinheit) {
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  Aktion("InformationenueberGebiet1")->trigger();
  ASSERT_EQ(m_Plattform.Texte(QStringLiteral("Information")).size(), 1);
  EXPECT_TRUE(m_Plattform.Texte(QStringLiteral("Information"))[0].contains(QStringLiteral("Meter")));
  Klicken(Zeile(QStringLiteral("Meter")));
  EXPECT_TRUE(Aktion("ToolButton1")->isEnabled());
  Aktion("ToolButton1")->trigger();
  ASSERT_EQ(m_Plattform.Texte(QStringLiteral("Schlicht")).size(), 1);
  EXPECT_FALSE(m_Plattform.Texte(QStringLiteral("Schlicht"))[0].isEmpty());
}

TEST_F(MyWindowTest, UmrechnenRolltDieListeNicht) {
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();
  const int mitte = Liste()->model()->rowCount() / 2;
  Liste()->scrollTo(Liste()->model()->index(mitte, 0), QAbstractItemView::PositionAtTop);
  const int oben = Liste()->indexAt(QPoint(1, 1)).row();
  ASSERT_GT(oben, 0);
  QTest::mouseClick(Kind<QPushButton>("Rechentaste"), Qt::LeftButton);
  for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(Liste()->indexAt(QPoint(1, 1)).row(), oben);
  EXPECT_FALSE(Ergebnis(oben).isEmpty());
}

TEST_F(MyWindowTest, DoppelklickZeigtWeitereInformationen) {
  Starten();
  GebietWaehlen(QStringLiteral("Länge"));
  const int meter = Zeile(QStringLiteral("Meter"));
  Klicken(meter);
  const QRect r = Liste()->visualRect(Liste()->model()->index(meter, 0));
  QTest::mouseDClick(Liste()->viewport(), Qt::LeftButton, {}, r.center());
  ASSERT_EQ(m_Plattform.Texte(QStringLiteral("Schlicht")).size(), 1);
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Schlicht"))[0], QtText(m_Konverter->Einheiten()[meter].Zusatzinfo));
}

TEST_F(MyWindowTest, FehlenderKatalogLaesstDasProgrammBedienbar) {
  std::filesystem::remove(Verzeichnis() / "Gruppen.nfo");
  Starten();
  ASSERT_EQ(m_Plattform.Texte(QStringLiteral("Fehler")).size(), 1);
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Fehler"))[0],
            QStringLiteral("Die Datei Gruppen.nfo konnte nicht geöffnet werden!"));
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->count(), 0);
  Enter();  // nothing to convert, nothing happens
  QTest::mouseClick(Kind<QPushButton>("Rechentaste"), Qt::LeftButton);
  EXPECT_EQ(m_Plattform.Boxen.size(), 1u);
  Schliessen();
}

}  // namespace
}  // namespace kolvaro::ui
