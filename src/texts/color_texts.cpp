#include "texts/color_texts.h"

#include <array>

#include "texts/label_texts.h"

namespace korvix {
namespace {

struct ColorName {
  std::string_view name;
  uint32_t value;
};

constexpr std::array<ColorName, 9> kColorNames{{
    {"Black", 0x000000},
    {"White", 0xFFFFFF},
    {"Gray", 0xC0C0C0},
    {"Blue", 0xFF0000},
    {"Green", 0x00FF00},
    {"Cyan", 0xFFFF00},
    {"Red", 0x0000FF},
    {"Magenta", 0xFF00FF},
    {"Yellow", 0x00FFFF},
}};

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

void AppendHexByte(std::string& out, uint32_t byte) {
  out.push_back(kHexDigits[(byte >> 4) & 0xF]);
  out.push_back(kHexDigits[byte & 0xF]);
}

// Two uppercase hexadecimal digits; the caller has checked them.
uint32_t HexByte(char high, char low) {
  return static_cast<uint32_t>(kHexDigits.find(high) * 16 + kHexDigits.find(low));
}

}  // namespace

std::string FormatColorText(uint32_t colour) {
  std::string text = "Color#";
  AppendHexByte(text, colour & 0xFF);          // red
  AppendHexByte(text, (colour >> 8) & 0xFF);   // green
  AppendHexByte(text, (colour >> 16) & 0xFF);  // blue
  return text;
}

uint32_t ParseColorText(std::string_view text, MessageSink& sink) {
  for (const ColorName& entry : kColorNames) {
    if (LabelsEqual(text, entry.name)) return entry.value;
  }
  constexpr std::string_view kPrefix = "Color#";
  if (text.size() == 12 && text.substr(0, 6) == kPrefix &&
      text.find_first_not_of(kHexDigits, 6) == std::string_view::npos) {
    const uint32_t red = HexByte(text[6], text[7]);
    const uint32_t green = HexByte(text[8], text[9]);
    const uint32_t blue = HexByte(text[10], text[11]);
    return red + green * 256 + blue * 65536;
  }
  std::string message(text);
  message += " is not a valid color format. \rThis color will be replaced with Black.";
  sink.Show("Illegal Color Name", message, MessageIcon::Warning);
  return 0;
}

}  // namespace korvix
