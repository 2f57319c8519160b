// For the start-up timing only (built into its programs, never into the
// shipped one): ends the program as soon as its main window is mapped and
// drawn for the first time, and appends the resident memory of that moment
// in kB to the file named by KOLVARO_FENSTERSTART_SPEICHER, if it is set.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <fstream>
#include <string>

namespace kolvaro::bench {

inline void SpeicherAnhaengen() {
  const char* datei = std::getenv("KOLVARO_FENSTERSTART_SPEICHER");
  if (!datei || !*datei) return;
  std::ifstream status("/proc/self/status");
  std::string zeile;
  while (std::getline(status, zeile))
    if (zeile.rfind("VmRSS:", 0) == 0) std::ofstream(datei, std::ios::app) << std::stol(zeile.substr(6)) << '\n';
}

// Watches every event of the application: the filter is set before the
// window is shown, so no first exposure can slip past it whatever the
// program does while it shows the window.
class Fensterende : public QObject {
 public:
  Fensterende(const QWidget& fenster, QObject* eltern) : QObject(eltern), m_Fenster(fenster) {}

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (ereignis->type() == QEvent::Expose && objekt == m_Fenster.windowHandle() &&
        m_Fenster.windowHandle()->isExposed()) {
      // The exposure is drawn when this event is handled; end right after it.
      QTimer::singleShot(0, [] {
        SpeicherAnhaengen();
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  const QWidget& m_Fenster;
};

inline void BeiKarteBeenden(const QWidget& fenster) {
  QCoreApplication::instance()->installEventFilter(new Fensterende(fenster, QCoreApplication::instance()));
}

}  // namespace kolvaro::bench
