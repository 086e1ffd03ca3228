#include "ui/colour_swatch.h"

#include <QMouseEvent>
#include <QPainter>
#include <array>

#include "qtdraw/qt_device_context.h"
#include "render/edge_lines.h"
#include "ui/color_select.h"

namespace korvix {

namespace {

constexpr korvix::Colour kButtonFace = Grey(240);
constexpr std::array<korvix::Colour, 2> kSunkenTopLeft = {Grey(160), Grey(105)};
constexpr std::array<korvix::Colour, 2> kSunkenBottomRight = {Grey(255), Grey(227)};
constexpr std::array<korvix::Colour, 2> kRaisedTopLeft = {Grey(227), Grey(255)};
constexpr std::array<korvix::Colour, 2> kRaisedBottomRight = {Grey(105), Grey(160)};
constexpr int kButtonInset = 2;
constexpr std::array<int, 4> kArrowRows = {7, 5, 3, 1};
constexpr int kArrowRise = 2;

void DrawDropArrow(DeviceContext& dc, const Rect& button) {
  const int centre = (button.left + button.right) / 2;
  const int top = (button.top + button.bottom) / 2 - kArrowRise;
  for (std::size_t row = 0; row < kArrowRows.size(); ++row) {
    const int half = kArrowRows[row] / 2;
    const int y = top + static_cast<int>(row);
    dc.FillRect({centre - half, y, centre + half + 1, y + 1}, Grey(0));
  }
}

}  // namespace

ColourChooser ColorSelectChooser(Profile& profile) {
  return [&profile](QWidget* parent, int colour) -> std::optional<int> {
    CColorSelect picker(parent, colour, profile);
    if (picker.exec() != QDialog::Accepted) return std::nullopt;
    return picker.Color();
  };
}

ColourSwatch::ColourSwatch(ColourChooser chooser, QWidget* parent) : QWidget(parent), m_chooser(std::move(chooser)) {
  setFocusPolicy(Qt::ClickFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ColourSwatch::SetColour(int colour) {
  m_colour = colour;
  update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
  QtDeviceContext dc(*this);
  const Rect swatch{0, 0, width(), height()};
  // A disabled swatch belongs to nothing, so it shows no colour.
  const korvix::Colour face = isEnabled() ? static_cast<korvix::Colour>(m_colour) : Grey(255);
  DrawEdgedFace(dc, swatch, face, kSunkenTopLeft, kSunkenBottomRight);
  const int side = Height(swatch) - 2 * kButtonInset;
  const Rect button{swatch.right - kButtonInset - side - 1, swatch.top + kButtonInset, swatch.right - kButtonInset,
                    swatch.bottom - kButtonInset};
  DrawEdgedFace(dc, button, kButtonFace, kRaisedTopLeft, kRaisedBottomRight);
  DrawDropArrow(dc, button);
}

void ColourSwatch::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  if (const std::optional<int> chosen = m_chooser(window(), m_colour)) SetColour(*chosen);
}

}  // namespace korvix
