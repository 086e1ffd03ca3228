#pragma once

#include <string_view>

#include "render/colour.h"
#include "render/device_context.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

inline constexpr std::string_view kSchemeGray = "GRAY";
inline constexpr std::string_view kSchemeBlue = "BLUE";

// A push-button face, light at the top left when up and dark there when
// pressed. Any scheme name but "BLUE" (compared case-sensitively) draws grey.
void Draw3DBox(const ViewState& view, const Rect& rect, DeviceContext& dc, int pressed, std::string_view scheme);

// The edge shade of a box by line index: 0 to 4 for the lines of Font Size X 1,
// 10 to 14 for the lines that the larger sizes put between them. Any other
// index gives the face colour.
Colour BoxShadeColour(int pressed, int index, std::string_view scheme);

}  // namespace korvix
