// The password lock in the window: the password is chosen at the first
// start, asked for before a protected command, and a missing or damaged
// password file locks. The password dialogs are the real ones; the
// protected command opens a probe that only counts.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>

#include "data/Textdatei.h"
#include "data/Verschluesselung.h"
#include "editing/Passwortdatei.h"
#include "gemeinsam/Fenstertest.h"
#include "ui/editing/PasswordDlg.h"
#include "ui/editing/PasswortErzeugungDlg.h"

namespace kolvaro::ui {
namespace {

namespace fs = std::filesystem;

// A protected command's dialog: counts its showings and closes at once.
class Zaehldialog : public Dialogbasis {
 public:
  Zaehldialog(const Dialogumgebung& umgebung, QWidget* eltern, const QString& name)
      : Dialogbasis(umgebung, name, name, eltern) {}
  int Gezeigt = 0;

 protected:
  void Vorbereiten() override {
    ++Gezeigt;
    QTimer::singleShot(0, this, &QDialog::accept);
  }
};

class PasswortTest : public test::Fenstertest {
 protected:
  using Schritt = std::function<void(QDialog*)>;

  void SetUp() override {
    Fenstertest::SetUp();
    GebauteDatenKopieren();
    // Every test says itself whether the password file is there.
    std::error_code ignoriert;
    fs::remove(Datei(), ignoriert);
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

  // The window with the real password dialogs and probes for two protected
  // commands. Started here rather than through the common start, so that
  // nothing prepares a password file behind the test's back.
  void Starten() {
    Dialogfabriken fabriken{
        {Dialogart::Passwortabfrage, [](const Dialogumgebung& u, QWidget* e) { return new TPasswordDlg(u, e); }},
        {Dialogart::PasswortErzeugung,
         [](const Dialogumgebung& u, QWidget* e) { return new TPasswortErzeugungDlg(u, e); }},
        {Dialogart::GebietNeu,
         [](const Dialogumgebung& u, QWidget* e) { return new Zaehldialog(u, e, QStringLiteral("GebietNeu")); }},
        {Dialogart::EigeneEinheit,
         [](const Dialogumgebung& u, QWidget* e) { return new Zaehldialog(u, e, QStringLiteral("Eigene")); }},
    };
    m_Fenster.reset();
    m_Konverter = std::make_unique<Konverter>(Verzeichnis());
    m_Fenster = std::make_unique<TMyWindow>(*m_Konverter, m_Plattform, *m_Einstellungen, fabriken);
    m_Fenster->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_Fenster.get()));
  }

  void Dann(Schritt schritt) { m_Schritte.push_back(std::move(schritt)); }
  void Wachen() {
    if (!m_Fenster) return;
    QDialog* offen = nullptr;
    for (QDialog* d : {static_cast<QDialog*>(m_Fenster->findChild<TPasswordDlg*>()),
                       static_cast<QDialog*>(m_Fenster->findChild<TPasswortErzeugungDlg*>())})
      if (d && d->isVisible()) offen = d;
    if (!offen) return;
    if (m_Schritte.empty()) {
      m_Unerwartet << offen->objectName();
      offen->reject();
      return;
    }
    Schritt schritt = std::move(m_Schritte.front());
    m_Schritte.pop_front();
    schritt(offen);
  }

  // As the user does it in a dialog.
  static QLineEdit* Feld(QDialog* d, const char* name) { return d->findChild<QLineEdit*>(QString::fromLatin1(name)); }
  static void Tippen(QDialog* d, const char* feld, const QString& text) { QTest::keyClicks(Feld(d, feld), text); }
  static void Knopf(QDialog* d, const char* name) {
    QTest::mouseClick(d->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
  }
  static void Escape(QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }
  // The password typed into the query and confirmed.
  Schritt Antwort(const QString& passwort) {
    return [passwort](QDialog* d) {
      Tippen(d, "Password", passwort);
      Knopf(d, "BitBtn1");
    };
  }

  // The deciphered first line of the password file.
  std::string GespeichertesPasswort() {
    auto zeilen = DateiLaden(Datei());
    EXPECT_TRUE(zeilen);
    if (!zeilen || zeilen->empty()) return "<keine Zeile>";
    return LinieEntschluesseln(zeilen->front(), 2).value_or("<beschaedigt>");
  }
  int Gezeigt(const char* probe) { return Kind<Zaehldialog>(probe)->Gezeigt; }
  QStringList Meldungen() const {
    QStringList texte;
    for (const auto& b : m_Plattform.Boxen) texte << b.Art + QStringLiteral(": ") + b.Text;
    return texte;
  }

  QTimer m_Waechter;
  std::deque<Schritt> m_Schritte;
  QStringList m_Unerwartet;
};

TEST_F(PasswortTest, ErsterStartFragtBisEinPasswortGewaehltIst) {
  // Closed without OK: nothing written, the start goes on.
  Dann([](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Passwort-Erzeugung"));
    const QStringList zeilen = d->findChild<QPlainTextEdit*>()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 14);
    EXPECT_EQ(zeilen[0], QStringLiteral("Sehr geehrter Anwender von Kolvaro,"));
    EXPECT_EQ(zeilen[3], QStringLiteral("Passwort haben Sie dann in Zukunft Zugriff zu folgenden Funktionen :"));
    EXPECT_EQ(zeilen[9], QStringLiteral("- Einfügen und löschen von Gebieten"));
    EXPECT_EQ(zeilen[13], QStringLiteral("Geben Sie kein Passwort ein, so sind die Funktionen frei zugänglich."));
    EXPECT_EQ(Feld(d, "Edit1")->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(d->focusWidget(), Feld(d, "Edit1"));
    Tippen(d, "Edit1", QStringLiteral("vergessen"));
    Escape(d);
  });
  Starten();
  EXPECT_FALSE(fs::exists(Datei()));
  EXPECT_EQ(m_Fenster->windowTitle(), QStringLiteral("Kolvaro 6.0"));
  EXPECT_GT(Kind<QComboBox>("ComboBox2")->count(), 0);
  EXPECT_GT(Liste()->model()->rowCount(), 0);

  // The next start asks again; OK writes the password enciphered.
  Dann([](QDialog* d) {
    EXPECT_TRUE(Feld(d, "Edit1")->text().isEmpty());
    Tippen(d, "Edit1", QStringLiteral("Geheim"));
    Knopf(d, "BitBtn1");
  });
  Starten();
  EXPECT_EQ(GespeichertesPasswort(), "Geheim");
  EXPECT_GT(fs::file_size(Datei()), 2u);

  // From now on the start is quiet and the protected command asks.
  Starten();
  EXPECT_TRUE(m_Unerwartet.isEmpty());
  Dann(Antwort(QStringLiteral("Geheim")));
  Aktion("NeuesGebieteinfgen1")->trigger();
  EXPECT_EQ(Gezeigt("GebietNeu"), 1);
  EXPECT_TRUE(m_Plattform.Boxen.empty()) << Meldungen().join('\n').toStdString();
}

TEST_F(PasswortTest, LeeresPasswortLaesstAllesOffen) {
  Dann([](QDialog* d) { Knopf(d, "BitBtn1"); });
  Starten();
  EXPECT_EQ(*DateiInhalt(Datei()), "\r\n");
  // No query: a query would be recorded as unexpected.
  Aktion("NeuesGebieteinfgen1")->trigger();
  Aktion("NeuesGebieteinfgen1")->trigger();
  Aktion("EigeneEinheiteinfgen1")->trigger();
  EXPECT_EQ(Gezeigt("GebietNeu"), 2);
  EXPECT_EQ(Gezeigt("Eigene"), 1);
  EXPECT_TRUE(m_Plattform.Boxen.empty()) << Meldungen().join('\n').toStdString();
}

TEST_F(PasswortTest, JedeAbfrageEntscheidetNeu) {
  ASSERT_TRUE(PasswortSchreiben(Verzeichnis(), "Geheim"));
  Starten();
  EXPECT_TRUE(m_Unerwartet.isEmpty());  // no creation dialog

  // Small letters are not the password: the plain message, no command.
  Dann([](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Passwort-Abfrage"));
    EXPECT_EQ(Feld(d, "Password")->echoMode(), QLineEdit::Password);
    Tippen(d, "Password", QStringLiteral("geheim"));
    Knopf(d, "BitBtn1");
  });
  Aktion("NeuesGebieteinfgen1")->trigger();
  EXPECT_EQ(Gezeigt("GebietNeu"), 0);
  EXPECT_EQ(Meldungen(), QStringList{QStringLiteral("Schlicht: Falsches Passwort!")});

  // The right one, in a field emptied and focused anew.
  m_Plattform.Boxen.clear();
  Dann([](QDialog* d) {
    EXPECT_TRUE(Feld(d, "Password")->text().isEmpty());
    EXPECT_EQ(d->focusWidget(), Feld(d, "Password"));
    Tippen(d, "Password", QStringLiteral("Geheim"));
    Knopf(d, "BitBtn1");
  });
  Aktion("NeuesGebieteinfgen1")->trigger();
  EXPECT_EQ(Gezeigt("GebietNeu"), 1);

  // The earlier success is not remembered: cancelling or Escape refuses.
  Dann([](QDialog* d) {
    Tippen(d, "Password", QStringLiteral("Geheim"));
    Knopf(d, "BitBtn2");
  });
  Aktion("NeuesGebieteinfgen1")->trigger();
  Dann([](QDialog* d) {
    Tippen(d, "Password", QStringLiteral("Geheim"));
    Escape(d);
  });
  Aktion("NeuesGebieteinfgen1")->trigger();
  EXPECT_EQ(Gezeigt("GebietNeu"), 1);
  EXPECT_TRUE(m_Plattform.Boxen.empty()) << Meldungen().join('\n').toStdString();

  // Own units say the refusal once more in their own words.
  Dann(Antwort(QStringLiteral("Geheim ")));
  Aktion("EigeneEinheiteinfgen1")->trigger();
  EXPECT_EQ(Gezeigt("Eigene"), 0);
  EXPECT_EQ(Meldungen(), (QStringList{QStringLiteral("Schlicht: Falsches Passwort!"),
                                      QStringLiteral("Schlicht: Falsches Passwort!!")}));
}

TEST_F(PasswortTest, OhneLesbarePasswortdateiBleibtGesperrt) {
  ASSERT_TRUE(PasswortSchreiben(Verzeichnis(), "Geheim"));
  Starten();
  const QString meldung = QStringLiteral("Fehler: ") + QtText(PasswortdateiMeldung().Text);

  // Deleted while the program runs: locked, without a query.
  fs::remove(Datei());
  Aktion("NeuesGebieteinfgen1")->trigger();
  EXPECT_EQ(Meldungen(), QStringList{meldung});
  // Damaged: the same.
  m_Plattform.Boxen.clear();
  ASSERT_TRUE(SchreibeAtomar(Datei(), {"KEIN GEHEIMTEXT"}));
  Aktion("NeuesGebieteinfgen1")->trigger();
  EXPECT_EQ(Meldungen(), QStringList{meldung});
  EXPECT_EQ(Gezeigt("GebietNeu"), 0);

  // Gone between the question and the answer: refused with the same message.
  ASSERT_TRUE(PasswortSchreiben(Verzeichnis(), "Geheim"));
  m_Plattform.Boxen.clear();
  Dann([this](QDialog* d) {
    fs::remove(Datei());
    Tippen(d, "Password", QStringLiteral("Geheim"));
    Knopf(d, "BitBtn1");
  });
  Aktion("NeuesGebieteinfgen1")->trigger();
  EXPECT_EQ(Meldungen(), QStringList{meldung});
  EXPECT_EQ(Gezeigt("GebietNeu"), 0);
  // Nothing wrote a new file behind the user's back.
  EXPECT_FALSE(fs::exists(Datei()));
}

TEST_F(PasswortTest, ErzeugungLehntUnspeicherbarePasswoerterAb) {
  // Each refusal keeps the dialog open with the typed text and writes nothing.
  Dann([this](QDialog* d) {
    for (const QString& text : {QStringLiteral("Geh\tim"), QStringLiteral("Geheimÿ"), QStringLiteral("Geheim\u03A9")}) {
      Feld(d, "Edit1")->setText(text);
      Knopf(d, "BitBtn1");
      EXPECT_TRUE(d->isVisible());
      EXPECT_EQ(Feld(d, "Edit1")->text(), text);
      EXPECT_FALSE(fs::exists(Datei()));
    }
    Feld(d, "Edit1")->setText(QStringLiteral("Geheim"));
    Knopf(d, "BitBtn1");
  });
  Starten();
  EXPECT_EQ(Meldungen(),
            (QStringList{QStringLiteral("Information: Das Feld \"Passwort\" enthält einen Tabulator. Bitte ändern!"),
                         QStringLiteral("Information: Das Feld \"Passwort\" enthält das Zeichen \"ÿ\", das Kolvaro "
                                        "nicht speichern kann. Bitte ändern!"),
                         QStringLiteral("Information: Das Feld \"Passwort\" enthält ein Zeichen, das Kolvaro nicht "
                                        "speichern kann. Bitte ändern!")}));
  EXPECT_EQ(GespeichertesPasswort(), "Geheim");
}

TEST_F(PasswortTest, MisslungenesSchreibenBehaeltDasGetippte) {
  // A directory in the way of the password file.
  fs::create_directories(Datei() / "drin");
  Dann([](QDialog* d) {
    Tippen(d, "Edit1", QStringLiteral("Geheim"));
    Knopf(d, "BitBtn1");
  });
  Dann([](QDialog* d) {
    EXPECT_EQ(Feld(d, "Edit1")->text(), QStringLiteral("Geheim"));
    Escape(d);
  });
  Starten();
  EXPECT_EQ(Meldungen(),
            QStringList{QStringLiteral("Fehler: ") + QtText(NichtGeschriebenMeldung(kPasswortdatei).Text)});
  EXPECT_TRUE(fs::is_directory(Datei() / "drin"));
  // The window started all the same.
  EXPECT_GT(Liste()->model()->rowCount(), 0);
}

}  // namespace
}  // namespace kolvaro::ui
