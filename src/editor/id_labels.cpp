#include "editor/id_labels.h"

#include "document/kind_traits.h"
#include "texts/label_texts.h"

namespace korvix {

bool IdLabelTaken(const CKorvixDoc& doc, const std::string& candidate) {
  bool taken = false;
  ForEachKind([&](auto tag) {
    if constexpr (!KindTraits<decltype(tag)::value>::kLabelPrefix.empty()) {
      for (const auto& record : ListOf<decltype(tag)::value>(doc)) taken = taken || record.idlabel == candidate;
    }
  });
  for (const VariableRecord& variable : doc.m_variables) taken = taken || variable.idlabel == candidate;
  for (const ScriptRecord& script : doc.m_scripts) taken = taken || script.idlabel == candidate;
  return taken;
}

namespace {

bool ConditionalTaken(const CKorvixDoc& doc, const std::string& candidate) {
  for (const ConditionalRecord& conditional : doc.m_conditionals) {
    if (LabelsEqual(conditional.idlabel, candidate)) return true;
  }
  return false;
}

}  // namespace

std::string MakeUniqueIdLabel(const CKorvixDoc& doc, std::string_view prefix, ConditionalLabels conditionals) {
  for (long number = 1;; ++number) {
    std::string candidate = std::string(prefix) + std::to_string(number);
    if (IdLabelTaken(doc, candidate)) continue;
    if (conditionals == ConditionalLabels::Skipped && ConditionalTaken(doc, candidate)) continue;
    return candidate;
  }
}

}  // namespace korvix
