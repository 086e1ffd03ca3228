#include "ui/printer_chooser.h"

#include <QPrintDialog>

#include "ui/latin1.h"

namespace korvix {

std::unique_ptr<QPrinter> ChoosePrinterByDialog(QWidget* parent, PageChoice pages, const std::string& docname) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!docname.empty()) printer->setDocName(ToQString(docname));
  QPrintDialog dialog(printer.get(), parent);
  // The dialog on this platform shows its page range whatever the option
  // says; a print of one page lets it name that page alone. Setting the
  // bounds turns the option on, so it is set after them.
  if (pages == PageChoice::AllPages) dialog.setMinMax(1, 1);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, pages == PageChoice::PageRange);
  // What the program prints has no selection or current page to offer.
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

PrinterChooser PrintDialogChooser(PageChoice pages, const std::string& docname) {
  return [pages, docname](QWidget* parent) { return ChoosePrinterByDialog(parent, pages, docname); };
}

}  // namespace korvix
