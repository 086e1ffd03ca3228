#include "render/text_box.h"

#include <string>

#include "render/clip_inside.h"
#include "render/font_cell.h"
#include "render/justified_text.h"
#include "render/selection.h"

namespace korvix {

namespace {

constexpr int kAlignCentre = 1;
constexpr int kAlignRight = 2;
constexpr int kAlignJustified = 3;

TextFormat AlignmentFormat(int alignment) {
  const TextFormat wrapped = TextFormat::WordBreak | TextFormat::NoPrefix;
  if (alignment == kAlignCentre) return wrapped | TextFormat::Centre;
  if (alignment == kAlignRight) return wrapped | TextFormat::Right;
  return wrapped | TextFormat::Left;
}

void DrawJustified(DeviceContext& dc, const std::string& text, const Rect& box) {
  const auto measure = [&dc](std::string_view line) { return dc.GetTextExtent(line).cx; };
  const int lineheight = dc.GetTextExtent(" ").cy;
  // A word wider than the box is cut at its edge rather than broken.
  SavedState saved(dc);
  ClipInside(dc, box);
  int top = box.top;
  for (const JustifiedLine& line : LayoutJustifiedLines(text, Width(box), measure)) {
    if (top >= box.bottom) break;
    const int extra = line.stretched ? Width(box) - measure(line.text) : 0;
    dc.JustifiedTextOut({box.left, top}, line.text, extra);
    top += lineheight;
  }
}

}  // namespace

void DrawTextBox(DrawingContext& context, int index) {
  DeviceContext& dc = context.dc;
  const TextBoxRecord& r = context.doc.m_textboxes[index];
  const Rect rect = context.geometry.ObjectRectTextBox(index);
  {
    // Without a border width the frame takes the fill colour, so no line shows.
    const Colour frame = static_cast<Colour>(r.borderwidth != 0 ? r.bordercolor : r.bgcolor);
    SelectedPen pen(dc, InsideFramePen(r.borderwidth, frame));
    SelectedBrush brush(dc, SolidBrush(static_cast<Colour>(r.bgcolor)));
    dc.Rectangle(rect);
  }
  const int c = FontCellSize(r.sizecode).cx * context.view.m_fontfactor;
  const int inset = r.borderwidth + static_cast<int>(0.5 * c);
  const Rect box = Inflated(rect, -inset, -inset);

  SelectedFont font(dc, Font{std::string(kFaceArial), r.sizecode * context.view.m_fontfactor * 6});
  SelectedTextColour colour(dc, static_cast<Colour>(r.fontcolor));
  SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
  if (r.alignment == kAlignJustified)
    DrawJustified(dc, r.text, box);
  else
    dc.DrawText(r.text, box, AlignmentFormat(r.alignment));
}

}  // namespace korvix
