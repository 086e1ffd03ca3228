#pragma once

#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "executors/outside_actions.h"
#include "platform/message_sink.h"

class QWidget;

namespace korvix {

// The values of a "Print Label" action.
struct PrintLabelAction {
  std::string printer;
  std::string text;
  std::string barcode;
  int fontsize = 0;  // tenths of a point
  int barsize = 0;   // mils
};

// The dialogs that the editors of Function Selectors, Push Buttons, Button
// Arrays, Input Windows and Script steps open for an action: each works on
// a copy of the action's texts and writes them back only when the user
// accepts, which is what they return.

// "Send Email"; `reports` sends the dialog's test mail.
bool EditEmailAction(QWidget* parent, MessageSink& messages, CKorvixDoc& doc, EmailReporter& reports,
                     std::string& address, std::string& text);

// "Print Label" over the printers installed here, or over `printers`.
bool EditPrintLabelAction(QWidget* parent, MessageSink& messages, const CKorvixDoc& doc, PrintLabelAction& action);
bool EditPrintLabelAction(QWidget* parent, MessageSink& messages, const CKorvixDoc& doc, PrintLabelAction& action,
                          const std::vector<std::string>& printers);

std::vector<std::string> InstalledPrinterNames();

}  // namespace korvix
