// The yardsticks of the start-up timing, shown and ended as soon as they are
// mapped, exactly as the timed build of Kolvaro ends: a bare Qt main window,
// and with "--text" the same window with a menu and a line of text. Any
// window that shows text loads the fonts and the font configuration, which
// the bare window never does; the second yardstick tells that cost from
// Kolvaro's own.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <cstring>

#include "Fensterende.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow fenster;
  fenster.resize(980, 640);
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    fenster.menuBar()->addMenu(QStringLiteral("&Datei"))->addAction(QStringLiteral("&Beenden"));
    fenster.setCentralWidget(new QLabel(QStringLiteral("Kolvaro rechnet Einheiten um."), &fenster));
  }
  kolvaro::bench::BeiKarteBeenden(fenster);
  fenster.show();
  return app.exec();
}
