#include "qtdraw/qt_device_context.h"

#include <QImage>
#include <QPaintDevice>
#include <QPolygon>
#include <QString>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>
#include <string>
#include <unordered_map>

#include "qtdraw/kept_text.h"
#include "qtdraw/qt_fonts.h"

namespace korvix {

namespace {

QColor ToQColor(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

QRect ToQRect(const Rect& rect) { return QRect(rect.left, rect.top, Width(rect), Height(rect)); }

QString FromBytes(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Stored texts break lines with "\r\n" (or a lone "\r"); Qt breaks at "\n".
QString FromLines(std::string_view text) {
  QString string = FromBytes(text);
  string.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  string.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return string;
}

int PenPixels(const Pen& pen) { return std::max(1, pen.width); }

// One-pixel pens are Qt's cosmetic pens; wider ones end and join round, as
// pens of drawn shapes are expected to.
QPen ToQPen(const Pen& pen) {
  if (pen.style == PenStyle::Null) return QPen(Qt::NoPen);
  if (PenPixels(pen) == 1) return QPen(ToQColor(pen.colour), 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  return QPen(ToQColor(pen.colour), PenPixels(pen), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush ToQBrush(const Brush& brush) {
  if (brush.style == BrushStyle::Null) return QBrush(Qt::NoBrush);
  return QBrush(ToQColor(brush.colour));
}

// The path that a figure's pen follows. A one-pixel outline covers the
// columns left to right - 1. A wider pen is centred on that outline, except
// an inside-frame pen, whose outer edge lies on the bounds. Qt fills the
// pixels whose centres a wide stroke covers.
QRectF FigurePath(const Rect& bounds, const Pen& pen) {
  const int w = PenPixels(pen);
  if (w == 1) return QRectF(bounds.left, bounds.top, Width(bounds) - 1, Height(bounds) - 1);
  if (pen.style == PenStyle::InsideFrame)
    return QRectF(bounds.left + w / 2.0, bounds.top + w / 2.0, Width(bounds) - w, Height(bounds) - w);
  return QRectF(bounds.left + 0.5, bounds.top + 0.5, Width(bounds) - 1, Height(bounds) - 1);
}

// The pixels whose centres lie inside the ellipse inscribed in bounds, one
// span a row. Elliptic clip regions and one-pixel ellipses both use them, so
// a round object cut out of the clip region is cut exactly where it was drawn.
std::vector<QRect> EllipseRows(const Rect& bounds) {
  std::vector<QRect> rows;
  if (IsEmpty(bounds)) return rows;
  const double cx = (bounds.left + bounds.right) / 2.0;
  const double cy = (bounds.top + bounds.bottom) / 2.0;
  const double rx = Width(bounds) / 2.0;
  const double ry = Height(bounds) / 2.0;
  for (int y = bounds.top; y < bounds.bottom; ++y) {
    const double dy = (y + 0.5 - cy) / ry;
    const double half = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    // Every row keeps at least its middle pixel, so the outline is closed.
    const int left = std::min(static_cast<int>(std::ceil(cx - half - 0.5)), static_cast<int>(std::floor(cx)));
    const int right = bounds.left + bounds.right - 1 - left;
    rows.emplace_back(left, y, right - left + 1, 1);
  }
  return rows;
}

QRegion EllipseRegion(const Rect& bounds) {
  const std::vector<QRect> rows = EllipseRows(bounds);
  QRegion region;
  region.setRects(rows.data(), static_cast<int>(rows.size()));
  return region;
}

// The row pixels of an ellipse that have no neighbour above or below inside
// it, plus both ends of every row: a closed one-pixel outline.
std::vector<QRect> EllipseOutline(const std::vector<QRect>& rows) {
  std::vector<QRect> outline;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const QRect& row = rows[i];
    int inner_left = row.right() + 1;
    int inner_right = row.left() - 1;
    if (i > 0 && i + 1 < rows.size()) {
      inner_left = std::max({rows[i - 1].left(), rows[i + 1].left(), row.left() + 1});
      inner_right = std::min({rows[i - 1].right(), rows[i + 1].right(), row.right() - 1});
    }
    if (inner_left > inner_right) {
      outline.push_back(row);
      continue;
    }
    outline.emplace_back(row.left(), row.top(), inner_left - row.left(), 1);
    outline.emplace_back(inner_right + 1, row.top(), row.right() - inner_right, 1);
  }
  return outline;
}

QRegion ToQRegion(const Region& region) {
  QRegion result;
  for (const Region::Shape& shape : region.Shapes()) {
    switch (shape.kind) {
      case Region::ShapeKind::Rectangle: result += QRegion(ToQRect(shape.bounds)); break;
      case Region::ShapeKind::Ellipse: result += EllipseRegion(shape.bounds); break;
      case Region::ShapeKind::Polygon: {
        QPolygon polygon;
        for (const Point& p : shape.points) polygon << QPoint(p.x, p.y);
        result += QRegion(polygon, Qt::OddEvenFill);
        break;
      }
    }
  }
  return result;
}

// Direction of p seen from the centre of bounds, in degrees counter-clockwise
// from three o'clock on the screen.
double ScreenAngle(const Rect& bounds, Point p) {
  const double cx = (bounds.left + bounds.right) / 2.0;
  const double cy = (bounds.top + bounds.bottom) / 2.0;
  return std::atan2(cy - p.y, p.x - cx) * 180.0 / std::numbers::pi;
}

// Appends the pixels within `keep` of a one-pixel line from `from` up to but
// not including `to`. A line runs straight, so once it has left `keep` it
// never comes back, and a line from far off costs no more than its visible
// part to paint.
void AppendLinePixels(Point from, Point to, const QRect& keep, QPolygon& pixels) {
  const int dx = std::abs(to.x - from.x);
  const int dy = -std::abs(to.y - from.y);
  const int sx = from.x < to.x ? 1 : -1;
  const int sy = from.y < to.y ? 1 : -1;
  int error = dx + dy;
  Point p = from;
  bool entered = false;
  while (p != to) {
    if (keep.contains(p.x, p.y)) {
      pixels << QPoint(p.x, p.y);
      entered = true;
    } else if (entered) {
      break;
    }
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      p.x += sx;
    }
    if (twice <= dx) {
      error += dx;
      p.y += sy;
    }
  }
}

// Pixels that a drawing left untouched are transparent; every other pixel is
// opaque, so copying the picture is exact on any background. The image
// starts offset from the origin it is drawn at.
class QtPicture final : public OffscreenPicture {
public:
  QtPicture(QImage image, QPoint offset, int dpi) : m_image(std::move(image)), m_offset(offset), m_dpi(dpi) {}
  std::size_t Bytes() const override { return static_cast<std::size_t>(m_image.sizeInBytes()); }
  const QImage& Image() const { return m_image; }
  QPoint Offset() const { return m_offset; }
  int Dpi() const { return m_dpi; }

private:
  QImage m_image;
  QPoint m_offset;
  int m_dpi;
};

// The pixels of an area kept from one paint to the next.
struct QtLayer final : OffscreenPicture {
  QtLayer(QImage kept, int keptdpi) : image(std::move(kept)), dpi(keptdpi) {}
  std::size_t Bytes() const override { return static_cast<std::size_t>(image.sizeInBytes()); }
  QImage image;
  int dpi;
};

// A layer costs four bytes a pixel for as long as its object is shown; an
// area larger than this (a page zoomed far in) is drawn directly instead.
constexpr qint64 kMaxLayerPixels = qint64{2048} * 2048;

// Pixels around a picture's rectangle beyond half its larger side.
constexpr int kPictureMargin = 16;
constexpr int kRowsPerBlend = 64;
constexpr std::size_t kKeptWidths = 4096;

// A clip region of up to this many rectangles is worth keeping whole and
// handing to the painter.
constexpr int kWholeClipRects = 16;

}  // namespace

QtDeviceContext::QtDeviceContext(QPaintDevice& device, int dpi)
    : QtDeviceContext(device, QRegion(0, 0, device.width(), device.height()), dpi) {}

QtDeviceContext::QtDeviceContext(QPaintDevice& device, const QRegion& cliparea, int dpi)
    : m_painter(&device), m_dpi(dpi) {
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_cliparea = cliparea;
  m_state.fontindex = FontIndex(m_state.font);
}

QtDeviceContext::QtDeviceContext(QPaintDevice& device, Point origin, const QRegion& cliparea, int dpi)
    : QtDeviceContext(device, cliparea.intersected(QRect(origin.x, origin.y, device.width(), device.height())), dpi) {
  m_painter.translate(-origin.x, -origin.y);
}

Pen QtDeviceContext::SelectPen(const Pen& pen) { return std::exchange(m_state.pen, pen); }

Brush QtDeviceContext::SelectBrush(const Brush& brush) { return std::exchange(m_state.brush, brush); }

// A page selects the same few fonts again for every object, and every paint
// makes contexts afresh: each font is made and measured once for a
// resolution and kind of device, and looked up once per context.
std::size_t QtDeviceContext::FontIndex(const Font& font) {
  for (std::size_t i = 0; i < m_fonts.size(); ++i)
    if (m_fonts[i].font == font) return i;
  const QPaintDevice& device = *m_painter.device();
  std::string key = font.face;
  for (const int number : {font.pointtenths, m_dpi, device.logicalDpiY(), device.devType()})
    key.append(reinterpret_cast<const char*>(&number), sizeof number);
  static std::mutex guard;
  // A few dozen at most, never destroyed: fonts must not outlive the
  // application's font database at exit.
  static auto* made = new std::unordered_map<std::string, QtFont>();
  const std::lock_guard lock(guard);
  auto found = made->find(key);
  if (found == made->end()) {
    QFont qfont = MakeQtFont(font, m_dpi);
    QFontMetrics metrics(qfont, &device);
    const int keptnumber = KeptText::FontOf(qfont, device);
    found = made->emplace(std::move(key), QtFont{font, std::move(qfont), std::move(metrics), keptnumber}).first;
  }
  m_fonts.push_back(found->second);
  return m_fonts.size() - 1;
}

const QFontMetrics& QtDeviceContext::Metrics() const { return m_fonts[m_state.fontindex].metrics; }

Font QtDeviceContext::SelectFont(const Font& font) {
  if (font != m_state.font) m_state.fontindex = FontIndex(font);
  return std::exchange(m_state.font, font);
}

Colour QtDeviceContext::SetTextColour(Colour colour) { return std::exchange(m_state.textcolour, colour); }

BackgroundMode QtDeviceContext::SetBackgroundMode(BackgroundMode mode) { return std::exchange(m_state.bkmode, mode); }

Colour QtDeviceContext::SetBackgroundColour(Colour colour) { return std::exchange(m_state.bkcolour, colour); }

// A full page holds hundreds of exclusions and every object's drawing asks
// for its own part of the clip region, so the test for which exclusions
// matter is kept to a few comparisons inline.
QRegion QtDeviceContext::ClipWithin(const QRect& reach) {
  if (const QRegion* whole = WholeClip()) return whole->intersected(reach);
  // One pass finds the cut-outs that meet the drawing; one wholly around it,
  // as most are when a narrow strip is redrawn, refuses it before any region
  // is made.
  m_meeting.clear();
  for (std::size_t i = 0; i < m_state.exclusions; ++i) {
    const Exclusion& exclusion = m_excluded[i];
    const QRect& bounds = exclusion.bounds;
    if (bounds.left() > reach.right() || reach.left() > bounds.right() || bounds.top() > reach.bottom() ||
        reach.top() > bounds.bottom())
      continue;
    if (!exclusion.shape && bounds.left() <= reach.left() && reach.right() <= bounds.right() &&
        bounds.top() <= reach.top() && reach.bottom() <= bounds.bottom())
      return {};
    m_meeting.push_back(i);
  }
  QRegion clip = m_cliparea.intersected(reach);
  for (const std::size_t i : m_meeting) {
    if (clip.isEmpty()) break;
    const Exclusion& exclusion = m_excluded[i];
    clip -= exclusion.shape ? *exclusion.shape : QRegion(exclusion.bounds);
  }
  return clip;
}

// Cut-outs are only ever added at the end or taken back from it, so the
// region of each number of them, once made, holds until that many are cut
// afresh, and a restored state finds its own.
const QRegion* QtDeviceContext::MakeWholeClip() {
  const std::size_t count = m_state.exclusions;
  const QRect area = m_cliparea.boundingRect();
  while (m_wholes.size() <= count) {
    const std::size_t k = m_wholes.size();
    if (k == 0) {
      m_wholes.push_back(m_cliparea);
      continue;
    }
    const Exclusion& exclusion = m_excluded[k - 1];
    QRegion next = m_wholes.back();
    if (exclusion.bounds.intersects(area)) next -= exclusion.shape ? *exclusion.shape : QRegion(exclusion.bounds);
    if (next.rectCount() > kWholeClipRects) {
      m_wholelimit = k;
      return nullptr;
    }
    m_wholes.push_back(std::move(next));
  }
  return &m_wholes[count];
}

void QtDeviceContext::Exclude(const QRect& bounds, std::optional<QRegion> shape) {
  const std::size_t at = m_state.exclusions;
  m_excluded.resize(at);
  if (m_wholes.size() > at + 1) m_wholes.resize(at + 1);
  if (m_wholelimit > at) m_wholelimit = SIZE_MAX;
  m_excluded.push_back({bounds, std::move(shape)});
  m_state.exclusions = m_excluded.size();
  m_clipapplied = false;
}

// A clip region of one rectangle is handed to the painter once and serves
// every later drawing, where hundreds of dots, ticks and labels would
// otherwise each set a region of their own. Otherwise only the part that the
// next drawing can reach is handed over, and kept while the drawings stay
// inside it: one object's strokes rarely leave its face.
// A drawing whose reach lies wholly outside the clip region is skipped.
bool QtDeviceContext::ApplyClip(const QRect& reach) {
  const QRegion* whole = WholeClip();
  if (whole && !whole->intersects(reach)) return false;
  if (whole && whole->rectCount() == 1) {
    m_clipbounds = whole->boundingRect();
    if (m_handedover != *whole) {
      m_painter.setClipRect(m_clipbounds);
      m_handedover = *whole;
      m_clipapplied = false;
    }
    return true;
  }
  if (m_clipapplied && m_clipreach.contains(reach)) {
    m_clipfresh = false;
    return m_clipvisible;
  }
  return ApplyClipWithin(reach);
}

bool QtDeviceContext::ApplyClipWithin(const QRect& reach) {
  m_clipreach = reach;
  const QRegion clip = ClipWithin(reach);
  m_clipvisible = !clip.isEmpty();
  if (m_clipvisible) {
    m_clipbounds = clip.boundingRect();
    m_painter.setClipRegion(clip);
    m_clipregion = clip;
    m_clipfresh = true;
    m_handedover.reset();
  }
  m_clipapplied = true;
  return m_clipvisible;
}

// The clip region within area and nowhere else, for text that is cut off at
// its rectangle.
bool QtDeviceContext::ApplyClipExactly(const QRect& area) {
  if (m_clipapplied && m_clipreach == area) {
    m_clipfresh = false;
    return m_clipvisible;
  }
  return ApplyClipWithin(area);
}

// What a shape's pen can paint beyond its bounds, with a pixel to spare for
// round caps and rasterising.
QRect QtDeviceContext::Reach(const Rect& bounds) const {
  const int overhang = PenPixels(m_state.pen) + 1;
  return ToQRect(Inflated(bounds, overhang, overhang));
}

QRect QtDeviceContext::Reach(std::span<const Point> points) const {
  Rect bounds{points.front().x, points.front().y, points.front().x + 1, points.front().y + 1};
  for (const Point& p : points)
    bounds = {std::min(bounds.left, p.x), std::min(bounds.top, p.y), std::max(bounds.right, p.x + 1),
              std::max(bounds.bottom, p.y + 1)};
  return Reach(bounds);
}

bool QtDeviceContext::PrepareFigure(const QRect& reach) {
  if (!ApplyClip(reach)) return false;
  m_painter.setPen(ToQPen(m_state.pen));
  m_painter.setBrush(ToQBrush(m_state.brush));
  return true;
}

void QtDeviceContext::PrepareText() {
  if (m_painterfont != m_state.fontindex) {
    m_painter.setFont(m_fonts[m_state.fontindex].qfont);
    m_painterfont = m_state.fontindex;
  }
  m_painter.setPen(ToQColor(m_state.textcolour));
}

// Rectangles are painted as filled bands, which are exact on every device.
void QtDeviceContext::PaintFrame(const Rect& rect) {
  const int w = PenPixels(m_state.pen);
  Rect outer = rect;
  Rect inner = Inflated(rect, -w, -w);
  if (m_state.pen.style == PenStyle::Solid) {
    // Centred on the one-pixel outline; an even width's odd pixel lies inside.
    outer = Inflated(rect, (w - 1) / 2, (w - 1) / 2);
    inner = {rect.left + w / 2 + 1, rect.top + w / 2 + 1, rect.right - 1 - w / 2, rect.bottom - 1 - w / 2};
  }
  const QColor colour = ToQColor(m_state.pen.colour);
  if (IsEmpty(inner)) {
    m_painter.fillRect(ToQRect(outer), colour);
    return;
  }
  m_painter.fillRect(ToQRect({outer.left, outer.top, outer.right, inner.top}), colour);
  m_painter.fillRect(ToQRect({outer.left, inner.bottom, outer.right, outer.bottom}), colour);
  m_painter.fillRect(ToQRect({outer.left, inner.top, inner.left, inner.bottom}), colour);
  m_painter.fillRect(ToQRect({inner.right, inner.top, outer.right, inner.bottom}), colour);
}

// In one call, as a row of an ellipse costs Qt more to set up than to fill.
// A clip region of several rectangles costs the painter a table as tall as
// the device, made when it is first drawn through, and every row a walk
// through it. In a repaint cut into a few areas, where each drawing's part
// of the clip region differs from the last, rows under a part nothing has
// drawn through yet are cut to it here instead and filled within its
// bounds: the same pixels. On a full page the part is mostly drawn through
// anyway, and cutting would only add to it.
void QtDeviceContext::FillRects(const std::vector<QRect>& rects, Colour colour) {
  m_painter.setPen(Qt::NoPen);
  m_painter.setBrush(ToQColor(colour));
  if (m_handedover || !m_clipfresh || m_clipregion.rectCount() <= 1 || WholeClip() == nullptr) {
    m_painter.drawRects(rects.data(), static_cast<int>(rects.size()));
    return;
  }
  m_cut.clear();
  for (const QRect& rect : rects) {
    if (!rect.intersects(m_clipbounds)) continue;
    for (const QRect& part : m_clipregion)
      if (const QRect piece = rect & part; !piece.isEmpty()) m_cut.push_back(piece);
  }
  if (m_cut.empty()) return;
  m_painter.setClipRect(m_clipbounds);
  m_painter.drawRects(m_cut.data(), static_cast<int>(m_cut.size()));
  m_painter.setClipRegion(m_clipregion);
}

void QtDeviceContext::Rectangle(const Rect& rect) {
  if (IsEmpty(rect) || !ApplyClip(Reach(rect))) return;
  if (m_state.brush.style == BrushStyle::Solid) m_painter.fillRect(ToQRect(rect), ToQColor(m_state.brush.colour));
  if (m_state.pen.style != PenStyle::Null) PaintFrame(rect);
}

void QtDeviceContext::Ellipse(const Rect& bounds) {
  if (IsEmpty(bounds)) return;
  if (PenPixels(m_state.pen) == 1 || m_state.pen.style == PenStyle::Null) {
    if (!ApplyClip(ToQRect(bounds))) return;
    const std::vector<QRect> rows = EllipseRows(bounds);
    if (m_state.brush.style == BrushStyle::Solid) FillRects(rows, m_state.brush.colour);
    if (m_state.pen.style != PenStyle::Null) FillRects(EllipseOutline(rows), m_state.pen.colour);
    return;
  }
  if (!PrepareFigure(Reach(bounds))) return;
  m_painter.drawEllipse(FigurePath(bounds, m_state.pen));
}

void QtDeviceContext::Polygon(std::span<const Point> points) {
  if (points.size() < 2 || !PrepareFigure(Reach(points))) return;
  QPolygon polygon;
  for (const Point& p : points) polygon << QPoint(p.x, p.y);
  m_painter.drawPolygon(polygon, Qt::OddEvenFill);
}

void QtDeviceContext::FillRect(const Rect& rect, Colour colour) {
  if (IsEmpty(rect) || !ApplyClip(ToQRect(rect))) return;
  m_painter.fillRect(ToQRect(rect), ToQColor(colour));
}

void QtDeviceContext::MoveTo(Point point) { m_state.position = point; }

void QtDeviceContext::LineTo(Point point) {
  PaintLine(m_state.position, point);
  m_state.position = point;
}

void QtDeviceContext::PaintLine(Point from, Point to) {
  if (m_state.pen.style == PenStyle::Null || from == to) return;
  const Point ends[] = {from, to};
  if (!ApplyClip(Reach(ends))) return;
  const QColor colour = ToQColor(m_state.pen.colour);
  if (PenPixels(m_state.pen) > 1) {
    // Through the pixel centres, so the stroke covers whole pixels either side.
    m_painter.setPen(ToQPen(m_state.pen));
    m_painter.drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(to.x + 0.5, to.y + 0.5));
    return;
  }
  if (from.y == to.y) {
    const int left = from.x < to.x ? from.x : to.x + 1;
    m_painter.fillRect(QRect(left, from.y, std::abs(to.x - from.x), 1), colour);
  } else if (from.x == to.x) {
    const int top = from.y < to.y ? from.y : to.y + 1;
    m_painter.fillRect(QRect(from.x, top, 1, std::abs(to.y - from.y)), colour);
  } else {
    QPolygon pixels;
    AppendLinePixels(from, to, m_clipbounds, pixels);
    m_painter.setPen(QPen(colour, 0));
    m_painter.drawPoints(pixels);
  }
}

// A recorder's trace is thousands of short segments: a one-pixel polyline
// is clipped once and painted as two batches, its straight runs as bands and
// its slanted segments as pixels, which leaves the same pixels as painting
// segment by segment, since they all take one colour.
void QtDeviceContext::Polyline(std::span<const Point> points) {
  if (points.size() < 2 || m_state.pen.style == PenStyle::Null) return;
  if (PenPixels(m_state.pen) > 1) {
    for (std::size_t i = 1; i < points.size(); ++i) PaintLine(points[i - 1], points[i]);
    return;
  }
  if (!ApplyClip(Reach(points))) return;
  m_bands.clear();
  m_pixels.clear();
  for (std::size_t i = 1; i < points.size(); ++i) {
    const Point from = points[i - 1];
    const Point to = points[i];
    if (from == to) continue;
    if (from.y == to.y) {
      m_bands.emplace_back(std::min(from.x, to.x + 1), from.y, std::abs(to.x - from.x), 1);
    } else if (from.x == to.x) {
      // A trace's column goes up and down in one place: its strokes meet
      // or overlap, and one band covers them all.
      const QRect band(from.x, std::min(from.y, to.y + 1), 1, std::abs(to.y - from.y));
      QRect* previous = m_bands.empty() ? nullptr : &m_bands.back();
      if (previous != nullptr && previous->width() == 1 && previous->left() == band.left() &&
          previous->top() <= band.bottom() + 1 && band.top() <= previous->bottom() + 1)
        *previous = previous->united(band);
      else
        m_bands.push_back(band);
    } else {
      AppendLinePixels(from, to, m_clipbounds, m_pixels);
    }
  }
  if (!m_bands.empty()) FillRects(m_bands, m_state.pen.colour);
  if (!m_pixels.isEmpty()) {
    m_painter.setPen(QPen(ToQColor(m_state.pen.colour), 0));
    m_painter.drawPoints(m_pixels);
  }
}

void QtDeviceContext::Arc(const Rect& bounds, Point start, Point end) {
  if (IsEmpty(bounds) || m_state.pen.style == PenStyle::Null) return;
  const double from = ScreenAngle(bounds, start);
  double span = ScreenAngle(bounds, end) - from;
  if (span <= 0) span += 360.0;
  if (!PrepareFigure(Reach(bounds))) return;
  m_painter.setBrush(Qt::NoBrush);
  m_painter.drawArc(FigurePath(bounds, m_state.pen), static_cast<int>(std::lround(from * 16)),
                    static_cast<int>(std::lround(span * 16)));
}

void QtDeviceContext::SetPixel(Point point, Colour colour) {
  if (!ApplyClip(QRect(point.x, point.y, 1, 1))) return;
  m_painter.fillRect(QRect(point.x, point.y, 1, 1), ToQColor(colour));
}

int QtDeviceContext::DrawText(std::string_view text, const Rect& rect, TextFormat format) {
  if (IsEmpty(rect)) return 0;
  int flags = Qt::AlignLeft;
  if (HasFlag(format, TextFormat::Centre))
    flags = Qt::AlignHCenter;
  else if (HasFlag(format, TextFormat::Right))
    flags = Qt::AlignRight;
  if (HasFlag(format, TextFormat::SingleLine))
    flags |= Qt::TextSingleLine | (HasFlag(format, TextFormat::VCentre) ? Qt::AlignVCenter : Qt::AlignTop);
  else
    flags |= Qt::AlignTop | (HasFlag(format, TextFormat::WordBreak) ? Qt::TextWordWrap : 0);
  if (!HasFlag(format, TextFormat::NoPrefix)) flags |= Qt::TextShowMnemonic;

  const QRect area = ToQRect(rect);
  const QString string = FromLines(text);
  const QtFont& font = m_fonts[m_state.fontindex];
  const KeptText kept(string, flags, area.width(), font.keptnumber, font.qfont, *m_painter.device(),
                      m_painter.layoutDirection());
  if (!kept) return DrawTextAfresh(string, area, flags);
  const QRect drawn = kept.Bounds(area);
  if (!ApplyClipExactly(area)) return drawn.height();
  PrepareText();
  if (m_state.bkmode == BackgroundMode::Opaque) m_painter.fillRect(drawn, ToQColor(m_state.bkcolour));
  kept.Draw(m_painter, area);
  return drawn.height();
}

// Each line as Qt draws it alone, and the lines one line height apart as
// the kept layouts set them.
int QtDeviceContext::DrawTextAfresh(const QString& string, const QRect& area, int flags) {
  const QtFont& font = m_fonts[m_state.fontindex];
  const std::vector<QString> lines =
      (flags & Qt::TextSingleLine) != 0
          ? std::vector<QString>{string}
          : KeptText::Lines(string, flags, area.width(), font.qfont, *m_painter.device(), m_painter.layoutDirection());
  const int lineflags = flags & ~Qt::TextWordWrap;
  const int lineheight = LineHeight(font.metrics);
  const bool visible = ApplyClipExactly(area);
  if (visible) PrepareText();
  QRect drawn;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const QRect linearea =
        lines.size() == 1 ? area
                          : QRect(area.left(), area.top() + static_cast<int>(i) * lineheight, area.width(), lineheight);
    if (!visible) {
      drawn |= font.metrics.boundingRect(linearea, lineflags, lines[i]);
      continue;
    }
    if (m_state.bkmode == BackgroundMode::Opaque)
      m_painter.fillRect(m_painter.boundingRect(linearea, lineflags, lines[i]), ToQColor(m_state.bkcolour));
    QRect line;
    m_painter.drawText(linearea, lineflags, lines[i], &line);
    drawn |= line;
  }
  return drawn.height();
}

void QtDeviceContext::JustifiedTextOut(Point origin, std::string_view text, int extra) {
  const QString string = FromBytes(text);
  const QFontMetrics& metrics = Metrics();
  const int height = LineHeight(metrics);
  if (!ApplyClip(QRect(origin.x - height, origin.y - height, metrics.horizontalAdvance(string) + extra + 2 * height,
                       3 * height)))
    return;
  PrepareText();
  if (m_state.bkmode == BackgroundMode::Opaque)
    m_painter.fillRect(QRect(origin.x, origin.y, metrics.horizontalAdvance(string) + extra, height),
                       ToQColor(m_state.bkcolour));
  const int baseline = origin.y + metrics.ascent();
  const auto spaces = static_cast<int>(string.count(QLatin1Char(' ')));
  if (extra == 0 || spaces == 0) {
    m_painter.drawText(QPoint(origin.x, baseline), string);
    return;
  }
  // Each word keeps its natural place plus its share of the extra pixels.
  qsizetype wordstart = 0;
  int spacesbefore = 0;
  for (qsizetype i = 0; i <= string.size(); ++i) {
    if (i < string.size() && string[i] != QLatin1Char(' ')) continue;
    const int x = origin.x + metrics.horizontalAdvance(string.left(wordstart)) + extra * spacesbefore / spaces;
    m_painter.drawText(QPoint(x, baseline), string.mid(wordstart, i + 1 - wordstart));
    wordstart = i + 1;
    ++spacesbefore;
  }
}

// Gauges measure the same labels at every drawing, and shaping a text costs
// more than drawing it; widths are kept across contexts, a bounded number.
Size QtDeviceContext::GetTextExtent(std::string_view text) {
  const QFontMetrics& metrics = Metrics();
  std::string key = m_state.font.face;
  for (const int number : {m_state.font.pointtenths, m_dpi, m_painter.device()->devType()})
    key.append(reinterpret_cast<const char*>(&number), sizeof number);
  key.append(text);
  static std::mutex guard;
  static std::unordered_map<std::string, int> widths;
  const std::lock_guard lock(guard);
  if (const auto found = widths.find(key); found != widths.end()) return {found->second, LineHeight(metrics)};
  if (widths.size() >= kKeptWidths) widths.clear();
  const int width = metrics.horizontalAdvance(FromBytes(text));
  widths.emplace(std::move(key), width);
  return {width, LineHeight(metrics)};
}

void QtDeviceContext::ExcludeClipRect(const Rect& rect) {
  if (IsEmpty(rect)) return;
  Exclude(ToQRect(rect), std::nullopt);
}

void QtDeviceContext::SubtractClipRegion(const Region& region) {
  QRegion cut = ToQRegion(region);
  if (cut.isEmpty()) return;
  const QRect bounds = cut.boundingRect();
  Exclude(bounds, std::move(cut));
}

bool QtDeviceContext::RectVisible(const Rect& rect) {
  if (IsEmpty(rect)) return false;
  const QRect area = ToQRect(rect);
  if (const QRegion* whole = WholeClip()) return whole->intersects(area);
  return !ClipWithin(area).isEmpty();
}

void QtDeviceContext::SaveState() { m_saved.push_back(m_state); }

void QtDeviceContext::RestoreState() {
  if (m_saved.empty()) return;
  m_state = std::move(m_saved.back());
  m_saved.pop_back();
  m_clipapplied = false;
}

void QtDeviceContext::DrawBitmap(const Bitmap& bitmap, Point origin) {
  if (!ApplyClip(QRect(origin.x, origin.y, bitmap.Width(), bitmap.Height()))) return;
  const QImage image(reinterpret_cast<const uchar*>(bitmap.Pixels()), bitmap.Width(), bitmap.Height(),
                     static_cast<qsizetype>(bitmap.Width()) * 4, QImage::Format_RGB32);
  m_painter.drawImage(QPoint(origin.x, origin.y), image);
}

// Every other pixel of the border, on a checkerboard fixed to the device, so
// that the same frame drawn again restores what was there.
void QtDeviceContext::DrawFocusRect(const Rect& rect) {
  if (IsEmpty(rect) || !ApplyClip(ToQRect(rect))) return;
  QPolygon dots;
  const auto dot = [&dots](int x, int y) {
    if ((x + y) % 2 == 0) dots << QPoint(x, y);
  };
  for (int x = rect.left; x < rect.right; ++x) {
    dot(x, rect.top);
    if (rect.bottom - 1 > rect.top) dot(x, rect.bottom - 1);
  }
  for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
    dot(rect.left, y);
    if (rect.right - 1 > rect.left) dot(rect.right - 1, y);
  }
  m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
  m_painter.setPen(QPen(Qt::white, 0));
  m_painter.drawPoints(dots);
  m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// The drawing runs twice: over the background, which gives every pixel the
// shade that a glyph's soft edge takes there, and over nothing, which tells
// which pixels it touched at all. Drawings may reach beyond their rectangle
// (a scale's labels beside its gauge), so both run over a wider area and the
// picture keeps what was touched; a drawing that reaches the edge of that
// area is not kept.
std::unique_ptr<OffscreenPicture> QtDeviceContext::MakePicture(const Rect& rect, Colour background,
                                                               const std::function<void(DeviceContext&)>& draw) {
  if (IsEmpty(rect)) return nullptr;
  const int margin = std::max(Width(rect), Height(rect)) / 2 + kPictureMargin;
  const Rect area = Inflated(rect, margin, margin);
  const Point origin{area.left, area.top};
  QImage over(Width(area), Height(area), QImage::Format_RGB32);
  over.fill(ToQColor(background));
  QImage touched(Width(area), Height(area), QImage::Format_ARGB32_Premultiplied);
  touched.fill(Qt::transparent);
  for (QImage* image : {&over, &touched}) {
    QtDeviceContext dc(*image, origin, QRegion(ToQRect(area)), m_dpi);
    draw(dc);
  }
  const int width = touched.width();
  const int height = touched.height();
  int left = width;
  int right = -1;
  int top = height;
  int bottom = -1;
  for (int y = 0; y < height; ++y) {
    const auto* shade = reinterpret_cast<const QRgb*>(over.constScanLine(y));
    auto* pixel = reinterpret_cast<QRgb*>(touched.scanLine(y));
    for (int x = 0; x < width; ++x) {
      if (qAlpha(pixel[x]) == 0) continue;
      pixel[x] = shade[x] | 0xFF000000u;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = y;
    }
  }
  if (right < 0 || left == 0 || top == 0 || right == width - 1 || bottom == height - 1) return nullptr;
  const QRect bounds(QPoint(left, top), QPoint(right, bottom));
  const QPoint offset(left - margin, top - margin);
  return std::make_unique<QtPicture>(touched.copy(bounds), offset, m_dpi);
}

bool QtDeviceContext::DrawOnLayer(std::unique_ptr<OffscreenPicture>& layer, const Rect& rect,
                                  const std::function<void(DeviceContext& dc, bool fresh)>& draw) {
  if (IsEmpty(rect) || static_cast<qint64>(Width(rect)) * Height(rect) > kMaxLayerPixels) return false;
  auto* own = dynamic_cast<QtLayer*>(layer.get());
  const bool fresh = own == nullptr || own->image.size() != QSize(Width(rect), Height(rect)) || own->dpi != m_dpi;
  if (fresh) {
    auto made = std::make_unique<QtLayer>(QImage(Width(rect), Height(rect), QImage::Format_RGB32), m_dpi);
    own = made.get();
    layer = std::move(made);
  }
  {
    const QRect area = ToQRect(rect);
    QtDeviceContext dc(own->image, {rect.left, rect.top}, QRegion(area), m_dpi);
    draw(dc, fresh);
  }
  if (ApplyClip(ToQRect(rect))) m_painter.drawImage(QPoint(rect.left, rect.top), own->image);
  return true;
}

bool QtDeviceContext::DrawPicture(const OffscreenPicture& picture, Point origin) {
  const auto* own = dynamic_cast<const QtPicture*>(&picture);
  if (own == nullptr || own->Dpi() != m_dpi) return false;
  const QImage& image = own->Image();
  const QPoint at = QPoint(origin.x, origin.y) + own->Offset();
  if (!ApplyClip(QRect(at, image.size()))) return true;
  // Qt hands a blend of more than about 96 rows to its thread pool; for
  // pictures this size waking the pool costs more than the copy itself.
  for (int top = 0; top < image.height(); top += kRowsPerBlend) {
    const int rows = std::min(kRowsPerBlend, image.height() - top);
    m_painter.drawImage(at + QPoint(0, top), image, QRect(0, top, image.width(), rows));
  }
  return true;
}

}  // namespace korvix
