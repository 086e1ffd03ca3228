#pragma once

#include <optional>
#include <string>

#include "automationedit/script_step_setup.h"
#include "document/korvix_doc.h"
#include "platform/message_sink.h"

namespace korvix {

// The longest texts the "Script Step Properties" fields take.
constexpr int kStepParam1Limit = 112;
constexpr int kStepParam2Limit = 1000;
constexpr int kStepExpressionLimit = 1000;

// What "Script Step Properties" edits of a step.
struct ScriptStepFields {
  std::string param1;
  std::string param2;
  int color1 = 0;
  int color2 = 0;
};

ScriptStepFields ScriptStepFieldsOf(const ScriptStep& step);

// OK: both fields trimmed (the dialog shows them so), then checked in a
// fixed order for the step's code; the first refusal is reported and its
// field named, for the focus. No value when the fields may be stored.
std::optional<StepDlgField> CheckScriptStepFields(MessageSink& sink, int code, ScriptStepFields& fields,
                                                  const std::string& namelist);

// A comma would end the field early when Scripts.txt is read back.
bool RefuseComma(MessageSink& sink, const std::string& text);

// "Script Conditional Properties" OK: the expression normalised (the dialog
// shows it so), checked, and its unbraced labels questioned. False sends the
// focus back to the expression.
bool CheckScriptConditionalText(MessageSink& sink, std::string& expression, const std::string& namelist);

// Each marks the document modified.
void StoreScriptStepFields(CKorvixDoc& doc, int script, int step, const ScriptStepFields& fields);
void DeleteScriptStep(CKorvixDoc& doc, int script, int step);

}  // namespace korvix
