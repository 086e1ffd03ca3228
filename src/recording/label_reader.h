#pragma once

#include <string>

namespace korvix {

// What recording needs of the label values: the current value text of an ID
// Label or reserved name, and file names with their label references and
// character codes expanded.
class LabelReader {
public:
  virtual ~LabelReader() = default;
  virtual std::string GetLabelValue(const std::string& label) = 0;
  virtual std::string ExpandLabelRefs(const std::string& text) = 0;
};

}  // namespace korvix
