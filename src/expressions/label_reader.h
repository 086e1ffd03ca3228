#pragma once

#include <string>
#include <string_view>

namespace korvix {

// Reads the current value text of an ID Label or reserved name. The label
// values of the running project implement it; expressions only read.
class LabelReader {
public:
  virtual ~LabelReader() = default;
  // zeroIfEmpty: an empty numeric value reads as a zero in its object's shape.
  virtual void GetLabelValue(std::string& out, std::string_view label, bool zeroIfEmpty) = 0;
};

}  // namespace korvix
