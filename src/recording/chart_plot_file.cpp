#include "recording/chart_plot_file.h"

#include <algorithm>
#include <vector>

#include "recording/time_stamps.h"
#include "texts/label_texts.h"
#include "texts/number_texts.h"

namespace korvix {

namespace {

constexpr std::string_view kHeaderStart = "Date,Time,";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kDateField = "date";
constexpr std::string_view kTimeField = "time";
constexpr char kNoWindowDate[] = "00/00/00";
constexpr char kNoWindowTime[] = "00:00:00.00";
constexpr std::string_view kPlotTooLargeMessage = "Error while writing to Chart Recorder memory.";
constexpr std::size_t kRecallChunk = 4096;

std::vector<std::string_view> Split(std::string_view line, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at = line.find(separator); at != std::string_view::npos; at = line.find(separator, start)) {
    parts.push_back(line.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(line.substr(start));
  return parts;
}

std::string_view WithoutCr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The samples in the order they were taken, round the end of a wrapped
// memory.
std::string RecordedBytes(const ChartMemory& memory, const ChartMemoryBooks& books) {
  const std::string& bytes = memory.Bytes();
  const std::size_t oldest = static_cast<std::size_t>(std::max(books.oldestrec, 0));
  const std::size_t write = static_cast<std::size_t>(std::max(books.writepos, 0));
  if (oldest > bytes.size() || write > bytes.size() || oldest == write) return {};
  if (oldest < write) return bytes.substr(oldest, write - oldest);
  if (books.wrapped == 0) return {};
  return bytes.substr(oldest) + bytes.substr(0, write);
}

// Date and time of one sample line, in the standard form.
StampTexts StampOf(std::string_view line) {
  const std::vector<std::string_view> fields = Split(WithoutCr(line), ',');
  const std::string date(fields[0]);
  const std::string time(fields.size() > 1 ? fields[1] : std::string_view());
  return MsToStamp(StampToMs(date, time));
}

}  // namespace

std::string UnpaddedChartValue(std::string_view value) {
  if (value.find_first_of("/:") != std::string_view::npos) return std::string(value);
  std::string sign;
  if (!value.empty() && value.front() == '-') {
    sign = "-";
    value.remove_prefix(1);
  }
  while (!value.empty() && value.front() == '0') value.remove_prefix(1);
  if (value.empty()) return sign + "0";
  if (value.front() == '.') return sign + "0" + std::string(value);
  return sign + std::string(value);
}

std::string ChartPlotText(const ChartMemory& memory, const ChartMemoryBooks& books, const ChartRecorderRecord& r) {
  return *ChartPlotText(memory, books, r, [](std::size_t) { return true; });
}

std::optional<std::string> ChartPlotText(const ChartMemory& memory, const ChartMemoryBooks& books,
                                         const ChartRecorderRecord& r, const PlotProgress& progress) {
  std::string text(kHeaderStart);
  for (int f = 0; f < r.fields.Count(); ++f) {
    if (f > 0) text += ',';
    text += r.fields[f].label;
  }
  text += kLineEnd;
  const std::string recorded = RecordedBytes(memory, books);
  std::vector<std::string_view> lines = Split(recorded, '\n');
  // The split leaves an empty piece after the last LF.
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  std::size_t done = 0;
  for (std::string_view line : lines) {
    const std::vector<std::string_view> fields = Split(WithoutCr(line), ',');
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (i > 0) text += ',';
      text += UnpaddedChartValue(fields[i]);
    }
    text += kLineEnd;
    done += line.size() + 1;
    if (!progress(done)) return std::nullopt;
  }
  return text;
}

std::optional<std::string> RecallChartPlot(std::string_view text, ChartRecorderRecord& r, ChartMemory& memory,
                                           ChartMemoryBooks& books) {
  return RecallChartPlot(text, r, memory, books, [](std::size_t) { return true; });
}

std::optional<std::string> RecallChartPlot(std::string_view text, ChartRecorderRecord& r, ChartMemory& memory,
                                           ChartMemoryBooks& books, const PlotProgress& progress) {
  if (text.empty()) return std::string(kNoPlotDataMessage);
  const std::size_t headerend = text.find('\n');
  const std::string_view header = WithoutCr(text.substr(0, headerend));
  const std::vector<std::string_view> names = Split(header, ',');
  if (!LabelsEqual(Trimmed(names[0]), kDateField)) return std::string(kNoPlotDateMessage);
  if (names.size() < 2 || !LabelsEqual(Trimmed(names[1]), kTimeField)) return std::string(kNoPlotTimeMessage);
  std::vector<std::string> labels;
  for (std::size_t i = 2; i < names.size(); ++i) labels.emplace_back(Trimmed(names[i]));
  // The comma after the last label ends the header; it names no field.
  if (!labels.empty() && labels.back().empty() && names.back().empty()) labels.pop_back();
  if (labels.size() > static_cast<std::size_t>(kMaxChartRecorderFields)) return std::string(kTooManyPlotFieldsMessage);

  const std::string_view lines = headerend == std::string_view::npos ? std::string_view() : text.substr(headerend + 1);
  std::string samples;
  samples.reserve(lines.size() + kLineEnd.size());
  for (std::size_t at = 0; at < lines.size(); at += kRecallChunk) {
    samples += lines.substr(at, kRecallChunk);
    if (!progress(text.size() - lines.size() + std::min(at + kRecallChunk, lines.size()))) return std::nullopt;
  }
  if (!samples.empty() && samples.back() != '\n') samples += kLineEnd;
  const std::string kept = memory.Bytes();
  if (!memory.Assign(samples)) {
    memory.Assign(kept);
    return std::string(kPlotTooLargeMessage);
  }

  ChartRecorderFieldList fields;
  for (std::size_t n = 0; n < labels.size(); ++n) {
    ChartRecorderField field;
    if (static_cast<int>(n) < r.fields.Count() && r.fields[static_cast<int>(n)].label == labels[n]) {
      field = r.fields[static_cast<int>(n)];
    } else {
      field.label = labels[n];
      field.position = FormatNumberText(r.vdivisions * 50, 2);
    }
    field.order = static_cast<int>(n);
    fields.Add(field);
  }
  r.fields = fields;
  r.windowdate = kNoWindowDate;
  r.windowtime = kNoWindowTime;
  books = {};
  if (samples.empty()) return std::nullopt;

  const std::string_view data = samples;
  const std::size_t lastline = data.rfind('\n', data.size() - 2);
  const StampTexts newest = StampOf(data.substr(lastline == std::string_view::npos ? 0 : lastline + 1));
  const StampTexts oldest = StampOf(data.substr(0, data.find('\n')));
  r.windowdate = r.lastdate = newest.date;
  r.windowtime = r.lasttime = newest.time;
  r.startdate = oldest.date;
  r.starttime = oldest.time;
  books.readmark = books.writepos = static_cast<int>(samples.size());
  return std::nullopt;
}

}  // namespace korvix
