// TFaktor_aender_Waehrung_neu: the table of all currencies (hidden ones
// included) with their rates, the date of the rate and an approximate
// value, saved together into the currencies' data file.
#pragma once

#include <QAbstractTableModel>
#include <array>
#include <vector>

#include "editing/Faktoraenderung.h"
#include "ui/Dialogbasis.h"

class QLabel;
class QPushButton;
class QTableView;

namespace kolvaro::ui {

// The grid's cells: filled from the entries, the last three columns
// editable. It holds what was typed until the table is filled again.
class Waehrungsmodell : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void Fuellen(const std::vector<Waehrungseintrag>& eintraege);
  QString Zelle(int zeile, int spalte) const;

  int rowCount(const QModelIndex& eltern = {}) const override;
  int columnCount(const QModelIndex& eltern = {}) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;
  QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& wert, int rolle) override;

 private:
  std::vector<std::array<QString, waehrungsspalte::Anzahl>> m_Zellen;
};

class TFaktor_aender_Waehrung_neu : public Dialogbasis {
  Q_OBJECT
 public:
  TFaktor_aender_Waehrung_neu(const Dialogumgebung& umgebung, QWidget* eltern);

 protected:
  void Vorbereiten() override;
  void showEvent(QShowEvent* ereignis) override;
  void hideEvent(QHideEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;

 private:
  void TabelleFuellen();
  // Widens the window so that all columns fit side by side, as far as the screen allows.
  void BreiteAnpassen();
  // The last column takes the room right of the others, at least its text's width.
  void LetzteSpalteStrecken();
  void Button1Click();
  void Button2Click();
  void BitBtn1Click();
  void ZelleWaehlen(int zeile, int spalte);

  QTableView* StringGrid1 = nullptr;
  Waehrungsmodell* m_Modell = nullptr;
  QLabel* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* CancelBtn = nullptr;
  // The entries in the order the table shows them; only while shown.
  std::vector<Waehrungseintrag> m_Eintraege;
  // The width the last column's texts need, from the last filling.
  int m_LetzteSpaltenbreite = 0;
};

}  // namespace kolvaro::ui
