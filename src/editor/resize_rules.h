#pragma once

#include "document/korvix_doc.h"
#include "render/rect.h"
#include "render/screen_objects.h"
#include "render/view_state.h"

namespace korvix {

// How the tracker sizes one object: its proportion mode (CObjectTracker's)
// and the smallest rectangle, in client pixels at the current Font Size.
struct ResizeRule {
  bool resizable = true;
  int proportion = 0;
  Size minimum{20, 20};
};

ResizeRule ResizeRuleOf(const CKorvixDoc& doc, const ViewState& view, ScreenObject object);

// Stores a tracked rectangle (client pixels) into the record: its position
// and, unless `moveonly`, the size fields that give that rectangle back.
void StoreTrackedRect(CKorvixDoc& doc, const ViewState& view, ScreenObject object, const Rect& rect, bool moveonly);

}  // namespace korvix
