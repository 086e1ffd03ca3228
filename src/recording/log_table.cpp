#include "recording/log_table.h"

namespace korvix {

bool ReadLogTable(TextMemFile& memfile, MillisecondClock& clock, LogTable& table,
                  const std::function<bool(std::size_t position)>& service) {
  table = {};
  // End of data is tested first: an empty log has no header to read.
  while (!memfile.AtEnd()) {
    std::string field = memfile.ReadMemFileLine();
    if (field == kEndOfLineMark) break;
    table.titles.push_back(std::move(field));
  }
  uint32_t serviced = clock.Now();
  while (!memfile.AtEnd()) {
    std::vector<std::string>& row = table.rows.emplace_back();
    for (;;) {
      if (ElapsedMs(clock.Now(), serviced) >= kLogTableServiceMs) {
        if (!service(memfile.Position())) return false;
        serviced = clock.Now();
      }
      std::string field = memfile.ReadMemFileLine();
      if (field == kEndOfLineMark) break;
      row.push_back(std::move(field));
    }
  }
  return true;
}

}  // namespace korvix
