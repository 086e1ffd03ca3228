#include "recording/log_report.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>

#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "recording/log_report_document.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

using Op = RecordingDeviceContext::Op;

// Line height a tenth of the point size at 100 dpi; body characters twice as
// wide on the printer as on the screen, so printed columns are twice their width.
class FakeFontMeasure final : public FontMeasure {
public:
  int LineHeight(const Font& font, int dpi) override { return font.pointtenths / 10 * dpi / 100; }
  int AverageCharWidth(const Font&, int dpi) override { return dpi == 96 ? 5 : 10; }
};

class RecordingPrintJob final : public PrintJob {
public:
  PrintPageMetrics metrics{1000, 500, 100, 100};
  std::deque<RecordingDeviceContext> pages;
  bool ended = false;

  PrintPageMetrics Metrics() override { return metrics; }
  DeviceContext* StartPage() override { return &pages.emplace_back(); }
  bool EndPage() override { return true; }
  bool EndDoc() override { return ended = true; }
  void Abort() override {}
};

std::string Log(int rows, int fields = 2) {
  std::string text;
  for (int f = 0; f < fields; ++f) text += (f ? "," : "") + std::string("T") + std::to_string(f);
  text += "\r\n";
  for (int r = 0; r < rows; ++r) text += "r" + std::to_string(r) + ",x\r\n";
  return text;
}

class LogReportTest : public ::testing::Test {
protected:
  LogReportMeasures Measures() {
    FakeFontMeasure fonts;
    return MeasureLogReport(m_settings, {1000, 500, 100, 100}, fonts);
  }
  // Every page of the log laid out in order.
  std::vector<ReportPage> LayOut(const std::string& log) {
    m_memfile.Assign(log);
    LogReportLayout layout(m_settings, Measures());
    layout.ReadTitles(m_memfile);
    std::vector<ReportPage> pages;
    for (int page = 1; !m_memfile.AtEnd(); ++page) pages.push_back(layout.LayOutPage(page, m_memfile));
    return pages;
  }
  // The data cells of a page: those below the title row when there is one.
  static std::vector<ReportCell> Rows(const ReportPage& page, bool titles) {
    return {page.cells.begin() + (titles ? 2 : 0), page.cells.end()};
  }

  DataLogSettings m_settings;
  RecordingMessageSink m_sink;
  FakeMillisecondClock m_clock;
  TextMemFile m_memfile{m_sink, m_clock};
};

TEST_F(LogReportTest, TheFirstPageHasTheHeaderTitlesAndRowsDownToAboveTheBottomPageNumber) {
  const std::vector<ReportPage> pages = LayOut(Log(100));
  ASSERT_EQ(pages.size(), 3u);
  const ReportPage& first = pages[0];
  ASSERT_EQ(first.texts.size(), 2u);
  EXPECT_EQ(first.texts[0].text, "Data Log Report\r\nCompany Name");
  EXPECT_EQ(first.texts[0].rect, (Rect{0, 0, 1000, 32}));  // two header lines of 16
  EXPECT_EQ(first.texts[0].format, TextFormat::Centre | TextFormat::NoPrefix);
  EXPECT_EQ(first.texts[1].text, "Page 1");
  EXPECT_EQ(first.texts[1].rect, (Rect{0, 489, 1000, 500}));
  EXPECT_EQ(first.texts[1].format, TextFormat::Centre | TextFormat::SingleLine | TextFormat::VCentre);
  // Titles one header line below the header, 70 wide on the screen and so 140 printed.
  EXPECT_EQ(first.cells[0].rect, (Rect{0, 48, 140, 58}));
  EXPECT_EQ(first.cells[1].rect, (Rect{140, 48, 280, 58}));
  EXPECT_EQ(first.cells[1].text, "T1");
  const std::vector<ReportCell> rows = Rows(first, true);
  EXPECT_EQ(rows.front().rect.top, 68) << "an empty row follows the titles";
  EXPECT_EQ(rows.front().text, "r0");
  // The page ends once another row would pass 489 less half a number line.
  EXPECT_EQ(rows.size(), 2u * 41);
  EXPECT_EQ(rows.back().rect.bottom, 478);

  const ReportPage& second = pages[1];
  EXPECT_EQ(second.texts.size(), 1u) << "the header is on the first page only";
  EXPECT_EQ(second.texts[0].text, "Page 2");
  EXPECT_EQ(second.cells[0].rect.top, 0);
  EXPECT_EQ(Rows(second, true).front().text, "r41");
  EXPECT_EQ(Rows(second, true).front().rect.top, 20);
}

TEST_F(LogReportTest, ThePageNumberPositionMovesTheBodyOrShortensIt) {
  struct Case {
    int position;
    Rect number;
    TextFormat alignment;
    int titletop;
    std::size_t rows;  // on the first page
  } cases[] = {
      {0, {}, TextFormat::Left, 48, 43},
      {1, {0, 37, 1000, 48}, TextFormat::Left, 59, 42},  // header bottom plus a third of its line
      {3, {0, 37, 1000, 48}, TextFormat::Right, 59, 42},
      {4, {0, 489, 1000, 500}, TextFormat::Left, 48, 41},
      {6, {0, 489, 1000, 500}, TextFormat::Right, 48, 41},
  };
  for (const Case& c : cases) {
    m_settings.m_reportpagepos = c.position;
    const ReportPage page = LayOut(Log(100)).front();
    EXPECT_EQ(page.cells[0].rect.top, c.titletop) << c.position;
    EXPECT_EQ(Rows(page, true).size(), 2 * c.rows) << c.position;
    if (c.position == 0) {
      EXPECT_EQ(page.texts.size(), 1u);
      continue;
    }
    ASSERT_EQ(page.texts.size(), 2u);
    EXPECT_EQ(page.texts[1].rect, c.number) << c.position;
    EXPECT_EQ(page.texts[1].format, c.alignment | TextFormat::SingleLine | TextFormat::VCentre);
  }
}

TEST_F(LogReportTest, RowSpacingMarginsAndColumnWidthsSizeTheCells) {
  m_settings.m_reportbodyfont = 90;
  for (const auto& [spacing, height] : {std::pair{0, 9}, {1, 13}, {2, 18}}) {
    m_settings.m_reportspacing = spacing;
    EXPECT_EQ(LogReportLayout(m_settings, Measures()).RowHeight(), height) << spacing;
  }
  m_settings.m_reportspacing = 0;
  m_settings.m_reportheaderon = 0;
  m_settings.m_reportpagepos = 0;
  m_settings.m_reportmargintop = 5;
  m_settings.m_reportmarginleft = 20;
  m_settings.m_logcolwidth[1] = 33;
  const ReportPage page = LayOut(Log(1)).front();
  EXPECT_EQ(page.cells[0].rect, (Rect{200, 50, 340, 59}));
  EXPECT_EQ(page.cells[1].rect, (Rect{340, 50, 406, 59}));
}

TEST_F(LogReportTest, ShadingStartsAgainWithTheFirstRowOfEveryPage) {
  m_settings.m_reporttitleson = 1;
  const std::vector<ReportPage> pages = LayOut(Log(100));
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_FALSE(pages[0].cells[0].shaded) << "titles are never shaded";
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const std::vector<ReportCell> rows = Rows(pages[p], p == 0);
    EXPECT_TRUE(rows[0].shaded && rows[1].shaded) << p;
    EXPECT_FALSE(rows[2].shaded) << p;
    EXPECT_TRUE(rows[4].shaded) << p;
  }
  EXPECT_EQ(Rows(pages[1], false).front().text, "r41") << "an odd row of the file";
}

TEST_F(LogReportTest, ARowTallerThanWhatIsLeftGoesToTheNextPageButEveryPageHasOne) {
  m_settings.m_reportheaderon = 0;
  m_settings.m_reporttitleson = 0;
  m_settings.m_reportpagepos = 0;
  m_settings.m_reportspacing = 2;
  m_settings.m_reportbodyfont = 300;  // rows of 60 on a page of 500
  const std::vector<ReportPage> pages = LayOut(Log(20));
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].cells.size(), 2u * 8);  // 8 x 60 = 480; a ninth would reach 540
  EXPECT_EQ(pages[2].cells.size(), 2u * 4);

  m_settings.m_reportbodyfont = 3000;  // a row of 600 on a page of 500
  const std::vector<ReportPage> tall = LayOut(Log(3));
  ASSERT_EQ(tall.size(), 3u);
  EXPECT_EQ(tall[2].cells.size(), 2u);
}

TEST_F(LogReportTest, TitlesAndFieldsPastTheThousandthColumnAreNotPrinted) {
  std::string log;
  for (int f = 0; f < 1001; ++f) log += "t" + std::to_string(f) + ",";
  log.back() = '\r';
  log += "\n";
  for (int f = 0; f < 1001; ++f) log += "v,";
  log.back() = '\r';
  log += "\nnext,x\r\n";
  m_memfile.Assign(log);
  LogReportLayout layout(m_settings, Measures());
  layout.ReadTitles(m_memfile);
  EXPECT_EQ(layout.Titles().size(), 1000u);
  EXPECT_EQ(layout.Titles().back(), "t999");
  const ReportPage page = layout.LayOutPage(1, m_memfile);
  ASSERT_EQ(page.cells.size(), 1000u + 1000u + 2u);
  EXPECT_EQ(page.cells[2000].text, "next") << "the next record starts its own row";
  EXPECT_TRUE(m_sink.shown.empty());
}

class LogReportDocumentTest : public LogReportTest {
protected:
  void SetUp() override {
    m_path =
        (std::filesystem::temp_directory_path() / ("korvix_report_" + std::to_string(::getpid()) + ".txt")).string();
  }
  void TearDown() override { std::filesystem::remove(m_path); }
  void Write(const std::string& bytes) { std::ofstream(m_path, std::ios::binary) << bytes; }
  // The first data row's first field on each printed page.
  std::vector<std::string> Print(PageRange range, PrintOutcome expected = PrintOutcome::Printed) {
    RecordingPrintJob job;
    FakeFontMeasure fonts;
    LogReportDocument document(m_settings, m_path, m_memfile, fonts);
    EXPECT_EQ(PrintDocument(job, document, range), expected);
    EXPECT_TRUE(m_memfile.IsEmpty()) << "the log is freed once printing ends";
    std::vector<std::string> firsts;
    for (const RecordingDeviceContext& page : job.pages) {
      for (const auto& call : page.Only(Op::DrawText)) {
        if (call.text.starts_with("r")) {
          firsts.push_back(call.text);
          break;
        }
      }
    }
    return firsts;
  }

  std::string m_path;
};

TEST_F(LogReportDocumentTest, PrintingOnlyALaterPageStartsItWithTheRowACompletePrintWould) {
  Write(Log(100));
  for (int titleson : {1, 2}) {
    m_settings.m_reporttitleson = titleson;
    const std::vector<std::string> all = Print({});
    ASSERT_EQ(all.size(), 3u) << titleson;
    EXPECT_EQ(Print({2, 2}), std::vector<std::string>{all[1]}) << titleson;
    EXPECT_EQ(Print({3, 0}), std::vector<std::string>{all[2]}) << titleson;
    EXPECT_TRUE(Print({4, 5}, PrintOutcome::NothingToPrint).empty());
  }
}

TEST_F(LogReportDocumentTest, ALogWithoutRecordsPrintsNoPage) {
  for (const char* log : {"", "T0,T1\r\n"}) {
    Write(log);
    EXPECT_TRUE(Print({}, PrintOutcome::NothingToPrint).empty()) << log;
  }
  EXPECT_TRUE(m_sink.shown.empty());
}

TEST_F(LogReportDocumentTest, GridAndShadingAreDrawnOnlyWhenChosen) {
  Write(Log(3));
  for (const auto& [grid, shading] : {std::pair{1, 1}, {0, 0}}) {
    m_settings.m_reportgrid = grid;
    m_settings.m_reportshading = shading;
    RecordingPrintJob job;
    FakeFontMeasure fonts;
    LogReportDocument document(m_settings, m_path, m_memfile, fonts);
    ASSERT_EQ(PrintDocument(job, document, {}), PrintOutcome::Printed);
    ASSERT_EQ(job.pages.size(), 1u);
    const RecordingDeviceContext& page = job.pages[0];
    EXPECT_EQ(page.Count(Op::Rectangle), grid ? 2u + 3u * 2u : 0u);
    EXPECT_EQ(page.Count(Op::FillRect), shading ? 2u * 2u : 0u);  // rows 1 and 3
    const auto texts = page.Only(Op::DrawText);
    EXPECT_EQ(texts.front().font, (Font{"Times New Roman", 160}));
    EXPECT_EQ(texts.back().font, (Font{"Arial Unicode MS", 100}));
    EXPECT_EQ(texts.back().textcolour, 0u);
  }
}

}  // namespace
}  // namespace korvix
