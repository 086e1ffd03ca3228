#pragma once

#include <map>
#include <string>

#include "expressions/label_reader.h"
#include "texts/label_texts.h"

namespace korvix::testing {

// Label values from a table; a label not in it reads "Error" and is noted.
class MapLabelReader final : public LabelReader {
public:
  std::map<std::string, std::string> values;
  std::vector<std::string> unknown;

  void GetLabelValue(std::string& out, std::string_view label, bool zeroIfEmpty) override {
    for (const auto& [name, value] : values) {
      if (LabelsEqual(name, label)) {
        out = value.empty() && zeroIfEmpty ? "0" : value;
        return;
      }
    }
    unknown.emplace_back(label);
    out = label.empty() ? "" : "Error";
  }
};

}  // namespace korvix::testing
