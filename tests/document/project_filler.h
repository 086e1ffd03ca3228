#pragma once

// Fills every stored field of a project with distinct values by walking the
// same layouts that the project file uses.

#include <array>
#include <cstdint>
#include <string>

#include "document/korvix_doc.h"
#include "document/project_sections.h"

namespace korvix::testing {

// Text lengths around the encoding's boundaries; the first texts filled get
// these, the rest stay short.
constexpr std::array<std::size_t, 7> kBoundaryTextLengths = {0, 1, 254, 255, 65533, 65534, 70000};

class ProjectFiller {
public:
  explicit ProjectFiller(CKorvixDoc& doc, int recordsPerList = 2) : m_doc(doc), m_records(recordsPerList) {}

  CKorvixDoc& Doc() { return m_doc; }

  void Int(int& v) { v = -(++m_serial) * 7; }
  void Dword(std::uint32_t& v) { v = 0xF0000000u + static_cast<std::uint32_t>(++m_serial); }
  void Double(double& v) {
    ++m_serial;
    v = 1.035 * m_serial * (m_serial % 2 ? -1 : 1);
  }
  void Text(std::string& v) {
    const std::size_t length = m_texts < kBoundaryTextLengths.size() ? kBoundaryTextLengths[m_texts] : 1 + m_texts % 40;
    v.assign(length, 'x');
    for (std::size_t i = 0; i < length; ++i) {
      v[i] = static_cast<char>(0x20 + (i * 37 + m_texts) % 0xE0);
    }
    ++m_texts;
  }
  void Password(std::string& v) { v = "Secret Pass" + std::to_string(++m_serial); }
  template <std::size_t N>
  void Block(std::array<std::uint8_t, N>& b) {
    for (std::size_t i = 0; i < N; ++i) {
      b[i] = static_cast<std::uint8_t>(0xF0 + i + m_serial);
    }
    ++m_serial;
  }
  void RectBlock(Rect& r) {
    r = {-1 - m_serial, 2, -3, 4};
    ++m_serial;
  }
  void ColumnWidths(std::array<int, kLogColumnCount>& widths) {
    for (int& w : widths) {
      Int(w);
    }
  }
  void WidthFactor(double& v, double) { Double(v); }
  void HeightFactor(double& v, double, double) { Double(v); }
  template <class L>
  void Count(L&, const char*) {}
  template <class L>
  void List(L& list) {
    Records(list);
  }
  template <class L>
  void Records(L& list) {
    list.Clear();
    for (int i = 0; i < m_records; ++i) {
      typename L::value_type record;
      Record(record);
      list.Add(std::move(record));
    }
  }
  void Pages(PageList& pages) { Records(pages); }
  template <class R>
  void Record(R& r) {
    Layout(*this, r);
  }

private:
  CKorvixDoc& m_doc;
  int m_records;
  int m_serial = 0;
  std::size_t m_texts = 0;
};

// Every section filled; values kept clear of what a load converts.
inline void FillEverySection(CKorvixDoc& doc, int recordsPerList = 2) {
  ProjectFiller filler(doc, recordsPerList);
  for (int section = 1; section <= kSectionCount; ++section) {
    VisitSection(filler, doc, section);
  }
  for (DataWindowRecord& window : doc.m_datawindows) {
    window.y = 40;
  }
  doc.m_curpage = 1;
}

}  // namespace korvix::testing
