#include "executors/unavailable_actions.h"

namespace korvix {
namespace {

constexpr const char* kNotAvailableCaption = "Operational Error";
constexpr const char* kEmailNotAvailable =
    "Sending e-mail reports is not available in this version of Korvix. \rNo e-mail was sent to ";
constexpr const char* kPrintNotAvailable =
    "Printing labels is not available in this version of Korvix. \rNo label was printed.";

}  // namespace

void UnavailableEmail::SendEmailReport(const std::string& address, const std::string&) {
  m_sink.Show(kNotAvailableCaption, kEmailNotAvailable + address + ".", MessageIcon::Exclamation);
}

void UnavailablePrinter::PrintLabel(const std::string&, const std::string&, int, const std::string&, int) {
  m_sink.Show(kNotAvailableCaption, kPrintNotAvailable, MessageIcon::Exclamation);
}

}  // namespace korvix
