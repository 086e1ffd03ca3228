#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "platform/message_sink.h"
#include "render/object_run_states.h"

namespace korvix {

// The "Variable List" editor without its window: the sorted lines, the
// selected one and the five requests, served as the loop raises them.
class VariableListEditor {
public:
  // `editproperties` is the modal "Variable Properties" on a Variable's
  // index; it stores or deletes by itself. `clipkind` is the list
  // editors' one clipboard kind. `states` are the Variables' run-time
  // states, which follow their Variables.
  VariableListEditor(CKorvixDoc& doc, VariableRunStates& states, MessageSink& sink, int& clipkind,
                     std::function<void(int)> editproperties);

  // Every Variable's label, sorted by ASCII case-folded bytes.
  const std::vector<std::string>& Lines() const { return m_lines; }
  const std::optional<std::string>& Selected() const { return m_selected; }
  void Select(std::optional<std::string> line) { m_selected = std::move(line); }

  void New();
  void Edit();
  void Delete();
  void Copy();
  void Paste();

  // Edit, Delete and Copy need a selected line.
  bool HasSelection() const { return m_selected.has_value(); }
  bool CanPaste() const;

private:
  void Refill();
  void SelectLabelAt(int index);
  // The first Variable whose label is the line, byte for byte; -1 for none.
  int IndexOfLine(const std::string& line) const;
  bool RefusedAtLimit();

  CKorvixDoc& m_doc;
  VariableRunStates& m_states;
  MessageSink& m_sink;
  int& m_clipkind;
  std::function<void(int)> m_editproperties;
  std::vector<std::string> m_lines;
  std::optional<std::string> m_selected;
};

// Lines in the list's order: ASCII letters folded, other bytes as they are.
bool ListLineLess(const std::string& a, const std::string& b);

}  // namespace korvix
