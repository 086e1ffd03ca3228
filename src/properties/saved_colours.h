#pragma once

#include <array>

#include "platform/profile.h"

namespace korvix {

// The colour picker's sixteen custom colours, kept between runs.
constexpr int kSavedColourCount = 16;
using SavedColours = std::array<int, kSavedColourCount>;

// A colour never saved reads as white, the look of an empty slot.
SavedColours ReadSavedColours(Profile& profile);
void WriteSavedColours(Profile& profile, const SavedColours& colours);

}  // namespace korvix
