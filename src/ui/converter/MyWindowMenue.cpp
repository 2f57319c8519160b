// TMyWindow: the main menu and the tool bar. Every entry carries its form
// name as objectName; the entries that only open a dialog come from the
// dialogs' list (Dialoge.cpp) into m_Starter, the editing commands are
// connected in MyWindowBefehle.cpp.
#include <QActionGroup>
#include <QComboBox>
#include <QMenuBar>
#include <QToolBar>

#include "ui/Hilfefenster.h"
#include "ui/Tabellenausgabe.h"
#include "ui/Text.h"
#include "ui/converter/MyWindow.h"

namespace kolvaro::ui {

namespace {

QAction* Eintrag(QMenu* menue, const char* name, const char* text, const QKeySequence& kurz = {}) {
  QAction* aktion = menue->addAction(QString::fromUtf8(text));
  aktion->setObjectName(QString::fromLatin1(name));
  if (!kurz.isEmpty()) aktion->setShortcut(kurz);
  return aktion;
}

QMenu* Menue(QMenuBar* leiste, const char* name, const char* text) {
  QMenu* menue = leiste->addMenu(QString::fromUtf8(text));
  menue->setObjectName(QString::fromLatin1(name));
  return menue;
}

}  // namespace

void TMyWindow::MenueAufbauen() {
  QMenuBar* leiste = menuBar();
  leiste->setObjectName(QStringLiteral("MainMenu1"));

  QMenu* datei = Menue(leiste, "Datei1", "&Datei");
  ListeSpeichern1 = Eintrag(datei, "ListeSpeichern1", "Liste als &CSV speichern...");
  connect(ListeSpeichern1, &QAction::triggered, this, [this] {
    AlsCsvSpeichern(m_Plattform, QtText(m_Konverter.Gebietsname()) + QStringLiteral(".csv"),
                    m_Konverter.ListeAlsTabelle());
  });
  ListeDrucken1 = Eintrag(datei, "ListeDrucken1", "Liste &drucken...", QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(ListeDrucken1, &QAction::triggered, this,
          [this] { TabelleDrucken(m_Plattform, m_Konverter.Gebietsname(), m_Konverter.ListeAlsTabelle()); });
  Wechselkurseeinlesen1 = Eintrag(datei, "Wechselkurseeinlesen1", "&Wechselkurse einlesen…");
  datei->addSeparator();
  Beenden1 = Eintrag(datei, "Beenden1", "&Beenden");
  connect(Beenden1, &QAction::triggered, this, &QWidget::close);

  QMenu* bearbeiten = Menue(leiste, "Bearbeiten1", "&Bearbeiten");
  WertKopieren1 = Eintrag(bearbeiten, "WertKopieren1", "&Kopieren Rechenergebnis", QKeySequence(Qt::CTRL | Qt::Key_C));
  connect(WertKopieren1, &QAction::triggered, this, &TMyWindow::WertKopierenClick);
  Werteinfgen1 =
      Eintrag(bearbeiten, "Werteinfgen1", "&Einfügen in Werteingabefeld", QKeySequence(Qt::CTRL | Qt::Key_V));
  connect(Werteinfgen1, &QAction::triggered, this, &TMyWindow::WerteinfuegenClick);

  QMenu* einheit = Menue(leiste, "Einheit1", "&Einheit");
  Einheitumrechnen1 = Eintrag(einheit, "Einheitumrechnen1", "Einheit &umrechnen", QKeySequence(Qt::Key_Return));
  // Enter is taken by the input field and the list themselves; the menu only
  // shows it.
  Einheitumrechnen1->setShortcutContext(Qt::WidgetShortcut);
  connect(Einheitumrechnen1, &QAction::triggered, this, &TMyWindow::UmrechnenUndMerken);
  Einheitausblenden1 =
      Eintrag(einheit, "Einheitausblenden1", "Einheit(en) &ausblenden", QKeySequence(Qt::CTRL | Qt::Key_Delete));
  Einheiteinblenden1 = Eintrag(einheit, "Einheiteinblenden1", "Einheit(en) &einblenden...");
  AusgeblendeteEinheitenlschen1 = Eintrag(einheit, "AusgeblendeteEinheitenlschen1", "Au&sgeblendete Einheiten löschen");
  EigeneEinheiteinfgen1 = Eintrag(einheit, "EigeneEinheiteinfgen1", "Ei&gene Einheit einfügen...");
  Umrechnungsfaktorndern1 = Eintrag(einheit, "Umrechnungsfaktorndern1", "&Umrechnungsfaktor ändern...");
  Einheitensuchen1 = Eintrag(einheit, "Einheitensuchen1", "Einheiten s&uchen");
  // Also in the list's context menu.
  Favorit1 = Eintrag(einheit, "Favorit1", "Als &Favorit markieren/entfernen", QKeySequence(Qt::CTRL | Qt::Key_D));
  connect(Favorit1, &QAction::triggered, this, &TMyWindow::FavoritUmschalten);

  QMenu* gebiet = Menue(leiste, "Gebiet1", "&Gebiet");
  NeuesGebieteinfgen1 = Eintrag(gebiet, "NeuesGebieteinfgen1", "Neues Gebiet &einfügen...");
  VorhandenesGebietlschen1 = Eintrag(gebiet, "VorhandenesGebietlschen1", "Vorhandenes Gebiet &löschen...");
  InformationenueberGebiet1 = Eintrag(gebiet, "InformationenueberGebiet1", "&Informationen über Gebiet");
  connect(InformationenueberGebiet1, &QAction::triggered, this, &TMyWindow::GebietsInformationen);

  QMenu* einstellungen = Menue(leiste, "Einstellungen1", "Ei&nstellungen");
  Fliekommaanzeige1 = Eintrag(einstellungen, "Fliekommaanzeige1", "&Fließkommaanzeige");
  connect(Fliekommaanzeige1, &QAction::triggered, this, [this] { AnzeigeSetzen(false); });
  WissenschaZahlenanzeige1 = Eintrag(einstellungen, "WissenschaZahlenanzeige1", "&Wissenscha. Zahlenanzeige");
  connect(WissenschaZahlenanzeige1, &QAction::triggered, this, [this] { AnzeigeSetzen(true); });
  SortierungAlphabet1 =
      Eintrag(einstellungen, "EinheitensortierungnachAlphabet1", "Einheitensortierung nach &Alphabet");
  connect(SortierungAlphabet1, &QAction::triggered, this, [this] { Sortieren(Sortiermodus::Alphabet); });
  SortierungLand1 = Eintrag(einstellungen, "EinheitensortierungnachLand1", "Einheitensortierung nach &Land");
  connect(SortierungLand1, &QAction::triggered, this, [this] { Sortieren(Sortiermodus::Land); });
  SortierungGroesse1 = Eintrag(einstellungen, "EinheitensortierungnachGroesse1", "Einheitensortierung nach &Größe");
  connect(SortierungGroesse1, &QAction::triggered, this, [this] { Sortieren(Sortiermodus::Groesse); });
  Stellen1 = Eintrag(einstellungen, "Stellen1", "&Stellen...");
  Laenderauseinblenden1 = Eintrag(einstellungen, "Laenderauseinblenden1", "Lä&nder aus-/einblenden...");
  AutomatischesRechnen1 = Eintrag(einstellungen, "AutomatischesRechnen1", "&Automatisches Rechnen");
  AutomatischesRechnen1->setCheckable(true);
  connect(AutomatischesRechnen1, &QAction::triggered, this, &TMyWindow::AutomatischesRechnenClick);

  // The reference tables and calculators only open their dialogs; their
  // entries come with the dialogs' registration.
  auto starter = [this](QMenu* menue, Menueplatz platz) {
    for (const Dialogeintrag& dialog : Dialogliste())
      if (dialog.Platz == platz)
        m_Starter.emplace_back(Eintrag(menue, dialog.Eintragname, dialog.Eintragtext), dialog.Art);
  };
  starter(Menue(leiste, "Informationen1", "&Informationen"), Menueplatz::Informationen);
  starter(Menue(leiste, "Extras1", "E&xtras"), Menueplatz::Extras);

  QMenu* hilfe = Menue(leiste, "Hilfe1", "&Hilfe");
  // F1 answers for the window it is pressed in, as it does in every dialog.
  QAction* hilfeZumFenster = Eintrag(hilfe, "HilfezumFenster1", "&Hilfe zu diesem Fenster", QKeySequence(Qt::Key_F1));
  connect(hilfeZumFenster, &QAction::triggered, this,
          [this] { m_Plattform.HilfeOeffnen(HilfeseiteFuer(objectName())); });
  Index1 = Eintrag(hilfe, "Index1", "&Index");
  connect(Index1, &QAction::triggered, this, [this] { m_Plattform.HilfeOeffnen(kHilfeInhalt); });
  starter(hilfe, Menueplatz::Hilfe);
}

void TMyWindow::WerkzeugleisteAufbauen() {
  auto* leiste = addToolBar(QStringLiteral("Werkzeuge"));
  leiste->setObjectName(QStringLiteral("ToolBar1"));
  leiste->setMovable(false);
  leiste->setToolButtonStyle(Qt::ToolButtonTextOnly);

  ComboBox2 = new QComboBox(leiste);
  ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
  // The entry shown is the box's value; in the tool bar no label names it.
  ComboBox2->setAccessibleName(QStringLiteral("Gebiet"));
  ComboBox2->setMaxVisibleItems(27);
  ComboBox2->setMinimumContentsLength(26);
  ComboBox2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  connect(ComboBox2, QOverload<int>::of(&QComboBox::activated), this, &TMyWindow::ComboBox2Change);
  leiste->addWidget(ComboBox2);

  auto knopf = [leiste](const char* name, const QString& beschriftung, const QString& hinweis) {
    QAction* aktion = leiste->addAction(beschriftung);
    aktion->setObjectName(QString::fromLatin1(name));
    aktion->setToolTip(hinweis);
    return aktion;
  };
  ToolButton7 = knopf("ToolButton7", QStringLiteral("ℹ Gebiet"), QStringLiteral("Informationen über Gebiet"));
  connect(ToolButton7, &QAction::triggered, this, &TMyWindow::GebietsInformationen);
  leiste->addSeparator();
  ToolButton1 = knopf("ToolButton1", QStringLiteral("ℹ Einheit"), QStringLiteral("Weitere Informationen zur Einheit"));
  connect(ToolButton1, &QAction::triggered, this, &TMyWindow::WeitereInformationen);
  ToolButton2 = knopf("ToolButton2", QStringLiteral("Suchen"), QStringLiteral("Einheit suchen"));
  ToolButton3 = knopf("ToolButton3", QStringLiteral("Ausblenden"), QStringLiteral("Einheit(en) ausblenden"));
  ToolButton4 = knopf("ToolButton4", QStringLiteral("Einblenden"), QStringLiteral("Einheit(en) einblenden"));
  ToolButton10 = knopf("ToolButton10", QStringLiteral("Umrechnen"), QStringLiteral("Einheit umrechnen"));
  connect(ToolButton10, &QAction::triggered, this, &TMyWindow::UmrechnenUndMerken);
  leiste->addSeparator();

  auto* sortierung = new QActionGroup(this);
  ToolButton8 = knopf("ToolButton8", QStringLiteral("A–Z"), QStringLiteral("Sortierung alphabetisch"));
  ToolButton9 = knopf("ToolButton9", QStringLiteral("Land"), QStringLiteral("Sortierung nach Land"));
  ToolButton12 = knopf("ToolButton12", QStringLiteral("Größe"), QStringLiteral("Sortierung nach Größe"));
  for (QAction* a : {ToolButton8, ToolButton9, ToolButton12}) {
    a->setCheckable(true);
    sortierung->addAction(a);
  }
  connect(ToolButton8, &QAction::triggered, this, [this] { Sortieren(Sortiermodus::Alphabet); });
  connect(ToolButton9, &QAction::triggered, this, [this] { Sortieren(Sortiermodus::Land); });
  connect(ToolButton12, &QAction::triggered, this, [this] { Sortieren(Sortiermodus::Groesse); });
  leiste->addSeparator();

  auto* anzeige = new QActionGroup(this);
  ToolButton11 = knopf("ToolButton11", QStringLiteral("0,5"), QStringLiteral("Fließkomma-Anzeige"));
  ToolButton13 = knopf("ToolButton13", QStringLiteral("5E-1"), QStringLiteral("Wissenschaftliche Zahlenanzeige"));
  for (QAction* a : {ToolButton11, ToolButton13}) {
    a->setCheckable(true);
    anzeige->addAction(a);
  }
  connect(ToolButton11, &QAction::triggered, this, [this] { AnzeigeSetzen(false); });
  connect(ToolButton13, &QAction::triggered, this, [this] { AnzeigeSetzen(true); });
}

}  // namespace kolvaro::ui
