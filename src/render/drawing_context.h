#pragma once

#include "document/korvix_doc.h"
#include "render/device_context.h"
#include "render/object_geometry.h"
#include "render/view_state.h"

namespace korvix {

// Everything one object's drawing routine needs: where to draw, the project
// it draws from, the zoom and grid, and the rectangles of every object.
struct DrawingContext {
  DeviceContext& dc;
  CKorvixDoc& doc;
  const ViewState& view;
  ObjectGeometry& geometry;
};

}  // namespace korvix
