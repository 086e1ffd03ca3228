#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/kind_traits.h"
#include "document/korvix_doc.h"

namespace korvix {

// The index keeps one slot per list of value labels: the Variables, then
// every value label of the kind table in kind order (a Pivot Tracker's four
// labels as four slots).
constexpr int kVariableLabelSlot = 0;

constexpr int LabelSlot(ScreenObjectKind kind, int valuelabel = 0) {
  int slot = kVariableLabelSlot + 1;
  int found = -1;
  ForEachKind([&](auto tag) {
    if (tag.value == kind) found = slot + valuelabel;
    slot += static_cast<int>(KindTraits<decltype(tag)::value>::kValueLabels.size());
  });
  return found;
}

constexpr int kLabelSlots = [] {
  int count = kVariableLabelSlot + 1;
  ForEachKind([&](auto tag) { count += static_cast<int>(KindTraits<decltype(tag)::value>::kValueLabels.size()); });
  return count;
}();

// Which records bear a label, so that reading and delivering need not compare
// every label of the project. Built while the Run-Loop runs, when labels do
// not change; a list whose count moved makes it stale, and every record it
// names is checked against the label again before use.
class LabelIndex {
public:
  using Records = std::array<std::vector<int>, kLabelSlots>;

  void Build(const CKorvixDoc& doc);
  void Drop() { m_built = false; }
  // False when the index is not built or the document's lists changed size.
  bool Usable(const CKorvixDoc& doc) const;
  // The records of each kind with the label, in array order; null when none.
  const Records* Find(std::string_view label) const;

  // The label with every blank removed and ASCII letters in upper case.
  static std::string Key(std::string_view label);

private:
  static std::array<int, kLabelSlots> Counts(const CKorvixDoc& doc);

  bool m_built = false;
  std::array<int, kLabelSlots> m_counts{};
  std::unordered_map<std::string, Records> m_records;
};

}  // namespace korvix
