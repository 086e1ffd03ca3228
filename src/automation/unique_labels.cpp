#include "automation/unique_labels.h"

#include "texts/label_texts.h"

namespace korvix {

namespace {

template <class List>
bool TakenByOther(const List& list, std::string_view label, int leaveout) {
  for (int i = 0; i < list.Count(); ++i) {
    if (i != leaveout && LabelsEqual(list[i].idlabel, label)) return true;
  }
  return false;
}

template <class List>
std::string UniqueIn(const List& list, std::string_view label, int leaveout) {
  if (!TakenByOther(list, label, leaveout)) return std::string(label);
  // At most Count() numbers can be taken, so this ends by Count() + 1.
  for (int number = 1;; ++number) {
    std::string candidate = std::string(label) + std::to_string(number);
    if (!TakenByOther(list, candidate, leaveout)) return candidate;
  }
}

}  // namespace

std::string MakeUniqueLabel(const VariableList& variables, std::string_view label, int leaveout) {
  return UniqueIn(variables, label, leaveout);
}

std::string MakeUniqueLabel(const ScriptList& scripts, std::string_view label, int leaveout) {
  return UniqueIn(scripts, label, leaveout);
}

std::string MakeUniqueLabel(const ConditionalList& conditionals, std::string_view label, int leaveout) {
  return UniqueIn(conditionals, label, leaveout);
}

}  // namespace korvix
