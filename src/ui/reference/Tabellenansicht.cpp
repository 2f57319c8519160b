#include "ui/reference/Tabellenansicht.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <set>

#include "ui/Plattform.h"
#include "ui/Tabellenausgabe.h"
#include "ui/Text.h"

namespace kolvaro::ui {

Tabellenansicht::Tabellenansicht(Plattform& plattform, QWidget* eltern, const QString& name)
    : QTableWidget(eltern), m_Plattform(plattform) {
  setObjectName(QStringLiteral("ListBox1"));
  setAccessibleName(name);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setAlternatingRowColors(true);
  setWordWrap(false);
  verticalHeader()->setVisible(false);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

void Tabellenansicht::Leeren() {
  clearContents();
  setRowCount(0);
}

void Tabellenansicht::Fuellen(const Referenztabelle& tabelle) {
  m_Tabelle = tabelle;
  setUpdatesEnabled(false);
  Leeren();
  setColumnCount(static_cast<int>(tabelle.Spalten.size()));
  QStringList koepfe;
  for (const Text1252& s : tabelle.Spalten) koepfe << QtText(s);
  setHorizontalHeaderLabels(koepfe);
  setRowCount(static_cast<int>(tabelle.Zeilen.size()));
  for (int z = 0; z < rowCount(); ++z) {
    const auto& zeile = tabelle.Zeilen[static_cast<std::size_t>(z)];
    for (int s = 0; s < columnCount() && s < static_cast<int>(zeile.size()); ++s)
      setItem(z, s, new QTableWidgetItem(QtText(zeile[static_cast<std::size_t>(s)])));
  }
  resizeColumnsToContents();
  if (rowCount() > 0) selectRow(0);
  setUpdatesEnabled(true);
}

QString Tabellenansicht::AlsText(bool alle) const {
  std::set<int> zeilen;
  if (!alle)
    for (const QModelIndex& index : selectionModel()->selectedRows()) zeilen.insert(index.row());
  if (zeilen.empty())
    for (int z = 0; z < rowCount(); ++z) zeilen.insert(z);
  QStringList linien;
  QStringList koepfe;
  for (int s = 0; s < columnCount(); ++s) koepfe << model()->headerData(s, Qt::Horizontal).toString();
  linien << koepfe.join(QLatin1Char('\t'));
  for (int z : zeilen) {
    QStringList felder;
    for (int s = 0; s < columnCount(); ++s) felder << (item(z, s) ? item(z, s)->text() : QString());
    linien << felder.join(QLatin1Char('\t'));
  }
  return linien.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void Tabellenansicht::Kopieren(bool alle) { m_Plattform.ZwischenablageSetzen(AlsText(alle)); }

void Tabellenansicht::keyPressEvent(QKeyEvent* ereignis) {
  if (ereignis->matches(QKeySequence::Copy)) {
    Kopieren(false);
    return;
  }
  QTableWidget::keyPressEvent(ereignis);
}

namespace {

std::vector<std::vector<Text1252>> Zeilen(const Referenztabelle& tabelle) {
  std::vector<std::vector<Text1252>> zeilen{tabelle.Spalten};
  zeilen.insert(zeilen.end(), tabelle.Zeilen.begin(), tabelle.Zeilen.end());
  return zeilen;
}

}  // namespace

void Tabellenansicht::AlsCsvSpeichern() {
  ui::AlsCsvSpeichern(m_Plattform, QtText(m_Tabelle.Titel) + QStringLiteral(".csv"), Zeilen(m_Tabelle));
}

void Tabellenansicht::Drucken() {
  const Text1252 titel = m_Tabelle.Hinweis.empty() ? m_Tabelle.Titel : m_Tabelle.Titel + " (" + m_Tabelle.Hinweis + ")";
  TabelleDrucken(m_Plattform, titel, Zeilen(m_Tabelle));
}

void Tabellenansicht::contextMenuEvent(QContextMenuEvent* ereignis) {
  QMenu menue(this);
  menue.addAction(QStringLiteral("Auswahl &kopieren"), this, [this] { Kopieren(false); });
  menue.addAction(QStringLiteral("&Alles kopieren"), this, [this] { Kopieren(true); });
  menue.addSeparator();
  menue.addAction(QStringLiteral("Als &CSV speichern..."), this, &Tabellenansicht::AlsCsvSpeichern);
  menue.addAction(QStringLiteral("&Drucken..."), this, &Tabellenansicht::Drucken);
  menue.exec(ereignis->globalPos());
}

namespace {

class Kopierfilter : public QObject {
 public:
  Kopierfilter(QObject* eltern, std::function<void()> kopieren) : QObject(eltern), m_Kopieren(std::move(kopieren)) {}

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    const bool taste = ereignis->type() == QEvent::KeyPress || ereignis->type() == QEvent::ShortcutOverride;
    if (taste && static_cast<QKeyEvent*>(ereignis)->matches(QKeySequence::Copy)) {
      if (ereignis->type() == QEvent::KeyPress) m_Kopieren();
      ereignis->accept();
      return ereignis->type() == QEvent::KeyPress;
    }
    return QObject::eventFilter(objekt, ereignis);
  }

 private:
  std::function<void()> m_Kopieren;
};

}  // namespace

void KopierenMitStrgC(QWidget* widget, std::function<void()> kopieren) {
  widget->installEventFilter(new Kopierfilter(widget, std::move(kopieren)));
}

}  // namespace kolvaro::ui
