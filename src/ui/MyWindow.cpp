// TMyWindow: construction of the window, its menus, tool bar and panels.
#include "ui/MyWindow.h"

#include <QActionGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/EinheitenDelegate.h"
#include "ui/EinheitenModell.h"

namespace kolvaro::ui {

namespace {

QLabel* NeuesLabel(const char* name, QWidget* eltern, const QString& text = QString()) {
  auto* label = new QLabel(text, eltern);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

// A menu entry whose function a later version of Kolvaro brings: present,
// in its place, with its shortcut, but disabled.
QAction* SpaeterEintrag(QMenu* menue, const QString& text, const QKeySequence& kurz = QKeySequence()) {
  QAction* aktion = menue->addAction(text);
  if (!kurz.isEmpty()) aktion->setShortcut(kurz);
  aktion->setEnabled(false);
  return aktion;
}

}  // namespace

TMyWindow::TMyWindow(Konverter& konverter, Plattform& plattform, QSettings& einstellungen, QWidget* eltern)
    : QMainWindow(eltern), m_Konverter(konverter), m_Plattform(plattform), m_EinstellungsSpeicher(einstellungen) {
  setObjectName(QStringLiteral("MyWindow"));
  setWindowTitle(QStringLiteral("Kolvaro"));
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(500);
  connect(Timer1, &QTimer::timeout, this, &TMyWindow::Timer1Timer);
  OberflaecheAufbauen();
  resize(980, 640);
}

TMyWindow::~TMyWindow() = default;

void TMyWindow::OberflaecheAufbauen() {
  MenueAufbauen();
  WerkzeugleisteAufbauen();

  auto* zentrum = new QWidget(this);
  auto* spalten = new QHBoxLayout(zentrum);
  spalten->setContentsMargins(6, 6, 6, 6);

  auto* links = new QVBoxLayout;
  // "Werteingabe:" with the input, the calculate button and the selected unit.
  auto* eingabezeile = new QHBoxLayout;
  eingabezeile->setSpacing(0);
  eingabezeile->addWidget(new QLabel(QStringLiteral("Werteingabe:"), zentrum));
  eingabezeile->addSpacing(6);
  Edit_Eingabe = new QLineEdit(QStringLiteral("1"), zentrum);
  Edit_Eingabe->setObjectName(QStringLiteral("Edit_Eingabe"));
  Edit_Eingabe->setMaxLength(15);
  Edit_Eingabe->setFixedWidth(Edit_Eingabe->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 17 + 12);
  Edit_Eingabe->installEventFilter(this);
  eingabezeile->addWidget(Edit_Eingabe);
  eingabezeile->addSpacing(6);
  Rechentaste = new QPushButton(QStringLiteral("="), zentrum);
  Rechentaste->setObjectName(QStringLiteral("Rechentaste"));
  Rechentaste->setToolTip(QStringLiteral("Einheit umrechnen"));
  Rechentaste->setFixedWidth(36);
  connect(Rechentaste, &QPushButton::clicked, this, &TMyWindow::RechentasteClick);
  eingabezeile->addWidget(Rechentaste);
  eingabezeile->addSpacing(10);
  Label_gewaehlte_einheit = NeuesLabel("Label_gewaehlte_einheit", zentrum);
  eingabezeile->addWidget(Label_gewaehlte_einheit);
  eingabezeile->addSpacing(5);
  Image1 = NeuesLabel("Image1", zentrum);
  Image1->setFixedSize(32, 16);
  eingabezeile->addWidget(Image1);
  eingabezeile->addStretch();
  links->addLayout(eingabezeile);

  // "Ausgangseinheit und Ergebnis:" — the blinking result row.
  auto* ergebniszeile = new QHBoxLayout;
  ergebniszeile->setSpacing(0);
  ergebniszeile->addWidget(new QLabel(QStringLiteral("Ausgangseinheit und Ergebnis:"), zentrum));
  ergebniszeile->addSpacing(8);
  Label_Ausgangseinheit = NeuesLabel("Label_Ausgangseinheit", zentrum);
  ergebniszeile->addWidget(Label_Ausgangseinheit);
  ergebniszeile->addSpacing(5);
  Flagge1 = NeuesLabel("Flagge1", zentrum);
  Flagge1->setFixedSize(32, 16);
  ergebniszeile->addWidget(Flagge1);
  ergebniszeile->addSpacing(3);
  Label2 = NeuesLabel("Label2", zentrum);
  ergebniszeile->addWidget(Label2);
  ergebniszeile->addStretch();
  for (QWidget* w : {static_cast<QWidget*>(Label_Ausgangseinheit), static_cast<QWidget*>(Flagge1),
                     static_cast<QWidget*>(Label2)}) {
    QSizePolicy politik = w->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    w->setSizePolicy(politik);
  }
  Flagge1->hide();
  links->addLayout(ergebniszeile);

  m_Modell = new EinheitenModell(m_Konverter, this);
  ListBoxEinheit = new QListView(zentrum);
  ListBoxEinheit->setObjectName(QStringLiteral("ListBoxEinheit"));
  ListBoxEinheit->setModel(m_Modell);
  ListBoxEinheit->setItemDelegate(new EinheitenDelegate(ListBoxEinheit));
  ListBoxEinheit->setUniformItemSizes(true);
  ListBoxEinheit->setLayoutMode(QListView::Batched);
  ListBoxEinheit->setBatchSize(64);
  ListBoxEinheit->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBoxEinheit->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListBoxEinheit->setMouseTracking(true);
  ListBoxEinheit->installEventFilter(this);
  ListBoxEinheit->viewport()->installEventFilter(this);
  ListBoxEinheit->setContextMenuPolicy(Qt::ActionsContextMenu);
  m_PopupKopieren = new QAction(QStringLiteral("Kopieren"), ListBoxEinheit);
  m_PopupKopieren->setObjectName(QStringLiteral("PopupKopieren"));
  connect(m_PopupKopieren, &QAction::triggered, this, &TMyWindow::PopupKopierenClick);
  ListBoxEinheit->addAction(m_PopupKopieren);
  connect(ListBoxEinheit->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
    if (!m_Fuellen) ListBoxEinheitClick();
  });
  connect(ListBoxEinheit, &QListView::doubleClicked, this, &TMyWindow::WeitereInformationen);
  links->addWidget(ListBoxEinheit, 1);

  spalten->addLayout(links, 3);
  spalten->addWidget(InfoPanelAufbauen(), 1);
  setCentralWidget(zentrum);

  auto* unten = StatuszeileAufbauen();
  auto* unteresDock = new QToolBar(this);
  unteresDock->setObjectName(QStringLiteral("Statusleiste"));
  unteresDock->setMovable(false);
  unteresDock->addWidget(unten);
  addToolBar(Qt::BottomToolBarArea, unteresDock);
}

void TMyWindow::MenueAufbauen() {
  QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  connect(datei->addAction(QStringLiteral("&Beenden")), &QAction::triggered, this, &QWidget::close);

  QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
  WertKopieren1 = bearbeiten->addAction(QStringLiteral("&Kopieren Rechenergebnis"));
  WertKopieren1->setObjectName(QStringLiteral("WertKopieren1"));
  WertKopieren1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  connect(WertKopieren1, &QAction::triggered, this, &TMyWindow::WertKopierenClick);
  Werteinfgen1 = bearbeiten->addAction(QStringLiteral("&Einfügen in Werteingabefeld"));
  Werteinfgen1->setObjectName(QStringLiteral("Werteinfgen1"));
  Werteinfgen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  connect(Werteinfgen1, &QAction::triggered, this, &TMyWindow::WerteinfuegenClick);

  QMenu* einheit = menuBar()->addMenu(QStringLiteral("&Einheit"));
  Einheitumrechnen1 = einheit->addAction(QStringLiteral("Einheit &umrechnen"));
  Einheitumrechnen1->setObjectName(QStringLiteral("Einheitumrechnen1"));
  // Enter is taken by the input field and the list themselves; the menu only
  // shows it.
  Einheitumrechnen1->setShortcut(QKeySequence(Qt::Key_Return));
  Einheitumrechnen1->setShortcutContext(Qt::WidgetShortcut);
  connect(Einheitumrechnen1, &QAction::triggered, this, &TMyWindow::RechentasteClick);
  SpaeterEintrag(einheit, QStringLiteral("Einheit(en) &ausblenden"), QKeySequence(Qt::CTRL | Qt::Key_Delete));
  SpaeterEintrag(einheit, QStringLiteral("Einheit(en) &einblenden..."));
  SpaeterEintrag(einheit, QStringLiteral("Au&sgeblendete Einheiten löschen"));
  SpaeterEintrag(einheit, QStringLiteral("Ei&gene Einheit einfügen..."));
  SpaeterEintrag(einheit, QStringLiteral("&Umrechnungsfaktor ändern..."));
  SpaeterEintrag(einheit, QStringLiteral("Einheiten s&uchen"));

  QMenu* gebiet = menuBar()->addMenu(QStringLiteral("&Gebiet"));
  SpaeterEintrag(gebiet, QStringLiteral("Neues Gebiet &einfügen..."));
  SpaeterEintrag(gebiet, QStringLiteral("Vorhandenes Gebiet &löschen..."));
  QAction* gebietsinfo = gebiet->addAction(QStringLiteral("&Informationen über Gebiet"));
  gebietsinfo->setObjectName(QStringLiteral("InformationenueberGebiet1"));
  connect(gebietsinfo, &QAction::triggered, this, &TMyWindow::GebietsInformationen);

  QMenu* einstellungen = menuBar()->addMenu(QStringLiteral("Ei&nstellungen"));
  Fliekommaanzeige1 = einstellungen->addAction(QStringLiteral("&Fließkommaanzeige"));
  Fliekommaanzeige1->setObjectName(QStringLiteral("Fliekommaanzeige1"));
  connect(Fliekommaanzeige1, &QAction::triggered, this, [this] { AnzeigeSetzen(false); });
  WissenschaZahlenanzeige1 = einstellungen->addAction(QStringLiteral("&Wissenscha. Zahlenanzeige"));
  WissenschaZahlenanzeige1->setObjectName(QStringLiteral("WissenschaZahlenanzeige1"));
  connect(WissenschaZahlenanzeige1, &QAction::triggered, this, [this] { AnzeigeSetzen(true); });
  SortierungAlphabet1 = einstellungen->addAction(QStringLiteral("Einheitensortierung nach &Alphabet"));
  SortierungAlphabet1->setObjectName(QStringLiteral("EinheitensortierungnachAlphabet1"));
  connect(SortierungAlphabet1, &QAction::triggered, this, [this] { Sortieren(Sortiermodus::Alphabet); });
  SortierungLand1 = einstellungen->addAction(QStringLiteral("Einheitensortierung nach &Land"));
  SortierungLand1->setObjectName(QStringLiteral("EinheitensortierungnachLand1"));
  connect(SortierungLand1, &QAction::triggered, this, [this] { Sortieren(Sortiermodus::Land); });
  SortierungGroesse1 = einstellungen->addAction(QStringLiteral("Einheitensortierung nach &Größe"));
  SortierungGroesse1->setObjectName(QStringLiteral("EinheitensortierungnachGroesse1"));
  connect(SortierungGroesse1, &QAction::triggered, this, [this] { Sortieren(Sortiermodus::Groesse); });
  SpaeterEintrag(einstellungen, QStringLiteral("Lä&nder aus-/einblenden..."));
  AutomatischesRechnen1 = einstellungen->addAction(QStringLiteral("&Automatisches Rechnen"));
  AutomatischesRechnen1->setObjectName(QStringLiteral("AutomatischesRechnen1"));
  AutomatischesRechnen1->setCheckable(true);
  connect(AutomatischesRechnen1, &QAction::triggered, this, &TMyWindow::AutomatischesRechnenClick);

  QMenu* informationen = menuBar()->addMenu(QStringLiteral("&Informationen"));
  for (const char* text : {"&Vorsatzzeichen", "&Chemische Elemente", "&Physikalische Konstanten", "&Stoffdaten",
                           "&Diverse Daten", "&ANSI/ASCII-Zeichentabelle", "Auslands&vorwahlen", "&Buchstabiertafel",
                           "&Immerwährender Kalender", "&Konfektionsgrößen", "&Nährwerttabelle"})
    SpaeterEintrag(informationen, QString::fromUtf8(text));

  QMenu* extras = menuBar()->addMenu(QStringLiteral("E&xtras"));
  for (const char* text : {"&Molmassen-Rechner", "&Flächen-Berechnung", "&Körper-Berechnung"})
    SpaeterEintrag(extras, QString::fromUtf8(text));

  QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
  SpaeterEintrag(hilfe, QStringLiteral("&Index"), QKeySequence(Qt::Key_F1));
  QAction* ueber = hilfe->addAction(QStringLiteral("&Über Kolvaro"));
  ueber->setObjectName(QStringLiteral("UeberKolvaro1"));
  connect(ueber, &QAction::triggered, this, &TMyWindow::UeberKolvaro);
}

void TMyWindow::WerkzeugleisteAufbauen() {
  auto* leiste = addToolBar(QStringLiteral("Werkzeuge"));
  leiste->setObjectName(QStringLiteral("ToolBar1"));
  leiste->setMovable(false);
  leiste->setToolButtonStyle(Qt::ToolButtonTextOnly);

  ComboBox2 = new QComboBox(leiste);
  ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
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
  knopf("ToolButton2", QStringLiteral("Suchen"), QStringLiteral("Einheit suchen"))->setEnabled(false);
  knopf("ToolButton3", QStringLiteral("Ausblenden"), QStringLiteral("Einheit(en) ausblenden"))->setEnabled(false);
  knopf("ToolButton4", QStringLiteral("Einblenden"), QStringLiteral("Einheit(en) einblenden"))->setEnabled(false);
  QAction* umrechnen = knopf("ToolButton10", QStringLiteral("Umrechnen"), QStringLiteral("Einheit umrechnen"));
  connect(umrechnen, &QAction::triggered, this, &TMyWindow::RechentasteClick);
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

QWidget* TMyWindow::InfoPanelAufbauen() {
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::StyledPanel);
  Panel1->setMinimumWidth(300);
  auto* gitter = new QGridLayout(Panel1);
  gitter->setColumnStretch(0, 2);
  gitter->setColumnStretch(1, 3);
  auto* ueberschrift = NeuesLabel("Info_Ueberschrift", Panel1, QStringLiteral("Information"));
  QFont fett = ueberschrift->font();
  fett.setBold(true);
  ueberschrift->setFont(fett);
  gitter->addWidget(ueberschrift, 0, 0, 1, 2);
  int zeile = 1;
  auto paar = [&](const char* name1, const char* name2) {
    InfoPaar p{NeuesLabel(name1, Panel1), NeuesLabel(name2, Panel1)};
    p.Beschriftung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    p.Beschriftung->setWordWrap(true);  // "Sommerzeit (+ 1 Stunde): " is long
    p.Wert->setWordWrap(true);
    p.Wert->setTextInteractionFlags(Qt::TextSelectableByMouse);
    gitter->addWidget(p.Beschriftung, zeile, 0);
    gitter->addWidget(p.Wert, zeile, 1);
    ++zeile;
    return p;
  };
  m_InfoKurzzeichen = paar("Info_Kurzzeichen1", "Info_Kurzzeichen2");
  m_InfoSonstigeNamen = paar("Info_sonstige_Namen1", "Info_Sonstige_Namen2");
  m_InfoUebersetzung = paar("Info_Uebersetzung1", "Info_Uebersetzung2");
  m_InfoEinsatzgebiet = paar("Info_Einsatzgebiet1", "Info_Einsatzgebiet2");
  m_InfoEntspricht = paar("Info_entspricht1", "Info_entspricht2");
  m_InfoCaWert = paar("Info_ca_Wert1", "Info_ca_wert2");
  m_InfoOrt = paar("Info_Ort1", "Info_ort2");
  m_InfoZeitraum = paar("Info_Zeitraum1", "Info_Zeitraum2");
  m_InfoLandname = paar("Info_Landname1", "Info_Landname2");
  Info_reg_Unterschiede = NeuesLabel("Info_reg_Unterschiede", Panel1);
  Info_zeit_unterschiede = NeuesLabel("Info_zeit_unterschiede", Panel1);
  for (QLabel* rot : {Info_reg_Unterschiede, Info_zeit_unterschiede}) {
    rot->setStyleSheet(QStringLiteral("color: red;"));
    gitter->addWidget(rot, zeile++, 0, 1, 2);
  }
  gitter->setRowStretch(zeile, 1);
  return Panel1;
}

QWidget* TMyWindow::StatuszeileAufbauen() {
  auto* zeile = new QWidget(this);
  auto* layout = new QHBoxLayout(zeile);
  layout->setContentsMargins(4, 2, 4, 2);
  auto panel = [zeile](const char* name) {
    auto* label = NeuesLabel(name, zeile);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(330);
    return label;
  };
  auto knopf = [zeile](const char* name, const QString& text, const QString& hinweis) {
    auto* k = new QToolButton(zeile);
    k->setObjectName(QString::fromLatin1(name));
    k->setText(text);
    k->setToolTip(hinweis);
    return k;
  };
  Panel2 = panel("Panel2");
  SpeedButton7 = knopf("SpeedButton7", QStringLiteral("+"), QStringLiteral("Ausgeblendete Einheiten kurzzeitig anzeigen."));
  SpeedButton8 = knopf("SpeedButton8", QStringLiteral("↺"),
                       QStringLiteral("Kurzzeitige Anzeige der ausgeblendeten Einheiten rückgängig."));
  Panel3 = panel("Panel3");
  SpeedButton9 = knopf("SpeedButton9", QStringLiteral("+"), QStringLiteral("Ausgeblendete Länder kurzzeitig anzeigen."));
  SpeedButton10 = knopf("SpeedButton10", QStringLiteral("↺"),
                        QStringLiteral("Kurzzeitige Anzeige der ausgeblendeten Länder rückgängig."));
  connect(SpeedButton7, &QToolButton::clicked, this, &TMyWindow::TemporaerEinheitenAnzeigen);
  connect(SpeedButton8, &QToolButton::clicked, this, &TMyWindow::TemporaerEinheitenRueckgaengig);
  connect(SpeedButton9, &QToolButton::clicked, this, &TMyWindow::TemporaerLaenderAnzeigen);
  connect(SpeedButton10, &QToolButton::clicked, this, &TMyWindow::TemporaerLaenderRueckgaengig);
  layout->addWidget(Panel2);
  layout->addWidget(SpeedButton7);
  layout->addWidget(SpeedButton8);
  layout->addSpacing(12);
  layout->addWidget(Panel3);
  layout->addWidget(SpeedButton9);
  layout->addWidget(SpeedButton10);
  layout->addStretch();
  return zeile;
}

}  // namespace kolvaro::ui
