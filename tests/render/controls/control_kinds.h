#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "render/controls/button_array.h"
#include "render/controls/event_counter.h"
#include "render/controls/event_timer.h"
#include "render/controls/keypad.h"
#include "render/controls/pi_controller.h"
#include "render/controls/push_button.h"
#include "render/controls/rocker_switch.h"
#include "render/controls/signal_lamp.h"
#include "render/controls/slider_control.h"
#include "render/drawing_context.h"
#include "render/rect.h"

namespace korvix {

// Each control kind with a freshly placed object: how to add one at an
// unzoomed position, draw it and ask for the rectangle it covers.
struct ControlKind {
  std::string name;
  std::function<int(CKorvixDoc&, int x, int y)> add;
  std::function<void(DrawingContext&, int)> draw;
  std::function<Rect(DrawingContext&, int)> rect;
};

inline constexpr Rect kKeypadClient{0, 0, 1000, 1000};

template <class List>
int Placed(List& list, int x, int y) {
  const int index = list.Add();
  list[index].x = x;
  list[index].y = y;
  return index;
}

inline std::vector<ControlKind> ControlKinds() {
  return {
      {"SignalLamp", [](CKorvixDoc& d, int x, int y) { return Placed(d.m_signallamps, x, y); },
       [](DrawingContext& c, int i) { DrawSignalLamp(c, i); },
       [](DrawingContext& c, int i) { return c.geometry.ObjectRectSignalLamp(i); }},
      {"EventCounter", [](CKorvixDoc& d, int x, int y) { return Placed(d.m_eventcounters, x, y); },
       [](DrawingContext& c, int i) { DrawEventCounter(c, i); },
       [](DrawingContext& c, int i) { return c.geometry.ObjectRectEventCounter(i); }},
      {"EventTimer", [](CKorvixDoc& d, int x, int y) { return Placed(d.m_eventtimers, x, y); },
       [](DrawingContext& c, int i) { DrawEventTimer(c, i); },
       [](DrawingContext& c, int i) { return c.geometry.ObjectRectEventTimer(i); }},
      {"PushButton", [](CKorvixDoc& d, int x, int y) { return Placed(d.m_pushbuttons, x, y); },
       [](DrawingContext& c, int i) { DrawPushButton(c, i); },
       [](DrawingContext& c, int i) { return c.geometry.ObjectRectPushButton(i); }},
      {"ButtonArray", [](CKorvixDoc& d, int x, int y) { return Placed(d.m_buttonarrays, x, y); },
       [](DrawingContext& c, int i) { DrawButtonArray(c, i); },
       [](DrawingContext& c, int i) { return c.geometry.ObjectRectButtonArray(i); }},
      {"RockerSwitch", [](CKorvixDoc& d, int x, int y) { return Placed(d.m_rockerswitches, x, y); },
       [](DrawingContext& c, int i) { DrawRockerSwitch(c, i); },
       [](DrawingContext& c, int i) { return c.geometry.ObjectRectRockerSwitch(i); }},
      {"SliderControl", [](CKorvixDoc& d, int x, int y) { return Placed(d.m_slidercontrols, x, y); },
       [](DrawingContext& c, int i) { DrawSliderControl(c, i); },
       [](DrawingContext& c, int i) { return c.geometry.ObjectRectSliderControl(i); }},
      {"PIController", [](CKorvixDoc& d, int x, int y) { return Placed(d.m_picontrollers, x, y); },
       [](DrawingContext& c, int i) { DrawPIController(c, i); },
       [](DrawingContext& c, int i) { return c.geometry.ObjectRectPIController(i); }},
      {"Keypad", [](CKorvixDoc& d, int x, int y) { return Placed(d.m_inputwindows, x, y); },
       [](DrawingContext& c, int i) { DrawKeypad(c, i, c.geometry.ObjectRectInputWindowKeypad(i, kKeypadClient)); },
       [](DrawingContext& c, int i) { return c.geometry.ObjectRectInputWindowKeypad(i, kKeypadClient); }},
  };
}

}  // namespace korvix
