// The ground of the window tests: a temporary data directory (a copy of the
// built data, or files the test writes), a settings file, the recording
// platform, and the main window driven through its real widgets.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "converter/Konverter.h"
#include "data/Feld.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "gemeinsam/FakePlattform.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"
#include "ui/Text.h"
#include "ui/converter/EinheitenModell.h"
#include "ui/converter/MyWindow.h"

namespace kolvaro::ui::test {

// A dialog that counts its showings; a modal one at once does what the test
// asks, reports the reload its handlung returns and closes as OK.
class Probedialog : public Dialogbasis {
 public:
  using Handlung = std::function<Neuladen(Konverter&)>;
  Probedialog(const Dialogumgebung& umgebung, QWidget* eltern, const QString& name, Handlung handlung = {},
              bool modal = true)
      : Dialogbasis(umgebung, name, name, eltern, modal), m_Handlung(std::move(handlung)) {}
  int Gezeigt = 0;

 protected:
  void Vorbereiten() override {
    ++Gezeigt;
    if (!isModal()) return;
    QTimer::singleShot(0, this, [this] {
      AenderungMelden(m_Handlung ? m_Handlung(m_Konverter) : Neuladen::Nichts);
      accept();
    });
  }

 private:
  Handlung m_Handlung;
};

class Fenstertest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_Temp.isValid());
    m_Einstellungen =
        std::make_unique<QSettings>(m_Temp.filePath(QStringLiteral("einstellungen.ini")), QSettings::IniFormat);
    // An empty password, as after a first start confirmed without one: no
    // dialog asks before the test begins. Tests of the lock remove or replace it.
    ASSERT_TRUE(SchreibeAtomar(Verzeichnis() / "STOFFW10.NFO", {""}));
  }

  std::filesystem::path Verzeichnis() const { return m_Temp.path().toStdString(); }

  // The shipped data, built by the build, as the test's data directory.
  void GebauteDatenKopieren() {
    for (const auto& eintrag : std::filesystem::directory_iterator(KOLVARO_DATEN_DIR))
      std::filesystem::copy_file(eintrag.path(), Verzeichnis() / eintrag.path().filename());
  }

  void Starten(const Dialogfabriken& fabriken = Standardfabriken()) {
    m_Fenster.reset();
    m_Konverter = std::make_unique<Konverter>(Verzeichnis());
    m_Fenster = std::make_unique<TMyWindow>(*m_Konverter, m_Plattform, *m_Einstellungen, fabriken);
    m_Fenster->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_Fenster.get()));
  }
  void Schliessen() {
    m_Fenster->close();
    m_Fenster.reset();
  }

  template <typename T>
  T* Kind(const char* name) {
    T* kind = m_Fenster->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(kind, nullptr) << name;
    return kind;
  }
  QAction* Aktion(const char* name) { return Kind<QAction>(name); }
  QListView* Liste() { return Kind<QListView>("ListBoxEinheit"); }
  QLineEdit* Eingabe() { return Kind<QLineEdit>("Edit_Eingabe"); }
  QString Label(const char* name) { return Kind<QLabel>(name)->text(); }
  // The names the unit list shows, top to bottom.
  QStringList Namen() {
    QStringList namen;
    for (int i = 0; i < Liste()->model()->rowCount(); ++i) namen << Liste()->model()->index(i, 0).data().toString();
    return namen;
  }
  // The texts of the message boxes of one kind ("Fehler", "Frage", ...).
  QStringList Texte(const char* art) const { return m_Plattform.Texte(QString::fromLatin1(art)); }
  // A file of the data directory: its bytes, or its deciphered lines.
  std::string Roh(const char* datei) const {
    auto inhalt = DateiInhalt(Verzeichnis() / datei);
    return inhalt ? *inhalt : std::string();
  }
  std::vector<std::string> Klartext(const char* datei) const {
    auto zeilen = GeheimdateiLesen(Verzeichnis() / datei);
    EXPECT_TRUE(zeilen) << datei;
    return zeilen ? *zeilen : std::vector<std::string>{};
  }

  // Field 1 of every line of a data file, e.g. "jjnj" ("n": hidden).
  std::string Sichtbar(const char* datei) const {
    std::string t;
    for (const auto& zeile : Klartext(datei)) t += Feld(zeile, '\t', 1);
    return t;
  }
  // Writes enciphered unit lines into the data directory.
  void Daten(const char* datei, const std::vector<std::string>& zeilen) const {
    kolvaro::test::Verschluesselt(Verzeichnis() / datei, zeilen);
  }
  static std::string Einheitenzeile(const std::string& sichtbar, const std::string& land, const std::string& kurz,
                                    const std::string& name, const std::string& faktor) {
    return kolvaro::test::Einheitenzeile(sichtbar, land, kurz, name, faktor);
  }
  // The message of a failed rewrite of the file, as the one box expected.
  static QStringList NichtGeschrieben(const char* datei) { return {QtText(NichtGeschriebenMeldung(datei).Text)}; }
  // Runs handlung while writes past groesste bytes fail.
  template <typename F>
  static void Gesperrt(F&& handlung, rlim_t groesste = 0) {
    kolvaro::test::Schreibsperre sperre(groesste);
    handlung();
  }
  void Passwort(bool richtig) {
    m_Fenster->SetPasswortabfrage([richtig] { return richtig; });
  }
  static QStringList Eintraege(QListWidget* liste) {
    QStringList t;
    for (int i = 0; i < liste->count(); ++i) t << liste->item(i)->text();
    return t;
  }
  static QStringList Eintraege(QComboBox* box) {
    QStringList t;
    for (int i = 0; i < box->count(); ++i) t << box->itemText(i);
    return t;
  }
  // The categories of the selection box.
  QStringList Gebiete() { return Eintraege(Kind<QComboBox>("ComboBox2")); }

  // As the user does it: open the box, pick the entry.
  void GebietWaehlen(const QString& name) {
    auto* combo = Kind<QComboBox>("ComboBox2");
    const int index = combo->findText(name);
    ASSERT_GE(index, 0) << name.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  // The row of a unit (of the given country, if one is given); -1 and a
  // failure if the list has none.
  int Zeile(const QString& name, const QString& land = QString()) {
    auto* modell = Liste()->model();
    for (int i = 0; i < modell->rowCount(); ++i) {
      if (modell->index(i, 0).data().toString() != name) continue;
      if (land.isEmpty() || QtText(m_Konverter->Einheiten()[static_cast<std::size_t>(i)].Landname) == land) return i;
    }
    ADD_FAILURE() << "keine Zeile " << name.toStdString();
    return -1;
  }
  void Klicken(int zeile) {
    // The list lays out long categories in batches: let it finish, as it
    // does before a user could click.
    for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();
    const QModelIndex index = Liste()->model()->index(zeile, 0);
    Liste()->scrollTo(index);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    const QRect r = Liste()->visualRect(index);
    ASSERT_EQ(Liste()->indexAt(r.center()), index);
    QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, r.center());
  }
  void Waehlen(const QString& name) {
    const int zeile = Zeile(name);
    if (zeile >= 0) Klicken(zeile);
  }
  QString Ergebnis(int zeile) {
    return Liste()->model()->index(zeile, 0).data(EinheitenModell::ErgebnisRolle).toString();
  }
  QString Ergebnis(const QString& name) { return Ergebnis(Zeile(name)); }
  void Eintippen(const QString& text) {
    Eingabe()->selectAll();
    for (QChar c : text) {
      if (c.unicode() < 128) {
        QTest::keyClicks(Eingabe(), QString(c));
      } else {  // no key for it on the test keyboard: as an input method would
        QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(Eingabe(), &druck);
      }
    }
  }
  void Enter() { QTest::keyClick(Eingabe(), Qt::Key_Return); }
  // Puts the text into the field at once and converts with Enter.
  void Rechnen(const QString& text) {
    Eingabe()->setText(text);
    Enter();
  }

  // Triggers the action and runs bedienen on the modal dialog it opens
  // (found by its objectName) inside the dialog's own event loop; a dialog
  // still open afterwards is rejected, so the call always returns. false:
  // no such dialog was shown.
  template <typename D = QDialog, typename Bedienung>
  bool ImDialog(const char* aktion, const char* dialogname, Bedienung&& bedienen) {
    bool gezeigt = false;
    // The context lives as long as this call: when no dialog ran, the
    // call cannot come later and reach the locals it refers to.
    QObject kontext;
    QTimer::singleShot(0, &kontext, [&] {
      auto* dialog = m_Fenster->findChild<D*>(QString::fromLatin1(dialogname));
      if (!dialog || !dialog->isVisible()) return;
      gezeigt = true;
      bedienen(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    Aktion(aktion)->trigger();
    return gezeigt;
  }
  // The factory of a real dialog class, for Starten.
  template <typename D>
  static Dialogfabrik Fabrik() {
    return [](const Dialogumgebung& u, QWidget* e) { return new D(u, e); };
  }
  // A control of a dialog by its objectName.
  template <typename T>
  static T* Element(QWidget* eltern, const char* name) {
    T* element = eltern->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(element, nullptr) << name;
    return element;
  }
  static void Klick(QWidget* eltern, const char* knopf) {
    QTest::mouseClick(Element<QAbstractButton>(eltern, knopf), Qt::LeftButton);
  }
  static QString Text(QWidget* eltern, const char* label) { return Element<QLabel>(eltern, label)->text(); }

  QTemporaryDir m_Temp;
  FakePlattform m_Plattform;
  std::unique_ptr<QSettings> m_Einstellungen;
  std::unique_ptr<Konverter> m_Konverter;
  std::unique_ptr<TMyWindow> m_Fenster;
};

// The main window started on a copy of the built data before each test.
class GebautesFenster : public Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    GebauteDatenKopieren();
    Starten();
  }
};

}  // namespace kolvaro::ui::test
