#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "qtdraw/qt_font_measure.h"
#include "qtdraw/qt_print_job.h"
#include "qtdraw/testing/pdf_files.h"
#include "recording/log_report_document.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;

constexpr int kRows = 150;

class LogReportPdfTest : public ::testing::Test {
protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("korvix_report_pdf_" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
    std::string log = "Date,Time,Flow\r\n";
    for (int r = 0; r < kRows; ++r) log += "12/10/26,10:00:" + std::to_string(r) + ",row" + std::to_string(r) + "\r\n";
    Write(log);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::string Log() const { return (m_dir / "DataLog.txt").string(); }
  std::string Pdf() const { return (m_dir / "report.pdf").string(); }
  void Write(const std::string& bytes) { std::ofstream(Log(), std::ios::binary) << bytes; }
  PrintOutcome Print(int first = 0, int last = 0) {
    fs::remove(Pdf());
    auto printer = MakePdfPrinter(Pdf(), first, last);
    QtPrintJob job(*printer);
    QtFontMeasure fonts;
    LogReportDocument document(m_settings, Log(), m_memfile, fonts);
    return PrintDocument(job, document, QtPrintJob::ChosenRange(*printer));
  }

  fs::path m_dir;
  DataLogSettings m_settings;
  RecordingMessageSink m_sink;
  FakeMillisecondClock m_clock;
  TextMemFile m_memfile{m_sink, m_clock};
};

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(LogReportPdfTest, TheReportRunsOverPagesWithTheHeaderOnceAndTitlesAndNumbersOnEach) {
  ASSERT_EQ(Print(), PrintOutcome::Printed);
  ASSERT_EQ(PdfPageCount(Pdf()), 3);
  std::string rows;
  for (int page = 1; page <= 3; ++page) {
    const std::string text = PdfPageText(Pdf(), page);
    EXPECT_EQ(Holds(text, "Data Log Report"), page == 1) << page;
    EXPECT_EQ(Holds(text, "Company Name"), page == 1) << page;
    EXPECT_TRUE(Holds(text, "Flow")) << page;
    EXPECT_TRUE(Holds(text, "Page " + std::to_string(page))) << page;
    rows += text;
  }
  EXPECT_TRUE(Holds(rows, "row0 ") || Holds(rows, "row0\n"));
  EXPECT_TRUE(Holds(rows, "row149"));
  // The two header lines are centred one above the other.
  const std::string first = PdfPageText(Pdf(), 1);
  EXPECT_LT(first.find("Data Log Report"), first.find("Company Name"));
}

TEST_F(LogReportPdfTest, ARangeOfOnePagePrintsThatPageAsInTheWholeReport) {
  ASSERT_EQ(Print(), PrintOutcome::Printed);
  const std::string whole = PdfPageText(Pdf(), 2);
  ASSERT_EQ(Print(2, 2), PrintOutcome::Printed);
  ASSERT_EQ(PdfPageCount(Pdf()), 1);
  EXPECT_EQ(PdfPageText(Pdf(), 1), whole);
}

TEST_F(LogReportPdfTest, ALogOfOnlyItsHeaderWritesNoFile) {
  Write("Date,Time,Flow\r\n");
  EXPECT_EQ(Print(), PrintOutcome::NothingToPrint);
  EXPECT_FALSE(fs::exists(Pdf()));
  EXPECT_TRUE(m_sink.shown.empty());
}

TEST_F(LogReportPdfTest, ShadingGreysRowsAndGridlinesFrameCells) {
  struct Counts {
    int grey = 0;
    int dark = 0;
  };
  const auto count = [this](int grid, int shading) {
    m_settings.m_reportgrid = grid;
    m_settings.m_reportshading = shading;
    EXPECT_EQ(Print(1, 1), PrintOutcome::Printed);
    const PdfPageImage image = RenderPdfPage(Pdf(), 1, 100);
    Counts counts;
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const int level = image.At(x, y);
        if (level > 170 && level < 215) ++counts.grey;
        if (level < 80) ++counts.dark;
      }
    }
    return counts;
  };
  const Counts plain = count(0, 0);
  const Counts shaded = count(0, 1);
  const Counts framed = count(1, 0);
  EXPECT_GT(shaded.grey, plain.grey + 10000);
  EXPECT_GT(framed.dark, plain.dark + 5000);
}

// The header is measured as its lines, one line height each, and drawn
// centred in that rectangle; the page number and the field titles follow
// below it. Every line of each stays in its own measured place, whatever
// the header's length.
TEST_F(LogReportPdfTest, HeaderPageNumberAndTitlesStayInsideTheirMeasuredRectangles) {
  constexpr int kDpi = 600;
  const auto lines = [](int count) {
    std::string title;
    for (int line = 1; line <= count; ++line)
      title += (line > 1 ? "\r\n" : "") + ("Jumpy gypsy " + std::to_string(line));
    return title;
  };
  const std::string defaulttitle = m_settings.m_reporttitle;
  for (const std::string& title : {lines(1), defaulttitle, lines(3), lines(12)}) {
    m_settings.m_reporttitle = title;
    m_settings.m_reportpagepos = 2;  // top-mid, right under the header
    fs::remove(Pdf());
    auto printer = MakeFullPagePdfPrinter(Pdf(), 8.5, 11);
    {
      QtPrintJob job(*printer);
      QtFontMeasure fonts;
      LogReportDocument document(m_settings, Log(), m_memfile, fonts);
      ASSERT_EQ(PrintDocument(job, document, {1, 1}), PrintOutcome::Printed);
    }

    // The first page as the report laid it out.
    QtFontMeasure fonts;
    LogReportLayout layout(m_settings,
                           MeasureLogReport(m_settings, {static_cast<int>(8.5 * kDpi), 11 * kDpi, kDpi, kDpi}, fonts));
    ASSERT_TRUE(m_memfile.LoadTextFile(Log()));
    layout.ReadTitles(m_memfile);
    const ReportPage page = layout.LayOutPage(1, m_memfile);
    m_memfile.Empty();
    ASSERT_EQ(page.texts.size(), 2u);
    const Rect header = page.texts[0].rect;
    const int headerline = MeasureLogReport(m_settings, {0, 0, kDpi, kDpi}, fonts).headerline;
    // Each text's lines, and the rectangle each line was measured in.
    std::vector<std::pair<std::string, Rect>> expected;
    int top = header.top;
    for (std::size_t from = 0; from <= title.size();) {
      const std::size_t end = std::min(title.find("\r\n", from), title.size());
      expected.emplace_back(title.substr(from, end - from), Rect{header.left, top, header.right, top + headerline});
      top += headerline;
      from = end + 2;
    }
    ASSERT_EQ(top, header.bottom);
    expected.emplace_back("Page 1", page.texts[1].rect);
    for (const std::string column : {"Date", "Time", "Flow"}) {
      const auto cell =
          std::find_if(page.cells.begin(), page.cells.end(), [&](const ReportCell& c) { return c.text == column; });
      ASSERT_NE(cell, page.cells.end());
      expected.emplace_back(column, cell->rect);
    }

    // Glyph boxes on the device's pixels.
    const auto pixels = [](double points) { return static_cast<int>(std::lround(points * kDpi / 72)); };
    const std::vector<PdfWord> words = PdfPageWords(Pdf(), 1);
    std::size_t at = 0;
    for (const auto& [text, rect] : expected) {
      std::istringstream split(text);
      for (std::string word; split >> word; ++at) {
        ASSERT_LT(at, words.size());
        const PdfWord& drawn = words[at];
        const std::string what = "\"" + drawn.text + "\" of \"" + text + "\" in a header of " +
                                 std::to_string(expected.size() - 4) + " lines";
        EXPECT_EQ(drawn.text, word) << what;
        EXPECT_GE(pixels(drawn.xmin), rect.left) << what;
        EXPECT_LE(pixels(drawn.xmax), rect.right) << what;
        EXPECT_GE(pixels(drawn.ymin), rect.top) << what;
        EXPECT_LE(pixels(drawn.ymax), rect.bottom) << what;
      }
    }
  }
}

}  // namespace
}  // namespace korvix
