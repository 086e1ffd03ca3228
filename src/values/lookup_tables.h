#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvix {

// Lookup-table files of math conversions: one pair "input,output" per line
// (a comma, tab or blanks between the two numbers; other lines are skipped).
// A value between two inputs is interpolated on the straight line between
// their outputs; a value outside the table has no result. Files are read
// once and kept until Clear (the Run-Loop clears them at every start).
class LookupTables {
public:
  using FileReader = std::function<std::optional<std::string>(const std::string& path)>;

  LookupTables();  // reads real files
  explicit LookupTables(FileReader reader) : m_reader(std::move(reader)) {}

  // No value when the file can not be read, holds no pair, or the value lies
  // outside it.
  std::optional<double> Lookup(const std::string& path, double value);
  void Clear() { m_tables.clear(); }

private:
  using Table = std::vector<std::pair<double, double>>;  // sorted by input
  const Table& Load(const std::string& path);

  FileReader m_reader;
  std::map<std::string, Table> m_tables;
};

}  // namespace korvix
