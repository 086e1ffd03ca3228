#pragma once

#include "render/chart/chart_recorder_print.h"
#include "ui/printer_chooser.h"

class QWidget;

namespace korvix {

// Prints a Chart Recorder's page on the printer the user picks. A cancelled
// dialog, or a printer that cannot start the document, prints and says
// nothing; a page the printer cannot finish aborts the document.
void PrintChartRecorder(QWidget* parent, const PrinterChooser& chooser, ChartRecorderPrint& document);

}  // namespace korvix
