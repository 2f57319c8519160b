// The viewers of the fixed tables and of the clothing sizes, driven through
// their widgets; the tables' contents are ReferenzTest's.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QMenu>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <filesystem>
#include <tuple>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class FesteTabellenTest : public test::GebautesFenster {
 protected:
  // A viewer that stays open beside the main window.
  QDialog* Oeffnen(const char* aktion, const char* name) {
    Aktion(aktion)->trigger();
    auto* dialog = Kind<QDialog>(name);
    // A user clicks only once the window is laid out and on screen.
    EXPECT_TRUE(dialog && QTest::qWaitForWindowExposed(dialog) && !dialog->isModal()) << name;
    return dialog;
  }
  static QString Zelle(QWidget* d, int zeile, int spalte) {
    QTableWidgetItem* zelle = Element<QTableWidget>(d, "StringGrid1")->item(zeile, spalte);
    return zelle ? zelle->text() : QString();
  }
  // A radio button reacts only on its circle and caption, not on the rest of its cell.
  static void Waehlen(QWidget* d, const char* knopf) {
    auto* radio = Element<QRadioButton>(d, knopf);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(4, radio->height() / 2));
  }
  static void Kopieren(QWidget* feld) { QTest::keyClick(feld, Qt::Key_C, Qt::ControlModifier); }
  // Opens the context menu as the menu key does and picks the entry, if there and enabled.
  static bool MenueWaehlen(QWidget* feld, const QString& eintrag) {
    bool gewaehlt = false;
    QObject kontext;
    QTimer::singleShot(0, &kontext, [&] {
      auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menue) return;
      for (QAction* aktion : menue->actions())
        if (aktion->text().remove(QLatin1Char('&')) == eintrag && aktion->isEnabled()) {
          aktion->trigger();
          gewaehlt = true;
        }
      menue->close();
    });
    QContextMenuEvent ereignis(QContextMenuEvent::Keyboard, QPoint(5, 5), feld->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(feld, &ereignis);
    return gewaehlt;
  }
};

TEST_F(FesteTabellenTest, KonstantenUndVorsatzzeichenStehenInIhrenTabellen) {
  ASSERT_TRUE(ImDialog("PhysikalischeKonstanten1", "PhysKonstDlg", [&](QDialog& d) {
    auto* liste = Element<QTableWidget>(&d, "ListBox1");
    EXPECT_EQ(liste->rowCount(), 33);
    QTest::keyClick(liste, Qt::Key_Escape);  // the table passes Escape on
    EXPECT_FALSE(d.isVisible());
  }));

  QDialog* d = Oeffnen("Vorsatzzeichen1", "Vorsatzzeichen");
  auto* liste = Element<QTableWidget>(d, "ListBox1");
  EXPECT_EQ(liste->item(0, 1)->text(), "Quetta");
  EXPECT_EQ(liste->item(liste->rowCount() - 1, 1)->text(), "Quekto");
  EXPECT_TRUE(liste->findItems("-", Qt::MatchStartsWith).isEmpty());  // no separator line as a row
  Kopieren(liste);
  EXPECT_TRUE(m_Plattform.Ablage.startsWith("Zeichen\tName\tFaktor\n"));
  Klick(d, "BitBtn1");
  EXPECT_FALSE(d->isVisible());
}

TEST_F(FesteTabellenTest, BuchstabiertafelStelltBuchstabenUeberIhreWorte) {
  QDialog* d = Oeffnen("Buchstabiertafel1", "BuchstabiertafelDlg");
  auto* gitter = Element<QTableWidget>(d, "StringGrid1");
  ASSERT_EQ(QSize(gitter->columnCount(), gitter->rowCount()), QSize(7, 10));
  // Position 26 (Z) ends row 4, position 29 (Ü) begins the last letter row.
  const std::tuple<int, int, const char*> zellen[] = {{0, 0, "A"}, {1, 0, "Anton"}, {6, 4, "Z"},
                                                      {6, 5, "Ä"}, {8, 0, "Ü"},     {9, 2, "Schule"}};
  for (const auto& [zeile, spalte, text] : zellen) EXPECT_EQ(Zelle(d, zeile, spalte), text) << zeile << "," << spalte;
  EXPECT_TRUE(gitter->item(0, 0)->font().bold());
  EXPECT_FALSE(gitter->item(1, 0)->font().bold());

  Waehlen(d, "Englisch");
  EXPECT_EQ(Zelle(d, 7, 4), "Zebra");
  for (int p = 27; p <= 31; ++p)  // Ä to SCH: neither letter nor word
    EXPECT_EQ(Zelle(d, 2 * ((p - 1) / 7), (p - 1) % 7) + Zelle(d, 2 * ((p - 1) / 7) + 1, (p - 1) % 7), "") << p;
  Waehlen(d, "Sprechfunk");
  EXPECT_EQ(Zelle(d, 1, 0), "Alpha");
  EXPECT_TRUE(gitter->item(6, 4)->font().bold());  // a refill keeps the look

  // All four alphabets, whichever is shown.
  Kopieren(gitter);
  const QStringList zeilen = m_Plattform.Ablage.split('\n');
  ASSERT_EQ(zeilen.size(), 33);  // heading, 31 positions, the end of the last line
  EXPECT_EQ(zeilen.mid(0, 2), (QStringList{"Buchstabe\tDeutsch\tEnglisch\tIntern. (Telefon)\tIntern. (Sprechfunk)",
                                           "A\tAnton\tAlfred\tAmsterdam\tAlpha"}));
  EXPECT_EQ(zeilen[31], "SCH\tSchule\t\t\t");
  m_Plattform.Ablage.clear();
  EXPECT_TRUE(MenueWaehlen(gitter, "Tabelle kopieren"));
  EXPECT_TRUE(m_Plattform.Ablage.startsWith("Buchstabe\t"));
}

TEST_F(FesteTabellenTest, ZeichentabelleZeigtBeideCodeseiten) {
  QDialog* d = Oeffnen("ANSIASCIIZeichentabelle1", "ANSIASCII_TabelleDlg");
  auto* gitter = Element<QTableWidget>(d, "StringGrid1");
  ASSERT_EQ(QSize(gitter->columnCount(), gitter->rowCount()), QSize(10, 52));
  // 0, 32, 127, 128, 129 (no character in Windows-1252), 255 under its code.
  const std::tuple<int, int, const char*> zellen[] = {{1, 0, "NUL"}, {7, 2, "SPA"},  {25, 7, "DEL"}, {25, 8, "€"},
                                                      {25, 9, ""},   {50, 5, "255"}, {51, 5, "ÿ"}};
  for (const auto& [zeile, spalte, text] : zellen) EXPECT_EQ(Zelle(d, zeile, spalte), text) << zeile << "," << spalte;
  for (int spalte = 6; spalte < 10; ++spalte)  // 256 to 259
    EXPECT_EQ(Zelle(d, 50, spalte) + Zelle(d, 51, spalte), "") << spalte;

  Waehlen(d, "Ascii");
  EXPECT_EQ(Zelle(d, 25, 8), "Ç");
  EXPECT_EQ(Zelle(d, 1, 0), "NUL");
  Kopieren(gitter);
  const QStringList zeilen = m_Plattform.Ablage.split('\n');
  ASSERT_EQ(zeilen.size(), 258);
  EXPECT_EQ(zeilen.mid(0, 2), (QStringList{"Code\tZeichen", "0\tNUL"}));
  EXPECT_EQ(zeilen[129], "128\tÇ");

  auto* combo = Element<QComboBox>(d, "ComboBox1");
  ASSERT_EQ(combo->count(), 33);
  EXPECT_EQ(combo->itemText(7), "7 - BEL - Bell (Glocke)");
}

constexpr const char* kHerren =
    "{\\rtf1\\ansi \\b Herren\\b0\\par \\trowd\\cellx2000\\cellx4000\\intbl DE\\cell UK\\cell\\row}";
constexpr const char* kDamen = "{\\rtf1\\ansi\\ansicpg1252 \\b Damen\\b0  Gr\\'f6\\'dfe 38\\par}";

TEST_F(FesteTabellenTest, KonfektionZeigtDasGewaehlteDokumentUndBehaeltDieWahl) {
  ASSERT_TRUE(SchreibeAtomarRoh(Verzeichnis() / "Konfektiond.rtf", kDamen));
  ASSERT_TRUE(SchreibeAtomarRoh(Verzeichnis() / "Konfektionh.rtf", kHerren));
  std::filesystem::remove(Verzeichnis() / "Konfektionk.rtf");
  ASSERT_TRUE(ImDialog("Konfektionsgroessen1", "KonfektionDlg", [&](QDialog& d) {
    auto* ansicht = Element<QTextBrowser>(&d, "RichEdit1");
    EXPECT_TRUE(ansicht->toPlainText().contains("Damen Größe 38"));
    Waehlen(&d, "Herren");
    EXPECT_TRUE(ansicht->toPlainText().contains("Herren"));
    EXPECT_TRUE(MenueWaehlen(ansicht, "Alles kopieren"));
    EXPECT_TRUE(m_Plattform.Ablage.contains("DE\tUK"));

    Waehlen(&d, "Kinder");
    ASSERT_EQ(Texte("Fehler").size(), 1);
    EXPECT_TRUE(Texte("Fehler")[0].contains("Konfektionk.rtf"));
    EXPECT_TRUE(ansicht->toPlainText().isEmpty());
    EXPECT_TRUE(d.isVisible());
    Waehlen(&d, "Herren");
    EXPECT_TRUE(ansicht->toPlainText().contains("Herren"));
    EXPECT_EQ(Texte("Fehler").size(), 1);
  }));
  // Opened again, the men's sizes are shown again.
  ASSERT_TRUE(ImDialog("Konfektionsgroessen1", "KonfektionDlg", [&](QDialog& d) {
    EXPECT_TRUE(Element<QRadioButton>(&d, "Herren")->isChecked());
    EXPECT_TRUE(Element<QTextBrowser>(&d, "RichEdit1")->toPlainText().contains("Herren"));
  }));
}

TEST_F(FesteTabellenTest, KonfektionOhneDokumentMeldetEsEinmal) {
  std::filesystem::remove(Verzeichnis() / "Konfektiond.rtf");
  ASSERT_TRUE(ImDialog("Konfektionsgroessen1", "KonfektionDlg", [&](QDialog& d) {
    EXPECT_TRUE(Element<QTextBrowser>(&d, "RichEdit1")->toPlainText().isEmpty());
    EXPECT_FALSE(MenueWaehlen(Element<QTextBrowser>(&d, "RichEdit1"), "Alles kopieren"));
  }));
  ASSERT_EQ(Texte("Fehler").size(), 1);
  EXPECT_TRUE(Texte("Fehler")[0].contains("Konfektiond.rtf"));
}

}  // namespace
}  // namespace kolvaro::ui
