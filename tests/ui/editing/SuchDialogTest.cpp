// The search dialog driven while it is open: hits, count, and the jump with
// its questions. What the search finds and the jump's rules are SucheTest's.
#include <gtest/gtest.h>

#include <QRadioButton>

#include "gemeinsam/Fenstertest.h"

namespace kolvaro::ui {
namespace {

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
    Daten("ZEIT.DAT", {Einheitenzeile("j", "SI-Einheit", "s", "Sekunde", "1")});
    Starten();
    Passwort(true);
    GebietWaehlen(QStringLiteral("Masse"));
  }

  // Opens the dialog, searches if begriff is given, and lets handlung drive it.
  void MitDialog(const char* begriff, const std::function<void(QDialog&)>& handlung,
                 const char* modus = "RadioGroup2Bestandteil") {
    EXPECT_TRUE(ImDialog("Einheitensuchen1", "Such_Dialog", [&](QDialog& d) {
      m_Dialog = &d;
      if (begriff) Suchen(begriff, modus);
      handlung(d);
    }));
  }
  void Suchen(const char* begriff, const char* modus) {
    // click(): a group shown again is laid out only by the next event loop pass.
    Element<QRadioButton>(m_Dialog, modus)->click();
    Element<QLineEdit>(m_Dialog, "Edit1")->setText(QString::fromUtf8(begriff));
    Klick(m_Dialog, "BitBtn1");
  }
  QStringList Treffer() { return Eintraege(Element<QListWidget>(m_Dialog, "ListBox1")); }
  QString Anzahl() { return Element<QLabel>(m_Dialog, "Label4")->text(); }
  bool SprungMoeglich() { return Element<QPushButton>(m_Dialog, "HelpBtn")->isEnabled(); }
  void Springen() {
    Element<QListWidget>(m_Dialog, "ListBox1")->setCurrentRow(0);
    Klick(m_Dialog, "HelpBtn");
  }
  void SpringenBleibtOffen(QDialog& d) {
    Springen();
    EXPECT_TRUE(d.isVisible());
  }
  void LandAusblenden(int land) {
    auto flaggen = m_Konverter->Laenderflaggen();
    flaggen[static_cast<std::size_t>(land)] = false;
    m_Konverter->SetLaenderflaggen(flaggen);
    m_Konverter->LaenderlistenNeuAufbauen();
  }
  QString Gebiet() { return Kind<QComboBox>("ComboBox2")->currentText(); }
  int Ausgewaehlt() { return Liste()->currentIndex().row(); }

  QDialog* m_Dialog = nullptr;
};

TEST_F(SuchDialogTest, SuchenZaehlenUndZurSichtbarenEinheitSpringen) {
  MitDialog(nullptr, [&](QDialog& d) {
    EXPECT_FALSE(SprungMoeglich());
    Suchen("METER", "RadioGroup2Bestandteil");
    EXPECT_EQ(Treffer(), (QStringList{"Kilometer - SI-Einheit", "Meter - SI-Einheit"}));
    EXPECT_EQ(Anzahl(), QStringLiteral("2"));
    EXPECT_TRUE(SprungMoeglich());
    Suchen("lb", "RadioGroup1Abkuerzung");
    EXPECT_EQ(Treffer(), (QStringList{"lb - Pound - USA"}));
    // No hit: count 0, nothing to jump to.
    Suchen("xyz", "RadioGroup1Abkuerzung");
    EXPECT_EQ(Anzahl(), QStringLiteral("0"));
    EXPECT_FALSE(SprungMoeglich());
    Element<QRadioButton>(&d, "RadioGroup1Name")->click();
    Suchen("meter", "RadioGroup2Exakt");
    EXPECT_EQ(Treffer(), (QStringList{"Meter - SI-Einheit"}));
    Springen();
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(Gebiet(), QStringLiteral("Länge"));
  EXPECT_EQ(Ausgewaehlt(), Zeile(QStringLiteral("Meter")));
  EXPECT_EQ(Label("Label_gewaehlte_einheit"), QStringLiteral("Meter"));
  EXPECT_TRUE(m_Plattform.Boxen.empty());

  // The hits stay for the next time; the jump goes to a unit of the same
  // name in the right country.
  MitDialog(nullptr, [&](QDialog&) {
    EXPECT_EQ(Treffer(), (QStringList{"Meter - SI-Einheit"}));
    EXPECT_TRUE(SprungMoeglich());
    Suchen("pfund", "RadioGroup2Bestandteil");
    Springen();
  });
  EXPECT_EQ(Gebiet(), QStringLiteral("Masse"));
  EXPECT_EQ(Ausgewaehlt(), Zeile(QStringLiteral("Pfund"), QStringLiteral("Österreich")));

  // "Zoll" is of a country the table marks as not present: the list of
  // "Länge" never shows it. The first row stays selected and the user is told.
  MitDialog("zoll", [&](QDialog&) { Springen(); });
  EXPECT_EQ(Gebiet(), QStringLiteral("Länge"));
  EXPECT_EQ(Ausgewaehlt(), 0);
  EXPECT_EQ(Texte("Information").size(), 1);
}

TEST_F(SuchDialogTest, AusgeblendeteEinheitNeinPasswortAbgelehntSchreibfehlerUndJa) {
  // No: no jump, the dialog stays open. Yes, but the password is refused:
  // nothing changes, no further question.
  m_Plattform.Antworten = {Antwort::Nein};
  MitDialog("rute", [&](QDialog& d) { SpringenBleibtOffen(d); });
  m_Plattform.Antworten = {Antwort::Ja, Antwort::Ja};
  Passwort(false);
  MitDialog(nullptr, [&](QDialog& d) { SpringenBleibtOffen(d); });
  EXPECT_EQ(Texte("Frage"), (QStringList{kEinheitFrage, kEinheitFrage}));
  EXPECT_EQ(Gebiet(), QStringLiteral("Masse"));
  // Yes, but the file cannot be written: the message, the dialog open with its hits.
  Passwort(true);
  m_Plattform.Antworten = {Antwort::Ja};
  MitDialog(nullptr, [&](QDialog& d) {
    Gesperrt([&] { SpringenBleibtOffen(d); });
    EXPECT_EQ(Treffer(), (QStringList{"Rute - Deutschland"}));
  });
  EXPECT_EQ(Texte("Fehler").size(), 1);
  EXPECT_EQ(Gebiet(), QStringLiteral("Masse"));
  // Yes with the password and the disk: shown again and jumped to.
  m_Plattform.Antworten = {Antwort::Ja};
  MitDialog(nullptr, [&](QDialog&) { Springen(); });
  EXPECT_EQ(Gebiet(), QStringLiteral("Länge"));
  EXPECT_EQ(Ausgewaehlt(), Zeile(QStringLiteral("Rute")));
}

// The question about the country comes whatever the first answer was; a No
// to either stops the jump, but a Yes to the country still shows it.
TEST_F(SuchDialogTest, AusgeblendetesLand) {
  LandAusblenden(kDeutschland);
  m_Plattform.Antworten = {Antwort::Nein, Antwort::Ja};
  MitDialog("rute", [&](QDialog& d) { SpringenBleibtOffen(d); });
  EXPECT_EQ(Texte("Frage"), (QStringList{kEinheitFrage, kLandFrage}));
  EXPECT_TRUE(m_Konverter->Laenderflaggen()[kDeutschland]);
  EXPECT_EQ(Gebiet(), QStringLiteral("Masse"));

  // A visible unit of a hidden country: No to the country, no jump.
  LandAusblenden(kDeutschland);
  Daten("MASSE.DAT", {Einheitenzeile("j", "Deutschland", "Ztr", "Zentner", "50")});
  m_Plattform.Boxen.clear();
  m_Plattform.Antworten = {Antwort::Nein};
  MitDialog("zentner", [&](QDialog&) { Springen(); });
  EXPECT_EQ(Texte("Frage"), (QStringList{kLandFrage}));
  EXPECT_FALSE(m_Konverter->Laenderflaggen()[kDeutschland]);
  // Yes: the country is shown and the jump finds the unit in the list.
  m_Plattform.Antworten = {Antwort::Ja};
  MitDialog(nullptr, [&](QDialog&) { Springen(); });
  EXPECT_TRUE(m_Konverter->Laenderflaggen()[kDeutschland]);
  EXPECT_EQ(Gebiet(), QStringLiteral("Masse"));
  EXPECT_EQ(Ausgewaehlt(), Zeile(QStringLiteral("Zentner")));
}

}  // namespace
}  // namespace kolvaro::ui
