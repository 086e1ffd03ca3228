#pragma once

#include <functional>

#include "automation/script_text_files.h"
#include "automationedit/label_list.h"
#include "platform/text_mem_file.h"

namespace korvix {

// The "Conditional List" editor without its window: the sorted labels, the
// selected one and the requests, served as the loop raises them. Each
// Conditional comes and goes together with its action Script.
class ConditionalListEditor : public LabelListEditor {
public:
  // `editconditional` runs the "Conditional Properties" editor on a
  // Conditional's index until it closes. `clipkind` is the list editors'
  // one clipboard kind.
  ConditionalListEditor(CKorvixDoc& doc, MessageSink& sink, int& clipkind, std::function<void(int)> editconditional);

  void New();
  void Edit();
  void Delete();
  void Copy();
  void Paste();
  // The list is refilled whatever the outcome; an import leaves nothing
  // selected.
  TextFileOutcome Export(const TextFileJob& job);
  TextFileOutcome Import(const TextFileJob& job, TextMemFile& memfile);

  bool CanPaste() const;

private:
  void Refill();
  void SelectLabelAt(int index);
  // The first Conditional whose label is the selected line, byte for byte;
  // -1 for none.
  int SelectedIndex() const;

  std::function<void(int)> m_editconditional;
};

}  // namespace korvix
