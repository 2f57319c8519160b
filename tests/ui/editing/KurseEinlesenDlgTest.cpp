// Reading exchange rates in the window: the file chosen through the file
// dialog, the day box with the file's days, the report, the reloaded
// currencies with their rate's age, and the refusals.
#include <gtest/gtest.h>

#include <QDate>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

class KurseEinlesenDlgTest : public test::GebautesFenster {
 protected:
  // A history of two days: three days ago and a week ago.
  QString KursdateiSchreiben(const std::string& inhalt = {}) {
    const QDate heute = QDate::currentDate();
    const std::string text = inhalt.empty() ? "Date,USD,XYZ,\n" +
                                                  heute.addDays(-3).toString(Qt::ISODate).toStdString() + ",1.25,2,\n" +
                                                  heute.addDays(-7).toString(Qt::ISODate).toStdString() + ",1.6,N/A,\n"
                                            : inhalt;
    const QString pfad = m_Temp.filePath(QStringLiteral("eurofxref-hist.csv"));
    EXPECT_TRUE(SchreibeAtomarRoh(pfad.toStdString(), text));
    m_Plattform.Oeffnungsort = pfad;
    return pfad;
  }
  static QString Tag(int vor) { return QDate::currentDate().addDays(-vor).toString(QStringLiteral("dd.MM.yyyy")); }
};

TEST_F(KurseEinlesenDlgTest, TagWaehlenUebernehmenUndAlterZeigen) {
  GebietWaehlen(QStringLiteral("Währungen"));
  KursdateiSchreiben();
  QStringList tage;
  ASSERT_TRUE(ImDialog("Wechselkurseeinlesen1", "KurseEinlesenDlg", [&](QDialog& d) {
    Klick(&d, "Button1");
    auto* box = Element<QComboBox>(&d, "ComboBox1");
    tage = Eintraege(box);
    box->setCurrentIndex(1);
    Klick(&d, "OKBtn");
    EXPECT_FALSE(d.isVisible());
  }));
  EXPECT_EQ(tage, (QStringList{Tag(3), Tag(7)}));
  EXPECT_EQ(Texte("Information"), QStringList{QStringLiteral("Referenzkurse der Europäischen Zentralbank vom ") +
                                              Tag(7) + QStringLiteral(".\n1 Kurs übernommen.")});
  // The list was read anew: the dollar shows its new rate and how old it is.
  Waehlen(QStringLiteral("US-Dollar"));
  Rechnen(QStringLiteral("1,6"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Euro")).trimmed(), QStringLiteral("1,0000000000"));
  EXPECT_EQ(Label("Info_Uebersetzung2"), Tag(7) + QStringLiteral(" (EZB), vor 7 Tagen"));
}

TEST_F(KurseEinlesenDlgTest, FalscheDateiUndFalschesPasswortAendernNichts) {
  const std::string vorher = Roh("WAEHRUNG.DAT");
  KursdateiSchreiben("Date,USD,\n2026-12-04,N/A,\n2026-12-03,0,\n");
  ASSERT_TRUE(ImDialog("Wechselkurseeinlesen1", "KurseEinlesenDlg", [&](QDialog& d) {
    Klick(&d, "Button1");
    EXPECT_EQ(Element<QComboBox>(&d, "ComboBox1")->count(), 0);
    Klick(&d, "OKBtn");  // the same file, refused again
    EXPECT_TRUE(d.isVisible());
  }));
  const QString abgelehnt = QStringLiteral(
      "Die Kursdatei eurofxref-hist.csv, Zeile 3: Der Kurs \"0\" für USD ist keine Zahl größer als 0. Es wurden "
      "keine Kurse übernommen.");
  EXPECT_EQ(Texte("Fehler"), (QStringList{abgelehnt, abgelehnt}));
  EXPECT_EQ(Roh("WAEHRUNG.DAT"), vorher);

  KursdateiSchreiben();
  Passwort(false);
  EXPECT_FALSE(ImDialog("Wechselkurseeinlesen1", "KurseEinlesenDlg", [](QDialog&) {}));
  EXPECT_EQ(Roh("WAEHRUNG.DAT"), vorher);
}

}  // namespace
}  // namespace kolvaro::ui
