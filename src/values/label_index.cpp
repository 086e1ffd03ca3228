#include "values/label_index.h"

#include "expressions/label_refs.h"

namespace korvix {
namespace {

template <class List>
void AddAll(std::unordered_map<std::string, LabelIndex::Records>& map, const List& list, int slot,
            const char* suffix = "") {
  for (int i = 0; i < list.Count(); ++i) {
    const std::string key = LabelIndex::Key(list[i].idlabel + suffix);
    if (!key.empty()) map[key][static_cast<size_t>(slot)].push_back(i);
  }
}

}  // namespace

std::string LabelIndex::Key(std::string_view label) { return LabelKey(label); }

std::array<int, kLabelSlots> LabelIndex::Counts(const CKorvixDoc& doc) {
  std::array<int, kLabelSlots> counts{};
  counts[kVariableLabelSlot] = doc.m_variables.Count();
  ForEachKind([&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    constexpr int labels = static_cast<int>(KindTraits<K>::kValueLabels.size());
    for (int label = 0; label < labels; ++label)
      counts[static_cast<std::size_t>(LabelSlot(K, label))] = ListOf<K>(doc).Count();
  });
  return counts;
}

void LabelIndex::Build(const CKorvixDoc& doc) {
  m_records.clear();
  AddAll(m_records, doc.m_variables, kVariableLabelSlot);
  ForEachKind([&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    const auto& labels = KindTraits<K>::kValueLabels;
    if constexpr (!labels.empty()) {
      for (std::size_t label = 0; label < labels.size(); ++label)
        AddAll(m_records, ListOf<K>(doc), LabelSlot(K, static_cast<int>(label)), labels[label]);
    }
  });
  m_counts = Counts(doc);
  m_built = true;
}

bool LabelIndex::Usable(const CKorvixDoc& doc) const { return m_built && m_counts == Counts(doc); }

const LabelIndex::Records* LabelIndex::Find(std::string_view label) const {
  const auto found = m_records.find(Key(label));
  return found == m_records.end() ? nullptr : &found->second;
}

}  // namespace korvix
