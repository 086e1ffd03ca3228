#pragma once

#include <QImage>

#include <gtest/gtest.h>

#include <functional>

#include "document/korvix_doc.h"
#include "qtdraw/qt_device_context.h"
#include "render/drawing_context.h"
#include "render/gauges/pivot_tracker_state.h"
#include "render/object_geometry.h"
#include "render/region.h"
#include "render/view_state.h"

namespace korvix {

// A project, a view at some Font Size and an offscreen page to draw its
// objects on and read back.
class GaugeCanvas {
public:
  static constexpr Colour kPage = Rgb(0, 128, 128);

  explicit GaugeCanvas(int factor, int width = 880, int height = 880) : m_image(width, height, QImage::Format_RGB32) {
    m_view.SetFontFactor(factor);
    Clear();
  }

  void Clear() { m_image.fill(QColor(RedOf(kPage), GreenOf(kPage), BlueOf(kPage))); }

  // Draws with a device context whose clip region has `cut` taken out.
  void Draw(const std::function<void(DrawingContext&)>& draw, const Region& cut = {}) {
    QtDeviceContext dc(m_image);
    if (!cut.IsEmpty()) dc.SubtractClipRegion(cut);
    DrawingContext context{dc, m_doc, m_view, m_geometry, m_states};
    draw(context);
  }

  Colour At(int x, int y) const {
    const QRgb pixel = m_image.pixel(x, y);
    return Rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
  }

  // Smallest rectangle around every pixel of `colour`; empty when none.
  Rect BoundsOf(Colour colour) const {
    Rect found{m_image.width(), m_image.height(), 0, 0};
    for (int y = 0; y < m_image.height(); ++y)
      for (int x = 0; x < m_image.width(); ++x)
        if (At(x, y) == colour)
          found = {std::min(found.left, x), std::min(found.top, y), std::max(found.right, x + 1),
                   std::max(found.bottom, y + 1)};
    return IsEmpty(found) ? Rect{} : found;
  }

  // Smallest rectangle around everything that is not page colour.
  Rect InkBounds() const {
    Rect found{m_image.width(), m_image.height(), 0, 0};
    for (int y = 0; y < m_image.height(); ++y)
      for (int x = 0; x < m_image.width(); ++x)
        if (At(x, y) != kPage)
          found = {std::min(found.left, x), std::min(found.top, y), std::max(found.right, x + 1),
                   std::max(found.bottom, y + 1)};
    return IsEmpty(found) ? Rect{} : found;
  }

  CKorvixDoc m_doc;
  ViewState m_view;
  PivotTrackerStates m_trackers;
  Region m_invalidrgn;
  ObjectRunStates m_states;
  ObjectGeometry m_geometry{m_doc, m_view, m_states};
  QImage m_image;
};

}  // namespace korvix
