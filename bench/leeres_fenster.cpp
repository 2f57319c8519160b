// The yardstick of the start-up timing: a bare Qt main window, shown and
// ended as soon as it is mapped, exactly as the timed build of Kolvaro ends.
#include <QApplication>
#include <QMainWindow>

#include "Fensterende.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow fenster;
  fenster.resize(980, 640);
  kolvaro::bench::BeiKarteBeenden(fenster);
  fenster.show();
  return app.exec();
}
