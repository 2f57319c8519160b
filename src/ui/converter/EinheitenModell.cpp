// The unit list model.
#include "ui/converter/EinheitenModell.h"

#include <QPixmap>

#include "data/Laendertabelle.h"
#include "ui/Flaggen.h"
#include "ui/Text.h"

namespace kolvaro::ui {

int EinheitenModell::rowCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : static_cast<int>(m_Konverter.Einheiten().size());
}

QVariant EinheitenModell::data(const QModelIndex& index, int rolle) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto& einheit = m_Konverter.Einheiten()[static_cast<std::size_t>(index.row())];
  switch (rolle) {
    case Qt::DisplayRole:
      return QtText(einheit.Einheitenname);
    case ErgebnisRolle:
      return m_Konverter.ErgebnisseVorhanden() ? QtText(m_Konverter.AngezeigtesErgebnis(index.row())) : QString();
    case FlaggeRolle:
      return Flagge(QtText(Flaggenname(einheit.Landname)));
    case FavoritRolle:
      return m_Konverter.IstFavorit(index.row());
    case Qt::AccessibleTextRole:
      // "1.000 Meter, SI-Einheit": result, unit and country as one line.
      return (m_Konverter.IstFavorit(index.row()) ? QStringLiteral("Favorit: ") : QString()) +
             (m_Konverter.ErgebnisseVorhanden()
                  ? QtText(m_Konverter.AngezeigtesErgebnis(index.row())).trimmed() + QLatin1Char(' ')
                  : QString()) +
             QtText(einheit.Einheitenname) + QStringLiteral(", ") + QtText(einheit.Landname);
    default:
      return {};
  }
}

void EinheitenModell::Neu() {
  beginResetModel();
  endResetModel();
}

}  // namespace kolvaro::ui
