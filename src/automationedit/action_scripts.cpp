#include "automationedit/action_scripts.h"

#include "editor/page_editor.h"

namespace korvix {

std::string ActionScriptLabel(std::string_view conditionallabel) {
  std::string label(conditionallabel);
  label += kActionScriptMarker;
  return label;
}

int FindActionScript(const CKorvixDoc& doc, std::string_view conditionallabel) {
  const std::string action = ActionScriptLabel(conditionallabel);
  for (int i = 0; i < doc.m_scripts.Count(); ++i) {
    if (doc.m_scripts[i].idlabel == action) return i;
  }
  return -1;
}

int EnsureActionScript(CKorvixDoc& doc, MessageSink& sink, int conditional) {
  const std::string& label = doc.m_conditionals[conditional].idlabel;
  const int found = FindActionScript(doc, label);
  if (found >= 0) return found;
  if (doc.m_scripts.IsFull()) {
    sink.Show(kOverLimitCaption, kTooManyScriptsMessage, MessageIcon::Warning);
    return -1;
  }
  ScriptRecord action;
  action.idlabel = ActionScriptLabel(label);
  const int index = doc.m_scripts.Add(std::move(action));
  doc.SetModifiedFlag();
  return index;
}

void RenameConditional(CKorvixDoc& doc, int conditional, const std::string& label) {
  ConditionalRecord& record = doc.m_conditionals[conditional];
  const int action = FindActionScript(doc, record.idlabel);
  if (action >= 0) doc.m_scripts[action].idlabel = ActionScriptLabel(label);
  record.idlabel = label;
}

bool RefusedForConditionalLimits(const CKorvixDoc& doc, MessageSink& sink) {
  const char* refusal = doc.m_conditionals.IsFull() ? kTooManyConditionalsMessage
                        : doc.m_scripts.IsFull()    ? kTooManyScriptsMessage
                                                    : nullptr;
  if (!refusal) return false;
  sink.Show(kOverLimitCaption, refusal, MessageIcon::Warning);
  return true;
}

}  // namespace korvix
