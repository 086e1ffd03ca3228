#include "automationedit/script_configuration.h"

#include <algorithm>
#include <utility>

#include "automation/step_codes.h"
#include "automation/unique_labels.h"
#include "automationedit/script_nesting.h"
#include "automationedit/script_step_lines.h"
#include "editor/page_editor.h"
#include "editorloop/editor_loop.h"
#include "properties/entry_validation.h"
#include "properties/shared_checks.h"

namespace korvix {

namespace {
constexpr const char* kLabelExistsStart = "The ID Label \"";
constexpr const char* kLabelExistsEnd = "\" already exists. You \rmust rename the Script before continuing.";
}  // namespace

ScriptConfigurationEditor::ScriptConfigurationEditor(CKorvixDoc& doc, MessageSink& sink, int& clipkind, int script,
                                                     std::function<bool(int)> editstep)
    : m_doc(doc), m_sink(sink), m_clipkind(clipkind), m_script(script), m_editstep(std::move(editstep)) {
  Refill(std::nullopt);
}

void ScriptConfigurationEditor::Select(std::optional<int> step) {
  if (step && (*step < 0 || *step >= Script().steps.Count())) step.reset();
  m_selected = step;
}

bool ScriptConfigurationEditor::IsActionScript() const {
  const std::string& label = Label();
  return !label.empty() && label.back() == kActionScriptMarker;
}

const std::string& ScriptConfigurationEditor::Label() const { return Script().idlabel; }

ScriptStep& ScriptConfigurationEditor::Clipboard() { return m_doc.m_scripts.Spare(0).steps.Spare(0); }

void ScriptConfigurationEditor::Refill(std::optional<int> select) {
  m_lines = RenderScriptStepLines(Script().steps);
  Select(select);
}

bool ScriptConfigurationEditor::RefusedAtLimit() {
  if (!Script().steps.IsFull()) return false;
  m_sink.Show(kOverLimitCaption, kTooManyScriptStepsMessage, MessageIcon::Warning);
  return true;
}

void ScriptConfigurationEditor::Place(ScriptStep step) {
  ScriptStepList& steps = Script().steps;
  const int added = steps.Add(std::move(step));
  int place = added;
  if (m_selected) {
    place = *m_selected + 1;
    std::rotate(steps.begin() + place, steps.begin() + added, steps.end());
  }
  Refill(place);
  m_doc.SetModifiedFlag();
}

void ScriptConfigurationEditor::Exchange(int step, int other) {
  std::swap(Script().steps[step], Script().steps[other]);
  Refill(other);
  m_doc.SetModifiedFlag();
}

bool ScriptConfigurationEditor::CanAddStep(const std::string& paletteline) {
  return StepCodeFromName(paletteline) >= 0;
}

bool ScriptConfigurationEditor::CanEditStep() const {
  return m_selected && StepHasFields(Script().steps[*m_selected].code);
}

bool ScriptConfigurationEditor::CanPaste() const { return m_clipkind == static_cast<int>(ClipKind::ScriptStep); }

void ScriptConfigurationEditor::AddStep(const std::string& paletteline) {
  const int code = StepCodeFromName(paletteline);
  if (code < 0 || RefusedAtLimit()) return;
  Place(NewScriptStep(code));
}

void ScriptConfigurationEditor::EditStep() {
  if (!m_selected) return;
  const int step = *m_selected;
  const int count = Script().steps.Count();
  if (!m_editstep(step)) return;
  Refill(Script().steps.Count() == count ? std::optional<int>(step) : std::nullopt);
}

void ScriptConfigurationEditor::DeleteStep() {
  if (!m_selected) return;
  Script().steps.Remove(*m_selected);
  Refill(std::nullopt);
  m_doc.SetModifiedFlag();
}

void ScriptConfigurationEditor::MoveUp() {
  if (m_selected && *m_selected > 0) Exchange(*m_selected, *m_selected - 1);
}

void ScriptConfigurationEditor::MoveDown() {
  if (m_selected && *m_selected + 1 < Script().steps.Count()) Exchange(*m_selected, *m_selected + 1);
}

void ScriptConfigurationEditor::CopyStep() {
  if (!m_selected) return;
  Clipboard() = Script().steps[*m_selected];
  Refill(std::nullopt);
  m_clipkind = static_cast<int>(ClipKind::ScriptStep);
}

void ScriptConfigurationEditor::PasteStep() {
  if (!CanPaste() || RefusedAtLimit()) return;
  Place(Clipboard());
}

CloseRefusal ScriptConfigurationEditor::CheckClose(std::string& label) {
  if (!IsActionScript()) {
    label = TrimEntry(label);
    if (!CheckIdLabel(m_sink, label)) return CloseRefusal::Label;
  }
  if (const std::optional<NestingProblem> problem = ScriptNestingProblem(Script().steps)) {
    m_sink.Show(kEntryErrorCaption, problem->message, MessageIcon::Warning);
    Select(problem->step);
    return CloseRefusal::Nesting;
  }
  return CloseRefusal::None;
}

bool ScriptConfigurationEditor::CommitLabel(const std::string& label) {
  // An action Script's label was never open for editing, and an imported
  // one may already be shared: checking it would leave an editor that can
  // never close.
  if (IsActionScript()) return true;
  if (MakeUniqueLabel(m_doc.m_scripts, label, m_script) != label) {
    m_sink.Show(kEntryErrorCaption, kLabelExistsStart + label + kLabelExistsEnd, MessageIcon::Exclamation);
    return false;
  }
  if (label != Script().idlabel) {
    Script().idlabel = label;
    m_doc.SetModifiedFlag();
  }
  return true;
}

}  // namespace korvix
