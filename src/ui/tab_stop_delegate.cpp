#include "ui/tab_stop_delegate.h"

#include <QApplication>
#include <QPainter>

namespace korvix {

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QString text = item.text;
  item.text.clear();
  QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

  const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
  const bool selected = item.state & QStyle::State_Selected;
  painter->save();
  painter->setFont(item.font);
  painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  int x = 0;
  const QStringList pieces = text.split(QLatin1Char('\t'));
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (i > 0) x = (x / m_distance + 1) * m_distance;
    const QRect piece(area.left() + x, area.top(), area.width() - x, area.height());
    painter->drawText(piece, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, pieces.at(i));
    x += item.fontMetrics.horizontalAdvance(pieces.at(i));
  }
  painter->restore();
}

}  // namespace korvix
