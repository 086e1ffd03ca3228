#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/chart_recorder_record.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"

namespace korvix {

constexpr const char* kChartRecorderHelpTopic = "ChartRecorder.htm";
constexpr int kMinChartScanRate = 10;
constexpr int kMaxChartScanRate = 9999999;
constexpr int kMinChartSpan = 1;
constexpr int kMaxChartSpan = 9999;

// What the Chart Recorder dialog's settings show; combo indexes are -1
// when nothing is chosen. Divisions are offered as 2, 4, ... 20.
struct ChartRecorderSettings {
  std::string plotfile;
  int fontsize = -1;
  int hdivsel = -1;
  int vdivsel = -1;
  unsigned scanrate = 0;
  int spanunit = -1;
  int span = 0;
  std::string idlabel;
  int autostart = 0;
};

ChartRecorderSettings LoadChartRecorderSettings(const ChartRecorderRecord& r);

// The dialog's edits that "Close" refuses, in the order it checks them.
enum class ChartRecorderEntry { PlotFile, ScanRate, Span, IdLabel };

// "Close"'s checks of the edits: the texts of Scan Rate and Span go into
// `settings` as numbers and the ID Label is trimmed once they pass.
OkCheck<ChartRecorderEntry> CheckChartRecorderEntries(ChartRecorderSettings& settings, std::string_view scanrate,
                                                      std::string_view span, MessageSink& sink);

// "Close": the settings go into the record; a cursor mode that is on puts
// its cursors 35 % and 65 % of the way along its new divisions. Blanks
// around the plot file name are trimmed.
void StoreChartRecorderSettings(ChartRecorderSettings settings, ChartRecorderRecord& r);

// The recorder grows to hold a legend card per field: the height factor
// that makes it tall enough at cell height `cellheight`, or its own when it
// already is.
double ChartRecorderHeightFactor(const ChartRecorderRecord& r, int objectheight, int cellheight);

// "Current Data Fields", line by line in display order.
std::vector<std::string> ChartFieldLines(const ChartRecorderRecord& r);

// Appends a field in red at 10.0 units a division, centred; false when the
// recorder already has ten. A change of fields makes the recorded samples
// meaningless, so the caller empties them.
bool AddChartField(ChartRecorderRecord& r, const std::string& label);
// Removes the field on display line `line`; false when there is none.
bool RemoveChartField(ChartRecorderRecord& r, int line);
// Swaps the fields on display lines `line` and `line + direction`; false
// when either is missing. The samples stay valid.
bool MoveChartField(ChartRecorderRecord& r, int line, int direction);

// The swatch shows the colour of the field selected on `line` (-1: none),
// and a colour picked in it while that field stays selected becomes the
// field's. `remembered` is the line the swatch showed last. True when the
// field's colour changed.
bool FollowChartFieldColour(ChartRecorderRecord& r, int line, int& remembered, int& colour);

}  // namespace korvix
