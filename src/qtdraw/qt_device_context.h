#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <cstdint>
#include <optional>
#include <vector>

#include "render/device_context.h"

class QPaintDevice;

namespace korvix {

// The device context over any Qt paint device: a window during its paint
// event, an offscreen image, a printer page. It paints with its own pixel
// rules rather than Qt's, so every device shows the same pixels.
class QtDeviceContext final : public DeviceContext {
public:
  static constexpr int kScreenDpi = 96;

  // The clip region starts as the whole device, or as cliparea (a window's
  // invalid area). Fonts are sized for dpi.
  explicit QtDeviceContext(QPaintDevice& device, int dpi = kScreenDpi);
  QtDeviceContext(QPaintDevice& device, const QRegion& cliparea, int dpi = kScreenDpi);
  // Draws in page coordinates onto a device that holds only part of the
  // page, its top-left pixel at origin; cliparea is in page coordinates.
  QtDeviceContext(QPaintDevice& device, Point origin, const QRegion& cliparea, int dpi = kScreenDpi);

  Pen SelectPen(const Pen& pen) override;
  Brush SelectBrush(const Brush& brush) override;
  Font SelectFont(const Font& font) override;
  Colour SetTextColour(Colour colour) override;
  BackgroundMode SetBackgroundMode(BackgroundMode mode) override;
  Colour SetBackgroundColour(Colour colour) override;

  void Rectangle(const Rect& rect) override;
  void Ellipse(const Rect& bounds) override;
  void Polygon(std::span<const Point> points) override;
  void FillRect(const Rect& rect, Colour colour) override;

  void MoveTo(Point point) override;
  void LineTo(Point point) override;
  void Polyline(std::span<const Point> points) override;
  void Arc(const Rect& bounds, Point start, Point end) override;
  void SetPixel(Point point, Colour colour) override;

  int DrawText(std::string_view text, const Rect& rect, TextFormat format) override;
  void JustifiedTextOut(Point origin, std::string_view text, int extra) override;
  Size GetTextExtent(std::string_view text) override;

  void ExcludeClipRect(const Rect& rect) override;
  void SubtractClipRegion(const Region& region) override;
  bool RectVisible(const Rect& rect) override;

  void SaveState() override;
  void RestoreState() override;

  void DrawBitmap(const Bitmap& bitmap, Point origin) override;
  void DrawFocusRect(const Rect& rect) override;

  std::unique_ptr<OffscreenPicture> MakePicture(const Rect& rect, Colour background,
                                                const std::function<void(DeviceContext&)>& draw) override;
  bool DrawPicture(const OffscreenPicture& picture, Point origin) override;
  bool DrawOnLayer(std::unique_ptr<OffscreenPicture>& layer, const Rect& rect,
                   const std::function<void(DeviceContext& dc, bool fresh)>& draw) override;

  // A printer's document starts and ends with this painter.
  QPainter& Painter() { return m_painter; }

private:
  struct State {
    Pen pen;
    Brush brush;
    Font font;
    Colour textcolour = 0;
    BackgroundMode bkmode = BackgroundMode::Opaque;
    Colour bkcolour = Grey(255);
    Point position;
    std::size_t exclusions = 0;  // how many of m_excluded cut the clip region
    std::size_t fontindex = 0;   // into m_fonts
  };

  struct QtFont {
    Font font;
    QFont qfont;
    QFontMetrics metrics;
    int keptnumber;  // for KeptText
  };

  // A rectangle cut out is kept as its bounds alone: a page cuts out
  // hundreds, and most never meet a later drawing.
  struct Exclusion {
    QRect bounds;
    std::optional<QRegion> shape;
  };

  QRegion ClipWithin(const QRect& reach);
  const QRegion* WholeClip() {
    if (m_state.exclusions >= m_wholelimit) return nullptr;
    if (m_state.exclusions < m_wholes.size()) return &m_wholes[m_state.exclusions];
    return MakeWholeClip();
  }
  const QRegion* MakeWholeClip();
  void Exclude(const QRect& bounds, std::optional<QRegion> shape);
  bool ApplyClip(const QRect& reach);
  bool ApplyClipWithin(const QRect& reach);
  bool ApplyClipExactly(const QRect& area);
  std::size_t FontIndex(const Font& font);
  const QFontMetrics& Metrics() const;
  QRect Reach(const Rect& bounds) const;
  QRect Reach(std::span<const Point> points) const;
  void PaintLine(Point from, Point to);
  void PaintFrame(const Rect& rect);
  void FillRects(const std::vector<QRect>& rects, Colour colour);
  bool PrepareFigure(const QRect& reach);
  void PrepareText();
  int DrawTextAfresh(const QString& string, const QRect& area, int flags);

  QPainter m_painter;
  int m_dpi;
  std::vector<QtFont> m_fonts;
  std::size_t m_painterfont = SIZE_MAX;  // the one set on m_painter
  State m_state;
  std::vector<State> m_saved;
  // The clip region is the starting area less every exclusion, kept apart:
  // merged, the cut-outs of a full page make a region of thousands of
  // rectangles that every drawing would have to go through.
  QRegion m_cliparea;
  std::vector<Exclusion> m_excluded;
  bool m_clipapplied = false;
  QRect m_clipreach;           // the part of the clip region handed to the painter
  bool m_clipvisible = false;  // whether any of it is inside the clip region
  QRect m_clipbounds;          // the bounds of what the painter may touch
  // The whole clip region less the first k cut-outs at m_wholes[k], while
  // it is a few rectangles; from m_wholelimit cut-outs on it is not.
  std::vector<QRegion> m_wholes;
  std::size_t m_wholelimit = SIZE_MAX;
  // The whole clip region that the painter holds, if it holds one; else the
  // part of the clip region it holds.
  std::optional<QRegion> m_handedover;
  QRegion m_clipregion;
  bool m_clipfresh = false;  // whether nothing has drawn through it yet
  // A polyline's bands and pixels, kept so that each one reuses the storage.
  std::vector<QRect> m_bands;
  std::vector<QRect> m_cut;            // rectangles cut to the clip region
  std::vector<std::size_t> m_meeting;  // cut-outs that meet a drawing
  QPolygon m_pixels;
};

}  // namespace korvix
