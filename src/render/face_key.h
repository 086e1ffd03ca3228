#pragma once

#include <optional>
#include <string>

#include "document/korvix_doc.h"
#include "render/controls/control_run_states.h"
#include "render/object_run_states.h"
#include "render/rect.h"
#include "render/screen_objects.h"
#include "render/view_state.h"

namespace korvix {

// Everything an object's picture depends on apart from where it lies: its
// kind, its size, every stored field of its record but its place on the
// page, the font factor and how the operator holds it (states, when the
// controls run). None for the kinds that cost little to draw, keep drawn
// state of their own or change as they are drawn, and for a gauge whose
// value moved since it was drawn: that repaint covers only what the value
// moves.
std::optional<std::string> FaceKey(const CKorvixDoc& doc, const ViewState& view, const ControlRunStates* states,
                                   ObjectRunStates& objectstates, ScreenObject object, const Rect& rect);

}  // namespace korvix
