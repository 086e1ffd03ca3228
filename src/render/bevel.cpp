#include "render/bevel.h"

#include <array>

#include "render/edge_lines.h"

namespace korvix {

namespace {

constexpr std::array kRaisedTopLeftThin{Grey(255), Grey(204)};
constexpr std::array kRaisedBottomRightThin{Grey(51), Grey(102)};
constexpr std::array kRaisedTopLeftThick{Grey(255), Grey(230), Grey(204), Grey(179)};
constexpr std::array kRaisedBottomRightThick{Grey(51), Grey(76), Grey(102), Grey(127)};

constexpr std::array kSunkenTopLeftThin{Grey(102), Grey(51)};
constexpr std::array kSunkenBottomRightThin{Grey(204), Grey(255)};
constexpr std::array kSunkenTopLeftThick{Grey(127), Grey(102), Grey(76), Grey(51)};
constexpr std::array kSunkenBottomRightThick{Grey(179), Grey(204), Grey(230), Grey(255)};

constexpr Colour kRaisedFace = Grey(153);

}  // namespace

void DrawBevelRaised(const ViewState& view, int left, int top, int right, int bottom, DeviceContext& dc) {
  const Rect rect{left, top, right, bottom};
  if (DoubleEdges(view))
    DrawEdgedFace(dc, rect, kRaisedFace, kRaisedTopLeftThick, kRaisedBottomRightThick);
  else
    DrawEdgedFace(dc, rect, kRaisedFace, kRaisedTopLeftThin, kRaisedBottomRightThin);
}

void DrawBevelSunken(const ViewState& view, int left, int top, int right, int bottom, DeviceContext& dc,
                     Colour facecolour) {
  const Rect rect{left, top, right, bottom};
  if (DoubleEdges(view))
    DrawEdgedFace(dc, rect, facecolour, kSunkenTopLeftThick, kSunkenBottomRightThick);
  else
    DrawEdgedFace(dc, rect, facecolour, kSunkenTopLeftThin, kSunkenBottomRightThin);
}

}  // namespace korvix
