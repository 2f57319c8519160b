// Kolvaro: the desktop program.
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <csignal>
#include <cstdlib>

#include "basis/Texte.h"
#include "converter/Konverter.h"
#include "data/Datenverzeichnis.h"
#include "ui/Anwendung.h"
#include "ui/QtPlattform.h"
#include "ui/Text.h"
#include "ui/converter/MyWindow.h"
#ifdef KOLVARO_FENSTERSTART
#include "Fensterende.h"  // the start-up timing's build (bench/) only
#endif

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  using kolvaro::ui::QtAusUtf8;
  namespace texte = kolvaro::texte;
  kolvaro::ui::AnwendungEinrichten();
  // A limit of the file size makes a write fail with a message, instead of
  // ending the program in the middle of copying or rewriting a data file.
  std::signal(SIGXFSZ, SIG_IGN);

  kolvaro::ui::QtPlattform plattform;
  std::vector<std::filesystem::path> installiert =
      kolvaro::InstallierteDaten(QCoreApplication::applicationDirPath().toStdString());
  const std::filesystem::path aktuell = QDir::currentPath().toStdString();
  auto verzeichnis = kolvaro::DatenverzeichnisWaehlen(
      aktuell, kolvaro::BenutzerdatenOrt(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), aktuell), installiert);
  if (!verzeichnis) {
    plattform.Fehler(kolvaro::ui::QtText(verzeichnis.Fehler().Text));
    return 1;
  }
  // Every file is opened by its bare name in the data directory.
  QDir::setCurrent(QString::fromStdString(verzeichnis->string()));

  kolvaro::Konverter konverter(*verzeichnis);
  QSettings einstellungen(QtAusUtf8(texte::kHersteller), QtAusUtf8(texte::kEinstellungsname));
  kolvaro::ui::TMyWindow fenster(konverter, plattform, einstellungen);
  plattform.SetFenster(&fenster);
#ifdef KOLVARO_FENSTERSTART
  kolvaro::bench::BeiKarteBeenden(fenster);
#endif
  fenster.show();
  return app.exec();
}
