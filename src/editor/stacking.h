#pragma once

#include "document/korvix_doc.h"
#include "render/object_run_states.h"

namespace korvix {

// After an object with stacking number `stacknum` left `page`, the objects
// above it move down one layer and the page counts one object fewer.
void CloseStackGap(CKorvixDoc& doc, int page, int stacknum);
// The same for the current page.
void CloseStackGap(CKorvixDoc& doc, int stacknum);

// True when the objects of `page` carry the stacking numbers 0 to its
// objectcount - 1, each once.
bool StackingIsValid(const CKorvixDoc& doc, int page);
// Every page of the project.
bool StackingIsValid(const CKorvixDoc& doc);

// Gives the objects of `page` that `states` holds selected the highest
// (front) or the lowest (back) stacking numbers, keeping the order among the
// selected and among the others. Returns the number of objects moved.
int BringSelectedToFront(CKorvixDoc& doc, ObjectRunStates& states, int page);
int SendSelectedToBack(CKorvixDoc& doc, ObjectRunStates& states, int page);

// In debug builds: asserts, when it ends, that every page's stacking is
// valid, provided it was when it started. A project that arrives damaged
// is not turned into a crash.
class StackingCheck {
public:
  explicit StackingCheck(const CKorvixDoc& doc);
  ~StackingCheck();
  StackingCheck(const StackingCheck&) = delete;
  StackingCheck& operator=(const StackingCheck&) = delete;

private:
#ifndef NDEBUG
  const CKorvixDoc& m_doc;
  bool m_validbefore;
#endif
};

}  // namespace korvix
