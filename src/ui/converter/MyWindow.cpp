// TMyWindow: construction of the window and its panels.
#include "ui/converter/MyWindow.h"

#include <QActionGroup>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStringListModel>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "basis/Texte.h"
#include "ui/Text.h"
#include "ui/Zugaenglichkeit.h"
#include "ui/converter/EinheitenDelegate.h"
#include "ui/converter/EinheitenModell.h"

namespace kolvaro::ui {

TMyWindow::TMyWindow(Konverter& konverter, Plattform& plattform, QSettings& einstellungen,
                     const Dialogfabriken& fabriken, QWidget* eltern)
    : QMainWindow(eltern), m_Konverter(konverter), m_Plattform(plattform), m_EinstellungsSpeicher(einstellungen) {
  setObjectName(QStringLiteral("MyWindow"));
  ZugaenglichkeitEinrichten();
  setWindowTitle(QtAusUtf8(texte::kProgramm));
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(500);
  connect(Timer1, &QTimer::timeout, this, &TMyWindow::Timer1Timer);
  OberflaecheAufbauen();
  resize(980, 640);
  // The dialogs are made when they are first called, with what they may ask of the window.
  Dialogumgebung umgebung{m_Konverter, m_Plattform};
  umgebung.PasswortAbfragen = [this] { return m_Passwortabfrage(); };
  umgebung.Auswahl = [this] { return AuswahlIndex(); };
  umgebung.StatusAnzeigen = [this] {
    StatusAnzeigen();
    // Units shown again in a dialog: with none hidden any more there is no
    // temporary display to undo.
    if (m_Konverter.Zaehler().Verborgen == 0) SpeedButton8->setEnabled(false);
  };
  m_Dialoge = std::make_unique<Dialoge>(umgebung, this, fabriken);
  BefehleVerbinden();
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
  auto* werteingabe = new QLabel(QStringLiteral("Werteingabe:"), zentrum);
  eingabezeile->addWidget(werteingabe);
  eingabezeile->addSpacing(6);
  Edit_Eingabe = new QLineEdit(QStringLiteral("1"), zentrum);
  Edit_Eingabe->setObjectName(QStringLiteral("Edit_Eingabe"));
  // Room for calculations and number-unit pairs ("1 h 20 min 30 s + 45 s"),
  // not only for a number.
  Edit_Eingabe->setMaxLength(60);
  Edit_Eingabe->setFixedWidth(Edit_Eingabe->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 17 + 12);
  werteingabe->setBuddy(Edit_Eingabe);
  // The last values of the category, offered on Alt+Down only: a list that
  // opened while typing would take the keys meant for the field.
  Verlauf = new QCompleter(new QStringListModel(this), this);
  Verlauf->setObjectName(QStringLiteral("Verlauf"));
  Verlauf->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  Verlauf->setWidget(Edit_Eingabe);
  connect(Verlauf, qOverload<const QString&>(&QCompleter::activated), Edit_Eingabe, &QLineEdit::setText);
  Edit_Eingabe->installEventFilter(this);  // Enter, Alt+Down, automatic calculation
  eingabezeile->addWidget(Edit_Eingabe);
  eingabezeile->addSpacing(6);
  Rechentaste = new QPushButton(QStringLiteral("="), zentrum);
  Rechentaste->setObjectName(QStringLiteral("Rechentaste"));
  Rechentaste->setToolTip(QStringLiteral("Einheit umrechnen"));
  Rechentaste->setFixedWidth(36);
  connect(Rechentaste, &QPushButton::clicked, this, &TMyWindow::UmrechnenUndMerken);
  eingabezeile->addWidget(Rechentaste);
  eingabezeile->addSpacing(10);
  Label_gewaehlte_einheit = Beschriftung(zentrum, "Label_gewaehlte_einheit");
  eingabezeile->addWidget(Label_gewaehlte_einheit);
  eingabezeile->addSpacing(5);
  Image1 = Beschriftung(zentrum, "Image1");
  Image1->setFixedSize(32, 16);
  eingabezeile->addWidget(Image1);
  eingabezeile->addStretch();
  links->addLayout(eingabezeile);

  // "Ausgangseinheit und Ergebnis:" — the blinking result row.
  auto* ergebniszeile = new QHBoxLayout;
  ergebniszeile->setSpacing(0);
  ergebniszeile->addWidget(new QLabel(QStringLiteral("Ausgangseinheit und Ergebnis:"), zentrum));
  ergebniszeile->addSpacing(8);
  Label_Ausgangseinheit = Beschriftung(zentrum, "Label_Ausgangseinheit");
  ergebniszeile->addWidget(Label_Ausgangseinheit);
  ergebniszeile->addSpacing(5);
  Flagge1 = Beschriftung(zentrum, "Flagge1");
  Flagge1->setFixedSize(32, 16);
  ergebniszeile->addWidget(Flagge1);
  ergebniszeile->addSpacing(3);
  Label2 = Beschriftung(zentrum, "Label2");
  ergebniszeile->addWidget(Label2);
  ergebniszeile->addStretch();
  for (QWidget* w :
       {static_cast<QWidget*>(Label_Ausgangseinheit), static_cast<QWidget*>(Flagge1), static_cast<QWidget*>(Label2)}) {
    QSizePolicy politik = w->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    w->setSizePolicy(politik);
  }
  Flagge1->hide();
  links->addLayout(ergebniszeile);

  m_Modell = new EinheitenModell(m_Konverter, this);
  ListBoxEinheit = new QListView(zentrum);
  ListBoxEinheit->setObjectName(QStringLiteral("ListBoxEinheit"));
  ListBoxEinheit->setAccessibleName(QStringLiteral("Einheiten"));
  ListBoxEinheit->setModel(m_Modell);
  ListBoxEinheit->setItemDelegate(new EinheitenDelegate(ListBoxEinheit));
  // The context menu marks favourites (the entry of the "Einheit" menu).
  ListBoxEinheit->addAction(Favorit1);
  ListBoxEinheit->setContextMenuPolicy(Qt::ActionsContextMenu);
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

  NamenAusBeschriftungen(zentrum);
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

QWidget* TMyWindow::InfoPanelAufbauen() {
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::StyledPanel);
  Panel1->setMinimumWidth(300);
  auto* gitter = new QGridLayout(Panel1);
  gitter->setColumnStretch(0, 2);
  gitter->setColumnStretch(1, 3);
  auto* ueberschrift = Beschriftung(Panel1, "Info_Ueberschrift", QStringLiteral("Information"));
  QFont fett = ueberschrift->font();
  fett.setBold(true);
  ueberschrift->setFont(fett);
  gitter->addWidget(ueberschrift, 0, 0, 1, 2);
  int zeile = 1;
  auto paar = [&](const char* name1, const char* name2) {
    InfoPaar p{Beschriftung(Panel1, name1), Beschriftung(Panel1, name2)};
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
  m_InfoZerlegt = paar("Info_Zerlegt1", "Info_Zerlegt2");
  Info_reg_Unterschiede = Beschriftung(Panel1, "Info_reg_Unterschiede");
  Info_zeit_unterschiede = Beschriftung(Panel1, "Info_zeit_unterschiede");
  // Red through the palette: a style sheet would bring in the style sheet
  // machinery at start, for two labels.
  QPalette rotePalette = Info_reg_Unterschiede->palette();
  rotePalette.setColor(QPalette::WindowText, Qt::red);
  for (QLabel* rot : {Info_reg_Unterschiede, Info_zeit_unterschiede}) {
    rot->setPalette(rotePalette);
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
    auto* label = Beschriftung(zeile, name);
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
    k->setAccessibleName(hinweis);  // "+" and "↺" say nothing when read aloud
    return k;
  };
  Panel2 = panel("Panel2");
  SpeedButton7 =
      knopf("SpeedButton7", QStringLiteral("+"), QStringLiteral("Ausgeblendete Einheiten kurzzeitig anzeigen."));
  SpeedButton8 = knopf("SpeedButton8", QStringLiteral("↺"),
                       QStringLiteral("Kurzzeitige Anzeige der ausgeblendeten Einheiten rückgängig."));
  Panel3 = panel("Panel3");
  SpeedButton9 =
      knopf("SpeedButton9", QStringLiteral("+"), QStringLiteral("Ausgeblendete Länder kurzzeitig anzeigen."));
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
