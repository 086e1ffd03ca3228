// One control of each kind drawn whole on an offscreen image, at Font Size X 1
// and 3, its value or state changing between drawings.
#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <string>

#include "qtdraw/qt_device_context.h"
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

namespace {

using namespace korvix;

struct Page {
  explicit Page(int factor) { view.SetFontFactor(factor); }
  CKorvixDoc doc;
  ViewState view;
  ObjectRunStates states;
  ObjectGeometry geometry{doc, view, states};
  QImage image{1000, 1000, QImage::Format_RGB32};
};

// Adds one record, then draws it again and again; change(record, step) gives
// each drawing something new to show.
template <class List, class Change, class Draw>
void Run(benchmark::State& state, List CKorvixDoc::*member, Change change, Draw draw) {
  Page page(static_cast<int>(state.range(0)));
  const int index = (page.doc.*member).Add();
  int step = 0;
  for (auto _ : state) {
    change((page.doc.*member)[index], step++);
    QtDeviceContext dc(page.image);
    DrawingContext context{dc, page.doc, page.view, page.geometry, page.states};
    draw(context, index);
  }
}

std::string Alternating(int step, int a, int b) { return std::to_string(step % 2 ? a : b); }

void SignalLamp(benchmark::State& state) {
  Run(
      state, &CKorvixDoc::m_signallamps, [](SignalLampRecord& r, int step) { r.state = step % 2; },
      [](DrawingContext& c, int i) { DrawSignalLamp(c, i); });
}

void EventCounter(benchmark::State& state) {
  Run(
      state, &CKorvixDoc::m_eventcounters,
      [](EventCounterRecord& r, int step) { r.valuetext = std::to_string(step % 10000); },
      [](DrawingContext& c, int i) { DrawEventCounter(c, i); });
}

void EventTimer(benchmark::State& state) {
  Run(
      state, &CKorvixDoc::m_eventtimers,
      [](EventTimerRecord& r, int step) { r.valuetext = Alternating(step, 90, 5400); },
      [](DrawingContext& c, int i) { DrawEventTimer(c, i); });
}

void PushButton(benchmark::State& state) {
  int presses = 0;
  Run(
      state, &CKorvixDoc::m_pushbuttons, [](PushButtonRecord&, int) {},
      [&](DrawingContext& c, int i) { DrawPushButton(c, i, presses++ % 2 == 1); });
}

void ButtonArray(benchmark::State& state) {
  Run(
      state, &CKorvixDoc::m_buttonarrays,
      [](ButtonArrayRecord& r, int step) {
        for (int k = 0; k < r.buttons.Count(); ++k) r.buttons[k].isdown = k == step % r.buttons.Count() ? 1 : 0;
      },
      [](DrawingContext& c, int i) { DrawButtonArray(c, i); });
}

void RockerSwitch(benchmark::State& state) {
  Run(
      state, &CKorvixDoc::m_rockerswitches,
      [](RockerSwitchRecord& r, int step) { r.valuetext = Alternating(step, 20, 60); },
      [](DrawingContext& c, int i) { DrawRockerSwitch(c, i); });
}

void SliderControl(benchmark::State& state) {
  Run(
      state, &CKorvixDoc::m_slidercontrols,
      [](SliderControlRecord& r, int step) { r.valuetext = Alternating(step, 20, 60); },
      [](DrawingContext& c, int i) { DrawSliderControl(c, i); });
}

void PIController(benchmark::State& state) {
  Run(
      state, &CKorvixDoc::m_picontrollers,
      [](PIControllerRecord& r, int step) { r.valuetext = Alternating(step, 20, 60); },
      [](DrawingContext& c, int i) {
        DrawPIController(c, i, {"40", "38.5", std::nullopt});
      });
}

void Keypad(benchmark::State& state) {
  InputWindowRunState typing;
  typing.editing = 1;
  typing.keypadopen = 1;
  Run(
      state, &CKorvixDoc::m_inputwindows,
      [&](InputWindowRecord&, int step) {
        typing.edittext = std::to_string(step % 1000);
        typing.keypadkey = 1 + step % 14;
      },
      [&](DrawingContext& c, int i) {
        DrawKeypad(c, i, c.geometry.ObjectRectInputWindowKeypad(i, {0, 0, 1000, 1000}), typing);
      });
}

BENCHMARK(SignalLamp)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(EventCounter)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(EventTimer)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(PushButton)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(ButtonArray)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(RockerSwitch)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(SliderControl)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(PIController)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(Keypad)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
