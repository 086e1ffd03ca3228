#pragma once

#include <memory>
#include <string>
#include <vector>

#include "render/device_context.h"

namespace korvix {

struct LabelPageMetrics {
  int width = 0;  // printable area in pixels
  int height = 0;
  int dpix = 0;
  int dpiy = 0;
};

// One started document of one page.
class LabelPage {
public:
  virtual ~LabelPage() = default;
  virtual LabelPageMetrics Metrics() = 0;
  virtual DeviceContext& Dc() = 0;
  // false: the page could not be finished and the document must be aborted.
  virtual bool EndPage() = 0;
  virtual void EndDocument() = 0;
  virtual void AbortDocument() = 0;
};

class LabelPrintTarget {
public:
  virtual ~LabelPrintTarget() = default;
  // null when there is no such printer or it refuses the document.
  virtual std::unique_ptr<LabelPage> StartDocument(const std::string& printer, const std::string& name) = 0;
};

// Where the text block and the bar code go on the page.
struct LabelLayout {
  int module = 0;  // narrowest bar in pixels
  int barwidth = 0;
  int barheight = 0;
  Rect text;  // the bar code starts at its bottom
  int barleft = 0;
};

// Lines end at a carriage return; the line feed after it is no line of its own.
std::vector<std::string> LabelLines(const std::string& text);

// `lines` are the extents of the text's lines, an empty line measured as
// "M"; `barcodelength` counts the bar code's data characters.
LabelLayout LayOutLabel(const LabelPageMetrics& page, const std::vector<Size>& lines, size_t barcodelength,
                        int barsize);

// One label on the printer named exactly so: the text's lines centred on the
// page and below them the Code 128 bar code, when there is one. A printer
// that is missing or refuses prints nothing and says nothing.
void PrintLabel(LabelPrintTarget& target, const std::string& printer, const std::string& text, int fontsize,
                const std::string& barcode, int barsize);

}  // namespace korvix
