#pragma once

#include <QAbstractTableModel>

#include "recording/log_table.h"

namespace korvix {

// The loaded log as the view's table reads it, a cell at a time: a log of
// 100,000 records makes no widget or item per cell. A record's fields show
// only where the header has a column.
class LogTableModel final : public QAbstractTableModel {
  Q_OBJECT

public:
  explicit LogTableModel(LogTable table, QObject* parent = nullptr)
      : QAbstractTableModel(parent), m_table(std::move(table)) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
  LogTable m_table;
};

}  // namespace korvix
