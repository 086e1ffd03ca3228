#pragma once

// Helpers that build project-file bytes by hand for the document tests.

#include <string>
#include <string_view>

#include "document/archive.h"
#include "document/korvix_doc.h"
#include "document/project_sections.h"
#include "document/project_writer.h"

namespace korvix::testing {

// Sections first..last of `doc` exactly as its members stand (no version
// stamp, no double-format mark), so a test can pose as an older file.
inline std::string Sections(CKorvixDoc& doc, int first, int last) {
  ArchiveWriter out;
  ProjectWriter writer(out, doc);
  for (int section = first; section <= last; ++section) {
    VisitSection(writer, doc, section);
  }
  return out.TakeData();
}

// A whole file of `doc` as its members stand.
inline std::string WholeFile(CKorvixDoc& doc) {
  ArchiveWriter count;
  count.Int(kSectionCount);
  return count.Data() + Sections(doc, 1, kSectionCount);
}

// Raw primitives for records written by hand.
class Bytes {
public:
  Bytes& Int(int v) {
    m_out.Int(v);
    return *this;
  }
  Bytes& Double(double v) {
    m_out.Double(v);
    return *this;
  }
  Bytes& Text(std::string_view v) {
    m_out.Text(v);
    return *this;
  }
  Bytes& Raw(std::string_view bytes) {
    m_out.Bytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return *this;
  }
  std::string Str() const { return m_out.Data(); }

private:
  ArchiveWriter m_out;
};

}  // namespace korvix::testing
