#pragma once

#include <string>

namespace korvix {

// How a field takes what a selector returned.
enum class SelectorInsertion {
  // "Object ID Labels": the braced label replaces the selection.
  LabelReference,
  // A target field: the bare label becomes the whole text.
  TargetLabel,
  // "Math Functions": the function replaces the selection and the caret
  // lands between the two blanks inside its parentheses, ready for the
  // argument.
  MathFunction,
};

// The change to make to a field whose text is `length` characters long with
// the selection [selstart, selend): replace [from, to) by `text`, then put
// the caret at `caret`.
struct FieldChange {
  int from = 0;
  int to = 0;
  std::string text;
  int caret = 0;
  friend bool operator==(const FieldChange&, const FieldChange&) = default;
};

FieldChange PlanSelectorInsertion(SelectorInsertion kind, int length, int selstart, int selend,
                                  const std::string& chosen);

}  // namespace korvix
