#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "qtdraw/qt_print_job.h"
#include "qtdraw/testing/pdf_files.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;

// Pages 1..m_pages, each with its number in large print.
class NumberedPages final : public PrintedDocument {
public:
  explicit NumberedPages(int pages) : m_pages(pages) {}
  bool BeginPrinting(const PrintPageMetrics& page) override {
    m_metrics = page;
    return true;
  }
  bool PreparePage(int page) override {
    m_prepared.push_back(page);
    return page <= m_pages;
  }
  void PrintPage(DeviceContext& dc, int page) override {
    dc.SelectFont({std::string(kFaceArial), 240});
    const std::string text = "Sheet " + std::to_string(page);
    dc.DrawText(text, {0, 0, m_metrics.width, m_metrics.height / 4}, TextFormat::SingleLine);
  }
  void EndPrinting() override { ++m_ended; }

  int m_pages;
  PrintPageMetrics m_metrics;
  std::vector<int> m_prepared;
  int m_ended = 0;
};

class PrintJobTest : public ::testing::Test {
protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("korvix_print_" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }
  std::string Pdf() const { return (m_dir / "out.pdf").string(); }

  fs::path m_dir;
};

TEST_F(PrintJobTest, EveryPageOfTheDocumentIsOnePdfPageAtThePrintersResolution) {
  auto printer = MakePdfPrinter(Pdf());
  QtPrintJob job(*printer);
  NumberedPages document(3);
  EXPECT_EQ(PrintDocument(job, document, QtPrintJob::ChosenRange(*printer)), PrintOutcome::Printed);
  EXPECT_EQ(document.m_metrics.dpix, 600);
  EXPECT_EQ(document.m_metrics.dpiy, 600);
  EXPECT_GT(document.m_metrics.height, 10 * 600);  // Letter, less the margins
  EXPECT_EQ(document.m_ended, 1);
  ASSERT_EQ(PdfPageCount(Pdf()), 3);
  for (int page = 1; page <= 3; ++page) {
    EXPECT_NE(PdfPageText(Pdf(), page).find("Sheet " + std::to_string(page)), std::string::npos) << page;
  }
}

TEST_F(PrintJobTest, AChosenRangePrintsOnlyItsPagesAndStopsAtTheDocumentsEnd) {
  struct Case {
    int first, last;
    std::vector<int> printed;
  };
  for (const Case& c : {Case{2, 2, {2}}, Case{2, 9, {2, 3}}}) {
    fs::remove(Pdf());
    auto printer = MakePdfPrinter(Pdf(), c.first, c.last);
    QtPrintJob job(*printer);
    NumberedPages document(3);
    EXPECT_EQ(PrintDocument(job, document, QtPrintJob::ChosenRange(*printer)), PrintOutcome::Printed);
    ASSERT_EQ(PdfPageCount(Pdf()), static_cast<int>(c.printed.size()));
    for (std::size_t i = 0; i < c.printed.size(); ++i) {
      EXPECT_NE(PdfPageText(Pdf(), static_cast<int>(i) + 1).find("Sheet " + std::to_string(c.printed[i])),
                std::string::npos);
    }
  }
}

TEST_F(PrintJobTest, ADocumentWithoutPagesWritesNoFile) {
  auto printer = MakePdfPrinter(Pdf());
  QtPrintJob job(*printer);
  NumberedPages document(0);
  EXPECT_EQ(PrintDocument(job, document, {}), PrintOutcome::NothingToPrint);
  EXPECT_EQ(document.m_ended, 1);
  EXPECT_FALSE(fs::exists(Pdf()));
}

TEST_F(PrintJobTest, APrinterThatCannotStartTheDocumentFailsTheJob) {
  auto printer = MakePdfPrinter((m_dir / "missing" / "out.pdf").string());
  QtPrintJob job(*printer);
  NumberedPages document(2);
  EXPECT_EQ(PrintDocument(job, document, {}), PrintOutcome::Failed);
  EXPECT_EQ(document.m_ended, 1);
}

// A printer job whose page `failing` cannot be finished.
class PageFailingJob final : public PrintJob {
public:
  PageFailingJob(QPrinter& printer, int failing) : m_job(printer), m_failing(failing) {}
  PrintPageMetrics Metrics() override { return m_job.Metrics(); }
  DeviceContext* StartPage() override {
    ++m_started;
    return m_job.StartPage();
  }
  bool EndPage() override { return m_started != m_failing && m_job.EndPage(); }
  bool EndDoc() override {
    ++m_enddocs;
    return m_job.EndDoc();
  }
  void Abort() override {
    ++m_aborts;
    m_job.Abort();
  }

  QtPrintJob m_job;
  int m_failing;
  int m_started = 0;
  int m_enddocs = 0;
  int m_aborts = 0;
};

TEST_F(PrintJobTest, APageThePrinterCannotFinishAbortsTheJobThere) {
  for (int failing : {1, 2}) {
    SCOPED_TRACE(failing);
    auto printer = MakePdfPrinter(Pdf());
    PageFailingJob job(*printer, failing);
    NumberedPages document(3);
    EXPECT_EQ(PrintDocument(job, document, {}), PrintOutcome::Failed);
    EXPECT_EQ(job.m_started, failing);
    EXPECT_EQ(document.m_prepared.back(), failing);
    EXPECT_EQ(job.m_aborts, 1);
    EXPECT_EQ(job.m_enddocs, 0);
    EXPECT_EQ(document.m_ended, 1);
    // The pages printed before are not handed over as a document.
    EXPECT_FALSE(fs::exists(Pdf()));
  }
}

}  // namespace
}  // namespace korvix
