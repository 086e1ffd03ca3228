#include "properties/print_label_properties.h"

#include <cctype>

#include "properties/data_exchange.h"
#include "properties/entry_validation.h"

namespace korvix {

namespace {

constexpr const char* kCommaMessage = "This field cannot contain a comma.";

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

}  // namespace

std::string WithoutTrailingBlanks(const std::string& text) {
  std::string result;
  std::string blanks;
  for (char c : text) {
    if (c == ' ' || c == '\t') {
      blanks += c;
      continue;
    }
    if (c != '\r' && c != '\n') result += blanks;
    blanks.clear();
    result += c;
  }
  return result;
}

OkCheck<PrintLabelField> CheckPrintLabelFields(PrintLabelFields& fields, const std::string& namelist,
                                               MessageSink& sink) {
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.barcode, kBarcodeLimit))) return {PrintLabelField::Barcode};
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.text, kLabelTextLimit))) return {PrintLabelField::Text};
  fields.text = WithoutTrailingBlanks(fields.text);
  if (!CheckBraceNames(sink, fields.barcode)) return {PrintLabelField::Barcode};
  if (!WarnUnbracedLabels(sink, fields.barcode, namelist, false)) return {PrintLabelField::Barcode};
  if (fields.barcode.find(',') != std::string::npos) {
    ReportEntryProblem(sink, kCommaMessage);
    return {PrintLabelField::Barcode};
  }
  if (!CheckBraceNames(sink, fields.text)) return {PrintLabelField::Text};
  if (!WarnUnbracedLabels(sink, fields.text, namelist, false)) return {PrintLabelField::Text};
  return {};
}

int FindPrinterEntry(const std::vector<std::string>& printers, const std::string& name) {
  if (name.empty()) return -1;
  const int count = static_cast<int>(printers.size());
  for (int i = 0; i < count; ++i) {
    if (printers[static_cast<size_t>(i)] == name) return i;
  }
  for (int step = 1; step <= count; ++step) {
    const int i = step % count;
    if (StartsWithIgnoringCase(printers[static_cast<size_t>(i)], name)) return i;
  }
  return -1;
}

}  // namespace korvix
