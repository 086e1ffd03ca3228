#include "properties/saved_colours.h"

#include <string>

#include "document/record_basics.h"

namespace korvix {

namespace {
constexpr const char* kSavedColorsSection = "SavedColors";
constexpr const char* kColorKeyPrefix = "Color";

std::string KeyOf(size_t slot) { return kColorKeyPrefix + std::to_string(slot); }
}  // namespace

SavedColours ReadSavedColours(Profile& profile) {
  SavedColours colours;
  for (size_t i = 0; i < colours.size(); ++i)
    colours[i] = profile.GetProfileInt(kSavedColorsSection, KeyOf(i), kColorWhite);
  return colours;
}

void WriteSavedColours(Profile& profile, const SavedColours& colours) {
  for (size_t i = 0; i < colours.size(); ++i) profile.WriteProfileInt(kSavedColorsSection, KeyOf(i), colours[i]);
}

}  // namespace korvix
