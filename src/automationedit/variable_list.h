#pragma once

#include <functional>

#include "automationedit/label_list.h"
#include "render/object_run_states.h"

namespace korvix {

// The "Variable List" editor without its window: the sorted lines, the
// selected one and the five requests, served as the loop raises them.
class VariableListEditor : public LabelListEditor {
public:
  // `editproperties` is the modal "Variable Properties" on a Variable's
  // index; it stores or deletes by itself. `clipkind` is the list
  // editors' one clipboard kind. `states` are the Variables' run-time
  // states, which follow their Variables.
  VariableListEditor(CKorvixDoc& doc, VariableRunStates& states, MessageSink& sink, int& clipkind,
                     std::function<void(int)> editproperties);

  void New();
  void Edit();
  void Delete();
  void Copy();
  void Paste();
  bool CanPaste() const;

private:
  void Refill();
  void SelectLabelAt(int index);
  // The first Variable whose label is the line, byte for byte; -1 for none.
  int IndexOfLine(const std::string& line) const;
  bool RefusedAtLimit();

  VariableRunStates& m_states;
  std::function<void(int)> m_editproperties;
};

}  // namespace korvix
