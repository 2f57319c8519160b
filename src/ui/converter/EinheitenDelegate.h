// Draws one row of the unit list: background, result at the left, name at
// a third of the width, flag two row heights before the right edge.
#pragma once

#include <QStyledItemDelegate>

namespace kolvaro::ui {

class EinheitenDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // Row height: 16 pixels, or more if the font needs it.
  static int Zeilenhoehe(const QFontMetrics& metrik);
};

}  // namespace kolvaro::ui
