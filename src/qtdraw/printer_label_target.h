#pragma once

#include <QPrinter>

#include <functional>
#include <memory>

#include "recording/label_print.h"

namespace korvix {

using PrinterMaker = std::function<std::unique_ptr<QPrinter>(const std::string& name)>;

// The printer installed under exactly this name (never the default one);
// null when there is none.
std::unique_ptr<QPrinter> InstalledPrinter(const std::string& name);

// Labels on the printers that `maker` makes; it may be called on any thread.
class QtPrinterLabelTarget final : public LabelPrintTarget {
public:
  explicit QtPrinterLabelTarget(PrinterMaker maker = InstalledPrinter) : m_maker(std::move(maker)) {}
  std::unique_ptr<LabelPage> StartDocument(const std::string& printer, const std::string& name) override;

private:
  PrinterMaker m_maker;
};

}  // namespace korvix
