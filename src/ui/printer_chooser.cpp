#include "ui/printer_chooser.h"

#include <QGroupBox>
#include <QPrintDialog>

#include "ui/latin1.h"

namespace korvix {

namespace {

// This platform's dialog shows its print range again when it is shown,
// whatever the options say: with no range, selection or current page to
// offer, the group that holds them goes once the dialog is up.
class OptionsPrintDialog final : public QPrintDialog {
public:
  using QPrintDialog::QPrintDialog;

  void setVisible(bool visible) override {
    QPrintDialog::setVisible(visible);
    if (!visible || testOption(PrintPageRange) || testOption(PrintSelection) || testOption(PrintCurrentPage)) return;
    if (auto* range = findChild<QGroupBox*>(QStringLiteral("gbPrintRange"))) range->hide();
  }
};

}  // namespace

std::unique_ptr<QPrinter> ChoosePrinterByDialog(QWidget* parent, PageChoice pages, const std::string& docname) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!docname.empty()) printer->setDocName(ToQString(docname));
  OptionsPrintDialog dialog(printer.get(), parent);
  // A print of one page names that page alone. Setting the bounds turns the
  // page range on, so the option is set after them.
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
