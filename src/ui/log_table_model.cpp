#include "ui/log_table_model.h"

#include "ui/latin1.h"

namespace korvix {

int LogTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int LogTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_table.titles.size());
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  const std::vector<std::string>& row = m_table.rows[static_cast<std::size_t>(index.row())];
  const auto column = static_cast<std::size_t>(index.column());
  return column < row.size() ? QVariant(ToQString(row[column])) : QVariant();
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole || section < 0 || section >= columnCount()) return {};
  return ToQString(m_table.titles[static_cast<std::size_t>(section)]);
}

}  // namespace korvix
