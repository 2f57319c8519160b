// The currency table in the window: every currency (hidden ones too) in
// file order or by country, only rate, date and value editable, the file
// rewritten in file order and converted with at once; a refused cell or a
// failed write keeps the table open with everything typed.
#include <gtest/gtest.h>

#include <QTableView>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class WaehrungstabelleTest : public test::Fenstertest {
 protected:
  void EigeneDaten() {
    kolvaro::test::StandardDaten(Verzeichnis());
    kolvaro::test::Katalog(Verzeichnis(), {{"Länge", "LAENGE.DAT", "Meter"}, {"Währungen", "GELD.DAT", "Euro"}});
    std::string dollar = Einheitenzeile("j", "USA", "USD", "US-Dollar", "0,9");
    Daten("GELD.DAT", {Einheitenzeile("j", "Deutschland", "EUR", "Euro", "1"),
                       FeldErsetzen(FeldErsetzen(dollar, 11, "01.05.2024"), 14, "ca. 0,90"),
                       Einheitenzeile("n", "Österreich", "ATS", "Schilling", "0.0726728"),
                       Einheitenzeile("j", "SI-Einheit", "", "Goldmark", "0")});
    Starten();
    GebietWaehlen(QStringLiteral("Währungen"));
  }
  // Runs the command; handlung drives the table, which is cancelled if it is still open.
  void Tabelle(const std::function<void(QDialog&)>& handlung) {
    EXPECT_TRUE(ImDialog("Umrechnungsfaktorndern1", "Faktor_aender_Waehrung_neu", handlung));
  }
  static QTableView* Gitter(QDialog& d) { return Element<QTableView>(&d, "StringGrid1"); }
  static QModelIndex Index(QDialog& d, int zeile, int spalte) { return Gitter(d)->model()->index(zeile, spalte); }
  static QString Zelle(QDialog& d, int zeile, int spalte) { return Index(d, zeile, spalte).data().toString(); }
  static QStringList Spalte(QDialog& d, int spalte) {
    QStringList s;
    for (int i = 0; i < Gitter(d)->model()->rowCount(); ++i) s << Zelle(d, i, spalte);
    return s;
  }
  // Types into a cell as the user does: a key starts the cell editor, Enter
  // ends it. False when the cell takes no input.
  static bool Tippen(QDialog& d, int zeile, int spalte, const QString& text) {
    QTableView* gitter = Gitter(d);
    gitter->setCurrentIndex(Index(d, zeile, spalte));
    if (text.isEmpty()) {
      QTest::keyClick(gitter, Qt::Key_Delete);
      return gitter->model()->setData(gitter->currentIndex(), QString());
    }
    QTest::keyClick(gitter, text.at(0).toLatin1());
    // The open cell editor sits on its cell.
    auto* editor = qobject_cast<QLineEdit*>(gitter->indexWidget(gitter->currentIndex()));
    if (!editor || !editor->isVisible()) return false;
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the closed editor goes away
    return true;
  }
};

TEST_F(WaehrungstabelleTest, ZeigtJedeWaehrungUndNurDreiSpaltenNehmenEingaben) {
  EigeneDaten();
  const std::string vorher = Roh("GELD.DAT");
  Tabelle([&](QDialog& d) {
    // Every currency in file order, the hidden one too (the cells' texts are FaktoraenderungTest's).
    const QStringList dateifolge{"Deutschland", "USA", "Österreich", "SI-Einheit"};
    EXPECT_EQ(Spalte(d, 0), dateifolge);
    EXPECT_EQ(Spalte(d, 2), (QStringList{"1,000000000000", "0,900000000000", "0,072672800000", ""}));
    // Country and currency take no input; the other three do.
    EXPECT_FALSE(Tippen(d, 1, 0, QStringLiteral("Kanada")));
    EXPECT_FALSE(Tippen(d, 1, 1, QStringLiteral("Loonie")));
    for (int spalte : {2, 3, 4}) EXPECT_TRUE(Tippen(d, 1, spalte, QStringLiteral("0,8")));
    EXPECT_EQ(Zelle(d, 1, 0), QStringLiteral("USA"));
    EXPECT_EQ(Zelle(d, 1, 1), QStringLiteral("1 US-Dollar ="));
    EXPECT_EQ(Zelle(d, 1, 4), QStringLiteral("0,8"));
    // Sorting fills the table from the stored entries again.
    Klick(&d, "Button1");
    EXPECT_EQ(Spalte(d, 0), (QStringList{"SI-Einheit", "Deutschland", "Österreich", "USA"}));
    EXPECT_EQ(Zelle(d, 3, 2), QStringLiteral("0,900000000000"));
    Klick(&d, "Button2");
    EXPECT_EQ(Spalte(d, 0), dateifolge);
  });
  // Cancelled: nothing written.
  EXPECT_EQ(Roh("GELD.DAT"), vorher);
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

TEST_F(WaehrungstabelleTest, GespeichertInDateifolgeUndSofortGerechnet) {
  EigeneDaten();
  Tabelle([&](QDialog& d) {
    Klick(&d, "Button1");  // SI-Einheit, Deutschland, Österreich, USA
    ASSERT_TRUE(Tippen(d, 3, 2, QStringLiteral("0,8")));
    ASSERT_TRUE(Tippen(d, 3, 3, QStringLiteral("Juni")));
    ASSERT_TRUE(Tippen(d, 2, 2, QStringLiteral("")));
    Klick(&d, "BitBtn1");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  const auto zeilen = Klartext("GELD.DAT");
  ASSERT_EQ(zeilen.size(), 4u);
  const char* erwartet[][2] = {{"Euro", " 1.00000000000000E+0000"},
                               {"US-Dollar", " 8.00000000000000E-0001"},
                               {"Schilling", " 0.00000000000000E+0000"},
                               {"Goldmark", " 0.00000000000000E+0000"}};
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Feld(zeilen[i], '\t', 8), erwartet[i][0]);
    EXPECT_EQ(Feld(zeilen[i], '\t', 9), erwartet[i][1]);
  }
  EXPECT_EQ(Feld(zeilen[1], '\t', 11), "Juni");
  EXPECT_EQ(Feld(zeilen[1], '\t', 14), "ca. 0,90");
  EXPECT_EQ(Sichtbar("GELD.DAT"), "jjnj");  // Schilling still hidden

  // The category was reloaded: the new rate converts, the emptied one is unknown.
  Waehlen(QStringLiteral("Euro"));
  Rechnen(QStringLiteral("8"));
  EXPECT_EQ(Ergebnis(QStringLiteral("US-Dollar")), QStringLiteral("10,000000000"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Goldmark")), QStringLiteral("unbekannt"));
}

TEST_F(WaehrungstabelleTest, FalscheZelleUndSchreibfehlerLassenDieTabelleOffen) {
  EigeneDaten();
  const std::string vorher = Roh("GELD.DAT");
  Tabelle([&](QDialog& d) {
    auto* modell = Gitter(d)->model();
    ASSERT_TRUE(Tippen(d, 0, 3, QStringLiteral("heute")));
    ASSERT_TRUE(Tippen(d, 2, 2, QStringLiteral("1,2,3")));
    Klick(&d, "BitBtn1");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Texte("Fehler"), QStringList{QStringLiteral("Falsche Eingabe, bitte berichtigen!")});
    EXPECT_EQ(Gitter(d)->currentIndex(), Index(d, 2, 2));

    // No character of the files' code page: only the window can see it.
    m_Plattform.Boxen.clear();
    modell->setData(Index(d, 2, 2), QStringLiteral("0,07"));
    modell->setData(Index(d, 1, 4), QStringLiteral("ca.\u2248 0,9"));
    Klick(&d, "BitBtn1");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Texte("Information"), QStringList{QStringLiteral("Das Feld \"Wert bzw.ca-Wert\" enthält ein Zeichen, "
                                                               "das Kolvaro nicht speichern kann. Bitte ändern!")});
    EXPECT_EQ(Gitter(d)->currentIndex(), Index(d, 1, 4));

    m_Plattform.Boxen.clear();
    modell->setData(Index(d, 1, 4), QStringLiteral("ca. 0,9"));
    Gesperrt([&] { Klick(&d, "BitBtn1"); });
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Texte("Fehler"), NichtGeschrieben("GELD.DAT"));
    // Everything typed is still there.
    EXPECT_EQ(Zelle(d, 0, 3), QStringLiteral("heute"));
    EXPECT_EQ(Zelle(d, 2, 2), QStringLiteral("0,07"));
  });
  EXPECT_EQ(Roh("GELD.DAT"), vorher);
}

TEST_F(WaehrungstabelleTest, GelieferteWaehrungenKommenVollstaendigZurueck) {
  GebauteDatenKopieren();
  Starten();
  GebietWaehlen(QStringLiteral("Währungen"));
  const auto vorher = Klartext("WAEHRUNG.DAT");
  ASSERT_FALSE(vorher.empty());
  Tabelle([&](QDialog& d) {
    EXPECT_EQ(Gitter(d)->model()->rowCount(), static_cast<int>(vorher.size()));
    Klick(&d, "BitBtn1");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  const auto nachher = Klartext("WAEHRUNG.DAT");
  ASSERT_EQ(nachher.size(), vorher.size());
  for (std::size_t i = 0; i < vorher.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Felder(nachher[i], '\t').size(), 19u);
    EXPECT_EQ(nachher[i].find('\0'), std::string::npos);
    for (int f : {1, 2, 5, 7, 8, 10, 11, 12, 13, 14, 15, 17, 19})
      EXPECT_EQ(Feld(nachher[i], '\t', f), Feld(vorher[i], '\t', f)) << "Feld " << f;
    EXPECT_EQ(Feld(nachher[i], '\t', 9).size(), 23u);
  }
}

}  // namespace
}  // namespace kolvaro::ui
