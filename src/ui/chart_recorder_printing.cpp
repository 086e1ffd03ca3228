#include "ui/chart_recorder_printing.h"

#include <QPrintDialog>

#include "qtdraw/qt_print_job.h"

namespace korvix {

namespace {
constexpr const char* kChartDocumentName = "ChartRecorder";
}  // namespace

std::unique_ptr<QPrinter> ChooseChartPrinterByDialog(QWidget* parent) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

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
