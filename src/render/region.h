#pragma once

#include <vector>

#include "render/rect.h"

namespace korvix {

// An area for clipping, kept as the union of the shapes that built it so any
// device context can turn it into its own region representation.
class Region {
public:
  enum class ShapeKind { Rectangle, Ellipse, Polygon };
  struct Shape {
    ShapeKind kind;
    Rect bounds;                // Rectangle and Ellipse; right and bottom excluded
    std::vector<Point> points;  // Polygon, alternate filling
  };

  static Region FromRect(const Rect& rect) { return Region({ShapeKind::Rectangle, rect, {}}); }
  // Covers exactly the pixels of an Ellipse drawn on the same bounds with a
  // one-pixel pen, so a round object is cut out of the clip region on its
  // own rectangle.
  static Region FromEllipse(const Rect& bounds) { return Region({ShapeKind::Ellipse, bounds, {}}); }
  static Region FromPolygon(std::vector<Point> points) { return Region({ShapeKind::Polygon, {}, std::move(points)}); }

  Region() = default;

  void Add(const Region& other) { m_shapes.insert(m_shapes.end(), other.m_shapes.begin(), other.m_shapes.end()); }
  bool IsEmpty() const { return m_shapes.empty(); }
  const std::vector<Shape>& Shapes() const { return m_shapes; }

private:
  explicit Region(Shape shape) { m_shapes.push_back(std::move(shape)); }

  std::vector<Shape> m_shapes;
};

}  // namespace korvix
