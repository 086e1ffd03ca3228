#pragma once

#include "document/korvix_doc.h"
#include "render/input_window_state.h"
#include "render/object_geometry.h"
#include "render/object_run_states.h"
#include "render/view_state.h"

namespace korvix {

// What the view keeps about the open project's objects beside their records,
// and where they lie. The page's drawing, the Run-Loop, the live-value link
// and the run-mode controls all work on it, so it is made before any of them
// and outlives them.
struct ObjectStates {
  ObjectStates(CKorvixDoc& doc, const ViewState& view) : geometry(doc, view, runstates) {}
  ObjectStates(const ObjectStates&) = delete;
  ObjectStates& operator=(const ObjectStates&) = delete;

  // Declared first: the geometry keeps its rectangles in it.
  ObjectRunStates runstates;
  ObjectGeometry geometry;
  InputWindowRunStates inputwindows;
};

}  // namespace korvix
