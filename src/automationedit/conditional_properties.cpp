#include "automationedit/conditional_properties.h"

#include "automation/unique_labels.h"
#include "automationedit/action_scripts.h"
#include "expressions/expression_syntax.h"
#include "properties/data_exchange.h"
#include "properties/entry_report.h"
#include "properties/entry_validation.h"
#include "properties/shared_checks.h"

namespace korvix {

namespace {

constexpr const char* kNoExpressionMessage = "Conditional must contain an expression.";
constexpr const char* kTakenAtCloseLead = "The ID Label \"";
constexpr const char* kTakenAtEditScriptLead = "The Object ID Label \"";
constexpr const char* kTakenTail = "\" already exists. You \rmust rename the Conditional before continuing.";

std::optional<ConditionalField> LabelRefusal(MessageSink& sink, const std::string& label) {
  if (!ReportEntryProblem(sink, TextLengthProblem(label, kConditionalLabelLimit)) || !CheckIdLabel(sink, label))
    return ConditionalField::IdLabel;
  return std::nullopt;
}

}  // namespace

ConditionalFields ConditionalFieldsOf(const ConditionalRecord& conditional) {
  return {conditional.idlabel, conditional.expression};
}

std::optional<ConditionalField> CheckConditionalFields(MessageSink& sink, ConditionalFields& fields,
                                                       const std::string& namelist) {
  fields.m_idlabel = TrimWhiteSpace(fields.m_idlabel);
  // Shown cleaned even when the label is refused.
  NormalizeExpression(fields.m_expression);
  if (const auto refused = LabelRefusal(sink, fields.m_idlabel)) return refused;
  if (!CheckScriptConditionalText(sink, fields.m_expression, namelist)) return ConditionalField::Expression;
  if (fields.m_expression.empty()) {
    sink.Show(kEntryErrorCaption, kNoExpressionMessage, MessageIcon::Warning);
    return ConditionalField::Expression;
  }
  return std::nullopt;
}

std::optional<ConditionalField> CheckEditScriptFields(MessageSink& sink, const ConditionalFields& fields) {
  if (const auto refused = LabelRefusal(sink, fields.m_idlabel)) return refused;
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.m_expression, kConditionalExpressionLimit)))
    return ConditionalField::Expression;
  return std::nullopt;
}

ConditionalEditor::ConditionalEditor(CKorvixDoc& doc, MessageSink& sink, int index, std::function<void(int)> editscript)
    : m_doc(doc), m_sink(sink), m_index(index), m_editscript(std::move(editscript)) {}

bool ConditionalEditor::RefusedAsTaken(const std::string& label, const char* lead) {
  if (MakeUniqueLabel(m_doc.m_conditionals, label, m_index) == label) return false;
  m_sink.Show(kEntryErrorCaption, lead + label + kTakenTail, MessageIcon::Warning);
  return true;
}

bool ConditionalEditor::EditScript(const std::string& idlabel) {
  if (RefusedAsTaken(idlabel, kTakenAtEditScriptLead)) return false;
  if (EnsureActionScript(m_doc, m_sink, m_index) < 0) return true;
  RenameConditional(m_doc, m_index, idlabel);
  m_doc.SetModifiedFlag();
  m_editscript(FindActionScript(m_doc, idlabel));
  return true;
}

bool ConditionalEditor::Close(const ConditionalFields& fields) {
  if (RefusedAsTaken(fields.m_idlabel, kTakenAtCloseLead)) return false;
  RenameConditional(m_doc, m_index, fields.m_idlabel);
  m_doc.m_conditionals[m_index].expression = fields.m_expression;
  m_doc.SetModifiedFlag();
  return true;
}

ScriptStepList* ConditionalEditor::ActionSteps() {
  const int action = FindActionScript(m_doc, m_doc.m_conditionals[m_index].idlabel);
  return action >= 0 ? &m_doc.m_scripts[action].steps : nullptr;
}

}  // namespace korvix
