#include "automationedit/step_palette.h"

#include <array>

#include "automation/step_codes.h"

namespace korvix {

namespace {

constexpr int kSeparator = -1;
constexpr std::size_t kSeparatorLength = 36;

// Flow first, then the kinds grouped by what they work on.
constexpr std::array kPaletteCodes{kSeparator, 100, 101, 102, 103, 104, 105, 106,  //
                                   kSeparator, 0,   32,  1,   2,   33,             //
                                   kSeparator, 3,   41,  21,  26,  27,  31,        //
                                   kSeparator, 25,  20,  22,                       //
                                   kSeparator, 19,  23,  24,                       //
                                   kSeparator, 4,   5,   6,   43,                  //
                                   kSeparator, 10,  11,  12,  30,                  //
                                   kSeparator, 16,  17,  18,                       //
                                   kSeparator, 7,   8,   9,                        //
                                   kSeparator, 13,  14,  15,                       //
                                   kSeparator, 38,  39,  40,                       //
                                   kSeparator, 28,  29,                            //
                                   kSeparator, 36,  37,  42,  34,  35,             //
                                   kSeparator};

}  // namespace

std::vector<std::string> StepPaletteLines() {
  std::vector<std::string> lines;
  lines.reserve(kPaletteCodes.size());
  for (const int code : kPaletteCodes)
    lines.push_back(code == kSeparator ? std::string(kSeparatorLength, '-') : "\t" + StepNameFromCode(code));
  return lines;
}

}  // namespace korvix
