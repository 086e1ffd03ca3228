#pragma once

#include <memory>

#include "qtdraw/qt_device_context.h"
#include "render/print_job.h"

class QPrinter;

namespace korvix {

// The resolution at which a print job sizes fonts: the printer's, for a
// document laid out in printer pixels, or the screen's, for a drawing laid
// out in screen pixels and enlarged by a whole factor, whose texts must
// grow with it.
enum class PrintFontScale { Printer, Screen };

// A print job on a QPrinter set up by the print dialog (or, in tests, one
// that writes a PDF file). The painter begins with the first page, so a job
// without pages creates no document. One context serves every page and
// keeps its selections from page to page.
class QtPrintJob final : public PrintJob {
public:
  explicit QtPrintJob(QPrinter& printer, PrintFontScale fonts = PrintFontScale::Printer);
  ~QtPrintJob() override;

  PrintPageMetrics Metrics() override;
  DeviceContext* StartPage() override;
  bool EndPage() override;
  bool EndDoc() override;
  void Abort() override;

  // The pages the user chose in the print dialog.
  static PageRange ChosenRange(const QPrinter& printer);

private:
  QPrinter& m_printer;
  PrintFontScale m_fonts;
  std::unique_ptr<QtDeviceContext> m_dc;
};

}  // namespace korvix
