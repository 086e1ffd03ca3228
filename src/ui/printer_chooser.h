#pragma once

#include <QPrinter>

#include <functional>
#include <memory>

class QWidget;

namespace korvix {

// Asks the user for the printer (and, where a print has pages to choose,
// the pages); null when cancelled.
using PrinterChooser = std::function<std::unique_ptr<QPrinter>(QWidget* parent)>;

}  // namespace korvix
