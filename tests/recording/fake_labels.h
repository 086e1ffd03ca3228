#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "expressions/label_reader.h"

namespace korvix {

// Label values from a table, every read kept; a label not in the table
// reads as empty.
class FakeLabels final : public LabelReader {
public:
  std::map<std::string, std::string, std::less<>> values;
  std::vector<std::string> reads;

  void GetLabelValue(std::string& out, std::string_view label, bool) override {
    reads.emplace_back(label);
    const auto found = values.find(label);
    out = found == values.end() ? std::string() : found->second;
  }
};

}  // namespace korvix
