#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "platform/message_sink.h"

namespace korvix {

// Why "Close" kept the editor open.
enum class CloseRefusal { None, Label, Nesting };

// The "Script Configuration" editor without its window: one Script's step
// lines, the selected step and the requests, which change the document at
// once. Only the ID Label waits in the dialog until the editor closes.
class ScriptConfigurationEditor {
public:
  // `editstep` runs the step's properties dialog on a step index; true when
  // it changed or removed the step. `clipkind` is the list editors' one
  // clipboard kind.
  ScriptConfigurationEditor(CKorvixDoc& doc, MessageSink& sink, int& clipkind, int script,
                            std::function<bool(int)> editstep);

  const std::vector<std::string>& Lines() const { return m_lines; }
  const std::optional<int>& Selected() const { return m_selected; }
  void Select(std::optional<int> step);

  // A Conditional's own Script: its label is the Conditional's, so the
  // editor neither shows it for editing nor checks or stores it.
  bool IsActionScript() const;
  const std::string& Label() const;

  // Adds the step kind of a palette line after the selected step, or at the
  // end; a separator adds nothing.
  void AddStep(const std::string& paletteline);
  void EditStep();
  void DeleteStep();
  void MoveUp();
  void MoveDown();
  void CopyStep();
  void PasteStep();

  static bool CanAddStep(const std::string& paletteline);
  bool HasSelection() const { return m_selected.has_value(); }
  bool CanEditStep() const;
  bool CanPaste() const;

  // The dialog's check on "Close", Enter or Esc: the label trimmed (the
  // dialog shows it so) and checked as an ID Label, then the nesting of the
  // IF and Loop steps, whose offending step becomes the selection.
  CloseRefusal CheckClose(std::string& label);
  // The view's check once the dialog's passed: no other Script may carry the
  // label, compared as list labels are. A changed label is stored, marking
  // the document modified; references to the old one stay as they are.
  bool CommitLabel(const std::string& label);

private:
  ScriptRecord& Script() { return m_doc.m_scripts[m_script]; }
  const ScriptRecord& Script() const { return m_doc.m_scripts[m_script]; }
  ScriptStep& Clipboard();
  void Refill(std::optional<int> select);
  bool RefusedAtLimit();
  // Appends `step`, moves it after the selection if there is one, and
  // selects it.
  void Place(ScriptStep step);
  void Exchange(int step, int other);

  CKorvixDoc& m_doc;
  MessageSink& m_sink;
  int& m_clipkind;
  int m_script;
  std::function<bool(int)> m_editstep;
  std::vector<std::string> m_lines;
  std::optional<int> m_selected;
};

}  // namespace korvix
