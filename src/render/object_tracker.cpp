#include "render/object_tracker.h"

#include "render/font_cell.h"

namespace korvix {

namespace {

constexpr int kMinimumSize = 20;
constexpr Colour kHandleColour = Grey(0);

bool MovesLeft(int handle) { return handle == kHandleTopLeft || handle == kHandleBottomLeft || handle == kHandleLeft; }
bool MovesRight(int handle) {
  return handle == kHandleTopRight || handle == kHandleBottomRight || handle == kHandleRight;
}
bool MovesTop(int handle) { return handle == kHandleTopLeft || handle == kHandleTopRight || handle == kHandleTop; }
bool MovesBottom(int handle) {
  return handle == kHandleBottomRight || handle == kHandleBottomLeft || handle == kHandleBottom;
}

bool Contains(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

void RectTracker::AdjustRect(int handle, Rect& rect) {
  if (MovesLeft(handle) && Width(rect) < m_sizemin.cx) rect.left = rect.right - m_sizemin.cx;
  if (MovesRight(handle) && Width(rect) < m_sizemin.cx) rect.right = rect.left + m_sizemin.cx;
  if (MovesTop(handle) && Height(rect) < m_sizemin.cy) rect.top = rect.bottom - m_sizemin.cy;
  if (MovesBottom(handle) && Height(rect) < m_sizemin.cy) rect.bottom = rect.top + m_sizemin.cy;
}

Rect RectTracker::GetHandleRect(int handle) const {
  const int s = m_handlesize;
  const int centrex = (m_rect.left + m_rect.right) / 2 - s / 2;
  const int centrey = (m_rect.top + m_rect.bottom) / 2 - s / 2;
  int x = m_rect.left;
  if (MovesRight(handle))
    x = m_rect.right - s;
  else if (handle == kHandleTop || handle == kHandleBottom)
    x = centrex;
  int y = m_rect.top;
  if (MovesBottom(handle))
    y = m_rect.bottom - s;
  else if (handle == kHandleLeft || handle == kHandleRight)
    y = centrey;
  return {x, y, x + s, y + s};
}

int RectTracker::HitTest(Point point) const {
  const unsigned mask = GetHandleMask();
  for (int handle = kHandleTopLeft; handle <= kHandleLeft; ++handle)
    if ((mask & (1u << handle)) != 0 && Contains(GetHandleRect(handle), point)) return handle;
  return Contains(m_rect, point) ? kHandleMiddle : kHitNothing;
}

void RectTracker::Draw(DeviceContext& dc) const {
  const unsigned mask = GetHandleMask();
  for (int handle = kHandleTopLeft; handle <= kHandleLeft; ++handle)
    if ((mask & (1u << handle)) != 0) dc.FillRect(GetHandleRect(handle), kHandleColour);
}

CObjectTracker::CObjectTracker() { m_sizemin = {kMinimumSize, kMinimumSize}; }

void CObjectTracker::AdjustRect(int handle, Rect& rect) {
  RectTracker::AdjustRect(handle, rect);
  const int grid = m_gridstep > 0 ? m_gridstep : 1;
  const bool moving = handle == kHandleMiddle;
  const int xstep = !moving && m_proportion == kProportionTwoToOne ? 2 * grid : grid;
  const int ystep = grid;
  const Rect given = rect;

  rect.left = SnapExtent(rect.left, xstep);
  rect.top = SnapExtent(rect.top, ystep);
  if (moving) {
    rect.right = given.right + (rect.left - given.left);
    rect.bottom = rect.top + (given.bottom - given.top);
    return;
  }
  rect.right = SnapExtent(rect.right, xstep);
  rect.bottom = SnapExtent(rect.bottom, ystep);

  if (m_proportion == kProportionSquare) {
    switch (handle) {
      case kHandleTopLeft:
      case kHandleLeft: rect.top = rect.bottom - Width(rect); break;
      case kHandleTopRight:
      case kHandleTop: rect.right = rect.left + Height(rect); break;
      case kHandleBottomRight:
      case kHandleRight: rect.bottom = rect.top + Width(rect); break;
      case kHandleBottomLeft:
      case kHandleBottom: rect.left = rect.right - Height(rect); break;
      default: break;
    }
  } else if (m_proportion == kProportionTwoToOne) {
    switch (handle) {
      case kHandleTopLeft:
      case kHandleLeft: rect.top = rect.bottom - Width(rect) / 2; break;
      case kHandleTopRight:
      case kHandleTop: rect.right = rect.left + 2 * Height(rect); break;
      case kHandleBottomRight:
      case kHandleRight: rect.bottom = rect.top + Width(rect) / 2; break;
      case kHandleBottomLeft:
      case kHandleBottom: rect.left = rect.right - 2 * Height(rect); break;
      default: break;
    }
  }
}

}  // namespace korvix
