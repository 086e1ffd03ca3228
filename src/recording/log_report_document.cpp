#include "recording/log_report_document.h"

namespace korvix {

bool LogReportDocument::BeginPrinting(const PrintPageMetrics& page) {
  m_printpage = 1;
  m_layout.emplace(m_settings, MeasureLogReport(m_settings, page, m_fonts));
  if (!m_memfile.LoadTextFile(m_path)) return false;
  m_layout->ReadTitles(m_memfile);
  return true;
}

bool LogReportDocument::PreparePage(int page) {
  // Skipped pages move through the file exactly as printing them would.
  for (; m_printpage < page && !m_memfile.AtEnd(); ++m_printpage) m_layout->LayOutPage(m_printpage, m_memfile);
  m_printpage = page;
  return !m_memfile.AtEnd();
}

void LogReportDocument::PrintPage(DeviceContext& dc, int page) {
  DrawReportPage(dc, m_settings, m_layout->LayOutPage(page, m_memfile));
  m_printpage = page + 1;
}

void LogReportDocument::EndPrinting() { m_memfile.Empty(); }

}  // namespace korvix
