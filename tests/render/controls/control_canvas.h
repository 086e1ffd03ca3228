#pragma once

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "qtdraw/qt_device_context.h"
#include "render/colour.h"
#include "render/drawing_context.h"
#include "render/object_geometry.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// A page-coloured image large enough for any control at Font Size X 3, with
// the document and view that its drawings read. The page colour is one that
// no control paints, since their edges include white.
class ControlCanvas {
public:
  static constexpr int kSide = 1000;
  static constexpr QRgb kPage = 0xFF008080;

  ControlCanvas() : m_image(kSide, kSide, QImage::Format_RGB32) { m_image.fill(kPage); }

  CKorvixDoc doc;
  ViewState view;
  ObjectRunStates states;
  ObjectGeometry geometry{doc, view, states};

  Rect Client() const { return {0, 0, kSide, kSide}; }

  void Clear() { m_image.fill(kPage); }

  // The painter is finished before the test reads any pixel.
  void Paint(const std::function<void(DrawingContext&)>& draw) {
    QtDeviceContext dc(m_image);
    DrawingContext context{dc, doc, view, geometry, states};
    draw(context);
  }

  Colour At(int x, int y) const {
    const QRgb pixel = m_image.pixel(x, y);
    return Rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
  }
  Colour At(Point p) const { return At(p.x, p.y); }

  // Smallest rectangle holding every pixel painted over the page.
  Rect InkBounds() const {
    Rect ink{kSide, kSide, 0, 0};
    for (int y = 0; y < kSide; ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
      for (int x = 0; x < kSide; ++x)
        if (line[x] != kPage)
          ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1), std::max(ink.bottom, y + 1)};
    }
    return IsEmpty(ink) ? Rect{} : ink;
  }

  const QImage& Image() const { return m_image; }

private:
  QImage m_image;
};

inline bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

}  // namespace korvix
