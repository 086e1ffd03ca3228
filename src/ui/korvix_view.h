#pragma once

#include <QAbstractScrollArea>
#include <QRegion>
#include <functional>
#include <vector>

#include "platform/profile.h"
#include "render/view_state.h"

class QPainter;

namespace korvix {

// The one widget through which the program draws pages and takes mouse and
// keyboard input. It owns the run-time state; the parts of the program that
// draw, edit or run pages reach it through the handlers they install here.
class CKorvixView final : public QAbstractScrollArea {
  Q_OBJECT

public:
  // Paints the visible part of the page that is invalid, in page pixels;
  // the painter is translated so that page pixels minus the scroll offset
  // land in the viewport.
  using PaintHandler = std::function<void(QPainter& painter, const QRegion& dirty)>;
  // Sees every mouse event of the viewport, and every key and lost focus of
  // the view, first; true means handled.
  using InputHandler = std::function<bool(QEvent* event)>;

  explicit CKorvixView(Profile& profile, QWidget* parent = nullptr);

  ViewState& State() { return m_state; }
  const ViewState& State() const { return m_state; }

  // View > Font Size X 1/2/3; the choice is kept in the profile for the
  // next start.
  void SetFontFactor(int factor);

  // The size of the drawn page in pixels, which sets the scroll ranges.
  void SetPageExtent(QSize extent);

  void SetPaintHandler(PaintHandler handler) { m_paint = std::move(handler); }
  void SetInputHandler(InputHandler handler) { m_input = std::move(handler); }
  // Runs, in order of adding, at every initial update.
  void AddInitialUpdateStep(std::function<void()> step) { m_initialsteps.push_back(std::move(step)); }

  // A project was created or opened: the run-time state starts over.
  void OnInitialUpdate();

signals:
  void FontFactorChanged(int factor);

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool viewportEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  void UpdateScrollRanges();

  Profile& m_profile;
  ViewState m_state;
  QSize m_extent;
  PaintHandler m_paint;
  InputHandler m_input;
  std::vector<std::function<void()>> m_initialsteps;
};

}  // namespace korvix
