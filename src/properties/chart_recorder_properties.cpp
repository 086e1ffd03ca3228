#include "properties/chart_recorder_properties.h"

#include <algorithm>

#include "properties/data_exchange.h"
#include "properties/entry_validation.h"
#include "properties/property_choices.h"
#include "properties/shared_checks.h"
#include "render/chart/chart_steps.h"
#include "texts/number_texts.h"

namespace korvix {

namespace {

constexpr int kHalfDivisionsPercent = 50;

int DivisionsIndex(int divisions) {
  return divisions >= 2 && divisions <= 20 && divisions % 2 == 0 ? divisions / 2 - 1 : -1;
}
int DivisionsOf(int index, int current) { return index < 0 ? current : 2 * index + 2; }

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int FieldOnLine(const ChartRecorderRecord& r, int line) {
  for (int f = 0; f < r.fields.Count(); ++f)
    if (r.fields[f].order == line) return f;
  return -1;
}

}  // namespace

ChartRecorderSettings LoadChartRecorderSettings(const ChartRecorderRecord& r) {
  ChartRecorderSettings s;
  s.plotfile = r.plotfile;
  s.fontsize = FontSizeIndex(r.sizecode);
  s.hdivsel = DivisionsIndex(r.hdivisions);
  s.vdivsel = DivisionsIndex(r.vdivisions);
  s.scanrate = static_cast<unsigned>(std::max(r.scanrate, 0));
  s.spanunit = r.spanunit >= 0 && r.spanunit <= 3 ? r.spanunit : -1;
  s.span = r.span;
  s.idlabel = r.idlabel;
  s.autostart = r.autostart;
  return s;
}

OkCheck<ChartRecorderEntry> CheckChartRecorderEntries(ChartRecorderSettings& settings, std::string_view scanrate,
                                                      std::string_view span, MessageSink& sink) {
  if (!ReportEntryProblem(sink, TextLengthProblem(settings.plotfile, kLabelFieldLimit)))
    return {ChartRecorderEntry::PlotFile};
  if (!ReportEntryProblem(sink, PositiveIntegerEntryProblem(scanrate)) ||
      !ReportEntryProblem(sink, IntegerRangeProblem(scanrate, kMinChartScanRate, kMaxChartScanRate)))
    return {ChartRecorderEntry::ScanRate};
  if (!ReportEntryProblem(sink, IntegerEntryProblem(span)) ||
      !ReportEntryProblem(sink, IntegerRangeProblem(span, kMinChartSpan, kMaxChartSpan)))
    return {ChartRecorderEntry::Span};
  if (!ReportEntryProblem(sink, TextLengthProblem(settings.idlabel, kLabelFieldLimit)))
    return {ChartRecorderEntry::IdLabel};
  settings.scanrate = static_cast<unsigned>(*ParseIntegerEntry(scanrate));
  settings.span = *ParseIntegerEntry(span);
  settings.idlabel = TrimEntry(settings.idlabel);
  if (!CheckIdLabel(sink, settings.idlabel)) return {ChartRecorderEntry::IdLabel};
  if (!CheckBraceNames(sink, settings.plotfile)) return {ChartRecorderEntry::PlotFile};
  return {};
}

void StoreChartRecorderSettings(ChartRecorderSettings settings, ChartRecorderRecord& r) {
  r.idlabel = settings.idlabel;
  r.plotfile = Trimmed(settings.plotfile);
  r.sizecode = FontSizeCode(settings.fontsize, r.sizecode);
  r.hdivisions = DivisionsOf(settings.hdivsel, r.hdivisions);
  if (r.cursortime != 0) PlaceChartCursors(r, r.hdivisions);
  r.vdivisions = DivisionsOf(settings.vdivsel, r.vdivisions);
  if (r.cursorunits != 0) PlaceChartCursors(r, r.vdivisions);
  r.scanrate = static_cast<int>(settings.scanrate);
  r.autostart = settings.autostart;
  r.span = settings.span;
  if (settings.spanunit >= 0) r.spanunit = settings.spanunit;
}

double ChartRecorderHeightFactor(const ChartRecorderRecord& r, int objectheight, int cellheight) {
  const int minimum = static_cast<int>(1.5 * cellheight) + r.fields.Count() * static_cast<int>(2.1 * cellheight);
  if (objectheight >= minimum || cellheight <= 0) return r.heightfactor;
  return static_cast<double>(minimum) / cellheight;
}

std::vector<std::string> ChartFieldLines(const ChartRecorderRecord& r) {
  std::vector<std::string> lines;
  for (int line = 0; line < r.fields.Count(); ++line) {
    const int f = FieldOnLine(r, line);
    if (f >= 0) lines.push_back(r.fields[f].label);
  }
  return lines;
}

bool AddChartField(ChartRecorderRecord& r, const std::string& label) {
  if (r.fields.Count() >= kMaxChartRecorderFields) return false;
  ChartRecorderField field;
  field.label = label;
  field.order = r.fields.Count();
  field.colour = kColorRed;
  field.unitdiv = "10.0";
  field.position = FormatNumberText(r.vdivisions * kHalfDivisionsPercent, 2);
  r.fields.Add(field);
  return true;
}

bool RemoveChartField(ChartRecorderRecord& r, int line) {
  const int f = FieldOnLine(r, line);
  if (f < 0) return false;
  r.fields.Remove(f);
  for (int k = 0; k < r.fields.Count(); ++k)
    if (r.fields[k].order > line) --r.fields[k].order;
  return true;
}

bool MoveChartField(ChartRecorderRecord& r, int line, int direction) {
  const int f = FieldOnLine(r, line);
  const int g = FieldOnLine(r, line + direction);
  if (f < 0 || g < 0) return false;
  std::swap(r.fields[f].order, r.fields[g].order);
  return true;
}

bool FollowChartFieldColour(ChartRecorderRecord& r, int line, int& remembered, int& colour) {
  const int f = FieldOnLine(r, line);
  if (f < 0) {
    remembered = -1;
    return false;
  }
  ChartRecorderField& field = r.fields[f];
  if (line != remembered) {
    remembered = line;
    colour = field.colour;
    return false;
  }
  if (field.colour == colour) return false;
  field.colour = colour;
  return true;
}

}  // namespace korvix
