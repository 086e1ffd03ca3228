#include "recording/log_report.h"

#include <algorithm>

namespace korvix {

namespace {

constexpr int kScreenDpi = 96;
constexpr int kReferencePointTenths = 80;
constexpr int kTenthsPerInch = 10;
constexpr Colour kShadeColour = Grey(192);
constexpr const char* kPagePrefix = "Page ";
constexpr std::string_view kLineBreak = "\r\n";

enum PagePosition { kNowhere, kTopLeft, kTopMid, kTopRight, kBottomLeft, kBottomMid, kBottomRight };
enum Spacing { kSingle, kOneAndHalf, kDouble };
enum OnPages { kNoPages, kFirstPage, kEveryPage };

bool OnThisPage(int setting, int page) { return setting == kEveryPage || (setting == kFirstPage && page == 1); }

int LineCount(std::string_view text) {
  if (text.empty()) return 0;
  int lines = 1;
  for (std::size_t at = text.find(kLineBreak); at != std::string_view::npos; at = text.find(kLineBreak, at + 2))
    ++lines;
  return lines;
}

TextFormat PageNumberAlignment(int position) {
  switch (position) {
    case kTopLeft:
    case kBottomLeft: return TextFormat::Left;
    case kTopRight:
    case kBottomRight: return TextFormat::Right;
    default: return TextFormat::Centre;
  }
}

}  // namespace

Font ReportFont(const DataLogSettings& settings, ReportFace face) {
  switch (face) {
    case ReportFace::Header: return {std::string(kFaceTimesNewRoman), settings.m_reportheaderfont};
    case ReportFace::PageNumber: return {std::string(kFaceArial), settings.m_reportpagefont};
    case ReportFace::Body: break;
  }
  return {std::string(kFaceArialUnicode), settings.m_reportbodyfont};
}

LogReportMeasures MeasureLogReport(const DataLogSettings& settings, const PrintPageMetrics& page, FontMeasure& fonts) {
  LogReportMeasures measures;
  measures.page = page;
  measures.headerline = fonts.LineHeight(ReportFont(settings, ReportFace::Header), page.dpiy);
  measures.pageline = fonts.LineHeight(ReportFont(settings, ReportFace::PageNumber), page.dpiy);
  measures.bodyline = fonts.LineHeight(ReportFont(settings, ReportFace::Body), page.dpiy);
  measures.bodyaverage = fonts.AverageCharWidth(ReportFont(settings, ReportFace::Body), page.dpix);
  measures.screenaverage =
      std::max(1, fonts.AverageCharWidth({std::string(kFaceArialUnicode), kReferencePointTenths}, kScreenDpi));
  return measures;
}

LogReportLayout::LogReportLayout(const DataLogSettings& settings, const LogReportMeasures& measures)
    : m_settings(settings), m_measures(measures) {}

void LogReportLayout::ReadTitles(TextMemFile& memfile) {
  m_titles.clear();
  while (!memfile.AtEnd()) {
    std::string field = memfile.ReadMemFileLine();
    if (field == kEndOfLineMark) break;
    if (m_titles.size() < static_cast<std::size_t>(kMaxTitles)) m_titles.push_back(std::move(field));
  }
}

int LogReportLayout::ColumnWidth(int column) const {
  return m_settings.m_logcolwidth[static_cast<std::size_t>(column)] * m_measures.bodyaverage / m_measures.screenaverage;
}

int LogReportLayout::RowHeight() const {
  const int line = m_measures.bodyline;
  if (m_settings.m_reportspacing == kOneAndHalf) return line + line / 2;
  if (m_settings.m_reportspacing == kDouble) return 2 * line;
  return line;
}

ReportPage LogReportLayout::LayOutPage(int page, TextMemFile& memfile) const {
  const PrintPageMetrics& metrics = m_measures.page;
  const int top = metrics.dpiy * m_settings.m_reportmargintop / kTenthsPerInch;
  int bottom = metrics.height - metrics.dpiy * m_settings.m_reportmarginbottom / kTenthsPerInch;
  const int left = metrics.dpix * m_settings.m_reportmarginleft / kTenthsPerInch;
  const int right = metrics.width - metrics.dpix * m_settings.m_reportmarginright / kTenthsPerInch;
  const int position = m_settings.m_reportpagepos;
  const bool numberontop = position >= kTopLeft && position <= kTopRight;
  const bool numberatbottom = position >= kBottomLeft && position <= kBottomRight;

  ReportPage out;
  int y = top;
  if (OnThisPage(m_settings.m_reportheaderon, page)) {
    const int headerline = m_measures.headerline;
    const Rect rect{left, y, right, y + LineCount(m_settings.m_reporttitle) * headerline};
    out.texts.push_back(
        {ReportFace::Header, rect, m_settings.m_reporttitle, TextFormat::Centre | TextFormat::NoPrefix});
    y = rect.bottom + (numberontop ? headerline / 3 : headerline);
  }
  const int pageline = m_measures.pageline;
  const TextFormat numberformat = PageNumberAlignment(position) | TextFormat::SingleLine | TextFormat::VCentre;
  const std::string number = kPagePrefix + std::to_string(page);
  if (numberontop) {
    out.texts.push_back({ReportFace::PageNumber, {left, y, right, y + pageline}, number, numberformat});
    y += 2 * pageline;
  } else if (numberatbottom) {
    const Rect rect{left, bottom - pageline, right, bottom};
    out.texts.push_back({ReportFace::PageNumber, rect, number, numberformat});
    bottom = rect.top - pageline / 2;
  }

  const int rowheight = RowHeight();
  if (OnThisPage(m_settings.m_reporttitleson, page)) {
    int x = left;
    for (std::size_t i = 0; i < m_titles.size(); ++i) {
      const int width = ColumnWidth(static_cast<int>(i));
      out.cells.push_back({{x, y, x + width, y + rowheight}, m_titles[i], false});
      x += width;
    }
    y += 2 * rowheight;
  }

  for (int row = 0; !memfile.AtEnd(); ++row) {
    const bool shaded = m_settings.m_reportshading == 1 && row % 2 == 0;
    int x = left;
    for (int column = 0;; ++column) {
      std::string field = memfile.ReadMemFileLine();
      if (field == kEndOfLineMark) break;
      // A value holding a comma adds fields; past the last width they have
      // no column to go in.
      if (column >= kLogColumnCount) continue;
      const int width = ColumnWidth(column);
      out.cells.push_back({{x, y, x + width, y + rowheight}, std::move(field), shaded});
      x += width;
    }
    y += rowheight;
    if (y + rowheight > bottom) break;
  }
  return out;
}

void DrawReportPage(DeviceContext& dc, const DataLogSettings& settings, const ReportPage& page) {
  dc.SaveState();
  dc.SetTextColour(0);
  dc.SetBackgroundMode(BackgroundMode::Transparent);
  for (const ReportText& text : page.texts) {
    dc.SelectFont(ReportFont(settings, text.face));
    dc.DrawText(text.text, text.rect, text.format);
  }
  dc.SelectFont(ReportFont(settings, ReportFace::Body));
  dc.SelectPen(SolidPen(1, 0));
  dc.SelectBrush(NullBrush());
  constexpr TextFormat kCellFormat =
      TextFormat::Centre | TextFormat::VCentre | TextFormat::SingleLine | TextFormat::NoPrefix;
  for (const ReportCell& cell : page.cells) {
    if (cell.shaded) dc.FillRect(cell.rect, kShadeColour);
    if (settings.m_reportgrid == 1) dc.Rectangle(cell.rect);
    dc.DrawText(cell.text, cell.rect, kCellFormat);
  }
  dc.RestoreState();
}

}  // namespace korvix
