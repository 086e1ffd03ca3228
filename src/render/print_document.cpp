#include "render/print_job.h"

namespace korvix {

namespace {

PrintOutcome PrintPages(PrintJob& job, PrintedDocument& document, PageRange range) {
  bool started = false;
  for (int page = range.first < 1 ? 1 : range.first; range.last == 0 || page <= range.last; ++page) {
    if (!document.PreparePage(page)) break;
    DeviceContext* dc = job.StartPage();
    if (dc == nullptr) {
      if (started) job.Abort();
      return PrintOutcome::Failed;
    }
    started = true;
    document.PrintPage(*dc, page);
    if (!job.EndPage()) {
      job.Abort();
      return PrintOutcome::Failed;
    }
  }
  if (!started) return PrintOutcome::NothingToPrint;
  return job.EndDoc() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace

PrintOutcome PrintDocument(PrintJob& job, PrintedDocument& document, PageRange range) {
  if (!document.BeginPrinting(job.Metrics())) return PrintOutcome::NothingToPrint;
  const PrintOutcome outcome = PrintPages(job, document, range);
  document.EndPrinting();
  return outcome;
}

}  // namespace korvix
