#include "app/new_in_version.h"

#include "app/profile_keys.h"

namespace korvix {

namespace {

constexpr char kInfoVersionKey[] = "InfoVersion";
constexpr char kInfoVersion[] = "15.3";

}  // namespace

bool TakeNewInVersionTurn(Profile& profile) {
  if (profile.GetProfileString(kConfigurationSection, kInfoVersionKey) == kInfoVersion) return false;
  profile.WriteProfileString(kConfigurationSection, kInfoVersionKey, kInfoVersion);
  return true;
}

const std::vector<std::string>& NewInVersionParagraphs() {
  static const std::vector<std::string> paragraphs = {
      "Korvix supports extra large Screen Objects. Go to the <View> menu to choose the font size "
      "multiplication factor which will be applied to all objects on the screen.",
      "\"Data Parser\" function can be used to process data from 3rd party peripherals, extracting "
      "one or more sections of the data stream and send it to a Screen Object or Variable. Go to "
      "the <Run-Loop> menu and click on <Data Parser>.",
      "Spreadsheets such as Excel can now link to and access the Korvix data \"Live\" using DDE "
      "(Dynamic Data Exchange). See Help Files for proper DDE import formulas.",
      "Communications Speed can be greatly improved by adjusting the COM port's Latency Timer. Go "
      "to the <Communicate> menu and click on <COM Speed> for more details.",
  };
  return paragraphs;
}

}  // namespace korvix
