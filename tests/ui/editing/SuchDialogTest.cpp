// The search dialog driven through its widgets while it is open: the search
// and its count, the jump that selects the hit in the main window, the two
// questions for a hidden unit and a hidden country with their No, Yes and
// refused-password paths (the data file read back), a hit the reloaded
// list cannot show, an unreadable data file and a failed rewrite.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <csignal>
#include <functional>

#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "gemeinsam/Fenstertest.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"
#include "ui/editing/SuchDialog.h"

namespace kolvaro::ui {
namespace {

using kolvaro::test::Einheitenzeile;

using kolvaro::test::Schreibsperre;

const QString kEinheitFrage = QStringLiteral(
    "Die Einheit, zu der gesprungen werden soll, ist von der Anzeige ausgeblendet. Soll sie eingeblendet werden?");
const QString kLandFrage = QStringLiteral(
    "Die Einheit, zu der gesprungen werden soll, ist aus einem Land, das von der Anzeige ausgeblendet ist. Soll das "
    "Land eingeblendet werden?");
constexpr int kDeutschland = 2;  // index in the test country table

class SuchDialogTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    kolvaro::test::StandardDaten(Verzeichnis());
    kolvaro::test::Verschluesselt(Verzeichnis() / "ZEIT.DAT", {Einheitenzeile("j", "SI-Einheit", "s", "Sekunde", "1")});
    Starten({{Dialogart::Suchen, [](const Dialogumgebung& u, QWidget* e) { return new TSuch_Dialog(u, e); }}});
    m_Fenster->SetPasswortabfrage([] { return true; });
    GebietWaehlen(QStringLiteral("Masse"));
  }

  // Opens the dialog from the menu, lets handlung drive it, and closes it
  // if it is still open.
  void MitDialog(const std::function<void(TSuch_Dialog&)>& handlung) {
    bool gelaufen = false;
    QTimer::singleShot(0, m_Fenster.get(), [&] {
      auto* dialog = m_Fenster->findChild<TSuch_Dialog*>(QStringLiteral("Such_Dialog"));
      ASSERT_NE(dialog, nullptr);
      ASSERT_TRUE(dialog->isVisible());
      m_Dialog = dialog;
      handlung(*dialog);
      gelaufen = true;
      if (dialog->isVisible()) dialog->reject();
    });
    Aktion("Einheitensuchen1")->trigger();
    EXPECT_TRUE(gelaufen);
  }

  template <typename T>
  T* Im(const char* name) {
    T* kind = m_Dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(kind, nullptr) << name;
    return kind;
  }
  void Suchen(const QString& begriff, const char* modus = "RadioGroup2Bestandteil") {
    // click(): a group shown again is laid out only by the next event loop pass.
    Im<QRadioButton>(modus)->click();
    ASSERT_TRUE(Im<QRadioButton>(modus)->isChecked()) << modus;
    Im<QLineEdit>("Edit1")->setText(begriff);
    QTest::mouseClick(Im<QPushButton>("BitBtn1"), Qt::LeftButton);
  }
  QStringList Treffer() {
    QStringList zeilen;
    auto* liste = Im<QListWidget>("ListBox1");
    for (int i = 0; i < liste->count(); ++i) zeilen << liste->item(i)->text();
    return zeilen;
  }
  void Springen(int zeile = 0) {
    Im<QListWidget>("ListBox1")->setCurrentRow(zeile);
    QTest::mouseClick(Im<QPushButton>("HelpBtn"), Qt::LeftButton);
  }
  std::vector<std::string> Laenge() {
    auto zeilen = GeheimdateiLesen(Verzeichnis() / "LAENGE.DAT");
    EXPECT_TRUE(zeilen);
    return zeilen ? *zeilen : std::vector<std::string>{};
  }
  void LandAusblenden(int land) {
    auto flaggen = m_Konverter->Laenderflaggen();
    flaggen[static_cast<std::size_t>(land)] = false;
    m_Konverter->SetLaenderflaggen(flaggen);
    m_Konverter->LaenderlistenNeuAufbauen();
  }
  QString Gebiet() { return Kind<QComboBox>("ComboBox2")->currentText(); }
  int Ausgewaehlt() { return Liste()->currentIndex().row(); }

  TSuch_Dialog* m_Dialog = nullptr;
};

TEST_F(SuchDialogTest, SuchenZaehlenUndZurSichtbarenEinheitSpringen) {
  MitDialog([&](TSuch_Dialog& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Einheiten suchen"));
    EXPECT_EQ(Im<QLineEdit>("Edit1")->maxLength(), 20);
    EXPECT_EQ(Im<QLabel>("Label4")->text(), QStringLiteral("0"));
    EXPECT_FALSE(Im<QPushButton>("HelpBtn")->isEnabled());
    EXPECT_TRUE(Im<QGroupBox>("RadioGroup2")->isVisible());

    // Hidden units are found too: "Rute" has no "meter", so two hits.
    Suchen(QStringLiteral("METER"));
    EXPECT_EQ(Treffer(), (QStringList{"Kilometer - SI-Einheit", "Meter - SI-Einheit"}));
    EXPECT_EQ(Im<QLabel>("Label4")->text(), QStringLiteral("2"));
    EXPECT_EQ(Im<QListWidget>("ListBox1")->currentRow(), 0);
    EXPECT_TRUE(Im<QPushButton>("HelpBtn")->isEnabled());

    // By symbol the choice of name match is hidden and the line shows the symbol.
    Im<QRadioButton>("RadioGroup1Abkuerzung")->click();
    EXPECT_FALSE(Im<QGroupBox>("RadioGroup2")->isVisible());
    Suchen(QStringLiteral("lb"), "RadioGroup1Abkuerzung");
    EXPECT_EQ(Treffer(), (QStringList{"lb - Pound - USA"}));

    // No hit: count 0, nothing to jump to.
    Suchen(QStringLiteral("xyz"), "RadioGroup1Abkuerzung");
    EXPECT_TRUE(Treffer().isEmpty());
    EXPECT_EQ(Im<QLabel>("Label4")->text(), QStringLiteral("0"));
    EXPECT_FALSE(Im<QPushButton>("HelpBtn")->isEnabled());

    Im<QRadioButton>("RadioGroup1Name")->click();
    Suchen(QStringLiteral("meter"), "RadioGroup2Exakt");
    EXPECT_EQ(Treffer(), (QStringList{"Meter - SI-Einheit"}));
    Springen();
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(Gebiet(), QStringLiteral("Länge"));
  EXPECT_EQ(Ausgewaehlt(), Zeile(QStringLiteral("Meter")));
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), QStringLiteral("Meter"));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  EXPECT_TRUE(Liste()->isVisible());

  // The hits stay for the next time; the jump goes to a unit of the same
  // name in the right country.
  MitDialog([&](TSuch_Dialog&) {
    EXPECT_EQ(Treffer(), (QStringList{"Meter - SI-Einheit"}));
    EXPECT_TRUE(Im<QPushButton>("HelpBtn")->isEnabled());
    Suchen(QStringLiteral("pfund"));
    Springen();
  });
  EXPECT_EQ(Gebiet(), QStringLiteral("Masse"));
  EXPECT_EQ(Ausgewaehlt(), Zeile(QStringLiteral("Pfund"), QStringLiteral("Österreich")));
}

TEST_F(SuchDialogTest, AusgeblendeteEinheitNeinOderPasswortAbgelehnt) {
  const auto vorher = Laenge();
  // No: no jump, the dialog stays open.
  m_Plattform.Antworten = {Antwort::Nein};
  MitDialog([&](TSuch_Dialog& d) {
    Suchen(QStringLiteral("rute"), "RadioGroup2Exakt");
    EXPECT_EQ(Treffer(), (QStringList{"Rute - Deutschland"}));
    Springen();
    EXPECT_TRUE(d.isVisible());
  });
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Frage")), (QStringList{kEinheitFrage}));
  EXPECT_EQ(Laenge(), vorher);
  EXPECT_EQ(Gebiet(), QStringLiteral("Masse"));

  // Yes, but the password is refused: nothing changes, no further question.
  m_Plattform.Boxen.clear();
  m_Plattform.Antworten = {Antwort::Ja, Antwort::Ja};
  m_Fenster->SetPasswortabfrage([] { return false; });
  MitDialog([&](TSuch_Dialog& d) {
    Springen();
    EXPECT_TRUE(d.isVisible());
  });
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Frage")), (QStringList{kEinheitFrage}));
  EXPECT_EQ(Laenge(), vorher);
  EXPECT_EQ(Gebiet(), QStringLiteral("Masse"));
}

TEST_F(SuchDialogTest, AusgeblendeteEinheitMitPasswortEinblendenUndSpringen) {
  const auto vorher = Laenge();
  m_Plattform.Antworten = {Antwort::Ja};
  MitDialog([&](TSuch_Dialog&) {
    Suchen(QStringLiteral("Rute"));
    Springen();
  });
  // Only field 1 of the hit's line changed.
  const auto nachher = Laenge();
  ASSERT_EQ(nachher.size(), vorher.size());
  for (std::size_t i = 0; i < vorher.size(); ++i)
    EXPECT_EQ(nachher[i], i == 4 ? FeldErsetzen(vorher[i], 1, "j") : vorher[i]) << i;
  EXPECT_EQ(Gebiet(), QStringLiteral("Länge"));
  EXPECT_EQ(Ausgewaehlt(), Zeile(QStringLiteral("Rute")));
  EXPECT_EQ(m_Konverter->Zaehler().Verborgen, 0);
}

// The question about the country comes whatever the first answer was; a No
// to either stops the jump, but a Yes to the country still shows it.
TEST_F(SuchDialogTest, AusgeblendetesLand) {
  LandAusblenden(kDeutschland);
  const auto vorher = Laenge();
  m_Plattform.Antworten = {Antwort::Nein, Antwort::Ja};
  MitDialog([&](TSuch_Dialog& d) {
    Suchen(QStringLiteral("rute"));
    Springen();
    EXPECT_TRUE(d.isVisible());
  });
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Frage")), (QStringList{kEinheitFrage, kLandFrage}));
  EXPECT_TRUE(m_Konverter->Laenderflaggen()[kDeutschland]);
  EXPECT_EQ(Laenge(), vorher);
  EXPECT_EQ(Gebiet(), QStringLiteral("Masse"));

  // A visible unit of a hidden country: No to the country, no jump.
  LandAusblenden(kDeutschland);
  kolvaro::test::Verschluesselt(Verzeichnis() / "MASSE.DAT",
                                {Einheitenzeile("j", "Deutschland", "Ztr", "Zentner", "50")});
  m_Plattform.Boxen.clear();
  m_Plattform.Antworten = {Antwort::Nein};
  MitDialog([&](TSuch_Dialog&) {
    Suchen(QStringLiteral("zentner"));
    Springen();
  });
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Frage")), (QStringList{kLandFrage}));
  EXPECT_FALSE(m_Konverter->Laenderflaggen()[kDeutschland]);

  // Yes: the country is shown and the jump finds the unit in the list.
  m_Plattform.Antworten = {Antwort::Ja};
  MitDialog([&](TSuch_Dialog&) { Springen(); });
  EXPECT_TRUE(m_Konverter->Laenderflaggen()[kDeutschland]);
  EXPECT_EQ(Gebiet(), QStringLiteral("Masse"));
  EXPECT_EQ(Ausgewaehlt(), Zeile(QStringLiteral("Zentner")));
}

// "Zoll" is of a country the table marks as not present: the list of
// "Länge" never shows it. The first row stays selected and the user is told.
TEST_F(SuchDialogTest, TrefferNichtInDerListe) {
  MitDialog([&](TSuch_Dialog&) {
    Suchen(QStringLiteral("zoll"));
    Springen();
  });
  EXPECT_EQ(Gebiet(), QStringLiteral("Länge"));
  EXPECT_EQ(Ausgewaehlt(), 0);
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Information")).size(), 1);
}

TEST_F(SuchDialogTest, UnlesbareDatendateiBehaeltDieTreffer) {
  std::filesystem::remove(Verzeichnis() / "TEMP.DAT");
  MitDialog([&](TSuch_Dialog&) {
    Suchen(QStringLiteral("e"));
    // Länge and Masse were read before the missing file stopped the search.
    EXPECT_EQ(Treffer(), (QStringList{"Kilometer - SI-Einheit", "Meter - SI-Einheit", "Meile - Internationale Einheit",
                                      "Rute - Deutschland"}));
    EXPECT_EQ(Im<QLabel>("Label4")->text(), QStringLiteral("4"));
    EXPECT_TRUE(Im<QPushButton>("HelpBtn")->isEnabled());
  });
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Fehler")),
            (QStringList{"Eine Datendatei konnte nicht gefunden werden. Bitte prüfen Sie, ob alle Datendateien "
                         "vorhanden sind."}));
  EXPECT_EQ(m_Plattform.Sanduhren, 0);
}

TEST_F(SuchDialogTest, MisslungenesSchreibenSpringtNicht) {
  const auto vorher = Laenge();
  m_Plattform.Antworten = {Antwort::Ja};
  MitDialog([&](TSuch_Dialog& d) {
    Suchen(QStringLiteral("rute"));
    {
      Schreibsperre sperre;
      Springen();
    }
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Treffer(), (QStringList{"Rute - Deutschland"}));
  });
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Fehler")).size(), 1);
  EXPECT_EQ(Laenge(), vorher);
  EXPECT_EQ(Gebiet(), QStringLiteral("Masse"));
}

}  // namespace
}  // namespace kolvaro::ui
