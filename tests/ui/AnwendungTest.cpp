// The title of every window, as the window holds it and as the platform gets
// it, with the names the program gives itself at start.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <map>

#include "gemeinsam/Fenstertest.h"
#include "ui/Anwendung.h"

namespace kolvaro::ui {
namespace {

// What Qt puts after each window title for the window manager: the display
// name, once a program set one. Unset, Qt answers the application name for
// it, and so follows a change of that name.
QString AngehaengterName() {
  const QString name = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(name + QStringLiteral(" (Probe)"));
  const bool gesetzt = QGuiApplication::applicationDisplayName() != QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(name);
  return gesetzt ? QGuiApplication::applicationDisplayName() : QString();
}

// Qt's rule for the title the platform window gets: a title that does not end
// with the display name gets " — " and the name appended.
QString TitelDerPlattform(const QWidget& fenster) {
  const QString titel = fenster.windowTitle();
  const QString name = AngehaengterName();
  return name.isEmpty() || titel.endsWith(name) ? titel : titel + QStringLiteral(" — ") + name;
}

class AnwendungTest : public test::GebautesFenster {
 protected:
  void SetUp() override {
    AnwendungEinrichten();
    GebautesFenster::SetUp();
  }
  void TearDown() override {
    QCoreApplication::setOrganizationName(m_Organisation);
    QCoreApplication::setApplicationName(m_Name);
    QGuiApplication::setDesktopFileName(m_Desktopdatei);
  }

 private:
  const QString m_Organisation = QCoreApplication::organizationName();
  const QString m_Name = QCoreApplication::applicationName();
  const QString m_Desktopdatei = QGuiApplication::desktopFileName();
};

TEST_F(AnwendungTest, JedesFensterTraegtGenauSeinenTitel) {
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("de.ostravin.Kolvaro"));
  EXPECT_EQ(m_Fenster->windowTitle().toStdString(), "Kolvaro 6.0");
  EXPECT_EQ(TitelDerPlattform(*m_Fenster).toStdString(), "Kolvaro 6.0");

  const std::map<Dialogart, QString> titel{
      {Dialogart::EinheitenEinblenden, QStringLiteral("Ausgeblendete Einheiten wieder einblenden")},
      {Dialogart::EigeneEinheit, QStringLiteral("Eigene Einheit einfügen")},
      {Dialogart::EigeneEinheitWaehrung, QStringLiteral("Eigene Einheit einfügen - Währung")},
      {Dialogart::EigeneEinheitWeltzeit, QStringLiteral("Eigene Einheit einfügen - Weltzeit")},
      {Dialogart::FaktorAendern, QStringLiteral("Umrechnungsfaktor ändern")},
      {Dialogart::FaktorAendernWeltzeit, QStringLiteral("Umrechnungsfaktor ändern - Weltzeit")},
      {Dialogart::Suchen, QStringLiteral("Einheiten suchen")},
      {Dialogart::Ueber, QStringLiteral("Über Kolvaro")},
      {Dialogart::Vorsatzzeichen, QStringLiteral("Vorsatzzeichen")},
      {Dialogart::GebietNeu, QStringLiteral("Neues Gebiet einfügen")},
      {Dialogart::GebietLoeschen, QStringLiteral("Vorhandenes Gebiet löschen")},
      {Dialogart::Passwortabfrage, QStringLiteral("Passwort-Abfrage")},
      {Dialogart::WaehrungstabelleAendern, QStringLiteral("Umrechnungsfaktoren ändern - Währungen")},
      {Dialogart::KurseEinlesen, QStringLiteral("Wechselkurse einlesen")},
      {Dialogart::Stoffdaten, QStringLiteral("Stoffdaten")},
      {Dialogart::Elemente, QStringLiteral("Chemische Elemente")},
      {Dialogart::PhysikalischeKonstanten, QStringLiteral("Physikalische Konstanten")},
      {Dialogart::DiverseDaten, QStringLiteral("Diverse Daten")},
      {Dialogart::PasswortErzeugung, QStringLiteral("Passwort-Erzeugung")},
      {Dialogart::Laender, QStringLiteral("Länder ein-/ausblenden")},
      {Dialogart::Molmasse, QStringLiteral("Molmassen-Rechner")},
      {Dialogart::Flaechen, QStringLiteral("Flächen-Berechnung")},
      {Dialogart::Naehrwerte, QStringLiteral("Nährwerttabelle")},
      {Dialogart::Konfektion, QStringLiteral("Konfektionsgrößen")},
      {Dialogart::Zeichentabelle, QStringLiteral("ANSI-ASCII-Zeichentabelle")},
      {Dialogart::Auslandsvorwahlen, QStringLiteral("Auslandsvorwahlen")},
      {Dialogart::Buchstabiertafel, QStringLiteral("Buchstabiertafel")},
      {Dialogart::ImmerwaehrenderKalender, QStringLiteral("Immerwährender Kalender")},
      {Dialogart::Koerper, QStringLiteral("Körper-Berechnung")},
      {Dialogart::Stellen, QStringLiteral("Stellen")},
      {Dialogart::Umrechnungstabelle, QStringLiteral("Umrechnungstabelle")},
  };
  ASSERT_EQ(titel.size(), static_cast<std::size_t>(kDialogartAnzahl));
  for (const auto& [art, erwartet] : titel) {
    Dialogbasis* dialog = m_Fenster->Dialogfenster().Dialog(art);
    ASSERT_NE(dialog, nullptr) << erwartet.toStdString();
    // As it stands on the screen: a dialog may name itself as it is shown.
    dialog->setModal(false);
    dialog->show();
    EXPECT_EQ(dialog->windowTitle().toStdString(), erwartet.toStdString());
    EXPECT_EQ(TitelDerPlattform(*dialog).toStdString(), erwartet.toStdString());
    dialog->hide();
  }
}

}  // namespace
}  // namespace kolvaro::ui
