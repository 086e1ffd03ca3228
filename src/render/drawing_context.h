#pragma once

#include "document/korvix_doc.h"
#include "render/device_context.h"
#include "render/object_geometry.h"
#include "render/object_run_states.h"
#include "render/view_state.h"

namespace korvix {

// Everything one object's drawing routine needs: where to draw, the project
// it draws from, the zoom and grid, the rectangles of every object, and what
// the view keeps of each object between drawings.
struct DrawingContext {
  DeviceContext& dc;
  CKorvixDoc& doc;
  const ViewState& view;
  ObjectGeometry& geometry;
  ObjectRunStates& states;
};

}  // namespace korvix
