#pragma once

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "qtdraw/qt_device_context.h"
#include "render/colour.h"
#include "render/rect.h"

namespace korvix {

// A white offscreen image to paint on and read back pixel by pixel.
class Canvas : public ::testing::Test {
protected:
  static constexpr Colour kWhite = Grey(255);
  static constexpr Colour kBlack = Grey(0);
  static constexpr Colour kRed = Rgb(255, 0, 0);
  static constexpr Colour kBlue = Rgb(0, 0, 255);

  explicit Canvas(int width = 64, int height = 48) : m_image(width, height, QImage::Format_RGB32) {
    m_image.fill(Qt::white);
  }

  // The painter is finished before the test reads any pixel.
  void Paint(const std::function<void(QtDeviceContext&)>& draw) {
    QtDeviceContext dc(m_image);
    draw(dc);
  }

  Colour At(int x, int y) const {
    const QRgb pixel = m_image.pixel(x, y);
    return Rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
  }

  // Smallest rectangle holding every pixel that differs from white; empty
  // when nothing was painted.
  Rect InkBounds() const {
    Rect ink{m_image.width(), m_image.height(), 0, 0};
    for (int y = 0; y < m_image.height(); ++y)
      for (int x = 0; x < m_image.width(); ++x)
        if (At(x, y) != kWhite)
          ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1), std::max(ink.bottom, y + 1)};
    return IsEmpty(ink) ? Rect{} : ink;
  }

  std::set<Colour> Colours() const {
    std::set<Colour> found;
    for (int y = 0; y < m_image.height(); ++y)
      for (int x = 0; x < m_image.width(); ++x) found.insert(At(x, y));
    return found;
  }

  QImage m_image;
};

}  // namespace korvix
