#pragma once

#include "render/colour.h"

namespace korvix {

// Colours that no record field sets.
inline constexpr Colour kScaleFace = Grey(255);
inline constexpr Colour kDarkFace = Grey(40);
inline constexpr Colour kNeedleColour = Rgb(204, 0, 0);
inline constexpr Colour kHubColour = Grey(51);
inline constexpr Colour kWarningColour = Rgb(255, 150, 150);
inline constexpr Colour kBarColour = Rgb(0, 102, 204);
inline constexpr Colour kPivotArmColour = Rgb(64, 64, 96);

}  // namespace korvix
