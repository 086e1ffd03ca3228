#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "document/archive.h"
#include "document/korvix_doc.h"
#include "document/load_result.h"
#include "document/scrambler.h"

namespace korvix {

constexpr const char* kNegativeCountMessage = "The project file can not be read: \rit holds a negative count.";

// Files of this version or below hold their passwords plain.
constexpr double kLastPlainPasswordVersion = 10.71;

// Reads records of every version into a fresh document. Each record (and
// settings block) is led by its field count: fields beyond it keep their
// defaults, and fields left over after the last one known refuse the file.
class ProjectReader {
public:
  ProjectReader(ArchiveReader& in, CKorvixDoc& doc) : m_in(in), m_doc(doc) {}

  CKorvixDoc& Doc() { return m_doc; }

  void Int(int& v) {
    if (Take()) {
      v = m_in.Int();
    }
  }
  void Dword(std::uint32_t& v) {
    if (Take()) {
      v = static_cast<std::uint32_t>(m_in.Int());
    }
  }
  void Double(double& v) {
    if (Take()) {
      v = m_in.Double();
    }
  }
  void Text(std::string& v) {
    if (Take()) {
      v = m_in.Text();
    }
  }
  void Password(std::string& v) {
    if (Take()) {
      v = m_in.Text();
      if (m_doc.m_fileversion > kLastPlainPasswordVersion) {
        v = Descramble(v);
      }
    }
  }
  template <std::size_t N>
  void Block(std::array<std::uint8_t, N>& b) {
    if (Take()) {
      m_in.Bytes(b.data(), N);
    }
  }
  void RectBlock(Rect& r) {
    if (Take()) {
      r.left = m_in.Int();
      r.top = m_in.Int();
      r.right = m_in.Int();
      r.bottom = m_in.Int();
    }
  }
  void ColumnWidths(std::array<int, kLogColumnCount>& widths) {
    if (Take()) {
      for (int& w : widths) {
        w = m_in.Int();
      }
    }
  }

  // Files from before double size factors hold this one as an int in
  // other units.
  void WidthFactor(double& v, double oldunit) {
    if (Take()) {
      v = m_doc.m_doubleformat == 0 ? m_in.Int() * oldunit : m_in.Double();
    }
  }

  // A record from before its own height factor takes the project-wide one.
  void HeightFactor(double& v, double projectfactor, double oldunit) {
    if (Take()) {
      v = m_in.Double();
    } else {
      v = projectfactor * oldunit;
    }
  }

  template <class L>
  void Count(L& list, const char* limitmessage) {
    if (Take()) {
      const int count = m_in.Int();
      if (count < 0) {
        throw LoadError(LoadStatus::Damaged, kNegativeCountMessage);
      }
      if (count > L::kLimit) {
        throw LoadError(LoadStatus::Damaged, limitmessage);
      }
      m_pending[&list] = count;
    }
  }

  template <class L>
  void List(L& list) {
    if (Take()) {
      Records(list);
    }
  }

  template <class L>
  void Records(L& list) {
    const int count = PendingCount(&list);
    list.Clear();
    for (int i = 0; i < count; ++i) {
      typename L::value_type record;
      Record(record);
      list.Add(std::move(record));
    }
  }

  // The page list follows the current page, when the header holds it.
  void Pages(PageList& pages) {
    if (m_lastread) {
      Records(pages);
    }
  }

  template <class R>
  void Record(R& record) {
    const int fields = m_in.Int();
    if (fields < 0) {
      throw LoadError(LoadStatus::Damaged, kNegativeCountMessage);
    }
    const int outer = m_remaining;
    m_remaining = fields;
    Layout(*this, record);
    if (m_remaining > 0) {
      throw LoadError(LoadStatus::NewerVersion, kNewerVersionMessage);
    }
    m_remaining = outer;
  }

private:
  bool Take() {
    m_lastread = m_remaining > 0;
    if (m_lastread) {
      --m_remaining;
    }
    return m_lastread;
  }

  int PendingCount(const void* list) {
    const auto found = m_pending.find(list);
    if (found == m_pending.end()) {
      return 0;
    }
    const int count = found->second;
    m_pending.erase(found);
    return count;
  }

  ArchiveReader& m_in;
  CKorvixDoc& m_doc;
  int m_remaining = 0;
  bool m_lastread = false;
  std::map<const void*, int> m_pending;
};

}  // namespace korvix
