#include "render/box3d.h"

#include <array>

#include "render/edge_lines.h"

namespace korvix {

namespace {

struct Shade {
  int index;
  Colour grayup;
  Colour graypressed;
  Colour blueup;
  Colour bluepressed;
};

constexpr std::array kShades{
    Shade{0, Grey(255), Grey(153), Rgb(179, 179, 255), Rgb(127, 127, 179)},
    Shade{1, Grey(204), Grey(102), Rgb(127, 127, 204), Rgb(76, 76, 127)},
    Shade{2, Grey(153), Grey(51), Rgb(51, 51, 153), Rgb(25, 25, 76)},
    Shade{3, Grey(51), Grey(153), Rgb(0, 0, 51), Rgb(102, 102, 153)},
    Shade{4, Grey(102), Grey(204), Rgb(25, 25, 102), Rgb(153, 153, 204)},
    Shade{10, Grey(230), Grey(127), Rgb(153, 153, 230), Rgb(102, 102, 153)},
    Shade{11, Grey(179), Grey(76), Rgb(89, 89, 179), Rgb(51, 51, 102)},
    Shade{12, Grey(153), Grey(102), Rgb(51, 51, 153), Rgb(51, 51, 102)},
    Shade{13, Grey(76), Grey(179), Rgb(13, 13, 76), Rgb(127, 127, 179)},
    Shade{14, Grey(127), Grey(230), Rgb(38, 38, 127), Rgb(179, 179, 230)},
};

constexpr std::array kTopLeftThin{0, 1, 2};
constexpr std::array kBottomRightThin{3, 4};
constexpr std::array kTopLeftThick{0, 10, 1, 11, 2, 12};
constexpr std::array kBottomRightThick{3, 13, 4, 14};

bool IsBlue(std::string_view scheme) { return scheme == kSchemeBlue; }

Colour FaceColour(std::string_view scheme) { return IsBlue(scheme) ? Rgb(51, 51, 153) : Grey(153); }

template <std::size_t N>
std::array<Colour, N> Shades(const std::array<int, N>& indices, int pressed, std::string_view scheme) {
  std::array<Colour, N> colours{};
  for (std::size_t i = 0; i < N; ++i) colours[i] = BoxShadeColour(pressed, indices[i], scheme);
  return colours;
}

}  // namespace

Colour BoxShadeColour(int pressed, int index, std::string_view scheme) {
  for (const Shade& shade : kShades) {
    if (shade.index != index) continue;
    if (IsBlue(scheme)) return pressed ? shade.bluepressed : shade.blueup;
    return pressed ? shade.graypressed : shade.grayup;
  }
  return FaceColour(scheme);
}

void Draw3DBox(const ViewState& view, const Rect& rect, DeviceContext& dc, int pressed, std::string_view scheme) {
  const Colour face = FaceColour(scheme);
  if (DoubleEdges(view)) {
    DrawEdgedFace(dc, rect, face, Shades(kTopLeftThick, pressed, scheme), Shades(kBottomRightThick, pressed, scheme));
  } else {
    DrawEdgedFace(dc, rect, face, Shades(kTopLeftThin, pressed, scheme), Shades(kBottomRightThin, pressed, scheme));
  }
}

}  // namespace korvix
