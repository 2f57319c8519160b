// Owner-drawn rows of the unit list.
#include "ui/converter/EinheitenDelegate.h"

#include <QPainter>

#include "ui/converter/EinheitenModell.h"

namespace kolvaro::ui {

int EinheitenDelegate::Zeilenhoehe(const QFontMetrics& metrik) { return std::max(16, metrik.height() + 2); }

QSize EinheitenDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return {200, Zeilenhoehe(option.fontMetrics)};
}

void EinheitenDelegate::paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QRect r = option.rect;
  const bool markiert = option.state & QStyle::State_Selected;
  const bool fokus = option.state & QStyle::State_HasFocus;
  const QPalette& palette = option.palette;

  // Odd rows silver; a selected row highlighted; the focused (but not
  // selected) row in the highlight colour with white text.
  QColor hintergrund = palette.color(QPalette::Base);
  QColor schrift = palette.color(QPalette::Text);
  if (index.row() % 2 == 1 && !(markiert && fokus)) hintergrund = QColor(0xC0, 0xC0, 0xC0);
  if (markiert) {
    hintergrund = palette.color(QPalette::Highlight);
    schrift = palette.color(QPalette::HighlightedText);
  } else if (fokus) {
    hintergrund = palette.color(QPalette::Highlight);
    schrift = Qt::white;
  }
  maler->save();
  maler->fillRect(r, hintergrund);
  maler->setPen(schrift);
  maler->setFont(option.font);

  const int rechts = r.right() + 1;
  const int hoehe = r.height();
  const int nameX = static_cast<int>(rechts / 3.0 + 0.5);
  const int flaggeX = rechts - 2 * hoehe;
  // Text drawn at its baseline and clipped: much cheaper than laying it out
  // in a rectangle, and a long list repaints often.
  const int grundlinie = r.top() + (hoehe + option.fontMetrics.ascent() - option.fontMetrics.descent()) / 2;
  maler->setClipRect(QRect(nameX, r.top(), std::max(0, flaggeX - nameX - 2), hoehe));
  // A favourite is marked by a star before its name.
  const QString stern = index.data(EinheitenModell::FavoritRolle).toBool() ? QStringLiteral("\u2605 ") : QString();
  maler->drawText(QPoint(nameX, grundlinie), stern + index.data(Qt::DisplayRole).toString());

  const QString ergebnis = index.data(EinheitenModell::ErgebnisRolle).toString();
  if (!ergebnis.isEmpty()) {
    maler->setClipRect(QRect(r.left() + 5, r.top(), std::max(0, nameX - r.left() - 10), hoehe));
    maler->drawText(QPoint(r.left() + 5, grundlinie), ergebnis);
  }
  maler->setClipping(false);

  const QPixmap flagge = index.data(EinheitenModell::FlaggeRolle).value<QPixmap>();
  if (!flagge.isNull()) maler->drawPixmap(flaggeX, r.top() + (hoehe - flagge.height()) / 2, flagge);
  maler->restore();
}

}  // namespace kolvaro::ui
