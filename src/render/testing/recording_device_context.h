#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "render/device_context.h"

namespace korvix {

// Keeps every drawing call with the pen, brush, font and text colour that
// were selected when it was made, so drawings can be checked call by call.
// Text measures 8 pixels a character and 16 a line. RectVisible answers
// `visible`, or with a `clip` whether a rectangle shows in it less the
// rectangles cut out since (the calls themselves are never clipped).
class RecordingDeviceContext final : public DeviceContext {
public:
  enum class Op {
    Rectangle,
    Ellipse,
    Polygon,
    FillRect,
    Line,
    Polyline,
    Arc,
    SetPixel,
    DrawText,
    TextOut,
    ExcludeClipRect,
    SubtractClipRegion,
    DrawBitmap,
    DrawFocusRect,
  };
  struct Call {
    Op op = Op::Rectangle;
    Rect rect{};                // figure bounds, fill, text or clip rectangle
    Point from{};               // Line start, Arc start, text or bitmap origin
    Point to{};                 // Line end, Arc end
    std::vector<Point> points;  // Polygon, Polyline
    Colour colour = 0;          // FillRect, SetPixel
    Region region;              // SubtractClipRegion
    std::string text;
    TextFormat format = TextFormat::Left;
    int extra = 0;
    Pen pen;
    Brush brush;
    Font font;
    Colour textcolour = 0;
  };

  std::vector<Call> calls;
  bool visible = true;
  std::optional<Rect> clip;

  std::size_t Count(Op op) const {
    return static_cast<std::size_t>(
        std::count_if(calls.begin(), calls.end(), [op](const Call& c) { return c.op == op; }));
  }
  std::vector<Call> Only(Op op) const {
    std::vector<Call> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found), [op](const Call& c) { return c.op == op; });
    return found;
  }

  const Pen& CurrentPen() const { return m_state.pen; }
  const Brush& CurrentBrush() const { return m_state.brush; }
  const Font& CurrentFont() const { return m_state.font; }
  Colour CurrentTextColour() const { return m_state.textcolour; }
  std::size_t SavedDepth() const { return m_saved.size(); }

  Pen SelectPen(const Pen& pen) override { return Swap(m_state.pen, pen); }
  Brush SelectBrush(const Brush& brush) override { return Swap(m_state.brush, brush); }
  Font SelectFont(const Font& font) override { return Swap(m_state.font, font); }
  Colour SetTextColour(Colour colour) override { return Swap(m_state.textcolour, colour); }
  BackgroundMode SetBackgroundMode(BackgroundMode mode) override { return Swap(m_state.bkmode, mode); }
  Colour SetBackgroundColour(Colour colour) override { return Swap(m_state.bkcolour, colour); }

  void Rectangle(const Rect& rect) override { Record(Op::Rectangle).rect = rect; }
  void Ellipse(const Rect& bounds) override { Record(Op::Ellipse).rect = bounds; }
  void Polygon(std::span<const Point> points) override {
    Record(Op::Polygon).points.assign(points.begin(), points.end());
  }
  void FillRect(const Rect& rect, Colour colour) override {
    Call& call = Record(Op::FillRect);
    call.rect = rect;
    call.colour = colour;
  }
  void MoveTo(Point point) override { m_state.position = point; }
  void LineTo(Point point) override {
    Call& call = Record(Op::Line);
    call.from = m_state.position;
    call.to = point;
    m_state.position = point;
  }
  void Polyline(std::span<const Point> points) override {
    Record(Op::Polyline).points.assign(points.begin(), points.end());
  }
  void Arc(const Rect& bounds, Point start, Point end) override {
    Call& call = Record(Op::Arc);
    call.rect = bounds;
    call.from = start;
    call.to = end;
  }
  void SetPixel(Point point, Colour colour) override {
    Call& call = Record(Op::SetPixel);
    call.from = point;
    call.colour = colour;
  }
  int DrawText(std::string_view text, const Rect& rect, TextFormat format) override {
    Call& call = Record(Op::DrawText);
    call.rect = rect;
    call.text = text;
    call.format = format;
    return kLineHeight;
  }
  void JustifiedTextOut(Point origin, std::string_view text, int extra) override {
    Call& call = Record(Op::TextOut);
    call.from = origin;
    call.text = text;
    call.extra = extra;
  }
  Size GetTextExtent(std::string_view text) override {
    return {static_cast<int>(text.size()) * kCharWidth, kLineHeight};
  }
  void ExcludeClipRect(const Rect& rect) override {
    Record(Op::ExcludeClipRect).rect = rect;
    m_state.cuts.push_back(rect);
  }
  void SubtractClipRegion(const Region& region) override { Record(Op::SubtractClipRegion).region = region; }
  bool RectVisible(const Rect& rect) override { return clip ? ShowsInClip(rect) : visible; }
  void SaveState() override { m_saved.push_back(m_state); }
  void RestoreState() override {
    if (m_saved.empty()) return;
    m_state = m_saved.back();
    m_saved.pop_back();
  }
  void DrawBitmap(const Bitmap&, Point origin) override { Record(Op::DrawBitmap).from = origin; }
  void DrawFocusRect(const Rect& rect) override { Record(Op::DrawFocusRect).rect = rect; }

  static constexpr int kCharWidth = 8;
  static constexpr int kLineHeight = 16;

private:
  struct State {
    Pen pen;
    Brush brush;
    Font font;
    Colour textcolour = 0;
    BackgroundMode bkmode = BackgroundMode::Opaque;
    Colour bkcolour = Grey(255);
    Point position;
    std::vector<Rect> cuts;
  };

  // The part of the rectangle inside the clip is split into cells at every
  // edge of a cut; it shows when one cell lies in no cut.
  bool ShowsInClip(const Rect& rect) const {
    const Rect area{std::max(rect.left, clip->left), std::max(rect.top, clip->top), std::min(rect.right, clip->right),
                    std::min(rect.bottom, clip->bottom)};
    if (IsEmpty(area)) return false;
    std::vector<int> xs{area.left, area.right};
    std::vector<int> ys{area.top, area.bottom};
    for (const Rect& cut : m_state.cuts) {
      for (const int x : {cut.left, cut.right})
        if (x > area.left && x < area.right) xs.push_back(x);
      for (const int y : {cut.top, cut.bottom})
        if (y > area.top && y < area.bottom) ys.push_back(y);
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    for (std::size_t i = 0; i + 1 < xs.size(); ++i)
      for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
        const Rect cell{xs[i], ys[j], xs[i + 1], ys[j + 1]};
        const bool covered = std::any_of(m_state.cuts.begin(), m_state.cuts.end(), [&](const Rect& cut) {
          return cut.left <= cell.left && cut.top <= cell.top && cut.right >= cell.right && cut.bottom >= cell.bottom;
        });
        if (!covered) return true;
      }
    return false;
  }

  template <class T>
  static T Swap(T& slot, T value) {
    T previous = slot;
    slot = std::move(value);
    return previous;
  }

  Call& Record(Op op) {
    Call& call = calls.emplace_back();
    call.op = op;
    call.pen = m_state.pen;
    call.brush = m_state.brush;
    call.font = m_state.font;
    call.textcolour = m_state.textcolour;
    return call;
  }

  State m_state;
  std::vector<State> m_saved;
};

}  // namespace korvix
