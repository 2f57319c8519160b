// The unit list as a list model over the converter's units: the row's name,
// its result text in the current display, its flag and its hint.
#pragma once

#include <QAbstractListModel>

#include "converter/Konverter.h"

namespace kolvaro::ui {

class EinheitenModell : public QAbstractListModel {
  Q_OBJECT
 public:
  enum Rolle {
    ErgebnisRolle = Qt::UserRole + 1,  // QString: the result text, empty without results
    FlaggeRolle,                       // QPixmap: the flag of the unit's Landname
    FavoritRolle,                      // bool: the unit stands at the top as a favourite
  };

  explicit EinheitenModell(const Konverter& konverter, QObject* eltern = nullptr)
      : QAbstractListModel(eltern), m_Konverter(konverter) {}

  int rowCount(const QModelIndex& eltern = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;

  // The converter's list changed: every row is new. (New result texts need
  // only a repaint: the rows read them from the converter.)
  void Neu();

 private:
  const Konverter& m_Konverter;
};

}  // namespace kolvaro::ui
