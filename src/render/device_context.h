#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "render/bitmap.h"
#include "render/colour.h"
#include "render/offscreen_picture.h"
#include "render/rect.h"
#include "render/region.h"

namespace korvix {

// The three faces every drawing names; each device context maps them onto
// what the machine has.
inline constexpr std::string_view kFaceArial = "Arial";
inline constexpr std::string_view kFaceTimesNewRoman = "Times New Roman";
inline constexpr std::string_view kFaceArialUnicode = "Arial Unicode MS";

enum class PenStyle {
  Solid,        // centred on the outline
  InsideFrame,  // a closed figure's pen lies wholly inside its bounding rectangle
  Null,         // draws nothing
};

// A width of 0 or 1 is a one-pixel pen.
struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Colour colour = 0;
  friend bool operator==(const Pen&, const Pen&) = default;
};

inline Pen SolidPen(int width, Colour colour) { return {PenStyle::Solid, width, colour}; }
inline Pen InsideFramePen(int width, Colour colour) { return {PenStyle::InsideFrame, width, colour}; }
inline Pen NullPen() { return {PenStyle::Null, 0, 0}; }

enum class BrushStyle { Solid, Null };

struct Brush {
  BrushStyle style = BrushStyle::Solid;
  Colour colour = Grey(255);
  friend bool operator==(const Brush&, const Brush&) = default;
};

inline Brush SolidBrush(Colour colour) { return {BrushStyle::Solid, colour}; }
inline Brush NullBrush() { return {BrushStyle::Null, 0}; }

// Size in tenths of a point, so 120 is twelve points.
struct Font {
  std::string face{kFaceArial};
  int pointtenths = 100;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class BackgroundMode { Transparent, Opaque };

enum class TextFormat : unsigned {
  Left = 0,
  Centre = 1u << 0,
  Right = 1u << 1,
  VCentre = 1u << 2,     // only with SingleLine; multi-line text starts at the top
  SingleLine = 1u << 3,  // line breaks are not honoured
  WordBreak = 1u << 4,   // wraps at spaces to the rectangle's width
  NoPrefix = 1u << 5,    // '&' is an ordinary character
};

constexpr TextFormat operator|(TextFormat a, TextFormat b) {
  return static_cast<TextFormat>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool HasFlag(TextFormat set, TextFormat flag) {
  return (static_cast<unsigned>(set) & static_cast<unsigned>(flag)) != 0;
}

// Where every screen object is painted: a window, an offscreen image, a
// printer page. Texts are the 8-bit bytes the records hold.
//
// The pixel rules are the ones the object geometry is laid out for: a
// Rectangle fills up to but not including its right and bottom edges and
// draws its pen inside them; LineTo leaves its end point unpainted; lines,
// frames and arcs are not antialiased.
//
// A fresh context has a one-pixel black pen, a white brush, black text on an
// opaque white background and the whole device as its clip region.
class DeviceContext {
public:
  virtual ~DeviceContext() = default;

  // Each returns what was selected before, so that it can be put back.
  virtual Pen SelectPen(const Pen& pen) = 0;
  virtual Brush SelectBrush(const Brush& brush) = 0;
  virtual Font SelectFont(const Font& font) = 0;
  virtual Colour SetTextColour(Colour colour) = 0;
  virtual BackgroundMode SetBackgroundMode(BackgroundMode mode) = 0;
  virtual Colour SetBackgroundColour(Colour colour) = 0;

  // Pen outline, brush inside.
  virtual void Rectangle(const Rect& rect) = 0;
  virtual void Ellipse(const Rect& bounds) = 0;
  virtual void Polygon(std::span<const Point> points) = 0;
  // Brush only; the selected brush is not used.
  virtual void FillRect(const Rect& rect, Colour colour) = 0;

  virtual void MoveTo(Point point) = 0;
  virtual void LineTo(Point point) = 0;
  // Every segment leaves its end point unpainted, as LineTo does.
  virtual void Polyline(std::span<const Point> points) = 0;
  // Counter-clockwise along the ellipse in bounds, from where the ray from its
  // centre through start meets it to where the ray through end does.
  virtual void Arc(const Rect& bounds, Point start, Point end) = 0;
  virtual void SetPixel(Point point, Colour colour) = 0;

  // Clipped to rect. Returns the height of the text drawn.
  virtual int DrawText(std::string_view text, const Rect& rect, TextFormat format) = 0;
  // One line from its top-left corner; extra pixels are spread over the spaces
  // of the text, for justified lines.
  virtual void JustifiedTextOut(Point origin, std::string_view text, int extra) = 0;
  void TextOut(Point origin, std::string_view text) { JustifiedTextOut(origin, text, 0); }
  // Width of the text on one line and the font's line height.
  virtual Size GetTextExtent(std::string_view text) = 0;

  virtual void ExcludeClipRect(const Rect& rect) = 0;
  virtual void SubtractClipRegion(const Region& region) = 0;
  // True when some pixel of rect lies inside the clip region.
  virtual bool RectVisible(const Rect& rect) = 0;

  // Everything above that a drawing can change (selections, colours, modes,
  // clip region, current position) is saved and restored as one, innermost
  // first.
  virtual void SaveState() = 0;
  virtual void RestoreState() = 0;

  // Copied unscaled with its top-left corner at origin.
  virtual void DrawBitmap(const Bitmap& bitmap, Point origin) = 0;
  // A dotted frame that inverts what it covers: drawing it twice erases it.
  virtual void DrawFocusRect(const Rect& rect) = 0;

  // What draw paints in and around rect, drawn on a fresh context of this
  // kind over background and kept with the pixels it leaves alone, so that
  // DrawPicture puts down exactly what draw would have. Null for a context
  // that keeps no pictures (a printer page) and for a drawing it cannot
  // keep whole; those are drawn directly.
  virtual std::unique_ptr<OffscreenPicture> MakePicture(const Rect& /*rect*/, Colour /*background*/,
                                                        const std::function<void(DeviceContext&)>& /*draw*/) {
    return nullptr;
  }
  // Copies picture as its drawing would have painted it with rect's top-left
  // corner at origin, within the clip region; false, drawing nothing, when
  // another kind of context made it.
  virtual bool DrawPicture(const OffscreenPicture& /*picture*/, Point /*origin*/) { return false; }

  // Lets draw update pixels kept from earlier paints of rect instead of
  // starting afresh, then copies them onto this context within its clip
  // region. layer is made, or made again when it no longer fits rect or
  // this kind of context, and then draw is told the layer is fresh (its
  // pixels are undefined). draw paints in page coordinates with the whole
  // of rect as its clip region. False, drawing nothing, for a context that
  // keeps no layers (a printer page); the caller then draws directly.
  virtual bool DrawOnLayer(std::unique_ptr<OffscreenPicture>& /*layer*/, const Rect& /*rect*/,
                           const std::function<void(DeviceContext& dc, bool fresh)>& /*draw*/) {
    return false;
  }
};

}  // namespace korvix
