// The manual and its window: every link leads to a page (and anchor) that
// exists, every page is compiled in and reachable from the contents, F1
// finds the page of each window, and the help window searches and walks its history.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
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

// "page: target" for every link whose page or #anchor does not exist. The
// help window follows links to its own pages only: a scheme or folder is broken.
QStringList DefekteVerweise(const QDir& ordner) {
  QStringList defekt;
  for (const QString& seite : ordner.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
    for (const QString& ziel : Verweise(Lesen(ordner.filePath(seite)))) {
      const QString datei = ziel.section(QLatin1Char('#'), 0, 0), anker = ziel.section(QLatin1Char('#'), 1);
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
  // The check itself finds each kind of broken link.
  QTemporaryDir temp;
  for (const auto& [name, html] : {std::pair{"a.html", R"(<a name="da"></a><a href="b.html">gut</a>
<a href="a.html#da">gut</a> <a href="#da">gut</a> <a HREF = "a.html#fehlt">Anker fehlt</a>
<a href="fehlt.html">Seite fehlt</a> <a href="http://example.org/">fremd</a> <a href="../a.html">Ordner</a>)"},
                                   std::pair{"b.html", ""}}) {
    QFile seite(temp.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(seite.open(QIODevice::WriteOnly));
    seite.write(html);
  }
  EXPECT_EQ(DefekteVerweise(QDir(temp.path())), (QStringList{"a.html: a.html#fehlt", "a.html: fehlt.html",
                                                             "a.html: http://example.org/", "a.html: ../a.html"}));
}

TEST(HilfeSeiten, JedeQuelleIstEingebundenHatTitelUndIstVomInhaltErreichbar) {
  const QStringList quellen = kQuellen.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
  EXPECT_EQ(Hilfeseiten(), quellen);
  static const QRegularExpression kTitel(QStringLiteral("<title>([^<]+)</title>"));
  QSet<QString> erreicht{kHilfeInhalt};
  for (QStringList offen{kHilfeInhalt}; !offen.isEmpty();) {
    for (const QString& verweis : Verweise(Lesen(kHilfeOrdner + offen.takeFirst()))) {
      const QString ziel = verweis.section(QLatin1Char('#'), 0, 0);
      if (!ziel.isEmpty() && !erreicht.contains(ziel)) offen << *erreicht.insert(ziel);
    }
  }
  for (const QString& seite : quellen) {
    EXPECT_TRUE(erreicht.contains(seite)) << seite.toStdString() << " ist vom Inhalt aus nicht erreichbar";
    EXPECT_TRUE(kTitel.match(Lesen(kQuellen.filePath(seite))).hasMatch()) << seite.toStdString() << " ohne Titel";
  }
}

// F1 through the real windows; the fake platform records the pages.
class HilfeF1 : public test::GebautesFenster {
 protected:
  // A shortcut works only once the application has taken the window as its active one.
  static void F1(QWidget& w) {
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }));
    QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_F1);
  }
};

TEST_F(HilfeF1, JedesFensterHatEineVorhandeneSeiteUndF1ZeigtSie) {
  ASSERT_EQ(Standardfabriken().size(), static_cast<std::size_t>(kDialogartAnzahl));
  QList<QWidget*> fenster{m_Fenster.get()};
  for (const auto& [art, fabrik] : Standardfabriken()) fenster << m_Fenster->Dialogfenster().Dialog(art);
  for (QWidget* w : fenster) {
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(Hilfeseiten().contains(HilfeseiteFuer(w->objectName()))) << w->objectName().toStdString();
  }

  Eingabe()->setFocus();
  F1(*m_Fenster);
  Aktion("Index1")->trigger();
  EXPECT_TRUE(ImDialog("MolmassenRechner1", "MolmasseDlg", [](QDialog& d) { F1(d); }));
  EXPECT_TRUE(ImDialog("Einheitensuchen1", "Such_Dialog", [](QDialog& d) { F1(d); }));
  // A viewer that stays open beside the main window answers as well.
  Aktion("Vorsatzzeichen1")->trigger();
  auto* vorsatz = Kind<QDialog>("Vorsatzzeichen");
  ASSERT_NE(vorsatz, nullptr);
  F1(*vorsatz);
  vorsatz->close();
  EXPECT_EQ(m_Plattform.HilfeSeiten,
            (QStringList{"umrechnen.html", "index.html", "molmasse.html", "suchen.html", "vorsatzzeichen.html"}));
}

class HilfefensterTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    m_Hilfe.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_Hilfe));
  }
  QTextBrowser* Browser() { return Element<QTextBrowser>(&m_Hilfe, "Browser"); }
  QListWidget* Treffer() { return Element<QListWidget>(&m_Hilfe, "Trefferliste"); }
  QStringList Suchen(const QString& begriff) {
    auto* feld = Element<QLineEdit>(&m_Hilfe, "Suchfeld");
    feld->clear();
    QTest::keyClicks(feld, begriff);
    QTest::keyClick(feld, Qt::Key_Return);
    QStringList seiten;
    for (int i = 0; i < Treffer()->count(); ++i) seiten << Treffer()->item(i)->data(Qt::UserRole).toString();
    return seiten;
  }
  void Klicken(const char* knopf, const char* danach) {
    Klick(&m_Hilfe, knopf);
    EXPECT_EQ(m_Hilfe.Seite(), QString::fromLatin1(danach)) << knopf;
  }

  THilfefenster m_Hilfe;
};

TEST_F(HilfefensterTest, SucheFindetEinWortNurAufSeinerSeiteUndOeffnetSie) {
  ASSERT_TRUE(m_Hilfe.SeiteOeffnen(kHilfeInhalt));
  // Capitals and small letters count the same; the word is on one page only.
  ASSERT_EQ(Suchen(QStringLiteral("TRITIUM")), QStringList{"molmasse.html"});
  EXPECT_EQ(Text(&m_Hilfe, "Trefferzahl"), QStringLiteral("1 Seite gefunden:"));
  QTest::mouseClick(Treffer()->viewport(), Qt::LeftButton, {}, Treffer()->visualItemRect(Treffer()->item(0)).center());
  EXPECT_EQ(m_Hilfe.Seite(), QStringLiteral("molmasse.html"));
  EXPECT_EQ(Browser()->textCursor().selectedText().toLower(), QStringLiteral("tritium"));

  // A word on many pages lists each once; markup is not text.
  QStringList viele = Suchen(QStringLiteral("kolvaro"));
  EXPECT_GT(viele.size(), 5);
  EXPECT_EQ(viele.removeDuplicates(), 0);
  EXPECT_TRUE(m_Hilfe.Suchen(QStringLiteral("charset")).isEmpty());
  EXPECT_TRUE(Suchen(QStringLiteral("Quuxwort")).isEmpty());
  EXPECT_TRUE(Text(&m_Hilfe, "Trefferzahl").startsWith(QStringLiteral("Keine Seite")));
}

TEST_F(HilfefensterTest, VerlaufUndNurSeitenDesHandbuchs) {
  auto* zurueck = Element<QPushButton>(&m_Hilfe, "Zurueck");
  auto* vor = Element<QPushButton>(&m_Hilfe, "Vor");
  ASSERT_TRUE(m_Hilfe.SeiteOeffnen(kHilfeInhalt));
  EXPECT_FALSE(zurueck->isEnabled());
  // The pages are UTF-8: the umlauts arrive as written.
  EXPECT_TRUE(Browser()->toPlainText().contains(QStringLiteral("Überblick und Umrechnen")));
  ASSERT_TRUE(m_Hilfe.SeiteOeffnen(QStringLiteral("molmasse.html#formel")));
  EXPECT_EQ(Browser()->source().fragment(), QStringLiteral("formel"));
  for (const char* falsch : {"fehlt.html", "", "#formel", "../flaggen.txt", "hilfe.qrc"})
    EXPECT_FALSE(m_Hilfe.SeiteOeffnen(QString::fromLatin1(falsch))) << falsch;
  ASSERT_TRUE(m_Hilfe.SeiteOeffnen(QStringLiteral("elemente.html")));
  EXPECT_TRUE(zurueck->isEnabled() && !vor->isEnabled());
  Klicken("Zurueck", "molmasse.html");  // the refused pages are not in the history
  Klicken("Zurueck", "index.html");
  EXPECT_FALSE(zurueck->isEnabled());
  Klicken("Vor", "molmasse.html");
  Klicken("Inhalt", "index.html");
  EXPECT_FALSE(vor->isEnabled());  // a new page ends the way forward
}

TEST(HilfeQtPlattform, OeffnetDasFensterMitDerSeiteUndSchliesstEs) {
  QtPlattform plattform;
  ASSERT_TRUE(plattform.HilfeOeffnen(QStringLiteral("kommandozeile.html")));
  THilfefenster* fenster = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* h = qobject_cast<THilfefenster*>(w); h && h->isVisible()) fenster = h;
  ASSERT_NE(fenster, nullptr);
  EXPECT_FALSE(plattform.HilfeOeffnen(QStringLiteral("fehlt.html")));
  EXPECT_EQ(fenster->Seite(), QStringLiteral("kommandozeile.html"));
  plattform.HilfeSchliessen();
  EXPECT_FALSE(fenster->isVisible());
}

}  // namespace
}  // namespace kolvaro::ui
