#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "qtdraw/qt_device_context.h"
#include "qtdraw/testing/reference_image.h"
#include "render/controls/button_array.h"
#include "render/controls/event_counter.h"
#include "render/controls/event_timer.h"
#include "render/controls/keypad.h"
#include "render/controls/pi_controller.h"
#include "render/controls/push_button.h"
#include "render/controls/rocker_switch.h"
#include "render/controls/signal_lamp.h"
#include "render/controls/slider_control.h"

namespace korvix {
namespace {

constexpr int kWidth = 820;
constexpr int kHeight = 560;
constexpr QRgb kPage = 0xFF008080;
// Glyph edges may come out a shade apart from one font build to another;
// anything beyond a handful of pixels is a changed drawing (two rows of the
// picture swapped differ in far more).
constexpr ReferenceTolerance kTolerance{48, 12};

const std::string kReference = std::string(KORVIX_CONTROLS_DATA) + "/controls_reference.png";

template <class List>
auto& Place(List& list, int x, int y) {
  auto& r = list[list.Add()];
  r.x = x;
  r.y = y;
  return r;
}

QImage DrawEveryControl() {
  CKorvixDoc doc;
  ViewState view;
  ObjectRunStates states;
  ObjectGeometry geometry(doc, view, states);
  auto& lamp = Place(doc.m_signallamps, 10, 10);
  lamp.lampcolor = 2;
  lamp.state = 1;
  lamp.title = "RUN";
  Place(doc.m_pushbuttons, 90, 10).title = "START";
  Place(doc.m_eventcounters, 200, 10).valuetext = "42";
  Place(doc.m_eventtimers, 10, 80).valuetext = "0:01:30";
  Place(doc.m_buttonarrays, 320, 80);
  Place(doc.m_rockerswitches, 10, 160).valuetext = "50";
  Place(doc.m_slidercontrols, 90, 160).valuetext = "30";
  auto& pi = Place(doc.m_picontrollers, 170, 160);
  pi.valuetext = "38";
  auto& window = Place(doc.m_inputwindows, 560, 300);
  window.valuetext = "3.25";

  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(kPage);
  {
    QtDeviceContext dc(image);
    DrawingContext context{dc, doc, view, geometry, states};
    DrawSignalLamp(context, 0);
    DrawPushButton(context, 0, true);
    DrawEventCounter(context, 0);
    DrawEventTimer(context, 0, TimerButton::Start);
    DrawButtonArray(context, 0, true);
    DrawRockerSwitch(context, 0, RockerHalf::Upper);
    DrawSliderControl(context, 0);
    DrawPIController(context, 0, {"40", "12.5", PIStepButton::KpUp});
    InputWindowRunState typing;
    typing.editing = 1;
    typing.edittext = "3.2";
    typing.keypadopen = 1;
    typing.keypadkey = KeypadKeyNumber(1);
    DrawKeypad(context, 0, geometry.ObjectRectInputWindowKeypad(0, {0, 0, kWidth, kHeight}), typing);
  }
  return image;
}

QImage Reference() { return QImage(QString::fromStdString(kReference)).convertToFormat(QImage::Format_RGB32); }

TEST(ControlReferenceTest, OneOfEveryControlMatchesTheReferenceImage) {
  ExpectLooksLikeReference(DrawEveryControl(), kReference, kTolerance);
}

// The comparison must see a slip as small as two neighbouring rows drawn in
// each other's place, through the Push Button's caption and the counter.
TEST(ControlReferenceTest, TwoSwappedRowsDoNotMatchTheReference) {
  const QImage reference = Reference();
  ASSERT_FALSE(reference.isNull()) << kReference;
  for (const int row : {30, 45}) {
    QImage swapped = reference.copy();
    std::swap_ranges(reinterpret_cast<QRgb*>(swapped.scanLine(row)),
                     reinterpret_cast<QRgb*>(swapped.scanLine(row)) + kWidth,
                     reinterpret_cast<QRgb*>(swapped.scanLine(row + 1)));
    EXPECT_FALSE(LooksLikeReference(swapped, reference, kTolerance)) << "rows " << row << " and " << row + 1;
  }
}

}  // namespace
}  // namespace korvix
