#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace korvix
