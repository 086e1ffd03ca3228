#pragma once

#include <cstdint>
#include <string>

#include "platform/shared_value.h"

namespace korvix {

// What the Run-Loop and its web-log upload thread share while the program
// runs. None of it belongs to the project, so the document does not hold it.
struct WebLogProgress {
  std::string m_weblogpath;  // the data log the upload reads, labels expanded
  SharedValue<int> m_weblogreading;
  SharedValue<int> m_weblogbusy;
  SharedValue<std::uint32_t> m_weblogdone;
  SharedValue<int> m_webloglinelen;
};

}  // namespace korvix
