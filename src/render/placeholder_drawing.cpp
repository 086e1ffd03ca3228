#include "render/placeholder_drawing.h"

#include <string>

#include "render/selection.h"

namespace korvix {

namespace {
constexpr int kLabelTenths = 6;
}

void PlaceholderChartRecorder(DrawingContext& context, int index, const Rect& rect) {
  const ChartRecorderRecord& r = context.doc.m_chartrecorders[index];
  DeviceContext& dc = context.dc;
  SelectedPen pen(dc, SolidPen(1, Grey(0)));
  SelectedBrush brush(dc, SolidBrush(Grey(255)));
  dc.Rectangle(rect);
  SelectedFont font(dc, Font{std::string(kFaceArial), r.sizecode * context.view.m_fontfactor * kLabelTenths});
  SelectedTextColour colour(dc, Grey(0));
  SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
  dc.DrawText(r.idlabel, Inflated(rect, -1, -1),
              TextFormat::Centre | TextFormat::VCentre | TextFormat::SingleLine | TextFormat::NoPrefix);
}

}  // namespace korvix
