#include "automationedit/variable_list.h"

#include <algorithm>

#include "automation/unique_labels.h"
#include "automationedit/variable_properties.h"
#include "editor/page_editor.h"
#include "editorloop/editor_loop.h"

namespace korvix {

VariableListEditor::VariableListEditor(CKorvixDoc& doc, VariableRunStates& states, MessageSink& sink, int& clipkind,
                                       std::function<void(int)> editproperties)
    : LabelListEditor(doc, sink, clipkind), m_states(states), m_editproperties(std::move(editproperties)) {
  Refill();
}

bool VariableListEditor::CanPaste() const { return m_clipkind == static_cast<int>(ClipKind::Variable); }

void VariableListEditor::Refill() {
  m_lines.clear();
  for (const VariableRecord& variable : m_doc.m_variables) m_lines.push_back(variable.idlabel);
  std::stable_sort(m_lines.begin(), m_lines.end(), ListLineLess);
}

void VariableListEditor::SelectLabelAt(int index) {
  if (index >= 0 && index < m_doc.m_variables.Count()) {
    m_selected = m_doc.m_variables[index].idlabel;
  } else {
    m_selected.reset();
  }
}

int VariableListEditor::IndexOfLine(const std::string& line) const {
  for (int i = 0; i < m_doc.m_variables.Count(); ++i) {
    if (m_doc.m_variables[i].idlabel == line) return i;
  }
  return -1;
}

bool VariableListEditor::RefusedAtLimit() {
  if (!m_doc.m_variables.IsFull()) return false;
  m_sink.Show(kOverLimitCaption, kTooManyVariablesMessage, MessageIcon::Exclamation);
  return true;
}

void VariableListEditor::New() {
  if (RefusedAtLimit()) return;
  const int index = AddVariable(m_doc, m_states);
  m_editproperties(index);
  Refill();
  SelectLabelAt(m_doc.m_variables.Count() - 1);
  m_doc.SetModifiedFlag();
}

void VariableListEditor::Edit() {
  if (!m_selected) return;
  const int index = IndexOfLine(*m_selected);
  if (index < 0) return;
  m_editproperties(index);
  Refill();
  SelectLabelAt(index);
}

void VariableListEditor::Delete() {
  if (!m_selected) return;
  const int index = IndexOfLine(*m_selected);
  m_selected.reset();
  if (index >= 0) DeleteVariable(m_doc, m_states, index);
  Refill();
}

void VariableListEditor::Copy() {
  if (!m_selected) return;
  const int index = IndexOfLine(*m_selected);
  if (index < 0) return;
  m_doc.m_variables.Spare(0) = m_doc.m_variables[index];
  m_selected.reset();
  m_clipkind = static_cast<int>(ClipKind::Variable);
}

void VariableListEditor::Paste() {
  if (!CanPaste() || RefusedAtLimit()) return;
  VariableRecord pasted = m_doc.m_variables.Spare(0);
  pasted.idlabel = MakeUniqueLabel(m_doc.m_variables, pasted.idlabel, m_doc.m_variables.Count());
  pasted.logcolumn = kNoLogColumn;
  // A copy carries no link of the original's.
  const int index = m_doc.m_variables.Add(std::move(pasted));
  m_states[index] = {};
  Refill();
  SelectLabelAt(m_doc.m_variables.Count() - 1);
  m_doc.SetModifiedFlag();
}

}  // namespace korvix
