// Timed runs of the main window (offscreen or under a real display):
//   kolvaro_bench_ui DATENVERZEICHNIS [--bild DATEI.png] [--gebiet NAME] [--land] [--zeile N] [--nur-start]
// prints the time from program start to the first painted main window, the
// mean time of a category change of 1,000 units (load, decipher, sort,
// refill, repaint) and of a conversion of 1,000 units with all result texts
// and the repaint. The data directory is copied to a temporary directory and
// a synthetic category of 1,000 units built from "Länge" is added.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "Benchdaten.h"
#include "basis/Zeichensatz.h"
#include "converter/Konverter.h"
#include "data/Einheit.h"
#include "data/Feld.h"
#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "ui/Plattform.h"
#include "ui/converter/MyWindow.h"

namespace {

QElapsedTimer g_Start;

class StillePlattform : public kolvaro::ui::Plattform {
 public:
  void Fehler(const QString& t) override { std::fprintf(stderr, "Fehler: %s\n", qPrintable(t)); }
  void Warnung(const QString& t) override { std::fprintf(stderr, "Warnung: %s\n", qPrintable(t)); }
  void Information(const QString& t) override { std::fprintf(stderr, "Information: %s\n", qPrintable(t)); }
  void Schlicht(const QString&) override {}
  kolvaro::ui::Antwort Frage(const QString&, bool) override { return kolvaro::ui::Antwort::Ja; }
  void ZwischenablageSetzen(const QString&) override {}
  QString Zwischenablage() override { return {}; }
  QString SpeicherortWaehlen(const QString&, const QString&, const QString&) override { return {}; }
  QString DateiOeffnenWaehlen(const QString&, const QString&) override { return {}; }
  bool Drucken(const QString&, const QString&) override { return true; }
  bool HilfeOeffnen(const QString&) override { return false; }
  void HilfeSchliessen() override {}
  void SanduhrAn() override {}
  void SanduhrAus() override {}
};

class ErsterAnstrich : public QObject {
 public:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint && m_Ms < 0) m_Ms = g_Start.nsecsElapsed() / 1e6;
    return QObject::eventFilter(o, e);
  }
  double m_Ms = -1;
};

}  // namespace

int main(int argc, char** argv) {
  QStringList argumente;
  for (int i = 0; i < argc; ++i) argumente << QString::fromLocal8Bit(argv[i]);
  if (argumente.size() < 2) {
    std::fprintf(stderr,
                 "Aufruf: kolvaro_bench_ui DATENVERZEICHNIS [--bild DATEI.png] [--gebiet NAME] [--land] [--zeile N] "
                 "[--nur-start]\n");
    return 2;
  }
  QString bild, gebiet;
  int zeile = 0;
  bool nachLand = false;
  for (int i = 2; i < argumente.size(); ++i) {
    if (argumente[i] == QLatin1String("--bild") && i + 1 < argumente.size())
      bild = argumente[++i];
    else if (argumente[i] == QLatin1String("--gebiet") && i + 1 < argumente.size())
      gebiet = argumente[++i];
    else if (argumente[i] == QLatin1String("--land"))
      nachLand = true;
    else if (argumente[i] == QLatin1String("--zeile") && i + 1 < argumente.size())
      zeile = argumente[++i].toInt();
  }
  // The copy of the data is made before the clock starts.
  QTemporaryDir temp;
  for (const QString& datei : QDir(argumente[1]).entryList(QDir::Files))
    QFile::copy(QDir(argumente[1]).filePath(datei), temp.filePath(datei));
  std::filesystem::path verzeichnis = temp.path().toStdString();
  if (bild.isEmpty()) kolvaro::bench::TausendEinheitenAnlegen(verzeichnis);
  // No password: the first-start question would stop the run.
  if (!kolvaro::DateiExistiert(verzeichnis / "STOFFW10.NFO"))
    (void)kolvaro::SchreibeAtomar(verzeichnis / "STOFFW10.NFO", {""});

  g_Start.start();
  QApplication app(argc, argv);
  QSettings einstellungen(temp.filePath(QStringLiteral("einstellungen.ini")), QSettings::IniFormat);
  if (nachLand) einstellungen.setValue(QStringLiteral("ESortierung"), QStringLiteral("Land"));
  if (!gebiet.isEmpty()) {
    kolvaro::Konverter k(verzeichnis);
    (void)k.KatalogLaden();
    for (std::size_t i = 0; i < k.Katalog().size(); ++i)
      if (QString::fromStdString(kolvaro::Cp1252NachUtf8(k.Katalog()[i].Gebietsname)) == gebiet)
        einstellungen.setValue(QStringLiteral("Gruppe"), QString::number(i + 1));
  }
  StillePlattform plattform;
  kolvaro::Konverter konverter(verzeichnis);
  kolvaro::ui::TMyWindow fenster(konverter, plattform, einstellungen);
  ErsterAnstrich anstrich;
  auto* liste = fenster.findChild<QListView*>(QStringLiteral("ListBoxEinheit"));
  liste->viewport()->installEventFilter(&anstrich);
  fenster.show();
  while (anstrich.m_Ms < 0) app.processEvents(QEventLoop::WaitForMoreEvents);
  std::printf("Kaltstart bis zum ersten Anstrich: %.1f ms\n", anstrich.m_Ms);
  if (argumente.contains(QLatin1String("--nur-start"))) return 0;

  if (!bild.isEmpty()) {
    fenster.findChild<QLineEdit*>(QStringLiteral("Edit_Eingabe"))->setText(QStringLiteral("1"));
    fenster.RechentasteClick();
    if (zeile > 0)
      QTimer::singleShot(100, &app,
                         [&] { liste->scrollTo(liste->model()->index(zeile, 0), QAbstractItemView::PositionAtTop); });
    QTimer::singleShot(3500, &app, [&] {
      fenster.grab().save(bild);
      app.quit();
    });
    app.exec();
    return 0;
  }

  auto* combo = fenster.findChild<QComboBox*>(QStringLiteral("ComboBox2"));
  const int bench = combo->count() - 1;
  const int anderes = 0;
  constexpr int kLaeufe = 50;
  QElapsedTimer uhr;
  double summe = 0;
  for (int i = 0; i < kLaeufe; ++i) {
    combo->setCurrentIndex(anderes);
    fenster.ComboBox2Change();
    liste->viewport()->repaint();
    combo->setCurrentIndex(bench);
    uhr.start();
    fenster.ComboBox2Change();
    liste->viewport()->repaint();
    summe += uhr.nsecsElapsed() / 1e6;
  }
  std::printf("Gebietswechsel (%zu Einheiten): %.3f ms\n", konverter.Einheiten().size(), summe / kLaeufe);
  if (qEnvironmentVariableIsSet("KOLVARO_BENCH_DETAIL")) {
    double t[6] = {};
    for (int i = 0; i < kLaeufe; ++i) {
      combo->setCurrentIndex(anderes);
      fenster.ComboBox2Change();
      liste->viewport()->repaint();
      combo->setCurrentIndex(bench);
      konverter.GebietWaehlen(bench);
      uhr.start();
      fenster.EinheitenLaden();
      t[0] += uhr.nsecsElapsed() / 1e6;
      uhr.start();
      fenster.ListeFuellen();
      t[1] += uhr.nsecsElapsed() / 1e6;
      uhr.start();
      fenster.InfoAnzeigen();
      fenster.EinheitAnzeigen();
      t[2] += uhr.nsecsElapsed() / 1e6;
      uhr.start();
      fenster.StatusAnzeigen();
      t[3] += uhr.nsecsElapsed() / 1e6;
      uhr.start();
      liste->viewport()->repaint();
      t[4] += uhr.nsecsElapsed() / 1e6;
      uhr.start();
      fenster.repaint();
      t[5] += uhr.nsecsElapsed() / 1e6;
    }
    std::printf("  laden %.3f  fuellen %.3f  info %.3f  status %.3f  liste %.3f  fenster %.3f ms\n", t[0] / kLaeufe,
                t[1] / kLaeufe, t[2] / kLaeufe, t[3] / kLaeufe, t[4] / kLaeufe, t[5] / kLaeufe);
  }

  summe = 0;
  for (int i = 0; i < kLaeufe; ++i) {
    uhr.start();
    fenster.RechentasteClick();
    liste->viewport()->repaint();
    summe += uhr.nsecsElapsed() / 1e6;
  }
  std::printf("Umrechnung (%zu Einheiten): %.3f ms\n", konverter.Einheiten().size(), summe / kLaeufe);
  if (qEnvironmentVariableIsSet("KOLVARO_BENCH_ANSTRICH")) {
    uhr.start();
    for (int i = 0; i < 500; ++i) liste->viewport()->repaint();
    std::printf("Anstrich der Liste: %.3f ms\n", uhr.nsecsElapsed() / 1e6 / 500);
  }
  return 0;
}
