#pragma once

#include <QPrinter>

#include <memory>

#include "render/chart/chart_recorder_print.h"
#include "ui/printer_chooser.h"

class QWidget;

namespace korvix {

// The print dialog of a one-page print: every page, nothing to choose among
// them, and printing to a PDF file kept among the printers.
std::unique_ptr<QPrinter> ChooseChartPrinterByDialog(QWidget* parent);

// Prints a Chart Recorder's page on the printer the user picks. A cancelled
// dialog, or a printer that cannot start the document, prints and says
// nothing; a page the printer cannot finish aborts the document.
void PrintChartRecorder(QWidget* parent, const PrinterChooser& chooser, ChartRecorderPrint& document);

}  // namespace korvix
