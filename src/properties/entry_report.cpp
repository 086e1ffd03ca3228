#include "properties/entry_report.h"

namespace korvix {

bool ReportEntryProblem(MessageSink& sink, const std::optional<std::string>& problem) {
  if (!problem) return true;
  sink.Show(kEntryErrorCaption, *problem, MessageIcon::Exclamation);
  return false;
}

}  // namespace korvix
