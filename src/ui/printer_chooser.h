#pragma once

#include <QPrinter>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace korvix {

// Asks the user for the printer (and, where a print has pages to choose,
// the pages); null when cancelled.
using PrinterChooser = std::function<std::unique_ptr<QPrinter>(QWidget* parent)>;

// What the print dialog lets the user narrow a print to.
enum class PageChoice {
  AllPages,   // every page
  PageRange,  // every page or a range of them
};

// The print dialog, with printing to a PDF file kept among the printers. A
// document named before the dialog opens gives the file it suggests its
// name. Null when cancelled.
std::unique_ptr<QPrinter> ChoosePrinterByDialog(QWidget* parent, PageChoice pages, const std::string& docname = {});

// The print dialog as a command's chooser.
PrinterChooser PrintDialogChooser(PageChoice pages, const std::string& docname = {});

}  // namespace korvix
