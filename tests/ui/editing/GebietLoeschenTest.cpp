// The delete-category dialog, driven through its widgets while it is open:
// deleting the category on show leaves a usable window on the first
// remaining one with the information texts still at their categories; No
// deletes nothing; the last category is kept.
#include <gtest/gtest.h>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class GebietLoeschenTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    Starten();
  }
  // Opens the dialog, selects the given row (-1: leaves the selection) and
  // presses "Löschen"; true when the dialog was still open afterwards.
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

TEST_F(GebietLoeschenTest, DasAngezeigteGebietLoeschenZeigtDasErsteVerbliebene) {
  GebietWaehlen(QStringLiteral("Masse"));
  m_Plattform.Antworten = {Antwort::Ja};
  EXPECT_FALSE(Loeschen());  // the category on show is selected
  EXPECT_EQ(Texte("Frage"), QStringList({QStringLiteral("Soll das Gebiet \"Masse\" wirklich gelöscht werden?")}));
  EXPECT_EQ(Gebiete(), QStringList({"Länge", "Temperatur", "Zeit"}));
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Länge"));
  EXPECT_EQ(m_Konverter->Gebietsname(), Cp1252("Länge"));
  EXPECT_GT(Liste()->model()->rowCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(Verzeichnis() / "MASSE.DAT"));
  // The window reads the texts anew: the one after the deleted block moved up.
  GebietWaehlen(QStringLiteral("Temperatur"));
  EXPECT_EQ(m_Konverter->GebietsInfo(), "Temperaturen.");
}

TEST_F(GebietLoeschenTest, NeinLoeschtNichtsUndSchliesst) {
  const std::string gruppen = Roh("Gruppen.nfo");
  m_Plattform.Antworten = {Antwort::Nein};
  EXPECT_FALSE(Loeschen(3));
  EXPECT_EQ(Texte("Frage"), QStringList({QStringLiteral("Soll das Gebiet \"Zeit\" wirklich gelöscht werden?")}));
  EXPECT_EQ(Roh("Gruppen.nfo"), gruppen);
  EXPECT_EQ(Gebiete().size(), 4);
}

TEST_F(GebietLoeschenTest, DasLetzteGebietBleibt) {
  m_Plattform.Antworten = {Antwort::Ja, Antwort::Ja, Antwort::Ja};
  for (int zeile : {3, 2, 1}) Loeschen(zeile);
  ASSERT_EQ(Gebiete(), QStringList({"Länge"}));
  m_Plattform.Boxen.clear();
  EXPECT_TRUE(Loeschen());
  EXPECT_TRUE(Texte("Frage").isEmpty());
  ASSERT_EQ(Texte("Information").size(), 1);
  EXPECT_TRUE(Texte("Information")[0].startsWith(QStringLiteral("Das letzte Gebiet")));
  EXPECT_EQ(Gebiete(), QStringList({"Länge"}));
  EXPECT_TRUE(std::filesystem::exists(Verzeichnis() / "LAENGE.DAT"));
}

}  // namespace
}  // namespace kolvaro::ui
