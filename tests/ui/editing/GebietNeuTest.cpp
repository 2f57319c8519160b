// The new-category dialog, driven through its widgets while it is open:
// the proposed file name, the refused inputs that keep the dialog open with
// everything typed, a failed write that leaves the files as they were, and
// the new category shown by the window afterwards.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <csignal>
#include <functional>

#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "gemeinsam/Fenstertest.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"
#include "ui/editing/GebietNeuDlg.h"

namespace kolvaro::ui {
namespace {

using Groessensperre = kolvaro::test::Schreibsperre;

class GebietNeuTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    Starten({{Dialogart::GebietNeu, [](const Dialogumgebung& u, QWidget* e) { return new TGebietNeuDlg(u, e); }}});
    m_Fenster->SetPasswortabfrage([] { return true; });
    m_Plattform.Boxen.clear();
  }
  TGebietNeuDlg* Dialog() { return Kind<TGebietNeuDlg>("GebietNeuDlg"); }
  template <typename T>
  T* ImDialog(const char* name) {
    T* kind = Dialog()->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(kind, nullptr) << name;
    return kind;
  }
  QLineEdit* Feld(const char* name) { return ImDialog<QLineEdit>(name); }
  std::string Roh(const char* datei) { return *DateiInhalt(Verzeichnis() / datei); }

  // Opens the dialog from the menu and runs bedienen while it is open; a
  // dialog still open afterwards is closed with its cancel button. true when
  // it was still open.
  bool Oeffnen(const std::function<void()>& bedienen) {
    bool gelaufen = false, offen = false;
    QTimer::singleShot(0, m_Fenster.get(), [&] {
      // Focus moves only in the active window, as on the desktop.
      QApplication::setActiveWindow(Dialog());
      EXPECT_TRUE(QTest::qWaitForWindowActive(Dialog()));
      bedienen();
      gelaufen = true;
      offen = Dialog()->isVisible();
      if (offen) ImDialog<QPushButton>("BitBtn1")->click();
    });
    Aktion("NeuesGebieteinfgen1")->trigger();
    EXPECT_TRUE(gelaufen);
    EXPECT_FALSE(Dialog()->isVisible());
    return offen;
  }
  // Types the category Schallpegel as the user does, leaving the name field with Tab.
  void Schallpegel() {
    QTest::keyClicks(Feld("Edit1"), QStringLiteral("Schallpegel"));
    QTest::keyClick(Feld("Edit1"), Qt::Key_Tab);
    Feld("Edit2")->setText(QStringLiteral("Dezibel"));
    Feld("Edit4")->setText(QStringLiteral("dB"));
    Feld("Edit5")->setText(QStringLiteral("Akustik"));
    ImDialog<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("Österreich"));
    ImDialog<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("Lautstärke.\nZweite Zeile."));
  }
};

TEST_F(GebietNeuTest, NeuesGebietWirdGeschrieben) {
  const bool offen = Oeffnen([&] {
    EXPECT_EQ(Dialog()->windowTitle(), QStringLiteral("Neues Gebiet einfügen"));
    EXPECT_EQ(Dialog()->focusWidget(), Feld("Edit1"));
    auto* laender = ImDialog<QComboBox>("ComboBox1");
    ASSERT_EQ(laender->count(), 6);
    EXPECT_EQ(laender->currentText(), QStringLiteral("SI-Einheit"));
    Schallpegel();
    EXPECT_EQ(Feld("Edit3")->text(), QStringLiteral("SCHALLPE"));
    EXPECT_EQ(Dialog()->focusWidget(), Feld("Edit2"));
    ImDialog<QPushButton>("BitBtn2")->click();
  });
  EXPECT_FALSE(offen);
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  EXPECT_EQ(*DateiLaden(Verzeichnis() / "Gruppen.nfo"),
            (std::vector<std::string>{Cp1252("Länge\tLAENGE.DAT\tMeter"), "Masse\tMASSE.DAT\tKilogramm",
                                      "Schallpegel\tSCHALLPE.DAT\tDezibel", "Temperatur\tTEMP.DAT\tKelvin",
                                      "Zeit\tZEIT.DAT\tSekunde"}));
  auto datei = GeheimdateiLesen(Verzeichnis() / "SCHALLPE.DAT");
  ASSERT_TRUE(datei);
  EXPECT_EQ(*datei,
            std::vector<std::string>{Cp1252("j\tj\t\t1\tÖsterreich\t1\tdB\tDezibel\t1\t\t\tAkustik\t\t\t\t\t\t\t")});

  // The window lists the new category in its place; the blocks of the
  // others stay with them.
  auto* gebiete = Kind<QComboBox>("ComboBox2");
  ASSERT_EQ(gebiete->count(), 5);
  EXPECT_EQ(gebiete->itemText(2), QStringLiteral("Schallpegel"));
  GebietWaehlen(QStringLiteral("Temperatur"));
  EXPECT_EQ(m_Konverter->GebietsInfo(), "Temperaturen.");
  GebietWaehlen(QStringLiteral("Schallpegel"));
  EXPECT_EQ(m_Konverter->GebietsInfo(), Cp1252("Schallpegel: \r\nLautstärke.\r\nZweite Zeile."));

  // Shown again, the dialog starts empty.
  Oeffnen([&] {
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"})
      EXPECT_TRUE(Feld(name)->text().isEmpty()) << name;
    EXPECT_TRUE(ImDialog<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
    EXPECT_EQ(Feld("Edit3")->maxLength(), 8);
    EXPECT_EQ(Feld("Edit2")->maxLength(), 34);
  });
}

// After inserting, the window shows the new category at once: its one unit
// and its information text with the memo's two lines.
TEST_F(GebietNeuTest, DasFensterZeigtDasNeueGebiet) {
  Oeffnen([&] {
    Schallpegel();
    ImDialog<QPushButton>("BitBtn2")->click();
  });
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Schallpegel"));
  EXPECT_EQ(m_Konverter->Gebietsname(), "Schallpegel");
  ASSERT_EQ(Liste()->model()->rowCount(), 1);
  EXPECT_EQ(Liste()->model()->index(0, 0).data().toString(), QStringLiteral("Dezibel"));
  EXPECT_EQ(m_Konverter->GebietsInfo(), Cp1252("Schallpegel: \r\nLautstärke.\r\nZweite Zeile."));
}

// Refused input: the messages, the focus, the dialog open with all that was
// typed, and no file touched.
TEST_F(GebietNeuTest, FalscheEingabenLassenDenDialogOffen) {
  const std::string gruppen = Roh("Gruppen.nfo"), gebiet = Roh("Gebiet.nfo");
  const bool offen = Oeffnen([&] {
    ImDialog<QPushButton>("BitBtn2")->click();
    EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Schlicht")),
              QStringList(3, QStringLiteral("Fehlende Angabe im Editierfeld!")));
    EXPECT_EQ(Dialog()->focusWidget(), Feld("Edit3"));

    m_Plattform.Boxen.clear();
    Schallpegel();
    Feld("Edit1")->setText(QStringLiteral("Masse"));
    Feld("Edit3")->setText(QStringLiteral("MASSE"));
    ImDialog<QPushButton>("BitBtn2")->click();
    EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Schlicht")),
              QStringList({QStringLiteral("Der Dateiname ist schon vorhanden, bitte ändern!"),
                           QStringLiteral("Der Name des Gebietes ist schon vorhanden, bitte ändern!")}));
    EXPECT_EQ(Dialog()->focusWidget(), Feld("Edit1"));
    EXPECT_EQ(Feld("Edit1")->selectedText(), QStringLiteral("Masse"));

    // A file name that is no file name; a "*" would split the information blocks.
    m_Plattform.Boxen.clear();
    Feld("Edit1")->setText(QStringLiteral("Lautheit"));
    Feld("Edit3")->setText(QStringLiteral("A.B"));
    ImDialog<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("Sterne * trennen"));
    ImDialog<QPushButton>("BitBtn2")->click();
    ASSERT_EQ(m_Plattform.Boxen.size(), 2u);
    EXPECT_TRUE(m_Plattform.Boxen[0].Text.startsWith(QStringLiteral("Der Dateiname darf nur")));
    EXPECT_TRUE(m_Plattform.Boxen[1].Text.contains(QStringLiteral("Information zum neuen Gebiet")));
    EXPECT_EQ(Dialog()->focusWidget(), ImDialog<QPlainTextEdit>("Memo1"));

    // A character the files' code page does not have.
    m_Plattform.Boxen.clear();
    Feld("Edit3")->setText(QStringLiteral("LAUT"));
    ImDialog<QPlainTextEdit>("Memo1")->clear();
    Feld("Edit4")->setText(QStringLiteral("\u2200"));
    ImDialog<QPushButton>("BitBtn2")->click();
    ASSERT_EQ(m_Plattform.Boxen.size(), 1u);
    EXPECT_TRUE(m_Plattform.Boxen[0].Text.contains(QStringLiteral("Kurzzeichen der Grundeinheit")));
    EXPECT_EQ(Dialog()->focusWidget(), Feld("Edit4"));

    EXPECT_TRUE(Dialog()->isVisible());
    EXPECT_EQ(Feld("Edit2")->text(), QStringLiteral("Dezibel"));
  });
  EXPECT_TRUE(offen);
  EXPECT_EQ(Roh("Gruppen.nfo"), gruppen);
  EXPECT_EQ(Roh("Gebiet.nfo"), gebiet);
  EXPECT_FALSE(std::filesystem::exists(Verzeichnis() / "LAUT.DAT"));
  EXPECT_EQ(Kind<QComboBox>("ComboBox2")->count(), 4);
}

// The catalogue cannot be written: the rewrite message, the files as they
// were (no new data file, the old blocks), and the dialog open with all that
// was typed, so that a second try succeeds.
TEST_F(GebietNeuTest, FehlschlagBeimSchreibenVerliertNichts) {
  std::vector<std::string> gruppen = *DateiLaden(Verzeichnis() / "Gruppen.nfo");
  gruppen[3] += std::string(3000, 'x');
  kolvaro::test::Schreiben(Verzeichnis() / "Gruppen.nfo", gruppen);
  const std::string gruppenVorher = Roh("Gruppen.nfo"), gebietVorher = Roh("Gebiet.nfo");
  const bool offen = Oeffnen([&] {
    Schallpegel();
    {
      Groessensperre sperre(1000);
      ImDialog<QPushButton>("BitBtn2")->click();
    }
    EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Fehler")),
              QStringList({QStringLiteral("Die Datei Gruppen.nfo konnte nicht geöffnet werden oder die revidierte "
                                          "Datei konnte nicht geschrieben werden!")}));
    EXPECT_TRUE(Dialog()->isVisible());
    EXPECT_EQ(Feld("Edit1")->text(), QStringLiteral("Schallpegel"));
    EXPECT_EQ(ImDialog<QPlainTextEdit>("Memo1")->toPlainText(), QStringLiteral("Lautstärke.\nZweite Zeile."));
    EXPECT_EQ(Roh("Gruppen.nfo"), gruppenVorher);
    EXPECT_EQ(Roh("Gebiet.nfo"), gebietVorher);
    EXPECT_FALSE(std::filesystem::exists(Verzeichnis() / "SCHALLPE.DAT"));

    m_Plattform.Boxen.clear();
    ImDialog<QPushButton>("BitBtn2")->click();
    EXPECT_TRUE(m_Plattform.Boxen.empty());
  });
  EXPECT_FALSE(offen);
  EXPECT_EQ(DateiLaden(Verzeichnis() / "Gruppen.nfo")->size(), 5u);
  EXPECT_TRUE(std::filesystem::exists(Verzeichnis() / "SCHALLPE.DAT"));
}

}  // namespace
}  // namespace kolvaro::ui
