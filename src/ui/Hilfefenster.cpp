// The help window and the map from windows to their pages.
#include "ui/Hilfefenster.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <map>

// The pages live in a static library; without this call the linker may
// leave them out of the program.
static void HilfeRessourceEinbinden() { Q_INIT_RESOURCE(hilfe); }

namespace kolvaro::ui {

namespace {

const QString kSchema = QStringLiteral("qrc");

QUrl Adresse(const QString& datei, const QString& anker) {
  QUrl url;
  url.setScheme(kSchema);
  url.setPath(kHilfeOrdner.mid(1) + datei);
  if (!anker.isEmpty()) url.setFragment(anker);
  return url;
}

}  // namespace

QStringList Hilfeseiten() {
  static const bool eingebunden = (HilfeRessourceEinbinden(), true);
  (void)eingebunden;
  return QDir(kHilfeOrdner).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QString HilfeseiteFuer(const QString& fenstername) {
  // Windows that do the same work share a page: the three dialogs of own
  // units, the three of factors, the two of the password.
  static const std::map<QString, QString> kSeiten = {
      {QStringLiteral("MyWindow"), QStringLiteral("umrechnen.html")},
      {QStringLiteral("Dlg_Einheit_einblenden"), QStringLiteral("ausblenden.html")},
      {QStringLiteral("Land_neu_Dlg"), QStringLiteral("anzeige.html")},
      {QStringLiteral("StellenDlg"), QStringLiteral("anzeige.html")},
      {QStringLiteral("UmrechnungstabelleDlg"), QStringLiteral("umrechnen.html")},
      {QStringLiteral("Dlg_eigene_einfuegen"), QStringLiteral("eigene.html")},
      {QStringLiteral("Dlg_eigene_einfuegen_Waehrung"), QStringLiteral("eigene.html")},
      {QStringLiteral("Dlg_eigene_einfuegen_WZ"), QStringLiteral("eigene.html")},
      {QStringLiteral("Faktor_aendern"), QStringLiteral("faktoren.html")},
      {QStringLiteral("Faktor_aendern_Weltzeit"), QStringLiteral("faktoren.html")},
      {QStringLiteral("Faktor_aender_Waehrung_neu"), QStringLiteral("faktoren.html")},
      {QStringLiteral("KurseEinlesenDlg"), QStringLiteral("waehrungen.html")},
      {QStringLiteral("Such_Dialog"), QStringLiteral("suchen.html")},
      {QStringLiteral("UeberDlg"), QStringLiteral("daten.html")},
      {QStringLiteral("GebietNeuDlg"), QStringLiteral("gebiete.html")},
      {QStringLiteral("GebietLoeschenDlg"), QStringLiteral("gebiete.html")},
      {QStringLiteral("PasswordDlg"), QStringLiteral("passwort.html")},
      {QStringLiteral("PasswortErzeugungDlg"), QStringLiteral("passwort.html")},
      {QStringLiteral("MolmasseDlg"), QStringLiteral("molmasse.html")},
      {QStringLiteral("Flaechen_Berechnung_Dlg"), QStringLiteral("flaechen.html")},
      {QStringLiteral("Koerper_Berechnung_DlgN"), QStringLiteral("koerper.html")},
      {QStringLiteral("KalenderDlg"), QStringLiteral("kalenderrechner.html")},
      {QStringLiteral("StoffdatenDlg"), QStringLiteral("stoffdaten.html")},
      {QStringLiteral("ElementeDlg"), QStringLiteral("elemente.html")},
      {QStringLiteral("PhysKonstDlg"), QStringLiteral("konstanten.html")},
      {QStringLiteral("Vorsatzzeichen"), QStringLiteral("vorsatzzeichen.html")},
      {QStringLiteral("DivDatenDlg"), QStringLiteral("diverse.html")},
      {QStringLiteral("NaehrwertDlg"), QStringLiteral("naehrwerte.html")},
      {QStringLiteral("AuslandsvorwahlDlg"), QStringLiteral("vorwahlen.html")},
      {QStringLiteral("BuchstabiertafelDlg"), QStringLiteral("buchstabiertafel.html")},
      {QStringLiteral("ANSIASCII_TabelleDlg"), QStringLiteral("zeichentabelle.html")},
      {QStringLiteral("KonfektionDlg"), QStringLiteral("konfektion.html")},
  };
  const auto gefunden = kSeiten.find(fenstername);
  return gefunden == kSeiten.end() ? QString() : gefunden->second;
}

THilfefenster::THilfefenster(QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("Hilfefenster"));
  setWindowTitle(QStringLiteral("Kolvaro-Hilfe"));
  setModal(false);
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  // Every page is read once: the search then runs over texts in memory.
  for (const QString& datei : Hilfeseiten()) {
    QFile quelle(kHilfeOrdner + datei);
    if (!quelle.open(QIODevice::ReadOnly)) continue;
    QTextDocument dokument;
    dokument.setHtml(QString::fromUtf8(quelle.readAll()));
    m_Seiten.push_back({datei, dokument.metaInformation(QTextDocument::DocumentTitle), dokument.toPlainText()});
  }

  auto knopf = [this](const char* name, const QString& text, const QString& hinweis) {
    auto* k = new QPushButton(text, this);
    k->setObjectName(QString::fromLatin1(name));
    k->setToolTip(hinweis);
    k->setAccessibleName(hinweis);
    // Enter in the search field searches; no button may take it.
    k->setAutoDefault(false);
    return k;
  };
  Inhalt = knopf("Inhalt", QStringLiteral("&Inhalt"), QStringLiteral("Inhaltsverzeichnis"));
  Zurueck = knopf("Zurueck", QStringLiteral("◀ &Zurück"), QStringLiteral("Zurück zur vorigen Seite"));
  Vor = knopf("Vor", QStringLiteral("&Vor ▶"), QStringLiteral("Vor zur nächsten Seite"));
  auto* suchbeschriftung = new QLabel(QStringLiteral("&Suchen:"), this);
  Suchfeld = new QLineEdit(this);
  Suchfeld->setObjectName(QStringLiteral("Suchfeld"));
  Suchfeld->setAccessibleName(QStringLiteral("Suchbegriff"));
  Suchfeld->setClearButtonEnabled(true);
  suchbeschriftung->setBuddy(Suchfeld);
  Suchknopf = knopf("Suchknopf", QStringLiteral("Su&che starten"), QStringLiteral("Alle Seiten durchsuchen"));
  Trefferzahl = new QLabel(QStringLiteral("Begriff eingeben, Enter drücken."), this);
  Trefferzahl->setObjectName(QStringLiteral("Trefferzahl"));
  Trefferzahl->setWordWrap(true);
  Trefferliste = new QListWidget(this);
  Trefferliste->setObjectName(QStringLiteral("Trefferliste"));
  Trefferliste->setAccessibleName(QStringLiteral("Seiten mit dem Suchbegriff"));
  Browser = new QTextBrowser(this);
  Browser->setObjectName(QStringLiteral("Browser"));
  Browser->setAccessibleName(QStringLiteral("Hilfeseite"));
  Browser->setOpenExternalLinks(false);

  auto* leiste = new QHBoxLayout;
  for (QWidget* w : {static_cast<QWidget*>(Inhalt), static_cast<QWidget*>(Zurueck), static_cast<QWidget*>(Vor)})
    leiste->addWidget(w);
  leiste->addStretch(1);
  leiste->addWidget(suchbeschriftung);
  leiste->addWidget(Suchfeld, 1);
  leiste->addWidget(Suchknopf);
  auto* links = new QWidget(this);
  auto* trefferspalte = new QVBoxLayout(links);
  trefferspalte->setContentsMargins(0, 0, 0, 0);
  trefferspalte->addWidget(Trefferzahl);
  trefferspalte->addWidget(Trefferliste, 1);
  auto* teiler = new QSplitter(this);
  teiler->addWidget(links);
  teiler->addWidget(Browser);
  teiler->setStretchFactor(1, 1);
  teiler->setSizes({200, 620});
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(leiste);
  haupt->addWidget(teiler, 1);
  QWidget* reihe[] = {Inhalt, Zurueck, Vor, Suchfeld, Suchknopf, Trefferliste, Browser};
  for (std::size_t i = 1; i < std::size(reihe); ++i) setTabOrder(reihe[i - 1], reihe[i]);
  resize(860, 620);

  Zurueck->setEnabled(false);
  Vor->setEnabled(false);
  connect(Browser, &QTextBrowser::backwardAvailable, Zurueck, &QWidget::setEnabled);
  connect(Browser, &QTextBrowser::forwardAvailable, Vor, &QWidget::setEnabled);
  connect(Zurueck, &QPushButton::clicked, Browser, &QTextBrowser::backward);
  connect(Vor, &QPushButton::clicked, Browser, &QTextBrowser::forward);
  connect(Inhalt, &QPushButton::clicked, this, [this] { SeiteOeffnen(kHilfeInhalt); });
  connect(Suchfeld, &QLineEdit::returnPressed, this, &THilfefenster::SucheStarten);
  connect(Suchknopf, &QPushButton::clicked, this, &THilfefenster::SucheStarten);
  connect(Trefferliste, &QListWidget::itemActivated, this, &THilfefenster::TrefferOeffnen);
  connect(Trefferliste, &QListWidget::itemClicked, this, &THilfefenster::TrefferOeffnen);
  connect(Browser, &QTextBrowser::sourceChanged, this, [this] {
    const QString titel = Browser->documentTitle();
    setWindowTitle(titel.isEmpty() ? QStringLiteral("Kolvaro-Hilfe") : QStringLiteral("Kolvaro-Hilfe – ") + titel);
  });
}

bool THilfefenster::SeiteOeffnen(const QString& seite) {
  const int raute = seite.indexOf(QLatin1Char('#'));
  const QString datei = raute < 0 ? seite : seite.left(raute);
  const QString anker = raute < 0 ? QString() : seite.mid(raute + 1);
  // A name with a folder in it could reach resources that are no pages.
  if (datei.isEmpty() || datei.contains(QLatin1Char('/')) || !Hilfeseiten().contains(datei)) return false;
  Browser->setSource(Adresse(datei, anker));
  return true;
}

QString THilfefenster::Seite() const { return Browser->source().fileName(); }

QStringList THilfefenster::Suchen(const QString& begriff) const {
  QStringList treffer;
  const QString gesucht = begriff.simplified();
  if (gesucht.isEmpty()) return treffer;
  for (const Hilfeseite& seite : m_Seiten)
    if (seite.Text.simplified().contains(gesucht, Qt::CaseInsensitive)) treffer << seite.Datei;
  return treffer;
}

void THilfefenster::SucheStarten() {
  Trefferliste->clear();
  const QStringList treffer = Suchen(Suchfeld->text());
  for (const QString& datei : treffer) {
    for (const Hilfeseite& seite : m_Seiten) {
      if (seite.Datei != datei) continue;
      auto* eintrag = new QListWidgetItem(seite.Titel.isEmpty() ? seite.Datei : seite.Titel, Trefferliste);
      eintrag->setData(Qt::UserRole, seite.Datei);
    }
  }
  if (Suchfeld->text().simplified().isEmpty())
    Trefferzahl->setText(QStringLiteral("Begriff eingeben, Enter drücken."));
  else if (treffer.isEmpty())
    Trefferzahl->setText(QStringLiteral("Keine Seite enthält „%1“.").arg(Suchfeld->text().simplified()));
  else
    Trefferzahl->setText(treffer.size() == 1 ? QStringLiteral("1 Seite gefunden:")
                                             : QStringLiteral("%1 Seiten gefunden:").arg(treffer.size()));
  if (Trefferliste->count() > 0) Trefferliste->setCurrentRow(0);
}

void THilfefenster::TrefferOeffnen(QListWidgetItem* treffer) {
  if (!treffer || !SeiteOeffnen(treffer->data(Qt::UserRole).toString())) return;
  // The first place of the term on the page is selected and scrolled to.
  Browser->moveCursor(QTextCursor::Start);
  Browser->find(Suchfeld->text().simplified());
}

}  // namespace kolvaro::ui
