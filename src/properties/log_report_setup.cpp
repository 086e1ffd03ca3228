#include "properties/log_report_setup.h"

#include "properties/data_exchange.h"

namespace korvix {

namespace {

constexpr const char* kInvalidSelectionMessage = "Invalid Dialog Box Selection.";
constexpr const char* kOperationalErrorCaption = "Operational Error";

int ChoiceIndex(int value, std::size_t count) {
  return value >= 0 && static_cast<std::size_t>(value) < count ? value : 0;
}

}  // namespace

std::string ReportMarginName(int index) { return std::to_string(index / 10) + "." + std::to_string(index % 10) + "''"; }

int FontSizeFromIndex(int index) {
  return kReportFontSizes[static_cast<std::size_t>(ChoiceIndex(index, kReportFontSizes.size()))];
}

int IndexFromFontSize(MessageSink& sink, int size) {
  for (std::size_t i = 0; i < kReportFontSizes.size(); ++i) {
    if (kReportFontSizes[i] == size) return static_cast<int>(i);
  }
  sink.Show(kOperationalErrorCaption, kInvalidSelectionMessage, MessageIcon::Stop);
  return 0;
}

LogReportFields LoadLogReportFields(const DataLogSettings& settings, MessageSink& sink) {
  LogReportFields fields;
  fields.margintop = ChoiceIndex(settings.m_reportmargintop, kReportMarginCount);
  fields.marginbottom = ChoiceIndex(settings.m_reportmarginbottom, kReportMarginCount);
  fields.marginleft = ChoiceIndex(settings.m_reportmarginleft, kReportMarginCount);
  fields.marginright = ChoiceIndex(settings.m_reportmarginright, kReportMarginCount);
  fields.headerfont = IndexFromFontSize(sink, settings.m_reportheaderfont);
  fields.bodyfont = IndexFromFontSize(sink, settings.m_reportbodyfont);
  fields.pagefont = IndexFromFontSize(sink, settings.m_reportpagefont);
  fields.headeron = ChoiceIndex(settings.m_reportheaderon, kReportOnPagesNames.size());
  fields.titleson = ChoiceIndex(settings.m_reporttitleson, kReportOnPagesNames.size());
  fields.pagepos = ChoiceIndex(settings.m_reportpagepos, kReportPagePositionNames.size());
  fields.grid = settings.m_reportgrid == 1;
  fields.shading = settings.m_reportshading == 1;
  fields.spacing = ChoiceIndex(settings.m_reportspacing, kReportSpacingNames.size());
  fields.title = settings.m_reporttitle;
  return fields;
}

void StoreLogReportFields(const LogReportFields& fields, DataLogSettings& settings) {
  settings.m_reportmargintop = fields.margintop;
  settings.m_reportmarginbottom = fields.marginbottom;
  settings.m_reportmarginleft = fields.marginleft;
  settings.m_reportmarginright = fields.marginright;
  settings.m_reportheaderfont = FontSizeFromIndex(fields.headerfont);
  settings.m_reportbodyfont = FontSizeFromIndex(fields.bodyfont);
  settings.m_reportpagefont = FontSizeFromIndex(fields.pagefont);
  settings.m_reportheaderon = fields.headeron;
  settings.m_reporttitleson = fields.titleson;
  settings.m_reportpagepos = fields.pagepos;
  settings.m_reportgrid = fields.grid ? 1 : 0;
  settings.m_reportshading = fields.shading ? 1 : 0;
  settings.m_reportspacing = fields.spacing;
  settings.m_reporttitle = fields.title;
}

std::optional<std::string> LogReportFieldsProblem(const LogReportFields& fields) {
  return TextLengthProblem(fields.title, kReportTitleLimit);
}

}  // namespace korvix
