#include "qtdraw/qt_print_job.h"

#include <QFile>
#include <QPrinter>

namespace korvix {

QtPrintJob::QtPrintJob(QPrinter& printer, PrintFontScale fonts) : m_printer(printer), m_fonts(fonts) {}

QtPrintJob::~QtPrintJob() {
  if (m_dc) Abort();
}

PrintPageMetrics QtPrintJob::Metrics() {
  return {m_printer.width(), m_printer.height(), m_printer.logicalDpiX(), m_printer.logicalDpiY()};
}

DeviceContext* QtPrintJob::StartPage() {
  if (!m_dc) {
    const int dpi = m_fonts == PrintFontScale::Screen ? QtDeviceContext::kScreenDpi : m_printer.logicalDpiY();
    m_dc = std::make_unique<QtDeviceContext>(m_printer, dpi);
    if (m_printer.printerState() != QPrinter::Active) {
      m_dc.reset();
      return nullptr;
    }
    return m_dc.get();
  }
  return m_printer.newPage() ? m_dc.get() : nullptr;
}

bool QtPrintJob::EndPage() { return m_printer.printerState() != QPrinter::Error; }

bool QtPrintJob::EndDoc() {
  // The painter ends, and the document is handed over, when the context goes.
  m_dc.reset();
  return m_printer.printerState() != QPrinter::Error && m_printer.printerState() != QPrinter::Aborted;
}

// Qt's PDF engine, and the CUPS one built on it, cannot abort: they hand
// over what was drawn when the painter ends. A file is then removed, so
// that no document missing its last pages is left looking complete.
void QtPrintJob::Abort() {
  const bool aborted = m_printer.abort();
  m_dc.reset();
  const QString file = m_printer.outputFileName();
  if (!aborted && m_printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) QFile::remove(file);
}

PageRange QtPrintJob::ChosenRange(const QPrinter& printer) {
  if (printer.printRange() != QPrinter::PageRange || printer.fromPage() < 1) return {};
  return {printer.fromPage(), printer.toPage()};
}

}  // namespace korvix
