#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/archive.h"
#include "document/korvix_doc.h"
#include "document/scrambler.h"

namespace korvix {

// Counts the stored fields of a record by walking its layout.
class FieldCounter {
public:
  explicit FieldCounter(CKorvixDoc& doc) : m_doc(doc) {}

  CKorvixDoc& Doc() { return m_doc; }
  int Fields() const { return m_fields; }

  void Int(int&) { ++m_fields; }
  void Dword(std::uint32_t&) { ++m_fields; }
  void Double(double&) { ++m_fields; }
  void Text(std::string&) { ++m_fields; }
  void Password(std::string&) { ++m_fields; }
  template <std::size_t N>
  void Block(std::array<std::uint8_t, N>&) {
    ++m_fields;
  }
  void RectBlock(Rect&) { ++m_fields; }
  void ColumnWidths(std::array<int, kLogColumnCount>&) { ++m_fields; }
  void WidthFactor(double&, double) { ++m_fields; }
  void HeightFactor(double&, double, double) { ++m_fields; }
  template <class L>
  void Count(L&, const char*) {
    ++m_fields;
  }
  template <class L>
  void List(L&) {
    ++m_fields;
  }
  void Pages(PageList&) {}

private:
  CKorvixDoc& m_doc;
  int m_fields = 0;
};

template <class R>
int StoredFieldCount(CKorvixDoc& doc, R& record) {
  FieldCounter counter(doc);
  Layout(counter, record);
  return counter.Fields();
}

// Writes records in the current layout: size factors as doubles, the
// passwords scrambled.
class ProjectWriter {
public:
  ProjectWriter(ArchiveWriter& out, CKorvixDoc& doc) : m_out(out), m_doc(doc) {}

  CKorvixDoc& Doc() { return m_doc; }

  void Int(int& v) { m_out.Int(v); }
  void Dword(std::uint32_t& v) { m_out.Int(static_cast<std::int32_t>(v)); }
  void Double(double& v) { m_out.Double(v); }
  void Text(std::string& v) { m_out.Text(v); }
  void Password(std::string& v) { m_out.Text(Scramble(v)); }
  template <std::size_t N>
  void Block(std::array<std::uint8_t, N>& b) {
    m_out.Bytes(b.data(), N);
  }
  void RectBlock(Rect& r) {
    m_out.Int(r.left);
    m_out.Int(r.top);
    m_out.Int(r.right);
    m_out.Int(r.bottom);
  }
  void ColumnWidths(std::array<int, kLogColumnCount>& widths) {
    for (int w : widths) {
      m_out.Int(w);
    }
  }
  void WidthFactor(double& v, double) { m_out.Double(v); }
  void HeightFactor(double& v, double, double) { m_out.Double(v); }

  template <class L>
  void Count(L& list, const char*) {
    m_out.Int(list.Count());
  }

  template <class L>
  void List(L& list) {
    Records(list);
  }

  template <class L>
  void Records(L& list) {
    for (auto& record : list) {
      Record(record);
    }
  }

  void Pages(PageList& pages) {
    for (int page = 1; page <= pages.Count(); ++page) {
      Record(pages[page]);
    }
  }

  template <class R>
  void Record(R& record) {
    m_out.Int(StoredFieldCount(m_doc, record));
    Layout(*this, record);
  }

private:
  ArchiveWriter& m_out;
  CKorvixDoc& m_doc;
};

}  // namespace korvix
