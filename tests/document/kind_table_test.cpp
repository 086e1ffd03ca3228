#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "document/kind_traits.h"
#include "document/load_result.h"
#include "document/project_file.h"
#include "document/project_sections.h"
#include "document/project_writer.h"
#include "fixture_writer.h"

namespace korvix {
namespace {

// Walks the project file's layout and notes where each list's count and
// records are stored and which int fields a record stores.
class LayoutProbe {
public:
  explicit LayoutProbe(CKorvixDoc& doc) : m_doc(doc) {}

  CKorvixDoc& Doc() { return m_doc; }

  void Int(int& v) { ints.push_back(&v); }
  void Dword(std::uint32_t&) {}
  void Double(double&) {}
  void Text(std::string&) {}
  void Password(std::string&) {}
  template <std::size_t N>
  void Block(std::array<std::uint8_t, N>&) {}
  void RectBlock(Rect&) {}
  void ColumnWidths(std::array<int, kLogColumnCount>&) {}
  void WidthFactor(double&, double) {}
  void HeightFactor(double&, double, double) {}
  void Pages(PageList&) {}
  template <class L>
  void List(L&) {}
  template <class L>
  void Count(L& list, const char* limitmessage) {
    counts.push_back({&list, limitmessage});
  }
  template <class L>
  void Records(L& list) {
    sections.push_back(&list);
  }
  template <class R>
  void Record(R& record) {
    if constexpr (std::is_same_v<R, HeaderBlock>) {
      Layout(*this, record);
    }
  }

  struct CountField {
    const void* list;
    const char* limitmessage;
  };
  std::vector<CountField> counts;
  std::vector<const void*> sections;
  std::vector<const int*> ints;

private:
  CKorvixDoc& m_doc;
};

// A file whose header counts `count` records of `target` and stores
// nothing after the header.
class CountForcer : public ProjectWriter {
public:
  CountForcer(ArchiveWriter& out, CKorvixDoc& doc, const void* target, int count)
      : ProjectWriter(out, doc), m_out(out), m_target(target), m_count(count) {}

  template <class L>
  void Count(L& list, const char* limitmessage) {
    if (&list == m_target) {
      m_out.Int(m_count);
    } else {
      ProjectWriter::Count(list, limitmessage);
    }
  }

private:
  ArchiveWriter& m_out;
  const void* m_target;
  int m_count;
};

std::string HeaderCounting(CKorvixDoc& doc, const void* list, int count) {
  ArchiveWriter out;
  out.Int(kSectionCount);
  HeaderBlock header{doc};
  out.Int(StoredFieldCount(doc, header));
  CountForcer forcer(out, doc, list, count);
  Layout(forcer, header);
  return out.TakeData();
}

TEST(KindTable, EveryKindsListHasOneHeaderCountWithItsLimitMessageAndOneSection) {
  CKorvixDoc doc;
  LayoutProbe probe(doc);
  for (int section = 1; section <= kSectionCount; ++section) {
    VisitSection(probe, doc, section);
  }
  std::vector<const void*> lists;
  ForEachKind([&](auto tag) {
    using Traits = KindTraits<decltype(tag)::value>;
    const void* list = &ListOf<decltype(tag)::value>(doc);
    lists.push_back(list);
    const auto counted =
        std::count_if(probe.counts.begin(), probe.counts.end(), [&](const auto& count) { return count.list == list; });
    EXPECT_EQ(counted, 1) << Traits::kName;
    for (const auto& count : probe.counts) {
      if (count.list == list) {
        EXPECT_STREQ(count.limitmessage, Traits::kOverLimitMessage) << Traits::kName;
      }
    }
    EXPECT_EQ(std::count(probe.sections.begin(), probe.sections.end(), list), 1) << Traits::kName;
  });
  std::sort(lists.begin(), lists.end());
  EXPECT_EQ(std::adjacent_find(lists.begin(), lists.end()), lists.end()) << "two kinds share a list";
}

TEST(KindTable, AHeaderCountOneOverTheCapacityIsRefusedWithTheKindsMessage) {
  ForEachKind([&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    using Traits = KindTraits<K>;
    const std::string limit = std::to_string(kCapacityOf<K>) + " " + std::string(Traits::kPluralName) + ".";
    EXPECT_NE(std::string(Traits::kOverLimitMessage).find(limit), std::string::npos) << Traits::kName;

    CKorvixDoc source;
    const void* list = &ListOf<K>(source);
    CKorvixDoc loaded;
    const LoadResult over = LoadProject(HeaderCounting(source, list, kCapacityOf<K> + 1), loaded);
    EXPECT_EQ(over.status, LoadStatus::Damaged) << Traits::kName;
    EXPECT_EQ(over.message, Traits::kOverLimitMessage) << Traits::kName;
    // At the capacity the count is taken; the file then ends before its
    // records, which is a different refusal.
    const LoadResult full = LoadProject(HeaderCounting(source, list, kCapacityOf<K>), loaded);
    EXPECT_NE(full.message, Traits::kOverLimitMessage) << Traits::kName;
  });
}

TEST(KindTable, EveryLogColumnFieldIsAStoredIntOfItsRecordAndLogsAValueLabelOfItsOwn) {
  CKorvixDoc doc;
  ForEachKind([&](auto tag) {
    using Traits = KindTraits<decltype(tag)::value>;
    typename Traits::Record record;
    LayoutProbe probe(doc);
    Layout(probe, record);
    std::vector<const int*> columns;
    std::vector<int> labels;
    for (const auto& column : Traits::kLogColumns) {
      const int* field = &(record.*column.field);
      columns.push_back(field);
      labels.push_back(column.valuelabel);
      EXPECT_GE(column.valuelabel, 0) << Traits::kName;
      EXPECT_LT(column.valuelabel, static_cast<int>(Traits::kValueLabels.size())) << Traits::kName;
      EXPECT_NE(std::find(probe.ints.begin(), probe.ints.end(), field), probe.ints.end()) << Traits::kName;
      EXPECT_EQ(*field, kNoLogColumn) << Traits::kName << ": a new record logs nothing";
    }
    std::sort(columns.begin(), columns.end());
    EXPECT_EQ(std::adjacent_find(columns.begin(), columns.end()), columns.end()) << Traits::kName;
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(std::adjacent_find(labels.begin(), labels.end()), labels.end()) << Traits::kName;
  });
}

}  // namespace
}  // namespace korvix
