#pragma once

#include <functional>
#include <string>

#include "document/chart_recorder_record.h"
#include "editorloop/editor_loop.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "recording/chart_memory.h"
#include "recording/chart_plot_file.h"
#include "render/chart_memory_books.h"

class QWidget;

namespace korvix {

class BusyProgress;

// What the plot-file requests reach beyond the record: the recorder's
// samples and the label values that a file name may refer to.
struct ChartPlotAccess {
  std::function<ChartMemory&(int index)> memory;
  std::function<std::string(const std::string& text)> expandlabels;
};

// "Save" and "Recall" of the Chart Recorder editor. Each asks first, then
// works under the busy window while the editors go on being pumped; a
// cancel, a quit or a refused file leaves the old file or the recorder as
// it was.
class ChartPlotRequests {
public:
  ChartPlotRequests(QWidget* mainwindow, EditorLoop& editors, MessageSink& messages, MillisecondClock& clock);

  void Save(const std::string& path, const ChartMemory& memory, const ChartMemoryBooks& books,
            const ChartRecorderRecord& r);
  // True once the file's fields and samples are the recorder's.
  bool Recall(const std::string& path, ChartMemory& memory, ChartMemoryBooks& books, ChartRecorderRecord& r);

private:
  bool Confirmed(const char* caption, const char* question);
  // Shows the position and pumps at most every 100 ms; false once the user
  // cancelled or the program is quitting.
  PlotProgress Progress(BusyProgress& busy);

  QWidget* m_mainwindow;
  EditorLoop& m_editors;
  MessageSink& m_messages;
  MillisecondClock& m_clock;
};

}  // namespace korvix
