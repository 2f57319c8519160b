// The dialogs that add and delete a category, driven while they are open:
// the proposed file name, what the window shows afterwards, and refusals and
// a failed write that keep the dialog open with everything typed. Which
// inputs are refused, and what the files hold, is GebietsverwaltungTest's.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class GebieteTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    Starten();
  }
  // Opens the new-category dialog and runs bedienen while it is open; true
  // when it was still open afterwards (then it is cancelled).
  bool Oeffnen(const std::function<void(QDialog&)>& bedienen) {
    bool offen = false;
    EXPECT_TRUE(ImDialog("NeuesGebieteinfgen1", "GebietNeuDlg", [&](QDialog& d) {
      // Focus moves only in the active window, as on the desktop.
      QApplication::setActiveWindow(&d);
      EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
      bedienen(d);
      offen = d.isVisible();
    }));
    return offen;
  }
  static QLineEdit* Feld(QDialog& d, const char* name) { return Element<QLineEdit>(&d, name); }
  static QPlainTextEdit* Memo(QDialog& d) { return Element<QPlainTextEdit>(&d, "Memo1"); }
  // Types the category Schallpegel as the user does, leaving the name field with Tab.
  static void Schallpegel(QDialog& d) {
    QTest::keyClicks(Feld(d, "Edit1"), QStringLiteral("Schallpegel"));
    QTest::keyClick(Feld(d, "Edit1"), Qt::Key_Tab);
    Feld(d, "Edit2")->setText(QStringLiteral("Dezibel"));
    Feld(d, "Edit4")->setText(QStringLiteral("dB"));
    Feld(d, "Edit5")->setText(QStringLiteral("Akustik"));
    Element<QComboBox>(&d, "ComboBox1")->setCurrentText(QStringLiteral("Österreich"));
    Memo(d)->setPlainText(QStringLiteral("Lautstärke.\nZweite Zeile."));
  }
  // Opens the delete dialog, selects the given row (-1: leaves the selection)
  // and presses "Löschen"; true when the dialog was still open afterwards.
  bool Loeschen(int zeile = -1) {
    bool offen = false;
    EXPECT_TRUE(ImDialog("VorhandenesGebietlschen1", "GebietLoeschenDlg", [&](QDialog& d) {
      if (zeile >= 0) Element<QListWidget>(&d, "ListBox1")->setCurrentRow(zeile);
      Klick(&d, "BitBtn1");
      offen = d.isVisible();
    }));
    return offen;
  }
};

TEST_F(GebieteTest, NeuesGebietWirdGeschriebenUndGezeigt) {
  EXPECT_FALSE(Oeffnen([&](QDialog& d) {
    Schallpegel(d);
    EXPECT_EQ(Feld(d, "Edit3")->text(), QStringLiteral("SCHALLPE"));
    Klick(&d, "BitBtn2");
  }));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  EXPECT_EQ(DateiLaden(Verzeichnis() / "Gruppen.nfo")->at(2), "Schallpegel\tSCHALLPE.DAT\tDezibel");
  EXPECT_EQ(Klartext("SCHALLPE.DAT"), std::vector<std::string>{kolvaro::test::DateiBytes(
                                          "j\tj\t\t1\tÖsterreich\t1\tdB\tDezibel\t1\t\t\tAkustik\t\t\t\t\t\t\t")});

  // The window shows the new category at once, in its place, with its unit
  // and the memo's two lines; the texts of the others stay with them.
  EXPECT_EQ(Gebiete(), QStringList({"Länge", "Masse", "Schallpegel", "Temperatur", "Zeit"}));
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Schallpegel"));
  EXPECT_EQ(Namen(), QStringList{QStringLiteral("Dezibel")});
  EXPECT_EQ(m_Konverter->GebietsInfo(), Cp1252("Schallpegel: \r\nLautstärke.\r\nZweite Zeile."));
  GebietWaehlen(QStringLiteral("Temperatur"));
  EXPECT_EQ(m_Konverter->GebietsInfo(), "Temperaturen.");

  // Shown again, the dialog starts empty.
  Oeffnen([&](QDialog& d) {
    EXPECT_TRUE(Feld(d, "Edit1")->text().isEmpty());
    EXPECT_TRUE(Memo(d)->toPlainText().isEmpty());
  });
}

// Refused input: the message, the focus, the dialog open with all that was typed.
TEST_F(GebieteTest, FalscheEingabenLassenDenDialogOffen) {
  EXPECT_TRUE(Oeffnen([&](QDialog& d) {
    Klick(&d, "BitBtn2");
    EXPECT_EQ(Texte("Schlicht").size(), 3);
    EXPECT_EQ(d.focusWidget(), Feld(d, "Edit3"));

    // No character of the files' code page: only the window can see it.
    m_Plattform.Boxen.clear();
    Schallpegel(d);
    Feld(d, "Edit4")->setText(QStringLiteral("\u2200"));
    Klick(&d, "BitBtn2");
    ASSERT_EQ(m_Plattform.Boxen.size(), 1u);
    EXPECT_TRUE(m_Plattform.Boxen[0].Text.contains(QStringLiteral("Kurzzeichen der Grundeinheit")));
    EXPECT_EQ(d.focusWidget(), Feld(d, "Edit4"));
    EXPECT_EQ(Feld(d, "Edit2")->text(), QStringLiteral("Dezibel"));
    EXPECT_EQ(Memo(d)->toPlainText(), QStringLiteral("Lautstärke.\nZweite Zeile."));
  }));
  EXPECT_EQ(Gebiete().size(), 4);
}

// The catalogue cannot be written: the rewrite message, and the dialog open
// with all that was typed, so that a second try succeeds.
TEST_F(GebieteTest, FehlschlagBeimSchreibenVerliertNichts) {
  std::vector<std::string> gruppen = *DateiLaden(Verzeichnis() / "Gruppen.nfo");
  gruppen[3] += std::string(3000, 'x');
  kolvaro::test::Schreiben(Verzeichnis() / "Gruppen.nfo", gruppen);
  EXPECT_FALSE(Oeffnen([&](QDialog& d) {
    Schallpegel(d);
    Gesperrt([&] { Klick(&d, "BitBtn2"); }, 1000);
    EXPECT_EQ(Texte("Fehler"), NichtGeschrieben("Gruppen.nfo"));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Memo(d)->toPlainText(), QStringLiteral("Lautstärke.\nZweite Zeile."));

    m_Plattform.Boxen.clear();
    Klick(&d, "BitBtn2");
    EXPECT_TRUE(m_Plattform.Boxen.empty());
  }));
  EXPECT_TRUE(Gebiete().contains(QStringLiteral("Schallpegel")));
}

TEST_F(GebieteTest, DasAngezeigteGebietLoeschenZeigtDasErsteVerbliebene) {
  GebietWaehlen(QStringLiteral("Masse"));
  m_Plattform.Antworten = {Antwort::Ja};
  EXPECT_FALSE(Loeschen());  // the category on show is selected
  EXPECT_EQ(Texte("Frage"), QStringList({QStringLiteral("Soll das Gebiet \"Masse\" wirklich gelöscht werden?")}));
  EXPECT_EQ(Gebiete(), QStringList({"Länge", "Temperatur", "Zeit"}));
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Länge"));
  EXPECT_EQ(m_Konverter->Gebietsname(), Cp1252("Länge"));
  EXPECT_GT(Liste()->model()->rowCount(), 0);
  // The window reads the texts anew: the one after the deleted block moved up.
  GebietWaehlen(QStringLiteral("Temperatur"));
  EXPECT_EQ(m_Konverter->GebietsInfo(), "Temperaturen.");
}

TEST_F(GebieteTest, NeinLoeschtNichtsUndDasLetzteGebietBleibt) {
  m_Plattform.Antworten = {Antwort::Nein, Antwort::Ja, Antwort::Ja, Antwort::Ja};
  EXPECT_FALSE(Loeschen(3));
  EXPECT_EQ(Texte("Frage"), QStringList({QStringLiteral("Soll das Gebiet \"Zeit\" wirklich gelöscht werden?")}));
  EXPECT_EQ(Gebiete().size(), 4);
  for (int zeile : {3, 2, 1}) Loeschen(zeile);
  ASSERT_EQ(Gebiete(), QStringList({"Länge"}));
  m_Plattform.Boxen.clear();
  EXPECT_TRUE(Loeschen());
  EXPECT_TRUE(Texte("Frage").isEmpty());
  ASSERT_EQ(Texte("Information").size(), 1);
  EXPECT_TRUE(Texte("Information")[0].startsWith(QStringLiteral("Das letzte Gebiet")));
  EXPECT_EQ(Gebiete(), QStringList({"Länge"}));
}

}  // namespace
}  // namespace kolvaro::ui
