#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "qtdraw/qt_device_context.h"
#include "qtdraw/testing/reference_image.h"
#include "render/chart/chart_recorder_drawing.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;

const fs::path kDataFolder = KORVIX_CHART_TEST_DATA;

// Elsewhere than the trace area a pixel may be off by 24 per channel, and
// 0.5 % of the pixels by more: the traces, grid, marker and cursor lines
// hold no text and must match exactly.
ReferenceTolerance Tolerance(const Rect& exact) { return {24, 0, 0.005, exact}; }

class ChartRecorderPixelTest : public ::testing::Test {
protected:
  ChartRecorderPixelTest() {
    m_index = m_doc.m_chartrecorders.Add();
    ChartRecorderRecord& r = Recorder();
    r.x = 2;
    r.y = 2;
    r.windowdate = "01/01/25";
    r.windowtime = "00:01:00.00";
    r.timediv = "10.0";
    const int colours[] = {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(255, 255, 255)};
    const char* labels[] = {"Sine", "Ramp", "Steps"};
    for (int f = 0; f < 3; ++f) {
      ChartRecorderField field;
      field.label = labels[f];
      field.order = f;
      field.colour = colours[f];
      field.unitdiv = "10.0";
      field.position = "4.00";
      r.fields.Add(field);
    }
  }

  ChartRecorderRecord& Recorder() { return m_doc.m_chartrecorders[m_index]; }
  ChartRecorderRunState& State() { return m_states.ChartRecorders()[m_index]; }

  // Two minutes of samples every 0.5 s, written round a memory that keeps
  // only part of them, as a long recording leaves it.
  void RecordWrapped() {
    std::string records;
    std::vector<std::size_t> starts;
    for (int i = 0; i < 240; ++i) {
      char line[64];
      const int tenths = i * 5;
      std::snprintf(line, sizeof line, "01/01/25,00:%02d:%02d.%02d,%d,%d,%d\r\n", tenths / 600, tenths / 10 % 60,
                    tenths % 10 * 10, (i * 7) % 60 - 30, i % 80 - 40, (i / 20) % 2 == 0 ? 20 : -20);
      starts.push_back(records.size());
      records += line;
    }
    // Keep the newest 200 records with the newest ones at the front.
    const std::size_t cut = starts[40] + 5;
    const std::string kept = records.substr(cut);
    const std::size_t split = kept.size() - (records.size() - starts[200]);
    const std::string bytes = kept.substr(split) + kept.substr(0, split);
    ChartRecorderRunState& books = State();
    ASSERT_TRUE(m_memory.Assign(bytes));
    books.wrapped = 1;
    books.writepos = static_cast<int>(records.size() - starts[200]);
    books.oldestrec = static_cast<int>(books.writepos + (starts[41] - cut));
    books.readmark = books.oldestrec;
  }

  QImage Render() {
    const Rect obj = m_geometry.ObjectRectChartRecorder(m_index);
    QImage image(obj.right + 2, obj.bottom + 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtDeviceContext dc(image);
    DrawingContext context{dc, m_doc, m_view, m_objects, m_states};
    DrawChartRecorder(context, m_geometry, m_index, m_geometry.ObjectRectChartRecorder(m_index), &m_memory, m_traces);
    return image;
  }

  // The trace area less its readout band.
  Rect ExactArea() {
    const int pw = m_view.m_fontfactor == 1 ? 2 : 4;
    Rect plot = m_geometry.ChartPlotRect(m_index);
    const int ch = 45 * m_view.m_fontfactor;
    plot.bottom -= pw + ch / 2;
    return plot;
  }

  CKorvixDoc m_doc;
  ViewState m_view;
  ObjectRunStates m_states;
  ObjectGeometry m_objects{m_doc, m_view, m_states};
  ChartRecorderGeometry m_geometry{m_doc, m_view, m_states};
  ChartMemory m_memory{1 << 20};
  ChartTraces m_traces;
  int m_index = 0;
};

TEST_F(ChartRecorderPixelTest, TimeCursorsOverAWrappedMemoryLookAsTheirReference) {
  RecordWrapped();
  ChartRecorderRecord& r = Recorder();
  r.cursornone = 0;
  r.cursortime = 1;
  r.cursor1 = "3.50";
  r.cursor2 = "6.50";
  r.delta = "3.00";
  ExpectLooksLikeReference(Render(), kDataFolder / "recorder_time_cursors.png", Tolerance(ExactArea()));
}

TEST_F(ChartRecorderPixelTest, UnitsCursorsAndAPressedButtonAtFontSize2LookAsTheirReference) {
  m_view.SetFontFactor(2);
  RecordWrapped();
  ChartRecorderRecord& r = Recorder();
  r.cursornone = 0;
  r.cursorunits = 1;
  r.cursor1 = "2.80";
  r.cursor2 = "5.20";
  r.delta = "2.40";
  State().stepbackpressed = 1;
  r.fields[1].positionuppressed = 1;
  ExpectLooksLikeReference(Render(), kDataFolder / "recorder_units_cursors.png", Tolerance(ExactArea()));
}

// Of two fields given the same legend row, the later one's card shows.
TEST_F(ChartRecorderPixelTest, OfTwoFieldsOnTheSameLegendRowTheLaterOneShows) {
  ChartRecorderRecord& r = Recorder();
  r.fields[2].order = 0;  // "Steps", titled in white, over "Sine" in red
  const QImage image = Render();
  const Rect plot = m_geometry.ChartPlotRect(m_index);
  const Rect obj = m_geometry.ObjectRectChartRecorder(m_index);
  const int cw = 16;
  const int title = static_cast<int>(0.6 * 45);
  int red = 0;
  int white = 0;
  for (int y = plot.top; y < plot.top + title; ++y)
    for (int x = plot.right + cw / 3; x < obj.right - cw / 3 - 1; ++x) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60) ++red;
      if (qRed(p) > 230 && qGreen(p) > 230 && qBlue(p) > 230) ++white;
    }
  EXPECT_EQ(red, 0);
  EXPECT_GT(white, 0);
}

// A pending update of the traces is drawn before the face, which must not
// cover it: a paint into a fresh image shows the area as a full one does.
TEST_F(ChartRecorderPixelTest, APendingTraceUpdateIsNotCoveredByTheFace) {
  RecordWrapped();
  const Rect plot = m_geometry.ChartPlotRect(m_index);
  const QRect area(plot.left, plot.top, Width(plot), Height(plot));
  const QImage full = Render();
  State().redrawtraces = 1;
  const QImage updated = Render();
  EXPECT_EQ(State().redrawtraces, 0);
  EXPECT_EQ(updated.copy(area), full.copy(area));
  EXPECT_NE(updated.pixel(area.center()), qRgb(102, 102, 115));
}

}  // namespace
}  // namespace korvix
