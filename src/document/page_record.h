#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "document/capacities.h"
#include "document/record_basics.h"

namespace korvix {

struct PageRecord {
  int objectcount = 0;  // also the next stacking number on the page
  int bgcolor = kDefaultPageColor;
  std::string bgbitmapfile;
};

// Pages are numbered from 1.
class PageList {
public:
  using value_type = PageRecord;
  static constexpr int kLimit = kMaxPages;

  int Count() const { return static_cast<int>(m_pages.size()); }
  bool IsFull() const { return Count() >= kLimit; }

  PageRecord& operator[](int page) { return m_pages.at(static_cast<std::size_t>(page - 1)); }
  const PageRecord& operator[](int page) const { return m_pages.at(static_cast<std::size_t>(page - 1)); }

  // Appends a fresh page; returns its number, or 0 at the limit.
  int Add(PageRecord page = {}) {
    if (IsFull()) {
      return 0;
    }
    m_pages.push_back(std::move(page));
    return Count();
  }

  // The later pages move down one and the count drops.
  void Remove(int page) {
    if (page < 1 || page > Count()) {
      throw std::out_of_range("PageList::Remove");
    }
    m_pages.erase(m_pages.begin() + (page - 1));
  }

  void Clear() { m_pages.clear(); }

private:
  std::vector<PageRecord> m_pages;
};

}  // namespace korvix
