#pragma once

#include <optional>
#include <string>

#include "recording/log_report.h"

namespace korvix {

// The data log printed as the paged "Data Log Report": the file is loaded
// whole when printing begins, so the report shows it as it was then, and
// freed when printing ends.
class LogReportDocument final : public PrintedDocument {
public:
  // `path` has its label references expanded already.
  LogReportDocument(const DataLogSettings& settings, std::string path, TextMemFile& memfile, FontMeasure& fonts)
      : m_settings(settings), m_path(std::move(path)), m_memfile(memfile), m_fonts(fonts) {}

  bool BeginPrinting(const PrintPageMetrics& page) override;
  bool PreparePage(int page) override;
  void PrintPage(DeviceContext& dc, int page) override;
  void EndPrinting() override;

private:
  const DataLogSettings& m_settings;
  std::string m_path;
  TextMemFile& m_memfile;
  FontMeasure& m_fonts;
  std::optional<LogReportLayout> m_layout;
  int m_printpage = 1;  // the next page to be laid out
};

}  // namespace korvix
