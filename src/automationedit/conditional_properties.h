#pragma once

#include <functional>
#include <optional>
#include <string>

#include "automationedit/script_step_properties.h"
#include "document/korvix_doc.h"
#include "platform/message_sink.h"

namespace korvix {

// Both Conditional editors open this help page.
constexpr const char* kConditionalHelpTopic = "Conditional.htm";
constexpr int kConditionalLabelLimit = 70;
constexpr int kConditionalExpressionLimit = kStepExpressionLimit;

// The fields of the "Conditional Properties" dialog; the expression holds
// CR LF line breaks, as stored.
struct ConditionalFields {
  std::string m_idlabel;
  std::string m_expression;
};
enum class ConditionalField { IdLabel, Expression };

ConditionalFields ConditionalFieldsOf(const ConditionalRecord& conditional);

// "Close": trims the label, normalizes the expression (the dialog shows
// both so), then checks the label, the expression as a Script's IF does,
// and that an expression is there. The refused field gets the focus back;
// none when the view may check uniqueness.
std::optional<ConditionalField> CheckConditionalFields(MessageSink& sink, ConditionalFields& fields,
                                                       const std::string& namelist);

// "Edit Script": the label as typed, untrimmed, and the expression's length.
std::optional<ConditionalField> CheckEditScriptFields(MessageSink& sink, const ConditionalFields& fields);

// The view's side of "Conditional Properties" on one Conditional: the two
// requests that need the document. A label is taken when another
// Conditional has it, compared as ID Labels; objects' and Variables'
// labels do not count.
class ConditionalEditor {
public:
  // `editscript` runs the Script Configuration editor on a Script's index
  // until it closes.
  ConditionalEditor(CKorvixDoc& doc, MessageSink& sink, int index, std::function<void(int)> editscript);

  // Commits the label as typed to the Conditional and its action Script at
  // once, then edits the steps. False after a refusal: the focus goes to
  // the label.
  bool EditScript(const std::string& idlabel);
  // Stores the checked fields. False after a refusal: the editor stays open
  // with the focus on the label.
  bool Close(const ConditionalFields& fields);

  // The action Script's steps as they are now; none without one.
  ScriptStepList* ActionSteps();

private:
  bool RefusedAsTaken(const std::string& label, const char* lead);

  CKorvixDoc& m_doc;
  MessageSink& m_sink;
  int m_index;
  std::function<void(int)> m_editscript;
};

}  // namespace korvix
