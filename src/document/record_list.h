#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace korvix {

// A list of live records bounded by a user limit, with a few spare slots
// after the limit that the editors use as clipboard. Storage grows with the
// live count, so an empty project stays small while a full one still fits.
template <class Record, int Limit, int SpareSlots>
class RecordList {
public:
  using value_type = Record;
  static constexpr int kLimit = Limit;
  static constexpr int kSpareSlots = SpareSlots;
  static constexpr int kCapacity = Limit + SpareSlots;

  int Count() const { return static_cast<int>(m_live.size()); }
  bool IsFull() const { return Count() >= Limit; }

  Record& operator[](int index) { return m_live.at(static_cast<std::size_t>(index)); }
  const Record& operator[](int index) const { return m_live.at(static_cast<std::size_t>(index)); }

  // Appends a fresh default record; returns its index, or -1 at the limit.
  int Add() { return Add(Record{}); }

  int Add(Record record) {
    if (IsFull()) {
      return -1;
    }
    m_live.push_back(std::move(record));
    return Count() - 1;
  }

  // The later records move down one and the count drops.
  void Remove(int index) {
    if (index < 0 || index >= Count()) {
      throw std::out_of_range("RecordList::Remove");
    }
    m_live.erase(m_live.begin() + index);
  }

  void Clear() {
    m_live.clear();
    m_spare.clear();
  }

  // Spare slot j (0-based) after the limit; starts as a default record.
  Record& Spare(int slot) {
    if (slot < 0 || slot >= SpareSlots) {
      throw std::out_of_range("RecordList::Spare");
    }
    if (m_spare.empty()) {
      m_spare.resize(static_cast<std::size_t>(SpareSlots));
    }
    return m_spare[static_cast<std::size_t>(slot)];
  }

  auto begin() { return m_live.begin(); }
  auto end() { return m_live.end(); }
  auto begin() const { return m_live.begin(); }
  auto end() const { return m_live.end(); }

private:
  std::vector<Record> m_live;
  std::vector<Record> m_spare;
};

}  // namespace korvix
