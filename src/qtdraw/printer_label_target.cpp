#include "qtdraw/printer_label_target.h"

#include <QPrinterInfo>

#include "qtdraw/qt_device_context.h"

namespace korvix {
namespace {

class QtPrinterPage final : public LabelPage {
public:
  explicit QtPrinterPage(std::unique_ptr<QPrinter> printer)
      : m_printer(std::move(printer)), m_dc(*m_printer, m_printer->logicalDpiY()) {}

  bool Started() { return m_dc.Painter().isActive(); }
  LabelPageMetrics Metrics() override {
    return {m_printer->width(), m_printer->height(), m_printer->logicalDpiX(), m_printer->logicalDpiY()};
  }
  DeviceContext& Dc() override { return m_dc; }
  bool EndPage() override { return m_printer->printerState() != QPrinter::Error; }
  void EndDocument() override { m_dc.Painter().end(); }
  void AbortDocument() override {
    m_printer->abort();
    m_dc.Painter().end();
  }

private:
  std::unique_ptr<QPrinter> m_printer;
  QtDeviceContext m_dc;
};

}  // namespace

std::unique_ptr<QPrinter> InstalledPrinter(const std::string& name) {
  const QString wanted = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  if (!QPrinterInfo::availablePrinterNames().contains(wanted, Qt::CaseSensitive)) return nullptr;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setPrinterName(wanted);
  return printer;
}

std::unique_ptr<LabelPage> QtPrinterLabelTarget::StartDocument(const std::string& printer, const std::string& name) {
  std::unique_ptr<QPrinter> device = m_maker(printer);
  if (!device) return nullptr;
  device->setDocName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  auto page = std::make_unique<QtPrinterPage>(std::move(device));
  if (!page->Started()) return nullptr;
  return page;
}

}  // namespace korvix
