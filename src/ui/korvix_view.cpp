#include "ui/korvix_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "platform/configuration_keys.h"

namespace korvix {

namespace {
constexpr char kFontSizeKey[] = "FontSize";
}

CKorvixView::CKorvixView(Profile& profile, QWidget* parent) : QAbstractScrollArea(parent), m_profile(profile) {
  m_state.SetFontFactor(m_profile.GetProfileInt(kConfigurationSection, kFontSizeKey, 1));
  viewport()->setAutoFillBackground(false);
  viewport()->setMouseTracking(true);
  viewport()->setFocusPolicy(Qt::StrongFocus);
  setFocusPolicy(Qt::StrongFocus);
}

void CKorvixView::SetFontFactor(int factor) {
  m_state.SetFontFactor(factor);
  m_profile.WriteProfileInt(kConfigurationSection, kFontSizeKey, m_state.m_fontfactor);
  viewport()->update();
  emit FontFactorChanged(m_state.m_fontfactor);
}

void CKorvixView::SetPageExtent(QSize extent) {
  m_extent = extent;
  UpdateScrollRanges();
  viewport()->update();
}

void CKorvixView::OnInitialUpdate() {
  m_state.m_dragstate = 0;
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  m_state.m_scrollx = 0;
  m_state.m_scrolly = 0;
  for (const auto& step : m_initialsteps) step();
  viewport()->update();
}

void CKorvixView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.fillRect(event->rect(), Qt::white);
  if (!m_paint) return;
  painter.translate(-m_state.m_scrollx, -m_state.m_scrolly);
  m_paint(painter, event->region().translated(m_state.m_scrollx, m_state.m_scrolly));
}

void CKorvixView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRanges();
}

void CKorvixView::scrollContentsBy(int, int) {
  m_state.m_scrollx = horizontalScrollBar()->value();
  m_state.m_scrolly = verticalScrollBar()->value();
  viewport()->update();
}

// The viewport hands the focus to the view, so its keys and its lost focus
// come to the view's own handlers below; a key sent to the viewport anyway
// goes on to them unhandled.
bool CKorvixView::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::Paint:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::FocusIn:
    case QEvent::FocusOut: break;
    default:
      if (m_input && m_input(event)) return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

// The keys the page editor and the run-mode controls leave scroll the page.
void CKorvixView::keyPressEvent(QKeyEvent* event) {
  if (m_input && m_input(event)) return;
  QAbstractScrollArea::keyPressEvent(event);
}

void CKorvixView::focusOutEvent(QFocusEvent* event) {
  if (m_input) m_input(event);
  QAbstractScrollArea::focusOutEvent(event);
}

void CKorvixView::UpdateScrollRanges() {
  const QSize visible = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, m_extent.width() - visible.width()));
  verticalScrollBar()->setRange(0, std::max(0, m_extent.height() - visible.height()));
  horizontalScrollBar()->setPageStep(visible.width());
  verticalScrollBar()->setPageStep(visible.height());
  horizontalScrollBar()->setSingleStep(m_state.m_gridsize * 4);
  verticalScrollBar()->setSingleStep(m_state.m_gridsize * 4);
}

}  // namespace korvix
