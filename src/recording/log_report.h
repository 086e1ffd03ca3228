#pragma once

#include <string>
#include <vector>

#include "document/settings_blocks.h"
#include "platform/text_mem_file.h"
#include "render/device_context.h"
#include "render/font_measure.h"
#include "render/print_job.h"

namespace korvix {

enum class ReportFace { Header, PageNumber, Body };

Font ReportFont(const DataLogSettings& settings, ReportFace face);

// Everything the page layout needs to know about the printer and the fonts.
struct LogReportMeasures {
  PrintPageMetrics page;
  int headerline = 0;
  int pageline = 0;
  int bodyline = 0;
  int bodyaverage = 0;    // average character width of the body font on the printer
  int screenaverage = 1;  // the same of the 8-point body face on the screen, which column widths count in
};

LogReportMeasures MeasureLogReport(const DataLogSettings& settings, const PrintPageMetrics& page, FontMeasure& fonts);

struct ReportText {
  ReportFace face;
  Rect rect;
  std::string text;
  TextFormat format;
};

struct ReportCell {
  Rect rect;
  std::string text;
  bool shaded = false;
};

// One page as laid out: the header and page number, and the body cells (the
// titles' and the rows').
struct ReportPage {
  std::vector<ReportText> texts;
  std::vector<ReportCell> cells;
};

// The pages of the report over a loaded log, one after the other. Laying a
// page out reads its rows, so pages are laid out in order, drawn or not.
class LogReportLayout {
public:
  static constexpr int kMaxTitles = kLogColumnCount;

  LogReportLayout(const DataLogSettings& settings, const LogReportMeasures& measures);

  // The header line of a freshly loaded log; titles past the last column
  // width are read over.
  void ReadTitles(TextMemFile& memfile);
  const std::vector<std::string>& Titles() const { return m_titles; }

  // Page `page`, reading as many rows as fit.
  ReportPage LayOutPage(int page, TextMemFile& memfile) const;

  // The printed width of column `column`.
  int ColumnWidth(int column) const;
  int RowHeight() const;

private:
  int HeaderBottom(ReportPage& out, int y) const;

  const DataLogSettings& m_settings;
  LogReportMeasures m_measures;
  std::vector<std::string> m_titles;
};

void DrawReportPage(DeviceContext& dc, const DataLogSettings& settings, const ReportPage& page);

}  // namespace korvix
