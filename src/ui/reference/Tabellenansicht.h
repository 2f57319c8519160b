// The table of a reference viewer: real columns with their headings, read
// only, whole rows selected. Ctrl+C and the context menu copy the selected
// rows, or all of them, as TAB-separated text to the clipboard.
#pragma once

#include <QTableWidget>
#include <functional>

#include "reference/Referenztabelle.h"

namespace kolvaro::ui {

class Plattform;

class Tabellenansicht : public QTableWidget {
  Q_OBJECT
 public:
  // Every viewer names its table ListBox1; name is what a screen reader says.
  Tabellenansicht(Plattform& plattform, QWidget* eltern, const QString& name = QStringLiteral("Tabelle"));

  // Shows the table's headings and rows; the first row is selected.
  void Fuellen(const Referenztabelle& tabelle);
  void Leeren();

  // The selected rows as TAB-separated lines (with the headings); all rows
  // when alle or when nothing is selected.
  QString AlsText(bool alle) const;
  void Kopieren(bool alle);
  // The whole table as CSV, or printed under the title it was filled with.
  void AlsCsvSpeichern();
  void Drucken();

 protected:
  void keyPressEvent(QKeyEvent* ereignis) override;
  void contextMenuEvent(QContextMenuEvent* ereignis) override;

 private:
  Plattform& m_Plattform;
  Referenztabelle m_Tabelle;  // as last filled
};

// Ctrl+C in the widget runs kopieren instead of the widget's own copy (a
// list copies only its current entry).
void KopierenMitStrgC(QWidget* widget, std::function<void()> kopieren);

}  // namespace kolvaro::ui
