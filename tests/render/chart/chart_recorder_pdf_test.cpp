#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/testing/recording_message_sink.h"
#include "qtdraw/qt_print_job.h"
#include "qtdraw/testing/pdf_files.h"
#include "recording/chart_plot_file.h"
#include "render/chart/chart_recorder_print.h"
#include "render/chart/chart_scheme.h"
#include "render/font_cell.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;

constexpr int kDpi = 600;
constexpr int kPageWidth = 4800;   // 8 in
constexpr int kPageHeight = 6400;  // 10 2/3 in
constexpr int kDark = 96;

// A recorder of 400 x 200 screen pixels with one field, showing 00:01:00
// at 10 s a division; its samples, when recorded, stay at 0 for two minutes.
class ChartRecorderPdfTest : public ::testing::Test {
protected:
  ChartRecorderPdfTest() {
    m_dir = fs::temp_directory_path() / ("korvix_chart_pdf_" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
    m_index = m_doc.m_chartrecorders.Add();
    ChartRecorderRecord& r = Recorder();
    r.sizecode = 16;
    r.widthfactor = 44.45;
    r.heightfactor = 8.0;
    r.windowdate = "01/01/25";
    r.windowtime = "00:01:00.00";
    r.timediv = "10.0";
    ChartRecorderField field;
    field.label = "Level";
    field.colour = Rgb(255, 0, 0);
    field.unitdiv = "10.0";
    field.position = "4.00";
    r.fields.Add(field);
  }
  ~ChartRecorderPdfTest() override { fs::remove_all(m_dir); }

  ChartRecorderRecord& Recorder() { return m_doc.m_chartrecorders[m_index]; }
  ChartRecorderRunState& State() { return m_states.ChartRecorders()[m_index]; }
  std::string Pdf() const { return (m_dir / "chart.pdf").string(); }

  void RecordFlatSamples() {
    std::string bytes;
    for (int s = 0; s < 120; ++s) {
      char line[40];
      std::snprintf(line, sizeof line, "01/01/25,00:%02d:%02d.00,0\r\n", s / 60, s % 60);
      bytes += line;
    }
    ASSERT_TRUE(m_memory.Assign(bytes));
    State().writepos = static_cast<int>(bytes.size());
  }

  ChartRecorderPrint Print() {
    auto printer = MakeFullPagePdfPrinter(Pdf(), 8, 32.0 / 3);
    QtPrintJob job(*printer, PrintFontScale::Screen);
    ChartRecorderPrint document(m_doc, m_view, m_states, m_index, &m_memory, m_sink);
    EXPECT_EQ(PrintDocument(job, document, {}), PrintOutcome::Printed);
    return document;
  }

  // Where the traces lie on the page.
  Rect TraceArea(const ChartRecorderPrint& document) {
    const Size cell = FontCellSize(Recorder().sizecode);
    const int k = document.Scale();
    const Rect plot = PrintedChartPlotRect(document.PrintedRect(), cell.cx * k, cell.cy * k);
    const int depth = kPrintedChartScheme.PlotFrameDepth(true);
    return Inflated(plot, -depth, -depth);
  }

  // Dark pixels of the page column x between rows top and bottom.
  int DarkRows(int x, int top, int bottom) {
    const PdfPageImage column = RenderPdfArea(Pdf(), 1, kDpi, x, top, 1, bottom - top);
    EXPECT_EQ(column.height, bottom - top);
    int dark = 0;
    for (int y = 0; y < column.height; ++y) dark += column.At(0, y) < kDark ? 1 : 0;
    return dark;
  }

  fs::path m_dir;
  CKorvixDoc m_doc;
  ViewState m_view;
  ObjectRunStates m_states;
  ChartMemory m_memory{1 << 20};
  RecordingMessageSink m_sink;
  int m_index = 0;
};

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(ChartRecorderPdfTest, TheRecorderFillsThePageWidthTwelveTimesOverCentredWithItsTextsButNoButtons) {
  RecordFlatSamples();
  const ChartRecorderPrint document = Print();
  EXPECT_EQ(document.Scale(), 12);
  EXPECT_EQ(document.PrintedRect(), (Rect{0, 2000, 4800, 4400}));
  ASSERT_EQ(PdfPageCount(Pdf()), 1);

  const std::string text = PdfPageText(Pdf(), 1);
  for (const char* shown : {"01/01/25", "00:01:00.00", "10.0 Sec/Div", "Level", "Unit/Div", "Position", "4.00"})
    EXPECT_TRUE(Holds(text, shown)) << shown;
  for (const char* button : {"Print", "None", "Units", "Cursor Mode", "Time/Div", "Cursor 1"})
    EXPECT_FALSE(Holds(text, button)) << button;

  // A column through the face left of the trace area: white paper, the dark
  // outline, the light grey face, the outline, white paper.
  const PdfPageImage column = RenderPdfArea(Pdf(), 1, kDpi, 40, 1990, 1, 2420);
  ASSERT_EQ(column.height, 2420);
  EXPECT_EQ(column.At(0, 9), 255);
  EXPECT_LT(column.At(0, 10), kDark);
  EXPECT_NEAR(column.At(0, 1200), 165, 8);
  EXPECT_LT(column.At(0, 2409), kDark);
  EXPECT_EQ(column.At(0, 2410), 255);
  // The object runs from the page's left edge to its right edge.
  const PdfPageImage row = RenderPdfArea(Pdf(), 1, kDpi, 0, 3000, kPageWidth, 1);
  ASSERT_EQ(row.width, kPageWidth);
  EXPECT_LT(row.At(0, 0), kDark);
  EXPECT_LT(row.At(kPageWidth - 1, 0), kDark);
  EXPECT_TRUE(m_sink.shown.empty());
}

TEST_F(ChartRecorderPdfTest, TracesPrintFivePixelsThickAndCursorsAsWholeLinesWithTheirReadouts) {
  struct Case {
    const char* name;
    bool samples;
    bool timecursors;
    int tracerows;  // dark rows in a column clear of grid and cursors
  };
  const Case cases[] = {
      {"flat samples, no cursors", true, false, 5},
      {"empty memory", false, false, 0},
      {"time cursors", false, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_memory.Empty();
    State() = ChartRecorderRunState();
    if (c.samples) RecordFlatSamples();
    Recorder().cursornone = c.timecursors ? 0 : 1;
    Recorder().cursortime = c.timecursors ? 1 : 0;
    Recorder().cursor1 = "2.50";
    Recorder().cursor2 = "7.50";
    Recorder().delta = "5.00";
    const ChartRecorderPrint document = Print();

    const Rect a = TraceArea(document);
    // Half a fifth of a division in from the left edge's first tick.
    const int fifth = (Width(a) - 1) / (Recorder().hdivisions * 5);
    const int clear = a.left + fifth + fifth / 2;
    EXPECT_EQ(DarkRows(clear, a.top, a.bottom - 200), c.tracerows);

    const int cursor1 = a.left + static_cast<int>(250 * (Width(a) - 1) / (Recorder().hdivisions * 100.0));
    const int cursorrows = DarkRows(cursor1, a.top, a.bottom - 200);
    const std::string text = PdfPageText(Pdf(), 1);
    if (c.timecursors) {
      EXPECT_EQ(cursorrows, Height(a) - 200);
      for (const char* readout : {"Cursor 1", "2.50", "Delta", "5.00", "Cursor 2", "7.50"})
        EXPECT_TRUE(Holds(text, readout)) << readout;
    } else {
      EXPECT_LT(cursorrows, 20);
      EXPECT_FALSE(Holds(text, "Delta"));
    }
  }
}

TEST_F(ChartRecorderPdfTest, PrintingLeavesTheViewsReadPositionAndDrawnRectanglesAsTheyWere) {
  RecordFlatSamples();
  State().readmark = 0;
  State().plotrect = {1, 2, 3, 4};
  State().timerect = {5, 6, 7, 8};
  State().redrawtraces = 1;
  Print();
  EXPECT_EQ(State().readmark, 0);
  EXPECT_EQ(State().plotrect, (Rect{1, 2, 3, 4}));
  EXPECT_EQ(State().timerect, (Rect{5, 6, 7, 8}));
  EXPECT_EQ(State().redrawtraces, 1);
}

// Settings a project file may hold that the editor never writes: each
// prints one page and saves the plot, and says nothing.
TEST_F(ChartRecorderPdfTest, OddSettingsFromAFilePrintOnePageAndSaveWithoutAMessage) {
  struct Case {
    const char* name;
    std::function<void(ChartRecorderRecord&)> odd;
  };
  const Case cases[] = {
      {"no width", [](ChartRecorderRecord& r) { r.widthfactor = 0; }},
      {"no height", [](ChartRecorderRecord& r) { r.heightfactor = 0; }},
      {"neither width nor height", [](ChartRecorderRecord& r) { r.widthfactor = r.heightfactor = 0; }},
      {"size code 0", [](ChartRecorderRecord& r) { r.sizecode = 0; }},
      {"1 and 25 divisions",
       [](ChartRecorderRecord& r) {
         r.hdivisions = 1;
         r.vdivisions = 25;
       }},
      {"no divisions", [](ChartRecorderRecord& r) { r.hdivisions = r.vdivisions = 0; }},
      {"a window date and time that are no stamp",
       [](ChartRecorderRecord& r) {
         r.windowdate = "someday";
         r.windowtime = "noon";
       }},
  };
  const ChartRecorderRecord plain = Recorder();
  RecordFlatSamples();
  // Samples dated with no stamp, as an edited plot file gives them.
  std::string bytes = m_memory.Bytes();
  bytes.replace(0, 8, "someday");
  bytes.replace(bytes.find("01/01/25,00:00:30.00"), 20, "01/01/25,half past 0");
  ASSERT_TRUE(m_memory.Assign(bytes));
  State().writepos = static_cast<int>(bytes.size());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(Pdf());
    Recorder() = plain;
    c.odd(Recorder());
    Print();
    EXPECT_EQ(PdfPageCount(Pdf()), 1);
    const std::string saved = ChartPlotText(m_memory, State(), Recorder());
    EXPECT_EQ(saved.substr(0, 17), "Date,Time,Level\r\n");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 121);
    for (const auto& shown : m_sink.shown) ADD_FAILURE() << shown.caption << ": " << shown.text;
    m_sink.shown.clear();
  }
}

}  // namespace
}  // namespace korvix
