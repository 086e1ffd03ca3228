#include "ui/chart_recorder_printing.h"

#include "qtdraw/qt_print_job.h"

namespace korvix {

namespace {
constexpr const char* kChartDocumentName = "ChartRecorder";
}  // namespace

void PrintChartRecorder(QWidget* parent, const PrinterChooser& chooser, ChartRecorderPrint& document) {
  std::unique_ptr<QPrinter> printer = chooser(parent);
  if (!printer) return;
  printer->setDocName(kChartDocumentName);
  // The drawing is laid out in screen pixels and enlarged by a whole factor,
  // so its fonts are sized as on the screen to grow with it.
  QtPrintJob job(*printer, PrintFontScale::Screen);
  PrintDocument(job, document, {});
}

}  // namespace korvix
