#include "render/chart/chart_scheme.h"

namespace korvix {

namespace {

constexpr Colour Shade(int red, int green, int blue) { return static_cast<Colour>(Rgb(red, green, blue)); }

constexpr std::array kFaceLitThin{Shade(204, 204, 230), Shade(153, 153, 179)};
constexpr std::array kFaceShadedThin{Shade(0, 0, 25), Shade(51, 51, 76)};
constexpr std::array kFaceLitThick{Shade(204, 204, 230), Shade(179, 179, 204), Shade(153, 153, 179),
                                   Shade(127, 127, 153)};
constexpr std::array kFaceShadedThick{Shade(0, 0, 25), Shade(25, 25, 51), Shade(51, 51, 76), Shade(76, 76, 102)};

constexpr std::array kPlotShadedThin{Shade(51, 51, 76), Shade(0, 0, 25)};
constexpr std::array kPlotLitThin{Shade(153, 153, 179), Shade(204, 204, 230)};
constexpr std::array kPlotShadedThick{Shade(76, 76, 102), Shade(51, 51, 76), Shade(25, 25, 51), Shade(0, 0, 25)};
constexpr std::array kPlotLitThick{Shade(127, 127, 153), Shade(153, 153, 179), Shade(179, 179, 204),
                                   Shade(204, 204, 230)};

// On paper every frame is a dark outline with one light and one mid grey
// line inside it, raised for the face and sunk for the trace area.
constexpr std::array kPaperLit{Grey(25), Grey(225), Grey(195)};
constexpr std::array kPaperShaded{Grey(25), Grey(95), Grey(195)};
constexpr std::array kPaperBoxShaded{Grey(128), Grey(217)};
constexpr std::array kPaperBoxLit{Grey(255), Grey(217)};

}  // namespace

constinit const ChartScheme kScreenChartScheme{
    .printed = false,
    .face = Rgb(102, 102, 115),
    .faceedges = {kFaceLitThin, kFaceShadedThin},
    .faceedgesthick = {kFaceLitThick, kFaceShadedThick},
    .bandtext = Rgb(255, 255, 0),
    .card = Grey(153),
    .cardoutline = Rgb(51, 51, 76),
    .cardtitle = std::nullopt,
    .valuebox = Grey(192),
    .valueboxedges = std::nullopt,
    .valuetext = Rgb(0, 0, 128),
    .plot = Rgb(0, 0, 76),
    .plotedges = {kPlotShadedThin, kPlotLitThin},
    .plotedgesthick = {kPlotShadedThick, kPlotLitThick},
    .trace = std::nullopt,
    .tracewidth = 1,
    .grid = Rgb(0, 153, 153),
    .cursor = Grey(153),
    .readoutcaption = Rgb(0, 204, 204),
    .readoutvalue = Rgb(255, 255, 0),
    .readoutbackground = Rgb(0, 0, 76),
    .marker = Rgb(153, 153, 0),
    .markerleft = Rgb(102, 102, 0),
    .markerright = Rgb(51, 51, 0),
    .markertip = Rgb(25, 25, 0),
    .markerhighlights = {Rgb(204, 204, 0), Rgb(255, 255, 0)},
};

constinit const ChartScheme kPrintedChartScheme{
    .printed = true,
    .face = Grey(165),
    .faceedges = {kPaperLit, kPaperShaded},
    .faceedgesthick = {kPaperLit, kPaperShaded},
    .bandtext = Grey(255),
    .card = Grey(180),
    .cardoutline = Grey(76),
    .cardtitle = Grey(255),
    .valuebox = Grey(210),
    .valueboxedges = ChartEdges{kPaperBoxShaded, kPaperBoxLit},
    .valuetext = Grey(76),
    .plot = Grey(255),
    .plotedges = {kPaperShaded, kPaperLit},
    .plotedgesthick = {kPaperShaded, kPaperLit},
    .trace = Grey(0),
    .tracewidth = 5,
    .grid = Grey(0),
    .cursor = Grey(0),
    .readoutcaption = Grey(128),
    .readoutvalue = Grey(0),
    .readoutbackground = std::nullopt,
    .marker = Grey(153),
    .markerleft = Grey(102),
    .markerright = Grey(51),
    .markertip = Grey(25),
    .markerhighlights = {Grey(204), Grey(255)},
};

Rect PrintedChartPlotRect(const Rect& obj, int cw, int ch) {
  return {obj.left + cw, obj.top + ch / 2, obj.right - 8 * cw - 2, obj.bottom - ch - 6};
}

}  // namespace korvix
