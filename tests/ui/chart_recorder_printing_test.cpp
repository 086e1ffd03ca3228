#include "ui/chart_recorder_printing.h"

#include <gtest/gtest.h>

#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>

#include "modal_driver.h"
#include "platform/testing/recording_message_sink.h"
#include "qtdraw/testing/pdf_files.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;

class ChartRecorderPrintingTest : public ::testing::Test {
protected:
  ChartRecorderPrintingTest() {
    m_dir = fs::temp_directory_path() / ("korvix_chart_printing_" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
    m_doc.m_chartrecorders[m_doc.m_chartrecorders.Add()].windowdate = "02/03/25";
  }
  ~ChartRecorderPrintingTest() override { fs::remove_all(m_dir); }

  void Print(const PrinterChooser& chooser) {
    ChartRecorderPrint document(m_doc, m_view, m_states, 0, nullptr, m_sink);
    PrintChartRecorder(nullptr, chooser, document);
  }

  fs::path m_dir;
  CKorvixDoc m_doc;
  ViewState m_view;
  ObjectRunStates m_states;
  RecordingMessageSink m_sink;
};

TEST_F(ChartRecorderPrintingTest, TheChosenPrinterGetsOnePageNamedChartRecorder) {
  const std::string pdf = (m_dir / "chart.pdf").string();
  Print([&](QWidget*) { return MakePdfPrinter(pdf); });
  ASSERT_EQ(PdfPageCount(pdf), 1);
  EXPECT_NE(PdfPageText(pdf, 1).find("02/03/25"), std::string::npos);
  EXPECT_NE(CommandOutput("pdfinfo '" + pdf + "'").find("ChartRecorder"), std::string::npos);
  EXPECT_TRUE(m_sink.shown.empty());
}

TEST_F(ChartRecorderPrintingTest, ACancelledDialogOrAPrinterThatCannotStartPrintsAndSaysNothing) {
  const std::string unwritable = (m_dir / "missing" / "chart.pdf").string();
  const PrinterChooser choosers[] = {
      [](QWidget*) { return std::unique_ptr<QPrinter>(); },
      [&](QWidget*) { return MakePdfPrinter(unwritable); },
  };
  for (const PrinterChooser& chooser : choosers) Print(chooser);
  EXPECT_TRUE(fs::is_empty(m_dir));
  EXPECT_TRUE(m_sink.shown.empty());
}

TEST_F(ChartRecorderPrintingTest, TheDialogOffersNoPagesToChooseButKeepsPrintingToAFile) {
  bool pagerange = true;
  bool selection = true;
  bool currentpage = true;
  bool tofile = false;
  std::pair<int, int> pages;
  testing::ModalDriver<QPrintDialog> driver([&](QPrintDialog& dialog) {
    pagerange = dialog.testOption(QAbstractPrintDialog::PrintPageRange);
    selection = dialog.testOption(QAbstractPrintDialog::PrintSelection);
    currentpage = dialog.testOption(QAbstractPrintDialog::PrintCurrentPage);
    tofile = dialog.testOption(QAbstractPrintDialog::PrintToFile);
    pages = {dialog.minPage(), dialog.maxPage()};
    dialog.reject();
  });
  EXPECT_EQ(ChoosePrinterByDialog(nullptr, PageChoice::AllPages), nullptr);
  EXPECT_EQ(driver.served, 1);
  EXPECT_FALSE(pagerange);
  EXPECT_FALSE(selection);
  EXPECT_FALSE(currentpage);
  EXPECT_TRUE(tofile);
  EXPECT_EQ(pages, std::make_pair(1, 1));
}

// What the user can pick in the dialog as it is shown, its options opened:
// the chart's one page offers no choice of pages at all, the data log's
// report a range of them.
TEST_F(ChartRecorderPrintingTest, TheShownDialogOffersPagesOnlyToAPrintThatHasThem) {
  const struct {
    PageChoice pages;
    QStringList offered;
  } cases[] = {
      {PageChoice::AllPages, {}},
      {PageChoice::PageRange, {"Print all", "Pages from"}},
  };
  for (const auto& c : cases) {
    QStringList offered;
    testing::ModalDriver<QPrintDialog> driver([&](QPrintDialog& dialog) {
      for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text().contains("Options")) button->click();
      for (QRadioButton* choice : dialog.findChildren<QRadioButton*>()) {
        const QString text = choice->text().remove('&');
        if (choice->isVisibleTo(&dialog) && choice->isEnabled() &&
            QStringList{"Print all", "Pages from", "Pages", "Current Page", "Selection"}.contains(text))
          offered << text;
      }
      dialog.reject();
    });
    EXPECT_EQ(ChoosePrinterByDialog(nullptr, c.pages), nullptr);
    EXPECT_EQ(driver.served, 1);
    EXPECT_EQ(offered, c.offered) << static_cast<int>(c.pages);
  }
}

}  // namespace
}  // namespace korvix
