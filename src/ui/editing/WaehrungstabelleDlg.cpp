// The currency table editor.
#include "ui/editing/WaehrungstabelleDlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/Text.h"

namespace kolvaro::ui {

// ------------------------------------------------------------------ model

void Waehrungsmodell::Fuellen(const std::vector<Waehrungseintrag>& eintraege) {
  beginResetModel();
  m_Zellen.clear();
  m_Zellen.reserve(eintraege.size());
  for (const auto& eintrag : eintraege) {
    auto& zeile = m_Zellen.emplace_back();
    for (int spalte = 0; spalte < waehrungsspalte::Anzahl; ++spalte)
      zeile[static_cast<std::size_t>(spalte)] = QtText(WaehrungsZelle(eintrag, spalte));
  }
  endResetModel();
}

QString Waehrungsmodell::Zelle(int zeile, int spalte) const {
  if (zeile < 0 || zeile >= rowCount() || spalte < 0 || spalte >= waehrungsspalte::Anzahl) return {};
  return m_Zellen[static_cast<std::size_t>(zeile)][static_cast<std::size_t>(spalte)];
}

int Waehrungsmodell::rowCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : static_cast<int>(m_Zellen.size());
}

int Waehrungsmodell::columnCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : waehrungsspalte::Anzahl;
}

QVariant Waehrungsmodell::data(const QModelIndex& index, int rolle) const {
  if (!index.isValid() || (rolle != Qt::DisplayRole && rolle != Qt::EditRole)) return {};
  return Zelle(index.row(), index.column());
}

QVariant Waehrungsmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
  if (rolle != Qt::DisplayRole) return {};
  if (richtung == Qt::Vertical) return abschnitt + 1;
  static const QString kKoepfe[waehrungsspalte::Anzahl] = {QStringLiteral("Land"), QStringLiteral("Währung"),
                                                           QStringLiteral("Euro"), QStringLiteral("Stand"),
                                                           QStringLiteral("Wert bzw.ca-Wert")};
  return abschnitt >= 0 && abschnitt < waehrungsspalte::Anzahl ? kKoepfe[abschnitt] : QVariant();
}

Qt::ItemFlags Waehrungsmodell::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  // Country and currency name are the unit itself, not data of the table.
  if (index.column() >= waehrungsspalte::Euro) f |= Qt::ItemIsEditable;
  return f;
}

bool Waehrungsmodell::setData(const QModelIndex& index, const QVariant& wert, int rolle) {
  if (!index.isValid() || rolle != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  m_Zellen[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())] = wert.toString();
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

// ----------------------------------------------------------------- dialog

TFaktor_aender_Waehrung_neu::TFaktor_aender_Waehrung_neu(const Dialogumgebung& umgebung, QWidget* eltern)
    : Dialogbasis(umgebung, QStringLiteral("Faktor_aender_Waehrung_neu"),
                  QStringLiteral("Umrechnungsfaktoren ändern - Währungen"), eltern) {
  m_Modell = new Waehrungsmodell(this);
  StringGrid1 = new QTableView(this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->setAccessibleName(QStringLiteral("Währungen"));
  StringGrid1->setModel(m_Modell);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  // Columns as wide as their texts; the last one fills what is left of the
  // window itself (the header's own stretching would cut it to the default width).
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  Memo1 = new QLabel(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setWordWrap(true);
  Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Button1 = new QPushButton(QStringLiteral("Nach &Land sortieren"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button2 = new QPushButton(QStringLiteral("Nach &Einheit sortieren"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  // Enter ends an edit in the grid; it must not press a button.
  const OkAbbrechen knoepfe = OkAbbrechenZeile("BitBtn1", "CancelBtn", Eingabetaste::Keinen,
                                               QStringLiteral("Daten &speichern"), {Button1, Button2});
  BitBtn1 = knoepfe.Ok;
  CancelBtn = knoepfe.Abbrechen;

  auto* haupt = new QVBoxLayout(this);
  haupt->addWidget(StringGrid1, 1);
  haupt->addWidget(Memo1);
  haupt->addLayout(knoepfe.Zeile);
  setTabOrder(StringGrid1, Button1);
  setTabOrder(Button1, Button2);
  setTabOrder(Button2, BitBtn1);
  setTabOrder(BitBtn1, CancelBtn);
  setSizeGripEnabled(true);
  resize(720, 480);

  connect(Button1, &QPushButton::clicked, this, &TFaktor_aender_Waehrung_neu::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TFaktor_aender_Waehrung_neu::Button2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TFaktor_aender_Waehrung_neu::BitBtn1Click);
}

void TFaktor_aender_Waehrung_neu::Vorbereiten() {
  Memo1->setText(QStringLiteral(
      "Die Angaben in der Spalte \"Stand\" und \"Wert bzw. ca-Wert\" dienen nicht zur Berechnung und werden nur zur "
      "Information im Info-Feld angezeigt (max. 32 bzw. 21 Buchstaben)."));
  m_Eintraege.clear();
  auto geladen = WaehrungenLaden(m_Konverter.Verzeichnis(), m_Konverter.Datendatei());
  if (!geladen) {
    Melden(geladen.Fehler());
    m_Modell->Fuellen({});
    QTimer::singleShot(0, this, &TFaktor_aender_Waehrung_neu::reject);
    return;
  }
  m_Eintraege = std::move(*geladen);
  TabelleFuellen();
  Button1->setEnabled(true);
  Button2->setEnabled(false);
  BreiteAnpassen();
  StringGrid1->setFocus();
  StringGrid1->setCurrentIndex(m_Modell->index(0, waehrungsspalte::Euro));
}

void TFaktor_aender_Waehrung_neu::showEvent(QShowEvent* ereignis) {
  Dialogbasis::showEvent(ereignis);
  // Only now the grid has its width: a scroll to the current cell before
  // would have left the table scrolled to its right end.
  LetzteSpalteStrecken();
  StringGrid1->horizontalScrollBar()->setValue(0);
  StringGrid1->scrollTo(StringGrid1->currentIndex());
}

void TFaktor_aender_Waehrung_neu::resizeEvent(QResizeEvent* ereignis) {
  Dialogbasis::resizeEvent(ereignis);
  LetzteSpalteStrecken();
}

void TFaktor_aender_Waehrung_neu::BreiteAnpassen() {
  const QHeaderView* kopf = StringGrid1->horizontalHeader();
  const int spalten = kopf->length() - kopf->sectionSize(waehrungsspalte::Anzahl - 1) + m_LetzteSpaltenbreite;
  const QMargins raender = layout()->contentsMargins();
  const int gitter = StringGrid1->verticalHeader()->sizeHint().width() + spalten + 2 * StringGrid1->frameWidth() +
                     StringGrid1->verticalScrollBar()->sizeHint().width();
  int breite = std::max({width(), gitter + raender.left() + raender.right(), minimumSizeHint().width()});
  if (const QScreen* bildschirm = screen()) breite = std::min(breite, bildschirm->availableGeometry().width());
  resize(breite, height());
}

void TFaktor_aender_Waehrung_neu::LetzteSpalteStrecken() {
  QHeaderView* kopf = StringGrid1->horizontalHeader();
  const int letzte = waehrungsspalte::Anzahl - 1;
  if (m_LetzteSpaltenbreite <= 0) return;
  const int davor = kopf->length() - kopf->sectionSize(letzte);
  kopf->resizeSection(letzte, std::max(m_LetzteSpaltenbreite, StringGrid1->viewport()->width() - davor));
}

void TFaktor_aender_Waehrung_neu::hideEvent(QHideEvent* ereignis) {
  // The entries live only while the table is shown.
  m_Eintraege.clear();
  m_Modell->Fuellen({});
  Dialogbasis::hideEvent(ereignis);
}

void TFaktor_aender_Waehrung_neu::TabelleFuellen() {
  m_Modell->Fuellen(m_Eintraege);
  StringGrid1->resizeColumnsToContents();
  m_LetzteSpaltenbreite = StringGrid1->horizontalHeader()->sectionSize(waehrungsspalte::Anzahl - 1);
  LetzteSpalteStrecken();
}

void TFaktor_aender_Waehrung_neu::Button1Click() {
  NachLandOrdnen(m_Eintraege);
  TabelleFuellen();
  Button1->setEnabled(false);
  Button2->setEnabled(true);
}

void TFaktor_aender_Waehrung_neu::Button2Click() {
  NachDateizeileOrdnen(m_Eintraege);
  TabelleFuellen();
  Button1->setEnabled(true);
  Button2->setEnabled(false);
}

void TFaktor_aender_Waehrung_neu::ZelleWaehlen(int zeile, int spalte) {
  const QModelIndex index = m_Modell->index(zeile, spalte);
  if (!index.isValid()) return;
  StringGrid1->setCurrentIndex(index);
  StringGrid1->scrollTo(index);
  StringGrid1->setFocus();
}

void TFaktor_aender_Waehrung_neu::BitBtn1Click() {
  // Without the loaded entries the file would be rewritten empty.
  if (m_Eintraege.empty() || !isVisible()) return;
  // An open cell editor hands its text over when it loses the focus (as
  // when the button is pressed by its shortcut).
  BitBtn1->setFocus();

  std::vector<Waehrungseingabe> eingaben;
  eingaben.reserve(static_cast<std::size_t>(m_Modell->rowCount()));
  for (int zeile = 0; zeile < m_Modell->rowCount(); ++zeile) {
    Waehrungseingabe& eingabe = eingaben.emplace_back();
    for (auto [spalte, ziel] :
         {std::pair{waehrungsspalte::Euro, &eingabe.Euro}, std::pair{waehrungsspalte::Stand, &eingabe.Stand},
          std::pair{waehrungsspalte::Wert, &eingabe.Wert}}) {
      auto text = Cp1252AusQt(m_Modell->Zelle(zeile, spalte));
      if (!text) {
        Melden(NichtSpeicherbarMeldung(
            m_Modell->headerData(spalte, Qt::Horizontal, Qt::DisplayRole).toString().toStdString()));
        ZelleWaehlen(zeile, spalte);
        return;
      }
      *ziel = std::move(*text);
    }
  }
  const Waehrungsspeicherung gespeichert =
      WaehrungenSpeichern(m_Konverter.Verzeichnis(), m_Konverter.Datendatei(), m_Eintraege, eingaben);
  if (gespeichert.Fehler) {
    // The table stays open with everything typed.
    Melden(*gespeichert.Fehler);
    if (gespeichert.Zeile >= 0) ZelleWaehlen(gespeichert.Zeile, gespeichert.Spalte);
    return;
  }
  AenderungMelden(Neuladen::Gebiet);
  accept();
}

}  // namespace kolvaro::ui
