#pragma once

#include "document/korvix_doc.h"
#include "render/drawing_context.h"
#include "render/input_window_state.h"
#include "render/object_geometry.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

inline constexpr std::string_view kEditButtonCaption = "Edit";

// The boxes of a Data, Text or Input Window as they are drawn: the title
// and the units box narrowed at their sides, the value box at its top and
// bottom. An Input Window has its Edit button where the units box would be.
struct ValueWindowBoxes {
  Rect title;
  Rect value;
  Rect units;
};

ValueWindowBoxes LayoutValueWindow(const ViewState& view, const Rect& object, int sizecode, int titlechars,
                                   double widthfactor);

// The areas that a change of the shown value repaints; the title and the
// units stay.
Rect ValueAreaDataWindow(CKorvixDoc& doc, const ViewState& view, ObjectGeometry& geometry, int index);
Rect ValueAreaTextWindow(CKorvixDoc& doc, const ViewState& view, ObjectGeometry& geometry, int index);

void DrawDataWindow(DrawingContext& context, int index);
void DrawTextWindow(DrawingContext& context, int index);
// The value while typed comes from the window's run-time state.
void DrawInputWindow(DrawingContext& context, int index, const InputWindowRunState& state);

}  // namespace korvix
