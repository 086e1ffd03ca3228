#pragma once

#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "properties/entry_report.h"

namespace korvix {

constexpr const char* kPrintLabelHelpTopic = "f_printlabel.htm";
constexpr int kLabelTextLimit = 1000;
constexpr int kBarcodeLimit = 70;

// What the Print Label dialog edits; list indexes are -1 when nothing is
// chosen.
struct PrintLabelFields {
  std::string printer;
  std::string text;
  int fontindex = -1;
  std::string barcode;
  int barindex = -1;
};

enum class PrintLabelField { Text, Barcode };

// Removes the blanks at the end of every line of the label text, then
// checks the bar code before the text.
OkCheck<PrintLabelField> CheckPrintLabelFields(PrintLabelFields& fields, const std::string& namelist,
                                               MessageSink& sink);

std::string WithoutTrailingBlanks(const std::string& text);

// The printer list's entry for a stored name: the entry of exactly that
// name, else the first one after the first entry (wrapping round) that
// begins with it, case ignored; -1 when none does or no name is stored.
int FindPrinterEntry(const std::vector<std::string>& printers, const std::string& name);

}  // namespace korvix
