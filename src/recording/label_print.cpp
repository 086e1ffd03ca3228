#include "recording/label_print.h"

#include <algorithm>

#include "recording/code128.h"

namespace korvix {
namespace {

constexpr const char* kDocumentName = "Label";
// What an empty line is measured as, so that it keeps a line's height.
constexpr const char* kEmptyLineMeasure = "M";
constexpr int kMilsPerInch = 1000;
// Start and check symbols of 11 modules each and the stop symbol of 13.
constexpr int kFixedModules = 35;
constexpr int kModulesPerCharacter = 11;
constexpr Colour kBarColour = 0;

int DrawPattern(DeviceContext& dc, const std::string& pattern, int x, int top, const LabelLayout& layout) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    const int width = (pattern[i] - '0') * layout.module;
    if (i % 2 == 0) dc.FillRect(Rect{x, top, x + width, top + layout.barheight}, kBarColour);
    x += width;
  }
  return x;
}

void DrawBarCode(DeviceContext& dc, const std::string& data, const LabelLayout& layout) {
  const int top = layout.text.bottom;
  int x = DrawPattern(dc, kCode128StartB, layout.barleft, top, layout);
  for (char c : data) x = DrawPattern(dc, Code128Pattern(static_cast<unsigned char>(c)), x, top, layout);
  x = DrawPattern(dc, Code128Pattern(Code128Check(data) + ' '), x, top, layout);
  DrawPattern(dc, kCode128Stop, x, top, layout);
}

}  // namespace

std::vector<std::string> LabelLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lines.back() += text[i];
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.emplace_back();
  }
  return lines;
}

LabelLayout LayOutLabel(const LabelPageMetrics& page, const std::vector<Size>& lines, size_t barcodelength,
                        int barsize) {
  LabelLayout layout;
  if (barcodelength > 0) {
    // Below one pixel the bar code would vanish while its height stayed reserved.
    layout.module = std::max(1, page.dpix * barsize / kMilsPerInch);
    layout.barwidth = layout.module * (kModulesPerCharacter * static_cast<int>(barcodelength) + kFixedModules);
    layout.barheight = static_cast<int>(std::max(0.2 * layout.barwidth, page.dpiy / 4.0));
  }
  int width = 0;
  int height = 0;
  for (const Size& line : lines) {
    width = std::max(width, line.cx);
    height += line.cy;
  }
  if (!lines.empty()) height += lines.back().cy / 2;
  const int left = page.width / 2 - width / 2;
  const int top = page.height / 2 - (height + layout.barheight) / 2;
  layout.text = Rect{left, top, left + width, top + height};
  layout.barleft = left + width / 2 - layout.barwidth / 2;
  return layout;
}

void PrintLabel(LabelPrintTarget& target, const std::string& printer, const std::string& text, int fontsize,
                const std::string& barcode, int barsize) {
  const std::unique_ptr<LabelPage> page = target.StartDocument(printer, kDocumentName);
  if (!page) return;
  DeviceContext& dc = page->Dc();
  dc.SetBackgroundMode(BackgroundMode::Transparent);
  dc.SelectFont(Font{std::string(kFaceArial), fontsize});

  std::vector<Size> extents;
  for (const std::string& line : LabelLines(text)) {
    extents.push_back(dc.GetTextExtent(line.empty() ? kEmptyLineMeasure : line));
  }
  const std::string data = Code128Data(barcode);
  const LabelLayout layout = LayOutLabel(page->Metrics(), extents, data.size(), barsize);
  dc.DrawText(text, layout.text, TextFormat::Left | TextFormat::NoPrefix);
  if (!data.empty()) DrawBarCode(dc, data, layout);

  if (page->EndPage()) {
    page->EndDocument();
  } else {
    page->AbortDocument();
  }
}

}  // namespace korvix
