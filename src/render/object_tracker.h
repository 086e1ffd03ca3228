#pragma once

#include "render/device_context.h"
#include "render/rect.h"

namespace korvix {

// Where a point lies on a tracker: one of the eight sizing handles, the
// middle (moving), or nothing.
inline constexpr int kHandleTopLeft = 0;
inline constexpr int kHandleTopRight = 1;
inline constexpr int kHandleBottomRight = 2;
inline constexpr int kHandleBottomLeft = 3;
inline constexpr int kHandleTop = 4;
inline constexpr int kHandleRight = 5;
inline constexpr int kHandleBottom = 6;
inline constexpr int kHandleLeft = 7;
inline constexpr int kHandleMiddle = 8;
inline constexpr int kHitNothing = -1;

inline constexpr unsigned kAllHandlesMask = 255;
inline constexpr unsigned kSideHandlesMask = 240;

// A rectangle with square sizing handles drawn inside its edges. Bit n of
// the handle mask shows handle n.
class RectTracker {
public:
  virtual ~RectTracker() = default;

  // Called with the rectangle after every mouse move while tracking; keeps
  // the edges that the handle moves at least the minimum size apart.
  virtual void AdjustRect(int handle, Rect& rect);
  virtual unsigned GetHandleMask() const { return kAllHandlesMask; }

  Rect GetHandleRect(int handle) const;
  // A shown handle first, then the middle, else kHitNothing.
  int HitTest(Point point) const;
  void Draw(DeviceContext& dc) const;

  Rect m_rect{};
  Size m_sizemin{0, 0};
  int m_handlesize = 6;
};

// The tracker of the selected screen objects: it snaps to the editor grid
// and keeps the proportions of kinds that need them.
class CObjectTracker final : public RectTracker {
public:
  static constexpr int kProportionFree = 0;
  static constexpr int kProportionSquare = 1;    // width equals height
  static constexpr int kProportionTwoToOne = 2;  // width twice the height

  CObjectTracker();

  void AdjustRect(int handle, Rect& rect) override;
  unsigned GetHandleMask() const override { return m_allhandles != 0 ? kAllHandlesMask : kSideHandlesMask; }

  int m_allhandles = 1;  // 0 shows the four side handles only
  int m_proportion = kProportionFree;
  int m_gridstep = 5;  // the view's grid size, kept in step by the view
};

}  // namespace korvix
