#pragma once

#include <span>
#include <string>
#include <string_view>

#include "render/colour.h"
#include "render/device_context.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// Painting pieces that every gauge shares: fonts, texts, ticks, needles and
// the clipping of a partial redraw.

// A font of `tenthspercode` tenths of a point per size-code step, zoomed
// with the Font Size.
Font GaugeFont(std::string_view face, const ViewState& view, int sizecode, int tenthspercode);

// One line of text, vertically centred in rect and aligned as asked,
// transparent over what lies below.
void DrawTextLine(DeviceContext& dc, std::string_view text, const Rect& rect, const Font& font, Colour colour,
                  TextFormat alignment = TextFormat::Centre);

// A box of the text's size centred on a point.
Rect TextBoxAt(DeviceContext& dc, std::string_view text, const Font& font, Point centre);

struct PointF {
  double x = 0;
  double y = 0;
};

// The point at `radius` from centre in the direction of `degrees` (counter-
// clockwise from three o'clock).
PointF Polar(PointF centre, double radius, double degrees);
Point Pixel(PointF point);

// A compass bearing (clockwise from twelve o'clock) as a drawing angle.
double BearingAngle(double bearing);

// The centre of rect's inscribed ellipse, and its smaller half extent.
PointF CentreOf(const Rect& rect);
double RadiusOf(const Rect& rect);

// The largest square centred in rect; round kinds draw in it.
Rect CentredSquare(const Rect& rect);

// A straight mark from `inner` to `outer` radius at `degrees`.
void DrawRadialLine(DeviceContext& dc, PointF centre, double inner, double outer, double degrees, const Pen& pen);

// A needle tapering from `width` at the centre to a point at `length`,
// with a stub of a quarter of its length behind the centre.
void DrawNeedle(DeviceContext& dc, PointF centre, double length, double degrees, double width, Colour colour);
// Everything that DrawNeedle paints lies inside this.
Rect NeedleBounds(PointF centre, double length, double degrees, double width);

// An arrow through centre: its head at `length` in the direction of
// `degrees`, its tail as far the other way.
void DrawArrow(DeviceContext& dc, PointF centre, double length, double degrees, double width, Colour colour);
Rect ArrowBounds(PointF centre, double length, double degrees, double width);

// A filled disc on its centre.
void DrawDisc(DeviceContext& dc, PointF centre, double radius, Colour colour);
Rect DiscBounds(PointF centre, double radius);

// The smallest rectangle holding both.
Rect Union(const Rect& a, const Rect& b);

// Excludes every part of `whole` outside all of `areas` from the clip
// region, so what is drawn next reaches only those areas.
void ClipToAreas(DeviceContext& dc, const Rect& whole, std::span<const Rect> areas);

// The line width of scale marks and frames: one pixel a Font Size step.
int StrokeWidth(const ViewState& view);

// Lines of each bevel: two at Font Size X 1, four at the larger sizes.
int BevelLines(const ViewState& view);

// How much smaller than its rect the raised bezel leaves the face.
int RaisedBezelInset(const ViewState& view);

// True when every corner of rect lies within radius of centre.
bool InsideCircle(const Rect& rect, PointF centre, double radius);

// Major and minor marks of a scale on an arc: `ticks` marks from fraction 0
// to 1 (none below 2) and `submarks` between each two.
struct ArcScale {
  PointF centre;
  double radius = 0;  // outer end of the marks
  double (*angle)(double fraction) = nullptr;
  int ticks = 0;
  int submarks = 0;
  double majorlength = 0;
  double minorlength = 0;
  Pen majorpen;
  Pen minorpen;
};
void DrawArcMarks(DeviceContext& dc, const ArcScale& scale);
// labels[k] centred at labelradius beside major mark k.
void DrawArcLabels(DeviceContext& dc, const ArcScale& scale, std::span<const std::string> labels, double labelradius,
                   const Font& font, Colour colour);
// A band of `width` along the arc from fraction `from` to fraction `to`.
void DrawArcBand(DeviceContext& dc, const ArcScale& scale, double bandradius, int width, double from, double to,
                 Colour colour);

// A linear scale: marks at right angles to the line from `zero` (fraction
// 0) to `full` (fraction 1), reaching `majorlength` or `minorlength` towards
// `side` (a unit step such as {1, 0}).
struct LineScale {
  Point zero;
  Point full;
  Point side;
  int ticks = 0;
  int submarks = 0;
  int majorlength = 0;
  int minorlength = 0;
  Pen majorpen;
  Pen minorpen;
};
Point LinePoint(const LineScale& scale, double fraction);
void DrawLineMarks(DeviceContext& dc, const LineScale& scale);

}  // namespace korvix
