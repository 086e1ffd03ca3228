// One gauge of each kind on an offscreen image: a whole drawing, and a value
// update that repaints only its needle and value.
#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <string>

#include "qtdraw/qt_device_context.h"
#include "render/drawing_context.h"
#include "render/gauges/dial_gauge.h"
#include "render/gauges/dual_hand_gauge.h"
#include "render/gauges/horizontal_gauge.h"
#include "render/gauges/level_gauge.h"
#include "render/gauges/meter_gauge.h"
#include "render/gauges/pivot_tracker.h"
#include "render/gauges/vertical_gauge.h"
#include "render/gauges/wind_vane.h"

namespace {

using namespace korvix;

struct Page {
  explicit Page(int factor) { view.SetFontFactor(factor); }
  CKorvixDoc doc;
  ViewState view;
  ObjectRunStates states;
  ObjectGeometry geometry{doc, view, states};
  PivotTrackerStates trackers;
  Region invalidrgn;
  QImage image{900, 900, QImage::Format_RGB32};
};

// Draws the one object of the page at values alternating between two, so
// every drawing has a value change to show; whole when `whole` is set.
template <class List>
void Run(benchmark::State& state, ScreenObjectKind kind, List CKorvixDoc::*member, void (*draw)(DrawingContext&, int),
         bool whole) {
  Page page(static_cast<int>(state.range(0)));
  const int index = (page.doc.*member).Add();
  auto& record = (page.doc.*member)[index];
  int step = 0;
  for (auto _ : state) {
    record.valuetext = std::to_string(20 + 40 * (step++ % 2));
    if (whole) *page.states.DrawnValue(kind, index) = record.valuetext;
    QtDeviceContext dc(page.image);
    DrawingContext context{dc, page.doc, page.view, page.geometry, page.states};
    draw(context, index);
  }
}

void LevelGaugeWhole(benchmark::State& state) {
  Page page(static_cast<int>(state.range(0)));
  const int index = page.doc.m_levelgauges.Add();
  int step = 0;
  for (auto _ : state) {
    page.doc.m_levelgauges[index].valuetext = std::to_string(20 + 40 * (step++ % 2));
    QtDeviceContext dc(page.image);
    DrawingContext context{dc, page.doc, page.view, page.geometry, page.states};
    DrawLevelGauge(context, index);
  }
}

void PivotTracker(benchmark::State& state, bool whole) {
  Page page(static_cast<int>(state.range(0)));
  const int index = page.doc.m_pivottrackers.Add();
  int step = 0;
  for (auto _ : state) {
    page.trackers[index].valuetext = std::to_string(20 + 40 * (step++ % 2));
    if (whole) page.trackers.ForgetDrawn();
    QtDeviceContext dc(page.image);
    DrawingContext context{dc, page.doc, page.view, page.geometry, page.states};
    DrawPivotTracker(context, index, page.trackers, page.invalidrgn);
  }
}

#define GAUGE_BENCHMARKS(Name, member, draw)                                                                         \
  void Name##Whole(benchmark::State& state) { Run(state, ScreenObjectKind::Name, &CKorvixDoc::member, draw, true); } \
  void Name##ValueUpdate(benchmark::State& state) {                                                                  \
    Run(state, ScreenObjectKind::Name, &CKorvixDoc::member, draw, false);                                            \
  }                                                                                                                  \
  BENCHMARK(Name##Whole)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);                                             \
  BENCHMARK(Name##ValueUpdate)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

GAUGE_BENCHMARKS(DialGauge, m_dialgauges, DrawDialGauge)
GAUGE_BENCHMARKS(MeterGauge, m_metergauges, DrawMeterGauge)
GAUGE_BENCHMARKS(VerticalGauge, m_vertgauges, DrawVerticalGauge)
GAUGE_BENCHMARKS(HorizontalGauge, m_horzgauges, DrawHorizontalGauge)
GAUGE_BENCHMARKS(DualHandGauge, m_dualhandgauges, DrawDualHandGauge)
GAUGE_BENCHMARKS(WindVane, m_windvanes, DrawWindVane)

BENCHMARK(LevelGaugeWhole)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PivotTracker, Whole, true)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PivotTracker, ValueUpdate, false)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
