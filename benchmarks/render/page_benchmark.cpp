// Painting a full-screen page of 200 boxes and windows at Font Size X 1 and
// X 3, and the repaint after one Data Window's value changed; then a page of
// 200 objects of every kind, the repaint after one Dial Gauge's value
// changed and the repaints while one Dial Gauge is dragged across it; all on
// the offscreen platform. The page of every kind is reported beside the
// boxes page as a ratio of their medians.
#include <QGuiApplication>
#include <QImage>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <iomanip>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include "qtdraw/qt_device_context.h"
#include "render/page_view.h"
#include "render/value_windows.h"

namespace {

using namespace korvix;

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kColumns = 10;
constexpr int kRows = 20;
constexpr int kSmallCode = 16;

class ScreenWindow final : public ViewWindow {
public:
  Rect ClientRect() const override { return {0, 0, kScreenWidth, kScreenHeight}; }
  void InvalidateRect(const Rect&, bool) override {}
  void SetCursor(Cursor) override {}
  void SetScrollExtent(Size) override {}
};

Bitmap Picture() {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < 44; ++y)
    for (int x = 0; x < 60; ++x)
      pixels.push_back(0xFF000000u | static_cast<std::uint32_t>((x * 4) << 16 | (y * 5) << 8 | 0x60));
  return Bitmap(60, 44, std::move(pixels));
}

// Ten columns by twenty rows of the five kinds in turn, some overlapping
// their neighbours; returns the index of a Data Window in the middle.
int BuildPage(CKorvixDoc& doc) {
  doc.m_pages.Add();
  int stack = 0;
  int middle = -1;
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const int x = column * 190 + (row % 2) * 20;
      const int y = row * 54;
      const auto place = [&](auto& list, auto&& setup) {
        typename std::remove_reference_t<decltype(list)>::value_type r;
        r.x = x;
        r.y = y;
        r.stacknum = stack++;
        if constexpr (requires { r.sizecode; }) r.sizecode = kSmallCode;
        setup(r);
        return list.Add(std::move(r));
      };
      switch ((row * kColumns + column) % 5) {
        case 0:
          place(doc.m_textboxes, [&](TextBoxRecord& r) {
            r.alignment = column % 4;
            r.text = "Tank level north, pump two and the outflow valve";
            r.heightfactor = 1.8;
          });
          break;
        case 1:
          place(doc.m_imageboxes, [&](ImageBoxRecord& r) {
            r.width = 64;
            r.height = 48;
            if (column % 2 == 0) r.bitmapfile = "picture.bmp";
          });
          break;
        case 2: {
          const int i = place(doc.m_datawindows, [&](DataWindowRecord& r) { r.valuetext = "1234.5"; });
          if (row == kRows / 2) middle = i;
          break;
        }
        case 3:
          place(doc.m_textwindows, [&](TextWindowRecord& r) {
            r.valuetext = "Running";
            r.prefix = "Pump";
            r.suffix = "on";
          });
          break;
        default: place(doc.m_inputwindows, [&](InputWindowRecord& r) { r.valuetext = "42"; }); break;
      }
    }
  }
  doc.m_pages[1].objectcount = stack;
  return middle;
}

using Placer = std::function<int(int x, int y, int stacknum)>;

template <class List>
Placer PlacerFor(List& list) {
  return [&list](int x, int y, int stacknum) {
    typename List::value_type r;
    r.x = x;
    r.y = y;
    r.stacknum = stacknum;
    if constexpr (requires { r.sizecode; }) r.sizecode = kSmallCode;
    if constexpr (requires { r.valuetext; }) r.valuetext = "42";
    return list.Add(std::move(r));
  };
}

// The same grid with every kind but the Chart Recorder in turn; returns the
// index of a Dial Gauge in the middle.
int BuildAllKindsPage(CKorvixDoc& doc) {
  doc.m_pages.Add();
  const std::vector<Placer> kinds{
      PlacerFor(doc.m_textboxes),      PlacerFor(doc.m_imageboxes),     PlacerFor(doc.m_datawindows),
      PlacerFor(doc.m_textwindows),    PlacerFor(doc.m_inputwindows),   PlacerFor(doc.m_levelgauges),
      PlacerFor(doc.m_dialgauges),     PlacerFor(doc.m_metergauges),    PlacerFor(doc.m_vertgauges),
      PlacerFor(doc.m_horzgauges),     PlacerFor(doc.m_dualhandgauges), PlacerFor(doc.m_windvanes),
      PlacerFor(doc.m_pivottrackers),  PlacerFor(doc.m_signallamps),    PlacerFor(doc.m_eventcounters),
      PlacerFor(doc.m_eventtimers),    PlacerFor(doc.m_pushbuttons),    PlacerFor(doc.m_buttonarrays),
      PlacerFor(doc.m_rockerswitches), PlacerFor(doc.m_slidercontrols), PlacerFor(doc.m_picontrollers)};
  constexpr int kDialKind = 6;
  int stack = 0;
  int middle = -1;
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const int kind = (row * kColumns + column) % static_cast<int>(kinds.size());
      const int i = kinds[static_cast<std::size_t>(kind)](column * 190 + (row % 2) * 20, row * 54, stack++);
      if (kind == kDialKind && row >= kRows / 2 && middle < 0) middle = i;
    }
  }
  doc.m_pages[1].objectcount = stack;
  return middle;
}

struct Screen {
  Screen(int factor, int (*build)(CKorvixDoc&))
      : objects(doc, view),
        page(
            doc, view, window, [](const std::string&) -> std::optional<Bitmap> { return Picture(); }, objects) {
    view.SetFontFactor(factor);
    middle = build(doc);
  }

  void Paint(const QRegion& area) {
    QtDeviceContext dc(image, area);
    page.OnEraseBkgnd(dc);
    page.OnDraw(dc);
  }

  CKorvixDoc doc;
  ViewState view;
  ScreenWindow window;
  ObjectStates objects;
  PageView page;
  QImage image{kScreenWidth, kScreenHeight, QImage::Format_RGB32};
  int middle = -1;
};

QRegion RegionOf(const Rect& rect) { return QRegion(rect.left, rect.top, Width(rect), Height(rect)); }

void FullPage(benchmark::State& state) {
  Screen screen(static_cast<int>(state.range(0)), BuildPage);
  const QRegion all(0, 0, kScreenWidth, kScreenHeight);
  for (auto _ : state) {
    screen.Paint(all);
    benchmark::ClobberMemory();
  }
}

void OneValueUpdate(benchmark::State& state) {
  Screen screen(1, BuildPage);
  screen.Paint(QRegion(0, 0, kScreenWidth, kScreenHeight));
  const Rect value = ValueAreaDataWindow(screen.doc, screen.view, screen.page.m_geometry, screen.middle);
  const QRegion area(value.left, value.top, Width(value), Height(value));
  bool flip = false;
  for (auto _ : state) {
    screen.doc.m_datawindows[screen.middle].valuetext = (flip = !flip) ? "987.65" : "1234.5";
    screen.Paint(area);
    benchmark::ClobberMemory();
  }
}

void FullPageOfEveryKind(benchmark::State& state) {
  Screen screen(static_cast<int>(state.range(0)), BuildAllKindsPage);
  const QRegion all(0, 0, kScreenWidth, kScreenHeight);
  for (auto _ : state) {
    screen.Paint(all);
    benchmark::ClobberMemory();
  }
}

// Only the gauge's rectangle is repainted, without erasing, as a delivered
// value invalidates it.
void OneGaugeUpdate(benchmark::State& state) {
  Screen screen(1, BuildAllKindsPage);
  screen.Paint(QRegion(0, 0, kScreenWidth, kScreenHeight));
  const Rect rect = screen.page.m_geometry.ObjectRectDialGauge(screen.middle);
  const QRegion area = RegionOf(rect);
  bool flip = false;
  for (auto _ : state) {
    screen.doc.m_dialgauges[screen.middle].valuetext = (flip = !flip) ? "87" : "12";
    QtDeviceContext dc(screen.image, area);
    screen.page.OnDraw(dc);
    benchmark::ClobberMemory();
  }
}

// A delivered value differs from every one before it, and the window's
// repaint erases its area first, as the running program's does.
void OneGaugeNewValue(benchmark::State& state) {
  Screen screen(1, BuildAllKindsPage);
  screen.Paint(QRegion(0, 0, kScreenWidth, kScreenHeight));
  const QRegion area = RegionOf(screen.page.m_geometry.ObjectRectDialGauge(screen.middle));
  int value = 0;
  for (auto _ : state) {
    value = (value + 1) % 100000;
    screen.doc.m_dialgauges[screen.middle].valuetext = std::to_string(value % 100) + "." + std::to_string(value / 100);
    screen.Paint(area);
    benchmark::ClobberMemory();
  }
}

// Every mouse move puts the gauge a few pixels further along its row and
// repaints, erasing first, the rectangle it left and the one it entered.
void DragOneGauge(benchmark::State& state) {
  constexpr int kStep = 7;
  constexpr int kMoves = 200;
  Screen screen(1, BuildAllKindsPage);
  screen.Paint(QRegion(0, 0, kScreenWidth, kScreenHeight));
  DialGaugeRecord& gauge = screen.doc.m_dialgauges[screen.middle];
  const int start = gauge.x;
  int move = 0;
  for (auto _ : state) {
    const Rect left = screen.page.m_geometry.ObjectRectDialGauge(screen.middle);
    move = (move + 1) % kMoves;
    gauge.x = start + (move - kMoves / 2) * kStep;
    const Rect entered = screen.page.m_geometry.ObjectRectDialGauge(screen.middle);
    screen.Paint(RegionOf(left) + RegionOf(entered));
    benchmark::ClobberMemory();
  }
}

BENCHMARK(FullPage)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(OneValueUpdate)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(FullPageOfEveryKind)
    ->Arg(1)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(OneGaugeUpdate)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(OneGaugeNewValue)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(DragOneGauge)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The table, then how many times the boxes page the page of every kind takes
// at each font size, from the medians of this run: on a busy machine the
// ratio holds where the times do not.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
  RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
        m_medians[run.run_name.function_name + "/" + run.run_name.args] = {run.GetAdjustedRealTime(),
                                                                           benchmark::GetTimeUnitString(run.time_unit)};
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const std::string factor : {"1", "3"}) {
      const auto everykind = m_medians.find("FullPageOfEveryKind/" + factor);
      const auto boxes = m_medians.find("FullPage/" + factor);
      if (everykind == m_medians.end() || boxes == m_medians.end() || boxes->second.time <= 0) continue;
      const Median& e = everykind->second;
      const Median& b = boxes->second;
      GetOutputStream() << std::setprecision(3) << "FullPageOfEveryKind/" << factor << " / FullPage/" << factor << " = "
                        << e.time / b.time << " (medians " << e.time << " " << e.unit << " and " << b.time << " "
                        << b.unit << ")\n";
    }
  }

private:
  struct Median {
    double time;
    const char* unit;
  };
  std::map<std::string, Median> m_medians;
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
