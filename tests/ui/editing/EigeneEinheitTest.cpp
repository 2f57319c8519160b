// The own-unit dialogs in the window: each writes its line where it belongs
// and the window shows the new unit; cancel writes and reloads nothing;
// refusals and a failed write keep the dialog open with everything typed.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <functional>

#include "basis/Zeichensatz.h"
#include "data/Geheimdatei.h"
#include "data/Textdatei.h"
#include "gemeinsam/Fenstertest.h"
#include "gemeinsam/Schreibsperre.h"
#include "gemeinsam/Testdaten.h"
#include "ui/editing/EigeneEinheitDlg.h"
#include "ui/editing/EigeneEinheitWaehrungDlg.h"
#include "ui/editing/EigeneEinheitWeltzeitDlg.h"

namespace kolvaro::ui {
namespace {

using kolvaro::test::Einheitenzeile;
using kolvaro::test::Schreibsperre;

class EigeneEinheitTest : public test::Fenstertest {
 protected:
  void SetUp() override {
    Fenstertest::SetUp();
    const auto v = Verzeichnis();
    kolvaro::test::StandardDaten(v);
    kolvaro::test::Schreiben(v / "Gruppen.nfo",
                             {Cp1252("Länge\tLAENGE.DAT\tMeter"), Cp1252("Masse\tMASSE.DAT\tKilogramm"),
                              Cp1252("Temperatur\tTEMP.DAT\tKelvin"), Cp1252("Währungen\tGELD.DAT\tEuro"),
                              Cp1252("Weltzeit\tZONEN.DAT\tWeltzeit")});
    kolvaro::test::Schreiben(v / "Gebiet.nfo", {"L.", "*", "M.", "*", "T.", "*", "W.", "*", "Z.", "*"});
    kolvaro::test::Verschluesselt(v / "GELD.DAT", {Einheitenzeile("j", "Deutschland", "EUR", "Euro", "1"),
                                                   Einheitenzeile("j", "USA", "USD", "US-Dollar", "0,9")});
    kolvaro::test::Verschluesselt(v / "ZONEN.DAT", {Einheitenzeile("j", "SI-Einheit", "UTC", "Weltzeit", "0")});
    Starten({{Dialogart::EigeneEinheit,
              [](const Dialogumgebung& u, QWidget* e) { return new TDlg_eigene_einfuegen(u, e); }},
             {Dialogart::EigeneEinheitWaehrung,
              [](const Dialogumgebung& u, QWidget* e) { return new TDlg_eigene_einfuegen_Waehrung(u, e); }},
             {Dialogart::EigeneEinheitWeltzeit,
              [](const Dialogumgebung& u, QWidget* e) { return new TDlg_eigene_einfuegen_WZ(u, e); }}});
  }

  void Einfuegen(const char* dialogname, const std::function<void(QDialog&)>& handlung) {
    EXPECT_TRUE(ImDialog<QDialog>("EigeneEinheiteinfgen1", dialogname, handlung)) << dialogname;
  }
  static QLineEdit* Edit(QDialog* d, const char* name) { return Element<QLineEdit>(d, name); }
  static void Fuellen(QDialog* d, std::initializer_list<std::pair<const char*, QString>> felder) {
    for (const auto& [name, text] : felder) {
      QLineEdit* edit = Edit(d, name);
      edit->clear();
      for (QChar c : text) {
        if (c.unicode() < 128)
          QTest::keyClicks(edit, QString(c));
        else  // no key for it on the test keyboard: as an input method would
          edit->insert(QString(c));
      }
    }
  }
  static void LandWaehlen(QDialog* d, const QString& land) {
    auto* combo = d->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    combo->setCurrentIndex(combo->findText(land));
  }
  std::vector<std::string> Klartext(const char* datei) {
    auto zeilen = GeheimdateiLesen(Verzeichnis() / datei);
    EXPECT_TRUE(zeilen);
    return zeilen ? *zeilen : std::vector<std::string>{};
  }
  QStringList Namen() {
    QStringList namen;
    for (int i = 0; i < Liste()->model()->rowCount(); ++i) namen << Liste()->model()->index(i, 0).data().toString();
    return namen;
  }
};

TEST_F(EigeneEinheitTest, GewoehnlicheEinheitAnIhremPlatzUndInDerListe) {
  GebietWaehlen(QStringLiteral("Länge"));
  Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& dr) {
    QDialog* d = &dr;
    EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("Label6"))->text(), QStringLiteral("Meter"));
    EXPECT_EQ(d->findChild<QLineEdit*>(QStringLiteral("Edit6")), nullptr);
    EXPECT_EQ(d->focusWidget(), Edit(d, "Edit1"));
    Fuellen(d, {{"Edit1", QStringLiteral("Klafter")},
                {"Edit2", QStringLiteral("kl")},
                {"Edit3", QStringLiteral("Faden")},
                {"Edit4", QStringLiteral("Bergbau")},
                {"Edit5", QStringLiteral("1,8")}});
    LandWaehlen(d, QStringLiteral("Österreich"));
    Klick(d, "OKBtn");
    EXPECT_FALSE(d->isVisible());
  });
  EXPECT_TRUE(m_Plattform.Boxen.empty());
  const auto zeilen = Klartext("LAENGE.DAT");
  ASSERT_EQ(zeilen.size(), 7u);
  // Fuß, Kilometer, Klafter, Meter, ...: the factor as typed, comma and all.
  EXPECT_EQ(zeilen[2], Cp1252("j\tj\t\t1\tÖsterreich\t1\tkl\tKlafter\t1,8\tFaden\t\tBergbau\t\t\t\t\t\t\t"));
  // The window has reloaded the category and converts with the new factor.
  ASSERT_TRUE(Namen().contains(QStringLiteral("Klafter")));
  Waehlen(QStringLiteral("Klafter"));
  Rechnen(QStringLiteral("1"));
  EXPECT_EQ(Ergebnis(QStringLiteral("Meter")), QStringLiteral("1,8000000000"));
}

TEST_F(EigeneEinheitTest, WaehrungUndWeltzeitSchreibenIhreFelder) {
  GebietWaehlen(QStringLiteral("Währungen"));
  Einfuegen("Dlg_eigene_einfuegen_Waehrung", [&](QDialog& dr) {
    QDialog* d = &dr;
    EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("Label6"))->text(), QStringLiteral("Euro"));
    Fuellen(d, {{"Edit1", QStringLiteral("Schilling")},
                {"Edit2", QStringLiteral("ATS")},
                {"Edit3", QStringLiteral("ca. 0,07 €")},
                {"Edit6", QStringLiteral("100 Groschen")},
                {"Edit4", QStringLiteral("31.12.2001")},
                {"Edit5", QStringLiteral("0,0726728")}});
    LandWaehlen(d, QStringLiteral("Österreich"));
    Klick(d, "OKBtn");
  });
  auto geld = Klartext("GELD.DAT");
  ASSERT_EQ(geld.size(), 3u);
  EXPECT_EQ(geld[1], Cp1252("j\tj\t\t1\tÖsterreich\t1\tATS\tSchilling\t0,0726728\t\t31.12.2001\t\t100 Groschen\t"
                            "ca. 0,07 €\t\t\t\t\t"));
  EXPECT_TRUE(Namen().contains(QStringLiteral("Schilling")));

  GebietWaehlen(QStringLiteral("Weltzeit"));
  Einfuegen("Dlg_eigene_einfuegen_WZ", [&](QDialog& dr) {
    QDialog* d = &dr;
    EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("Label6")), nullptr);
    Fuellen(d, {{"Edit1", QStringLiteral("Indien")},
                {"Edit2", QStringLiteral("IST")},
                {"Edit3", QStringLiteral("keine")},
                {"Edit5", QStringLiteral("-3300")}});
    // At most four characters can be typed.
    EXPECT_EQ(Edit(d, "Edit5")->text(), QStringLiteral("-330"));
    Klick(d, "OKBtn");
  });
  auto zonen = Klartext("ZONEN.DAT");
  ASSERT_EQ(zonen.size(), 2u);
  EXPECT_EQ(zonen[0], "j\tj\t\t1\tSI-Einheit\t1\tIST\tIndien\t-5.50000000000000E+0000\t\tkeine\t\t\t\t\t\t\t\t");
  EXPECT_TRUE(Namen().contains(QStringLiteral("Indien")));
  EXPECT_TRUE(m_Plattform.Boxen.empty());
}

TEST_F(EigeneEinheitTest, AbbrechenSchreibtUndLaedtNichts) {
  GebietWaehlen(QStringLiteral("Masse"));
  Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& dr) {
    QDialog* d = &dr;
    Fuellen(d, {{"Edit1", QStringLiteral("Zentner")}, {"Edit5", QStringLiteral("50")}});
    // A change behind the window's back shows whether it reloads afterwards.
    kolvaro::test::Verschluesselt(Verzeichnis() / "MASSE.DAT",
                                  {Einheitenzeile("j", "SI-Einheit", "kg", "Kilogramm", "1")});
    Klick(d, "CancelBtn");
    EXPECT_FALSE(d->isVisible());
  });
  EXPECT_EQ(Namen(), (QStringList{QStringLiteral("Kilogramm"), QStringLiteral("Pfund"), QStringLiteral("Pound")}));
  EXPECT_EQ(Klartext("MASSE.DAT").size(), 1u);
  EXPECT_TRUE(m_Plattform.Boxen.empty());

  // Escape closes as cancelled too; the fields keep their text for next time.
  Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& dr) {
    QDialog* d = &dr;
    EXPECT_EQ(Edit(d, "Edit1")->text(), QStringLiteral("Zentner"));
    EXPECT_EQ(Edit(d, "Edit5")->text(), QStringLiteral("50"));
    QTest::keyClick(Edit(d, "Edit1"), Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
  });
  EXPECT_EQ(Klartext("MASSE.DAT").size(), 1u);
}

TEST_F(EigeneEinheitTest, LaenderJedesMalVollstaendigUndNurEinmal) {
  const QStringList erwartet = {QStringLiteral("SI-Einheit"),  QStringLiteral("Internationale Einheit"),
                                QStringLiteral("Deutschland"), QStringLiteral("USA"),
                                QStringLiteral("Österreich"),  QStringLiteral("Atlantis")};
  for (int mal = 0; mal < 2; ++mal) {
    Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& dr) {
      QDialog* d = &dr;
      auto* combo = d->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
      QStringList laender;
      for (int i = 0; i < combo->count(); ++i) laender << combo->itemText(i);
      EXPECT_EQ(laender, erwartet);
      EXPECT_EQ(combo->currentIndex(), 0);
      combo->setCurrentIndex(3);  // the next opening selects the first again
    });
  }
}

TEST_F(EigeneEinheitTest, AblehnungenLassenDenDialogOffen) {
  GebietWaehlen(QStringLiteral("Länge"));
  const auto vorher = DateiInhalt(Verzeichnis() / "LAENGE.DAT");
  struct Fall {
    const char* Feld;
    QString Text;
    const char* Fokus;
    QString Meldung;
  } faelle[] = {
      {"Edit1", QString(), "Edit1", QStringLiteral("Bitte im Feld \"Name der Einheit\" einen Namen eingeben!")},
      {"Edit5", QStringLiteral("1,5 "), "Edit5",
       QStringLiteral("Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!")},
      {"Edit5", QStringLiteral("0"), "Edit5",
       QStringLiteral("Der Umrechnungsfaktor muss größer als 0 sein! Bitte ändern!")},
      {"Edit3", QStringLiteral("a\tb"), "Edit3",
       QStringLiteral("Das Feld \"Weiterer Name\" enthält einen Tabulator. Bitte ändern!")},
      {"Edit4", QStringLiteral("Bergbau ÿ"), "Edit4",
       QStringLiteral("Das Feld \"Einsatzgebiet\" enthält das Zeichen \"ÿ\", das Kolvaro nicht speichern kann. "
                      "Bitte ändern!")},
      {"Edit2", QStringLiteral("漢"), "Edit2",
       QStringLiteral("Das Feld \"Kurzzeichen\" enthält ein Zeichen, das Kolvaro nicht speichern kann. Bitte ändern!")},
  };
  for (const auto& f : faelle) {
    m_Plattform.Boxen.clear();
    Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& dr) {
      QDialog* d = &dr;
      Fuellen(d, {{"Edit1", QStringLiteral("Klafter")},
                  {"Edit2", QStringLiteral("kl")},
                  {"Edit3", QString()},
                  {"Edit4", QString()},
                  {"Edit5", QStringLiteral("1,8")}});
      Edit(d, f.Feld)->setText(f.Text);
      Klick(d, "OKBtn");
      EXPECT_TRUE(d->isVisible()) << f.Feld;
      EXPECT_EQ(d->focusWidget(), Edit(d, f.Fokus));
      EXPECT_EQ(Edit(d, f.Feld)->text(), f.Text);
    });
    ASSERT_EQ(m_Plattform.Boxen.size(), 1u) << f.Feld;
    EXPECT_EQ(m_Plattform.Boxen[0].Art, QStringLiteral("Information"));
    EXPECT_EQ(m_Plattform.Boxen[0].Text, f.Meldung);
    EXPECT_EQ(*DateiInhalt(Verzeichnis() / "LAENGE.DAT"), *vorher);
  }

  GebietWaehlen(QStringLiteral("Weltzeit"));
  m_Plattform.Boxen.clear();
  Einfuegen("Dlg_eigene_einfuegen_WZ", [&](QDialog& dr) {
    QDialog* d = &dr;
    Fuellen(d, {{"Edit1", QStringLiteral("Mars")}, {"Edit5", QStringLiteral("2000")}});
    Klick(d, "OKBtn");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->focusWidget(), Edit(d, "Edit5"));
  });
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Information")),
            QStringList{QStringLiteral("Die Zeitdifferenz zur Weltzeit muss eine ganze Zahl von Minuten zwischen "
                                       "-1440 und 1440 sein! Bitte ändern!")});
  EXPECT_EQ(Klartext("ZONEN.DAT").size(), 1u);
}

TEST_F(EigeneEinheitTest, MisslungenesSchreibenVerliertNichts) {
  GebietWaehlen(QStringLiteral("Länge"));
  const auto vorher = DateiInhalt(Verzeichnis() / "LAENGE.DAT");
  Einfuegen("Dlg_eigene_einfuegen", [&](QDialog& dr) {
    QDialog* d = &dr;
    Fuellen(d, {{"Edit1", QStringLiteral("Klafter")},
                {"Edit2", QStringLiteral("kl")},
                {"Edit3", QStringLiteral("Faden")},
                {"Edit4", QStringLiteral("Bergbau")},
                {"Edit5", QStringLiteral("1,8")}});
    {
      Schreibsperre sperre;
      Klick(d, "OKBtn");
    }
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(*DateiInhalt(Verzeichnis() / "LAENGE.DAT"), *vorher);
    EXPECT_EQ(Edit(d, "Edit3")->text(), QStringLiteral("Faden"));
    // Once the disk takes it again, the same OK writes.
    Klick(d, "OKBtn");
    EXPECT_FALSE(d->isVisible());
  });
  EXPECT_EQ(m_Plattform.Texte(QStringLiteral("Fehler")),
            QStringList{QtText(NichtGeschriebenMeldung("LAENGE.DAT").Text)});
  EXPECT_EQ(Klartext("LAENGE.DAT").size(), 7u);
  EXPECT_TRUE(Namen().contains(QStringLiteral("Klafter")));
}

}  // namespace
}  // namespace kolvaro::ui
