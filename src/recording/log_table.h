#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/millisecond_clock.h"
#include "platform/text_mem_file.h"

namespace korvix {

// A loaded data log as the view shows it: the header's titles and each
// record's fields.
struct LogTable {
  std::vector<std::string> titles;
  std::vector<std::vector<std::string>> rows;
};

constexpr uint32_t kLogTableServiceMs = 100;

// Reads the whole of a loaded log. `service` gets the read position before
// a field whenever kLogTableServiceMs have passed since it last ran (or the
// reading began) and answers whether to go on; false stops the reading,
// and ReadLogTable answers false. An empty log has no titles and no rows.
bool ReadLogTable(TextMemFile& memfile, MillisecondClock& clock, LogTable& table,
                  const std::function<bool(std::size_t position)>& service);

}  // namespace korvix
