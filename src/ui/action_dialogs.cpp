#include "ui/action_dialogs.h"

#include <QPrinterInfo>

#include "properties/name_list.h"
#include "recording/label_sizes.h"
#include "ui/email_dlg.h"
#include "ui/latin1.h"
#include "ui/print_label_dlg.h"

namespace korvix {

bool EditEmailAction(QWidget* parent, MessageSink& messages, CKorvixDoc& doc, EmailReporter& reports,
                     std::string& address, std::string& text) {
  CEmailDlg dialog(parent, messages, doc, reports, EmailFields{address, text}, BuildNameList(doc));
  if (dialog.exec() != QDialog::Accepted) return false;
  const EmailFields fields = dialog.Fields();
  address = fields.address;
  text = fields.text;
  return true;
}

bool EditPrintLabelAction(QWidget* parent, MessageSink& messages, const CKorvixDoc& doc, PrintLabelAction& action) {
  return EditPrintLabelAction(parent, messages, doc, action, InstalledPrinterNames());
}

bool EditPrintLabelAction(QWidget* parent, MessageSink& messages, const CKorvixDoc& doc, PrintLabelAction& action,
                          const std::vector<std::string>& printers) {
  PrintLabelFields fields;
  fields.printer = action.printer;
  fields.text = action.text;
  fields.fontindex = FontSizeIndex(action.fontsize, messages);
  fields.barcode = action.barcode;
  fields.barindex = BarSizeIndex(action.barsize, messages);
  CPrintLabelDlg dialog(parent, messages, fields, BuildNameList(doc), printers);
  if (dialog.exec() != QDialog::Accepted) return false;
  fields = dialog.Fields();
  action.printer = fields.printer;
  action.text = fields.text;
  action.fontsize = FontSizeFromIndex(fields.fontindex, messages);
  action.barcode = fields.barcode;
  action.barsize = BarSizeFromIndex(fields.barindex, messages);
  return true;
}

std::vector<std::string> InstalledPrinterNames() {
  std::vector<std::string> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) names.push_back(FromQString(name));
  return names;
}

}  // namespace korvix
