#include "automationedit/script_list.h"

#include <algorithm>

#include "automation/unique_labels.h"
#include "editor/id_labels.h"
#include "editor/page_editor.h"
#include "editorloop/editor_loop.h"

namespace korvix {

namespace {

constexpr const char* kNewScriptPrefix = "Script";

bool IsHidden(const ScriptRecord& script) { return script.idlabel.find(kActionScriptMarker) != std::string::npos; }

}  // namespace

ScriptListEditor::ScriptListEditor(CKorvixDoc& doc, MessageSink& sink, int& clipkind,
                                   std::function<void(int)> editconfiguration)
    : LabelListEditor(doc, sink, clipkind), m_editconfiguration(std::move(editconfiguration)) {
  Refill();
}

bool ScriptListEditor::CanPaste() const { return m_clipkind == static_cast<int>(ClipKind::Script); }

void ScriptListEditor::Refill() {
  m_lines.clear();
  for (const ScriptRecord& script : m_doc.m_scripts) {
    if (!IsHidden(script)) m_lines.push_back(script.idlabel);
  }
  std::stable_sort(m_lines.begin(), m_lines.end(), ListLineLess);
}

void ScriptListEditor::SelectLabelAt(int index) {
  if (index >= 0 && index < m_doc.m_scripts.Count()) {
    m_selected = m_doc.m_scripts[index].idlabel;
  } else {
    m_selected.reset();
  }
}

int ScriptListEditor::IndexOfLine(const std::string& line) const {
  for (int i = 0; i < m_doc.m_scripts.Count(); ++i) {
    const ScriptRecord& script = m_doc.m_scripts[i];
    if (!IsHidden(script) && script.idlabel == line) return i;
  }
  return -1;
}

bool ScriptListEditor::RefusedAtLimit() {
  if (!m_doc.m_scripts.IsFull()) return false;
  m_sink.Show(kOverLimitCaption, kTooManyScriptsMessage, MessageIcon::Warning);
  return true;
}

void ScriptListEditor::New() {
  if (RefusedAtLimit()) return;
  ScriptRecord script;
  script.idlabel = MakeUniqueIdLabel(m_doc, kNewScriptPrefix);
  const int index = m_doc.m_scripts.Add(std::move(script));
  m_editconfiguration(index);
  Refill();
  SelectLabelAt(index);
  m_doc.SetModifiedFlag();
}

void ScriptListEditor::Edit() {
  if (!m_selected) return;
  const int index = IndexOfLine(*m_selected);
  if (index < 0) return;
  m_editconfiguration(index);
  Refill();
  SelectLabelAt(index);
}

void ScriptListEditor::Delete() {
  if (!m_selected) return;
  const int index = IndexOfLine(*m_selected);
  m_selected.reset();
  if (index >= 0) {
    m_doc.m_scripts.Remove(index);
    m_doc.SetModifiedFlag();
  }
  Refill();
}

void ScriptListEditor::Copy() {
  if (!m_selected) return;
  const int index = IndexOfLine(*m_selected);
  if (index < 0) return;
  m_doc.m_scripts.Spare(0) = m_doc.m_scripts[index];
  m_selected.reset();
  m_clipkind = static_cast<int>(ClipKind::Script);
}

void ScriptListEditor::Paste() {
  if (!CanPaste() || RefusedAtLimit()) return;
  ScriptRecord pasted = m_doc.m_scripts.Spare(0);
  pasted.idlabel = MakeUniqueLabel(m_doc.m_scripts, pasted.idlabel, m_doc.m_scripts.Count());
  const int index = m_doc.m_scripts.Add(std::move(pasted));
  Refill();
  SelectLabelAt(index);
  m_doc.SetModifiedFlag();
}

TextFileOutcome ScriptListEditor::Export(const TextFileJob& job) {
  const TextFileOutcome outcome = ExportScripts(m_doc, job);
  Refill();
  return outcome;
}

TextFileOutcome ScriptListEditor::Import(const TextFileJob& job, TextMemFile& memfile) {
  const TextFileOutcome outcome = ImportScripts(m_doc, job, memfile);
  m_selected.reset();
  Refill();
  return outcome;
}

}  // namespace korvix
