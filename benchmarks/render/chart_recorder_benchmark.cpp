// Painting a Chart Recorder whose trace area is 1000 x 400 pixels with 8
// fields over a wrapped memory of 10 000 samples, ten to a pixel column: the
// whole recorder drawn afresh, a new sample written and painted while the
// window is held over it, and the paint after the window follows a new
// sample. The trace area is kept between paints, so the last two update it.

#include <QImage>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <string_view>

#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "qtdraw/qt_device_context.h"
#include "recording/chart_memories.h"
#include "recording/time_stamps.h"
#include "render/chart/chart_recorder_drawing.h"
#include "render/chart/chart_steps.h"

namespace korvix {
namespace {

constexpr int kFields = 8;
constexpr int kSamples = 10000;
constexpr int kSampleMs = 10;
// Columns either side of a sample's own that its paint covers, for the
// rounding of its place.
constexpr int kSpareColumns = 3;

// Every field reads the same steady value.
class SteadyLabels final : public LabelReader {
public:
  void GetLabelValue(std::string& out, std::string_view, bool) override { out = "12"; }
};

int64_t SampleMs(int i) { return StampToMs("01/01/25", "00:00:00.00") + static_cast<int64_t>(i) * kSampleMs; }

std::string Sample(int i) {
  const StampTexts stamp = MsToStamp(SampleMs(i));
  std::string line = stamp.date + "," + stamp.time;
  // Slow waves, each field at its own pace, as measured quantities move.
  for (int f = 0; f < kFields; ++f) line += "," + std::to_string(static_cast<int>(35 * std::sin(i * (f + 1) / 700.0)));
  return line + "\r\n";
}

struct Recorder {
  Recorder() {
    const int index = doc.m_chartrecorders.Add();
    ChartRecorderRecord& r = doc.m_chartrecorders[index];
    r.widthfactor = 72;      // a 1000-pixel trace area
    r.heightfactor = 10.56;  // a 400-pixel one
    r.timediv = "10.0";      // 100 s across: 100 ms, ten samples, a column
    r.cursornone = 0;
    r.cursortime = 1;
    r.cursor1 = "3.50";
    r.cursor2 = "6.50";
    r.delta = "3.00";
    for (int f = 0; f < kFields; ++f) {
      ChartRecorderField field;
      field.label = "Field" + std::to_string(f);
      field.order = f;
      field.colour = Rgb(255, 32 * f, 0);
      r.fields.Add(field);
    }
    // The oldest 500 samples were overwritten; the newest lie at the front.
    std::string older;
    std::string newer;
    for (int i = 500; i < kSamples + 500; ++i) (i < kSamples ? older : newer) += Sample(i);
    memories.Memory(index).Assign(newer + older);
    ChartRecorderRunState& books = states.ChartRecorders()[index];
    books.wrapped = 1;
    books.writepos = static_cast<int>(newer.size());
    // A write position that meets the oldest record would read as empty.
    books.oldestrec = books.writepos + static_cast<int>(Sample(500).size());
    books.readmark = books.oldestrec;
    r.windowdate = "01/01/25";
    r.windowtime = MsToStamp(StampToMs("01/01/25", "00:00:00.00") + (kSamples / 2 + 500) * kSampleMs).time;
    obj = geometry.ObjectRectChartRecorder(index);
    image = QImage(obj.right + 1, obj.bottom + 1, QImage::Format_RGB32);
  }

  void Paint() { Paint(obj); }

  void Paint(const Rect& invalid) {
    QtDeviceContext dc(image, QRegion(invalid.left, invalid.top, Width(invalid), Height(invalid)));
    DrawingContext context{dc, doc, view, objects, states};
    DrawChartRecorder(context, geometry, 0, obj, &memories.Memory(0), traces);
  }

  // The few pixel columns of the trace area around where a sample stamped
  // ms is drawn: all that a new sample under a held window changes.
  Rect ColumnsOf(int64_t ms) {
    const ChartRecorderRecord& r = doc.m_chartrecorders[0];
    const Rect plot = geometry.ChartPlotRect(0);
    const double mspp = TimeDivTenths(r.timediv) * 100.0 * r.hdivisions / (Width(plot) - 1);
    const int x = (plot.left + plot.right) / 2 +
                  static_cast<int>(static_cast<double>(ms - StampToMs(r.windowdate, r.windowtime)) / mspp);
    return {x - kSpareColumns, plot.top, x + kSpareColumns + 1, plot.bottom};
  }

  // The clocks a sample is stamped by, at ms.
  void SetClock(int64_t ms) {
    const StampTexts stamp = MsToStamp(ms);
    wall.now.year = 2025;
    wall.now.hour = std::stoi(stamp.time.substr(0, 2));
    wall.now.minute = std::stoi(stamp.time.substr(3, 2));
    wall.now.second = std::stoi(stamp.time.substr(6, 2));
    ticks.now = static_cast<uint32_t>(ms % 1000);
  }

  CKorvixDoc doc;
  ViewState view;
  ObjectRunStates states;
  ObjectGeometry objects{doc, view, states};
  ChartRecorderGeometry geometry{doc, view, states};
  SteadyLabels labels;
  FakeWallClock wall;
  FakeMillisecondClock ticks;
  RunClock clock{wall, ticks};
  RecordingMessageSink sink;
  ChartMemories memories{doc, states, labels, clock, sink};
  ChartTraces traces;
  Rect obj;
  QImage image;
};

void ChartRecorderFullRedraw(benchmark::State& state) {
  Recorder recorder;
  for (auto _ : state) {
    recorder.Paint();
    benchmark::ClobberMemory();
  }
}

// The window follows: it moves by one sample and the recorder is painted.
void ChartRecorderFollow(benchmark::State& state) {
  Recorder recorder;
  ChartRecorderRecord& r = recorder.doc.m_chartrecorders[0];
  recorder.Paint();
  int64_t window = StampToMs(r.windowdate, r.windowtime);
  for (auto _ : state) {
    window += kSampleMs;
    const StampTexts moved = MsToStamp(window);
    r.windowtime = moved.time;
    recorder.states.ChartRecorders()[0].redrawtraces = 1;
    recorder.Paint();
    benchmark::ClobberMemory();
  }
}

// One sample arrives while the window is held with the newest sample at its
// middle, so each new one lands in view: it is written, and the recorder is
// painted where the sample changes it, the columns about its own.
void ChartRecorderAppendHeld(benchmark::State& state) {
  Recorder recorder;
  ChartRecorderRecord& r = recorder.doc.m_chartrecorders[0];
  int64_t newest = SampleMs(kSamples + 499);
  r.windowtime = MsToStamp(newest).time;
  recorder.Paint();
  for (auto _ : state) {
    newest += kSampleMs;
    recorder.SetClock(newest);
    recorder.memories.ChartWrite(0);
    recorder.states.ChartRecorders()[0].redrawtraces = 1;
    recorder.Paint(recorder.ColumnsOf(newest));
    benchmark::ClobberMemory();
  }
}

BENCHMARK(ChartRecorderFullRedraw)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
// Fewer samples than half the window's, so every one lands in view.
BENCHMARK(ChartRecorderAppendHeld)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2000)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(ChartRecorderFollow)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace korvix
