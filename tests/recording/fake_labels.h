#pragma once

#include <map>
#include <string>
#include <vector>

#include "recording/label_reader.h"

namespace korvix {

// Label values from a table; every read is kept, and file names expand to
// themselves with "{dir}" replaced.
class FakeLabels final : public LabelReader {
public:
  std::map<std::string, std::string> values;
  std::vector<std::string> reads;
  std::string dir;

  std::string GetLabelValue(const std::string& label) override {
    reads.push_back(label);
    const auto found = values.find(label);
    return found == values.end() ? std::string() : found->second;
  }
  std::string ExpandLabelRefs(const std::string& text) override {
    std::string expanded = text;
    const std::string ref = "{dir}";
    for (auto at = expanded.find(ref); at != std::string::npos; at = expanded.find(ref)) expanded.replace(at, ref.size(), dir);
    return expanded;
  }
};

}  // namespace korvix
