#include "expressions/label_refs.h"

#include "texts/label_texts.h"

namespace korvix {
namespace {

// Calls literal(piece) and reference(label) for the parts of the text in
// order; the text after the last complete reference is literal.
template <class Literal, class Reference>
void WalkReferences(std::string_view text, Literal literal, Reference reference) {
  size_t i = 0;
  while (i < text.size()) {
    const size_t open = text.find('{', i);
    const size_t close = open == std::string_view::npos ? open : text.find('}', open + 1);
    if (close == std::string_view::npos) {
      literal(text.substr(i));
      return;
    }
    literal(text.substr(i, open - i));
    reference(text.substr(open + 1, close - open - 1));
    i = close + 1;
  }
}

}  // namespace

std::string ExpandLabelRefs(std::string_view text, LabelReader& reader, bool zeroIfEmpty) {
  std::string out;
  std::string value;
  WalkReferences(
      text, [&](std::string_view piece) { out += ExpandCharCodes(piece); },
      [&](std::string_view label) {
        value.clear();
        reader.GetLabelValue(value, label, zeroIfEmpty);
        out += value;
      });
  return out;
}

std::string LabelKey(std::string_view label) {
  std::string key;
  key.reserve(label.size());
  for (const char c : label) {
    if (c == ' ') continue;
    key.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
  }
  return key;
}

std::vector<std::string> ReferencedLabels(std::string_view text) {
  std::vector<std::string> labels;
  WalkReferences(
      text, [](std::string_view) {}, [&](std::string_view label) { labels.emplace_back(label); });
  return labels;
}

}  // namespace korvix
