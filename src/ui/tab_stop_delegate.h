#pragma once

#include <QStyledItemDelegate>

namespace korvix {

// Draws list lines that hold TABs as a list box with evenly spaced tab stops
// does: each TAB moves on to the next multiple of `distance` pixels.
class TabStopDelegate final : public QStyledItemDelegate {
public:
  TabStopDelegate(int distance, QObject* parent) : QStyledItemDelegate(parent), m_distance(distance) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
  int m_distance;
};

}  // namespace korvix
