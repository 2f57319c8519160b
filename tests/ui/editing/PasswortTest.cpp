// The password lock in the window with the real password dialogs; the
// protected commands open probes. The file's rules are PasswortdateiTest's.
#include <gtest/gtest.h>

#include <deque>

#include "editing/Passwortdatei.h"
#include "gemeinsam/Fenstertest.h"
#include "ui/editing/PasswordDlg.h"
#include "ui/editing/PasswortErzeugungDlg.h"

namespace kolvaro::ui {
namespace {

namespace fs = std::filesystem;

class PasswortTest : public test::Fenstertest {
 protected:
  using Schritt = std::function<void(QDialog*)>;

  void SetUp() override {
    Fenstertest::SetUp();
    GebauteDatenKopieren();
    fs::remove(Datei());  // every test says itself whether the file is there
    // Whenever a password dialog waits, the next step acts on it; one that
    // no step expects is cancelled and recorded, so no test can hang on it.
    m_Waechter.setInterval(5);
    QObject::connect(&m_Waechter, &QTimer::timeout, [this] { Wachen(); });
    m_Waechter.start();
  }
  void TearDown() override {
    m_Waechter.stop();
    EXPECT_TRUE(m_Schritte.empty()) << m_Schritte.size() << " Schritte ohne Dialog";
    EXPECT_TRUE(m_Unerwartet.isEmpty()) << m_Unerwartet.join(QStringLiteral(", ")).toStdString();
  }
  fs::path Datei() const { return Verzeichnis() / kPasswortdatei; }

  // The real password dialogs and probes for two protected commands.
  void Starten() {
    auto probe = [](const char* name) -> Dialogfabrik {
      return [name](const Dialogumgebung& u, QWidget* e) { return new test::Probedialog(u, e, name); };
    };
    Fenstertest::Starten({{Dialogart::Passwortabfrage, Fabrik<TPasswordDlg>()},
                          {Dialogart::PasswortErzeugung, Fabrik<TPasswortErzeugungDlg>()},
                          {Dialogart::GebietNeu, probe("GebietNeu")},
                          {Dialogart::EigeneEinheit, probe("Eigene")}});
  }

  void Dann(Schritt schritt) { m_Schritte.push_back(std::move(schritt)); }
  void Wachen() {
    if (!m_Fenster) return;
    for (QDialog* d : {static_cast<QDialog*>(m_Fenster->findChild<TPasswordDlg*>()),
                       static_cast<QDialog*>(m_Fenster->findChild<TPasswortErzeugungDlg*>())}) {
      if (!d || !d->isVisible()) continue;
      if (m_Schritte.empty()) {
        m_Unerwartet << d->objectName();
        d->reject();
        return;
      }
      Schritt schritt = std::move(m_Schritte.front());
      m_Schritte.pop_front();
      return schritt(d);
    }
  }

  // As the user does it in a dialog: the text typed into its one field (in
  // an emptied field), then the button or Escape.
  static QLineEdit* Feld(QDialog* d) { return d->findChild<QLineEdit*>(); }
  static Schritt Tippen(const QString& text, const char* knopf = "BitBtn1") {
    return [text, knopf](QDialog* d) {
      EXPECT_TRUE(Feld(d)->text().isEmpty());
      QTest::keyClicks(Feld(d), text);
      knopf ? Klick(d, knopf) : QTest::keyClick(d, Qt::Key_Escape);
    };
  }
  void Geschuetzt() { Aktion("NeuesGebieteinfgen1")->trigger(); }

  bool Gespeichert(const char* passwort) {
    const auto stimmt = PasswortStimmt(Verzeichnis(), Cp1252(passwort));
    return stimmt && *stimmt;
  }
  // A probe never called does not exist yet: shown 0 times.
  int Gezeigt(const char* probe) {
    auto* dialog = m_Fenster->findChild<test::Probedialog*>(QString::fromLatin1(probe));
    return dialog ? dialog->Gezeigt : 0;
  }
  QStringList Meldungen() const {
    QStringList texte;
    for (const auto& b : m_Plattform.Boxen) texte << b.Art + QStringLiteral(": ") + b.Text;
    return texte;
  }

  QTimer m_Waechter;
  std::deque<Schritt> m_Schritte;
  QStringList m_Unerwartet;
};

// Closed without OK the first start writes nothing and asks again at the
// next; OK on an empty field writes the empty password, which is never asked
// for (every other window test runs with it).
TEST_F(PasswortTest, ErsterStartFragtBisEinPasswortGewaehltIst) {
  Dann(Tippen(QStringLiteral("vergessen"), nullptr));
  Starten();
  EXPECT_FALSE(fs::exists(Datei()));
  EXPECT_GT(Liste()->model()->rowCount(), 0);
  Dann(Tippen(QString()));
  Starten();
  EXPECT_EQ(*DateiInhalt(Datei()), "\r\n");
  Geschuetzt();  // a query would be recorded as unexpected
  EXPECT_EQ(Gezeigt("GebietNeu"), 1);
  EXPECT_EQ(Meldungen(), QStringList());
}

TEST_F(PasswortTest, JedeAbfrageEntscheidetNeu) {
  ASSERT_TRUE(PasswortSchreiben(Verzeichnis(), "Geheim"));
  Starten();
  // A wrong one: the plain message, no command; the right one, in a field emptied anew.
  Dann(Tippen(QStringLiteral("geheim")));
  Geschuetzt();
  EXPECT_EQ(Gezeigt("GebietNeu"), 0);
  Dann(Tippen(QStringLiteral("Geheim")));
  Geschuetzt();
  EXPECT_EQ(Gezeigt("GebietNeu"), 1);
  // The earlier success is not remembered: cancelling or Escape refuses.
  Dann(Tippen(QStringLiteral("Geheim"), "BitBtn2"));
  Geschuetzt();
  Dann(Tippen(QStringLiteral("Geheim"), nullptr));
  Geschuetzt();
  EXPECT_EQ(Gezeigt("GebietNeu"), 1);
  // Own units say the refusal in their own words; nothing else said anything.
  Dann(Tippen(QStringLiteral("Geheim ")));
  Aktion("EigeneEinheiteinfgen1")->trigger();
  EXPECT_EQ(Gezeigt("Eigene"), 0);
  const QString falsch = QStringLiteral("Schlicht: Falsches Passwort!");
  EXPECT_EQ(Meldungen(), (QStringList{falsch, falsch, falsch + QLatin1Char('!')}));
}

TEST_F(PasswortTest, OhnePasswortdateiBleibtGesperrt) {
  ASSERT_TRUE(PasswortSchreiben(Verzeichnis(), "Geheim"));
  Starten();
  const QStringList meldung{QStringLiteral("Fehler: ") + QtText(PasswortdateiMeldung().Text)};
  // Deleted while the program runs: locked, without a query.
  fs::remove(Datei());
  Geschuetzt();
  EXPECT_EQ(Meldungen(), meldung);
  // Gone between the question and the answer: refused with the same message.
  ASSERT_TRUE(PasswortSchreiben(Verzeichnis(), "Geheim"));
  m_Plattform.Boxen.clear();
  Dann([this](QDialog* d) {
    fs::remove(Datei());
    Tippen(QStringLiteral("Geheim"))(d);
  });
  Geschuetzt();
  EXPECT_EQ(Meldungen(), meldung);
  EXPECT_EQ(Gezeigt("GebietNeu"), 0);
  EXPECT_FALSE(fs::exists(Datei()));  // nothing wrote a new file behind the user's back
}

// A password the file cannot hold (the core refuses the others) keeps the
// dialog open with the typed text, and nothing is written until it is changed.
TEST_F(PasswortTest, ErzeugungLehntUnspeicherbaresPasswortAb) {
  Dann([this](QDialog* d) {
    Feld(d)->setText(QStringLiteral("Geheim\u03A9"));
    Klick(d, "BitBtn1");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(Feld(d)->text(), QStringLiteral("Geheim\u03A9"));
    EXPECT_FALSE(fs::exists(Datei()));
    Feld(d)->setText(QStringLiteral("Geheim"));
    Klick(d, "BitBtn1");
  });
  Starten();
  EXPECT_EQ(Meldungen(), QStringList{QStringLiteral("Information: Das Feld \"Passwort\" enthält ein Zeichen, das "
                                                    "Kolvaro nicht speichern kann. Bitte ändern!")});
  EXPECT_TRUE(Gespeichert("Geheim"));
}

TEST_F(PasswortTest, MisslungenesSchreibenBehaeltDasGetippte) {
  fs::create_directories(Datei() / "drin");  // a directory in the way of the password file
  Dann(Tippen(QStringLiteral("Geheim")));
  Dann([](QDialog* d) {
    EXPECT_EQ(Feld(d)->text(), QStringLiteral("Geheim"));
    QTest::keyClick(d, Qt::Key_Escape);
  });
  Starten();
  EXPECT_EQ(Meldungen(), QStringList{QStringLiteral("Fehler: ") + NichtGeschrieben(kPasswortdatei).front()});
  EXPECT_TRUE(fs::is_directory(Datei() / "drin"));
  EXPECT_GT(Liste()->model()->rowCount(), 0);  // the window started all the same
}

}  // namespace
}  // namespace kolvaro::ui
