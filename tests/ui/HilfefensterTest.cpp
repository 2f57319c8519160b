// The manual and its window: every link of the pages leads to a page (and
// anchor) that exists, every page is compiled in and reachable from the
// contents, F1 finds the page of each window, and the help window searches
// all pages and walks its history.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>

#include "gemeinsam/Fenstertest.h"
#include "ui/Hilfefenster.h"
#include "ui/QtPlattform.h"

namespace kolvaro::ui {
namespace {

QString Lesen(const QString& pfad) {
  QFile datei(pfad);
  EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << pfad.toStdString();
  return QString::fromUtf8(datei.readAll());
}

QStringList Verweise(const QString& html) {
  static const QRegularExpression kVerweis(QStringLiteral("href\\s*=\\s*\"([^\"]*)\""),
                                           QRegularExpression::CaseInsensitiveOption);
  QStringList ziele;
  for (auto treffer = kVerweis.globalMatch(html); treffer.hasNext();) ziele << treffer.next().captured(1);
  return ziele;
}

// "page: target" for every link of the pages in ordner whose page, or whose
// #anchor on that page, does not exist. The help window follows links to
// its own pages only, so a link with a scheme or a folder counts as broken.
QStringList DefekteVerweise(const QDir& ordner) {
  QStringList defekt;
  for (const QString& seite : ordner.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
    for (const QString& ziel : Verweise(Lesen(ordner.filePath(seite)))) {
      const int raute = ziel.indexOf(QLatin1Char('#'));
      const QString datei = raute < 0 ? ziel : ziel.left(raute);
      const QString anker = raute < 0 ? QString() : ziel.mid(raute + 1);
      const QString zielseite = datei.isEmpty() ? seite : datei;
      bool gut =
          !zielseite.contains(QLatin1Char(':')) && !zielseite.contains(QLatin1Char('/')) && ordner.exists(zielseite);
      if (gut && !anker.isEmpty()) {
        const QString html = Lesen(ordner.filePath(zielseite));
        gut = html.contains(QStringLiteral("name=\"%1\"").arg(anker)) ||
              html.contains(QStringLiteral("id=\"%1\"").arg(anker));
      }
      if (!gut) defekt << seite + QStringLiteral(": ") + ziel;
    }
  }
  return defekt;
}

const QDir kQuellen(QStringLiteral(KOLVARO_HILFE_DIR));

TEST(HilfeSeiten, JederVerweisFuehrtZuEinerSeiteUndIhremAnker) {
  ASSERT_TRUE(kQuellen.exists(kHilfeInhalt));
  EXPECT_EQ(DefekteVerweise(kQuellen), QStringList());
}

TEST(HilfeSeiten, DiePruefungErkenntDefekteVerweise) {
  QTemporaryDir temp;
  QFile seite(temp.filePath(QStringLiteral("a.html")));
  ASSERT_TRUE(seite.open(QIODevice::WriteOnly));
  seite.write(R"(<a name="da"></a><a href="b.html">gut</a> <a href="a.html#da">gut</a> <a href="#da">gut</a>
<a HREF = "a.html#fehlt">Anker fehlt</a> <a href="fehlt.html">Seite fehlt</a>
<a href="http://example.org/">fremd</a> <a href="../a.html">Ordner</a>)");
  seite.close();
  QFile b(temp.filePath(QStringLiteral("b.html")));
  ASSERT_TRUE(b.open(QIODevice::WriteOnly));
  b.close();
  EXPECT_EQ(DefekteVerweise(QDir(temp.path())), (QStringList{"a.html: a.html#fehlt", "a.html: fehlt.html",
                                                             "a.html: http://example.org/", "a.html: ../a.html"}));
}

TEST(HilfeSeiten, JedeQuelleIstEingebundenHatTitelUndIstVomInhaltErreichbar) {
  const QStringList quellen = kQuellen.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
  EXPECT_EQ(Hilfeseiten(), quellen);

  static const QRegularExpression kTitel(QStringLiteral("<title>([^<]+)</title>"));
  QSet<QString> erreicht{kHilfeInhalt};
  QStringList offen{kHilfeInhalt};
  while (!offen.isEmpty()) {
    const QString html = Lesen(kHilfeOrdner + offen.takeFirst());
    for (QString ziel : Verweise(html)) {
      ziel = ziel.section(QLatin1Char('#'), 0, 0);
      if (!ziel.isEmpty() && !erreicht.contains(ziel)) {
        erreicht.insert(ziel);
        offen << ziel;
      }
    }
  }
  for (const QString& seite : quellen) {
    EXPECT_TRUE(erreicht.contains(seite)) << seite.toStdString() << " ist vom Inhalt aus nicht erreichbar";
    EXPECT_TRUE(kTitel.match(Lesen(kQuellen.filePath(seite))).hasMatch()) << seite.toStdString() << " ohne Titel";
  }
}

// F1 through the real windows; the fake platform records the pages.
class HilfeF1 : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    GebauteDatenKopieren();
    Starten();
  }
  // Presses F1 where the focus is in the dialog, once the application has
  // taken the dialog as its active window (a shortcut works only there).
  static void F1(QDialog& d) {
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &d; }));
    QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_F1);
  }
};

TEST_F(HilfeF1, JedesFensterHatEineVorhandeneSeite) {
  QStringList namen{m_Fenster->objectName()};
  for (const auto& [art, fabrik] : Standardfabriken()) {
    ASSERT_NE(m_Fenster->Dialogfenster().Dialog(art), nullptr);
    namen << m_Fenster->Dialogfenster().Dialog(art)->objectName();
  }
  ASSERT_EQ(namen.size(), kDialogartAnzahl + 1);
  for (const QString& name : namen) {
    const QString seite = HilfeseiteFuer(name);
    EXPECT_FALSE(seite.isEmpty()) << name.toStdString() << " hat keine Hilfeseite";
    EXPECT_TRUE(Hilfeseiten().contains(seite)) << name.toStdString() << " -> " << seite.toStdString();
  }
  EXPECT_EQ(HilfeseiteFuer(QStringLiteral("MyWindow")), QStringLiteral("umrechnen.html"));
}

TEST_F(HilfeF1, HauptfensterZeigtUmrechnenUndDasMenueDenInhalt) {
  m_Fenster->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == m_Fenster.get(); }));
  Eingabe()->setFocus();
  QTest::keyClick(Eingabe(), Qt::Key_F1);
  EXPECT_EQ(m_Plattform.HilfeSeiten, QStringList{"umrechnen.html"});

  ASSERT_TRUE(Aktion("Index1")->isEnabled());
  Aktion("Index1")->trigger();
  EXPECT_EQ(m_Plattform.HilfeSeiten, (QStringList{"umrechnen.html", "index.html"}));
}

TEST_F(HilfeF1, DialogeZeigenIhreEigeneSeite) {
  EXPECT_TRUE(ImDialog("MolmassenRechner1", "MolmasseDlg", [](QDialog& d) { F1(d); }));
  EXPECT_TRUE(ImDialog("Einheitensuchen1", "Such_Dialog", [](QDialog& d) { F1(d); }));
  // A viewer that stays open beside the main window answers as well.
  Aktion("Vorsatzzeichen1")->trigger();
  auto* vorsatz = m_Fenster->findChild<QDialog*>(QStringLiteral("Vorsatzzeichen"));
  ASSERT_NE(vorsatz, nullptr);
  F1(*vorsatz);
  vorsatz->close();
  EXPECT_EQ(m_Plattform.HilfeSeiten, (QStringList{"molmasse.html", "suchen.html", "vorsatzzeichen.html"}));
}

class HilfefensterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_Fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_Fenster));
  }
  template <typename T>
  T* Kind(const char* name) {
    T* kind = m_Fenster.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(kind, nullptr) << name;
    return kind;
  }
  QTextBrowser* Browser() { return Kind<QTextBrowser>("Browser"); }
  QListWidget* Treffer() { return Kind<QListWidget>("Trefferliste"); }
  void Suchen(const QString& begriff) {
    auto* feld = Kind<QLineEdit>("Suchfeld");
    feld->clear();
    QTest::keyClicks(feld, begriff);
    QTest::keyClick(feld, Qt::Key_Return);
  }
  QStringList Trefferseiten() {
    QStringList seiten;
    for (int i = 0; i < Treffer()->count(); ++i) seiten << Treffer()->item(i)->data(Qt::UserRole).toString();
    return seiten;
  }

  THilfefenster m_Fenster;
};

TEST_F(HilfefensterTest, SucheFindetEinWortNurAufSeinerSeiteUndOeffnetSie) {
  ASSERT_TRUE(m_Fenster.SeiteOeffnen(kHilfeInhalt));
  // Capitals and small letters count the same; the word is on one page only.
  Suchen(QStringLiteral("TRITIUM"));
  ASSERT_EQ(Trefferseiten(), QStringList{"molmasse.html"});
  EXPECT_EQ(Kind<QLabel>("Trefferzahl")->text(), QStringLiteral("1 Seite gefunden:"));
  const QRect zeile = Treffer()->visualItemRect(Treffer()->item(0));
  QTest::mouseClick(Treffer()->viewport(), Qt::LeftButton, {}, zeile.center());
  EXPECT_EQ(m_Fenster.Seite(), QStringLiteral("molmasse.html"));
  EXPECT_EQ(Browser()->textCursor().selectedText().toLower(), QStringLiteral("tritium"));

  // A word on many pages lists each once; markup is not text.
  Suchen(QStringLiteral("kolvaro"));
  EXPECT_GT(Treffer()->count(), 5);
  EXPECT_EQ(Trefferseiten().removeDuplicates(), 0);
  EXPECT_TRUE(m_Fenster.Suchen(QStringLiteral("charset")).isEmpty());
  Suchen(QStringLiteral("Quuxwort"));
  EXPECT_EQ(Treffer()->count(), 0);
  EXPECT_TRUE(Kind<QLabel>("Trefferzahl")->text().startsWith(QStringLiteral("Keine Seite")));
}

TEST_F(HilfefensterTest, ZurueckUndVorFolgenDemVerlauf) {
  auto* zurueck = Kind<QPushButton>("Zurueck");
  auto* vor = Kind<QPushButton>("Vor");
  ASSERT_TRUE(m_Fenster.SeiteOeffnen(kHilfeInhalt));
  EXPECT_FALSE(zurueck->isEnabled());
  // The pages are UTF-8: the umlauts arrive as written.
  EXPECT_TRUE(Browser()->toPlainText().contains(QStringLiteral("Überblick und Umrechnen")));
  ASSERT_TRUE(m_Fenster.SeiteOeffnen(QStringLiteral("molmasse.html")));
  ASSERT_TRUE(m_Fenster.SeiteOeffnen(QStringLiteral("elemente.html")));
  EXPECT_TRUE(zurueck->isEnabled());
  EXPECT_FALSE(vor->isEnabled());

  QTest::mouseClick(zurueck, Qt::LeftButton);
  EXPECT_EQ(m_Fenster.Seite(), QStringLiteral("molmasse.html"));
  QTest::mouseClick(zurueck, Qt::LeftButton);
  EXPECT_EQ(m_Fenster.Seite(), QStringLiteral("index.html"));
  EXPECT_FALSE(zurueck->isEnabled());
  ASSERT_TRUE(vor->isEnabled());
  QTest::mouseClick(vor, Qt::LeftButton);
  EXPECT_EQ(m_Fenster.Seite(), QStringLiteral("molmasse.html"));

  QTest::mouseClick(Kind<QPushButton>("Inhalt"), Qt::LeftButton);
  EXPECT_EQ(m_Fenster.Seite(), QStringLiteral("index.html"));
  EXPECT_FALSE(vor->isEnabled());  // a new page ends the way forward
}

TEST_F(HilfefensterTest, NurSeitenDesHandbuchsLassenSichOeffnen) {
  ASSERT_TRUE(m_Fenster.SeiteOeffnen(QStringLiteral("molmasse.html#formel")));
  EXPECT_EQ(m_Fenster.Seite(), QStringLiteral("molmasse.html"));
  EXPECT_EQ(Browser()->source().fragment(), QStringLiteral("formel"));
  for (const char* falsch : {"fehlt.html", "", "#formel", "../flaggen.txt", "hilfe.qrc"})
    EXPECT_FALSE(m_Fenster.SeiteOeffnen(QString::fromLatin1(falsch))) << falsch;
  EXPECT_EQ(m_Fenster.Seite(), QStringLiteral("molmasse.html"));
}

TEST(HilfeQtPlattform, OeffnetDasFensterMitDerSeiteUndSchliesstEs) {
  QtPlattform plattform;
  ASSERT_TRUE(plattform.HilfeOeffnen(QStringLiteral("kommandozeile.html")));
  THilfefenster* fenster = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* h = qobject_cast<THilfefenster*>(w); h && h->isVisible()) fenster = h;
  ASSERT_NE(fenster, nullptr);
  EXPECT_EQ(fenster->Seite(), QStringLiteral("kommandozeile.html"));
  EXPECT_FALSE(plattform.HilfeOeffnen(QStringLiteral("fehlt.html")));
  EXPECT_EQ(fenster->Seite(), QStringLiteral("kommandozeile.html"));
  plattform.HilfeSchliessen();
  EXPECT_FALSE(fenster->isVisible());
}

}  // namespace
}  // namespace kolvaro::ui
