#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "document/chart_recorder_record.h"
#include "recording/chart_memory.h"
#include "render/chart_memory_books.h"

namespace korvix {

inline constexpr std::string_view kNoPlotDataMessage = "File does not contain any data.";
inline constexpr std::string_view kNoPlotDateMessage = "Illegal file format. No date found";
inline constexpr std::string_view kNoPlotTimeMessage = "Illegal file format. No time found";
inline constexpr std::string_view kTooManyPlotFieldsMessage = "Illegal file format. More than 10 data fields found";

// A recorded value as a plot file shows it: stamps unchanged, numbers
// without the zeros the memory pads them with ("0005" is 5, "-012" is -12,
// "01.5" is 1.5, "-000" is -0), other texts unchanged.
std::string UnpaddedChartValue(std::string_view value);

// The whole plot file of a recorder: the header "Date,Time," with the
// fields' labels, then its samples from the oldest complete one to the
// newest, every line ended by CR LF.
std::string ChartPlotText(const ChartMemory& memory, const ChartMemoryBooks& books, const ChartRecorderRecord& r);

// Told how many bytes of the samples are done, between records or chunks;
// false stops the work.
using PlotProgress = std::function<bool(std::size_t done)>;

// As above, asking `progress` after every record; nothing once it stopped.
std::optional<std::string> ChartPlotText(const ChartMemory& memory, const ChartMemoryBooks& books,
                                         const ChartRecorderRecord& r, const PlotProgress& progress);

// Takes a plot file's text into the recorder: its header's labels become
// the data fields (a label that stays in its slot keeps its colour and
// scales), its lines the samples, and the window shows the newest one. The
// header is read tolerantly (blanks and case do not matter in "Date" and
// "Time", a header ended by LF alone keeps its last label) and a last line
// without a line end gets one. A refused file leaves recorder and memory as
// they were and gives the message.
std::optional<std::string> RecallChartPlot(std::string_view text, ChartRecorderRecord& r, ChartMemory& memory,
                                           ChartMemoryBooks& books);

// As above, asking `progress` after every 4096 bytes of samples with the
// bytes of `text` done; once it
// stopped, recorder and memory stay as they were and there is no message.
std::optional<std::string> RecallChartPlot(std::string_view text, ChartRecorderRecord& r, ChartMemory& memory,
                                           ChartMemoryBooks& books, const PlotProgress& progress);

}  // namespace korvix
