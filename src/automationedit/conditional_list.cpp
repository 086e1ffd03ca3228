#include "automationedit/conditional_list.h"

#include <algorithm>

#include "automation/unique_labels.h"
#include "automationedit/action_scripts.h"
#include "editor/id_labels.h"
#include "editorloop/editor_loop.h"

namespace korvix {

namespace {
constexpr const char* kNewLabelPrefix = "Conditional";
}  // namespace

ConditionalListEditor::ConditionalListEditor(CKorvixDoc& doc, MessageSink& sink, int& clipkind,
                                             std::function<void(int)> editconditional)
    : LabelListEditor(doc, sink, clipkind), m_editconditional(std::move(editconditional)) {
  Refill();
}

bool ConditionalListEditor::CanPaste() const { return m_clipkind == static_cast<int>(ClipKind::Conditional); }

void ConditionalListEditor::Refill() {
  m_lines.clear();
  for (const ConditionalRecord& conditional : m_doc.m_conditionals) m_lines.push_back(conditional.idlabel);
  std::stable_sort(m_lines.begin(), m_lines.end(), ListLineLess);
}

void ConditionalListEditor::SelectLabelAt(int index) {
  if (index >= 0 && index < m_doc.m_conditionals.Count()) {
    m_selected = m_doc.m_conditionals[index].idlabel;
  } else {
    m_selected.reset();
  }
}

int ConditionalListEditor::SelectedIndex() const {
  if (!m_selected) return -1;
  for (int i = 0; i < m_doc.m_conditionals.Count(); ++i) {
    if (m_doc.m_conditionals[i].idlabel == *m_selected) return i;
  }
  return -1;
}

// The label skips the Conditionals' own labels too: two News would
// otherwise share one label and so one action Script.
void ConditionalListEditor::New() {
  if (RefusedForConditionalLimits(m_doc, m_sink)) return;
  ConditionalRecord conditional;
  conditional.idlabel = MakeUniqueIdLabel(m_doc, kNewLabelPrefix, ConditionalLabels::Skipped);
  ScriptRecord action;
  action.idlabel = ActionScriptLabel(conditional.idlabel);
  const int index = m_doc.m_conditionals.Add(std::move(conditional));
  m_doc.m_scripts.Add(std::move(action));
  // Both records stay even when the properties editor is cancelled, so the
  // project has changed either way.
  m_doc.SetModifiedFlag();
  m_editconditional(index);
  Refill();
  SelectLabelAt(index);
}

void ConditionalListEditor::Edit() {
  const int index = SelectedIndex();
  if (index < 0 || EnsureActionScript(m_doc, m_sink, index) < 0) return;
  m_editconditional(index);
  Refill();
  SelectLabelAt(index);
}

void ConditionalListEditor::Delete() {
  const int index = SelectedIndex();
  m_selected.reset();
  if (index >= 0) {
    const int action = FindActionScript(m_doc, m_doc.m_conditionals[index].idlabel);
    if (action >= 0) m_doc.m_scripts.Remove(action);
    m_doc.m_conditionals.Remove(index);
    m_doc.SetModifiedFlag();
  }
  Refill();
}

void ConditionalListEditor::Copy() {
  const int index = SelectedIndex();
  if (index < 0) return;
  const int action = EnsureActionScript(m_doc, m_sink, index);
  if (action < 0) return;
  m_doc.m_scripts.Spare(0) = m_doc.m_scripts[action];
  m_doc.m_conditionals.Spare(0) = m_doc.m_conditionals[index];
  m_selected.reset();
  m_clipkind = static_cast<int>(ClipKind::Conditional);
}

void ConditionalListEditor::Paste() {
  if (!CanPaste() || RefusedForConditionalLimits(m_doc, m_sink)) return;
  ConditionalRecord conditional = m_doc.m_conditionals.Spare(0);
  conditional.idlabel = MakeUniqueLabel(m_doc.m_conditionals, conditional.idlabel, m_doc.m_conditionals.Count());
  ScriptRecord action = m_doc.m_scripts.Spare(0);
  action.idlabel = ActionScriptLabel(conditional.idlabel);
  m_doc.m_scripts.Add(std::move(action));
  const int index = m_doc.m_conditionals.Add(std::move(conditional));
  Refill();
  SelectLabelAt(index);
  m_doc.SetModifiedFlag();
}

TextFileOutcome ConditionalListEditor::Export(const TextFileJob& job) {
  const TextFileOutcome outcome = ExportConditionals(m_doc, job);
  Refill();
  return outcome;
}

TextFileOutcome ConditionalListEditor::Import(const TextFileJob& job, TextMemFile& memfile) {
  const TextFileOutcome outcome = ImportConditionals(m_doc, job, memfile);
  m_selected.reset();
  Refill();
  return outcome;
}

}  // namespace korvix
