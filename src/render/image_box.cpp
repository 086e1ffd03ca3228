#include "render/image_box.h"

#include <string>

#include "render/clip_inside.h"
#include "render/screen_objects.h"
#include "render/selection.h"

namespace korvix {

namespace {

// The word is fitted with a space either side of it.
constexpr std::string_view kImagePlaceholderFitted = " Image ";
constexpr int kPlaceholderPointTenths = 120;

void DrawCentredBitmap(DeviceContext& dc, const Bitmap& bitmap, const Rect& inner) {
  const int left = inner.left + (Width(inner) - bitmap.Width()) / 2;
  const int top = inner.top + (Height(inner) - bitmap.Height()) / 2;
  const Rect target{left, top, left + bitmap.Width(), top + bitmap.Height()};
  if (bitmap.Width() <= Width(inner) && bitmap.Height() <= Height(inner)) {
    DrawImageBox(dc, bitmap, target);
    return;
  }
  // A file that grew since the box was sized stays inside its frame.
  SavedState saved(dc);
  ClipInside(dc, inner);
  DrawImageBox(dc, bitmap, target);
}

void DrawPlaceholder(DeviceContext& dc, const Rect& rect, int fontfactor) {
  Font font{std::string(kFaceArial), kPlaceholderPointTenths * fontfactor};
  SelectedFont selected(dc, font);
  while (font.pointtenths > 1 && dc.GetTextExtent(kImagePlaceholderFitted).cx > Width(rect)) {
    --font.pointtenths;
    dc.SelectFont(font);
  }
  SelectedTextColour colour(dc, Grey(0));
  SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
  dc.DrawText(kImagePlaceholderText, rect,
              TextFormat::Centre | TextFormat::VCentre | TextFormat::SingleLine | TextFormat::NoPrefix);
}

}  // namespace

void DrawImageBox(DrawingContext& context, int index, const Bitmap* bitmap) {
  DeviceContext& dc = context.dc;
  const ImageBoxRecord& r = context.doc.m_imageboxes[index];
  const Rect rect = context.geometry.ObjectRectImageBox(index);
  const PageRecord* page = CurrentPage(context.doc);
  const Colour pagecolour = static_cast<Colour>(page != nullptr ? page->bgcolor : kDefaultPageColor);
  {
    const Colour frame = r.borderwidth != 0 ? static_cast<Colour>(r.bordercolor) : pagecolour;
    SelectedPen pen(dc, InsideFramePen(r.borderwidth, frame));
    SelectedBrush brush(dc, SolidBrush(pagecolour));
    dc.Rectangle(rect);
  }
  if (bitmap != nullptr)
    DrawCentredBitmap(dc, *bitmap, Inflated(rect, -r.borderwidth, -r.borderwidth));
  else
    DrawPlaceholder(dc, rect, context.view.m_fontfactor);
}

void DrawImageBox(DeviceContext& dc, const Bitmap& bitmap, const Rect& target) {
  dc.DrawBitmap(bitmap, {target.left, target.top});
}

}  // namespace korvix
