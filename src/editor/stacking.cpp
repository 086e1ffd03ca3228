#include "editor/stacking.h"

#include <algorithm>
#include <cassert>
#include <vector>

#include "document/kind_traits.h"

namespace korvix {

namespace {

struct Layer {
  int* stacknum;
  bool selected;
};

std::vector<Layer> LayersOf(CKorvixDoc& doc, ObjectRunStates& states, int page) {
  std::vector<Layer> layers;
  ForEachObject(doc, [&](auto tag, int index, auto& record) {
    if (record.page == page) layers.push_back({&record.stacknum, states.At(tag.value, index).selected != 0});
  });
  std::stable_sort(layers.begin(), layers.end(),
                   [](const Layer& a, const Layer& b) { return *a.stacknum < *b.stacknum; });
  return layers;
}

int Restack(CKorvixDoc& doc, ObjectRunStates& states, int page, bool selectedtofront) {
  std::vector<Layer> layers = LayersOf(doc, states, page);
  std::stable_partition(layers.begin(), layers.end(), [&](const Layer& l) { return l.selected != selectedtofront; });
  int moved = 0;
  for (int i = 0; i < static_cast<int>(layers.size()); ++i) {
    if (*layers[static_cast<size_t>(i)].stacknum != i) ++moved;
    *layers[static_cast<size_t>(i)].stacknum = i;
  }
  return moved;
}

}  // namespace

void CloseStackGap(CKorvixDoc& doc, int page, int stacknum) {
  ForEachObject(doc, [&](auto, int, auto& record) {
    if (record.page == page && record.stacknum > stacknum) --record.stacknum;
  });
  if (page >= 1 && page <= doc.m_pages.Count() && doc.m_pages[page].objectcount > 0) --doc.m_pages[page].objectcount;
}

void CloseStackGap(CKorvixDoc& doc, int stacknum) { CloseStackGap(doc, doc.m_curpage, stacknum); }

bool StackingIsValid(const CKorvixDoc& doc, int page) {
  const int count = doc.m_pages[page].objectcount;
  std::vector<bool> seen(static_cast<size_t>(std::max(count, 0)), false);
  bool valid = count >= 0;
  int found = 0;
  ForEachObject(doc, [&](auto, int, const auto& record) {
    if (record.page != page) return;
    ++found;
    if (record.stacknum < 0 || record.stacknum >= count || seen[static_cast<size_t>(record.stacknum)])
      valid = false;
    else
      seen[static_cast<size_t>(record.stacknum)] = true;
  });
  return valid && found == count;
}

int BringSelectedToFront(CKorvixDoc& doc, ObjectRunStates& states, int page) {
  return Restack(doc, states, page, true);
}

int SendSelectedToBack(CKorvixDoc& doc, ObjectRunStates& states, int page) { return Restack(doc, states, page, false); }

bool StackingIsValid(const CKorvixDoc& doc) {
  for (int page = 1; page <= doc.m_pages.Count(); ++page)
    if (!StackingIsValid(doc, page)) return false;
  return true;
}

#ifndef NDEBUG
StackingCheck::StackingCheck(const CKorvixDoc& doc) : m_doc(doc), m_validbefore(StackingIsValid(doc)) {}

StackingCheck::~StackingCheck() { assert(!m_validbefore || StackingIsValid(m_doc)); }
#else
StackingCheck::StackingCheck(const CKorvixDoc&) {}
StackingCheck::~StackingCheck() = default;
#endif

}  // namespace korvix
