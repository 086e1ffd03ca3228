#pragma once

#include "render/device_context.h"

namespace korvix {

// The printable area of a printer page in device pixels, measured from its
// top-left corner, and the printer's resolution.
struct PrintPageMetrics {
  int width = 0;
  int height = 0;
  int dpix = 0;
  int dpiy = 0;
};

// One document on one printer. Nothing reaches the printer before the first
// StartPage, so a job that prints no page leaves no document behind.
class PrintJob {
public:
  virtual ~PrintJob() = default;
  virtual PrintPageMetrics Metrics() = 0;
  // The context of a fresh page; null when the printer refuses it.
  virtual DeviceContext* StartPage() = 0;
  // False: the page could not be finished and the job must be aborted.
  virtual bool EndPage() = 0;
  // False: the finished document could not be handed over.
  virtual bool EndDoc() = 0;
  virtual void Abort() = 0;
};

// A document as the print loop drives it.
class PrintedDocument {
public:
  virtual ~PrintedDocument() = default;
  // False: there is nothing to print (the reason has been reported).
  virtual bool BeginPrinting(const PrintPageMetrics& page) = 0;
  // Whether page `page` has anything to print. Pages before it that the loop
  // skips (a chosen range) are laid out here, so the page starts where it
  // would in a complete print.
  virtual bool PreparePage(int page) = 0;
  virtual void PrintPage(DeviceContext& dc, int page) = 0;
  virtual void EndPrinting() = 0;
};

// Pages `first` to `last`, counted from 1; a `last` of 0 runs to the end.
struct PageRange {
  int first = 1;
  int last = 0;
};

enum class PrintOutcome { Printed, NothingToPrint, Failed };

// The print loop: every page of the range that has something on it, in
// order, as one document. EndPrinting runs whenever BeginPrinting succeeded.
PrintOutcome PrintDocument(PrintJob& job, PrintedDocument& document, PageRange range);

}  // namespace korvix
