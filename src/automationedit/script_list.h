#pragma once

#include <functional>

#include "automation/script_text_files.h"
#include "automationedit/label_list.h"
#include "platform/text_mem_file.h"

namespace korvix {

// The "Script List" editor without its window: the sorted labels of the
// visible Scripts, the selected one and the requests, served as the loop
// raises them. A Conditional's action Script is never listed, deleted,
// copied over or exported.
class ScriptListEditor : public LabelListEditor {
public:
  // `editconfiguration` runs the Script Configuration editor on a Script's
  // index until it closes. `clipkind` is the list editors' one clipboard
  // kind.
  ScriptListEditor(CKorvixDoc& doc, MessageSink& sink, int& clipkind, std::function<void(int)> editconfiguration);

  void New();
  void Edit();
  // One Script, the first of that label: an import may have brought two.
  // References to it elsewhere stay as they are.
  void Delete();
  void Copy();
  void Paste();
  // The text file, then the list refilled whatever came of it.
  TextFileOutcome Export(const TextFileJob& job);
  TextFileOutcome Import(const TextFileJob& job, TextMemFile& memfile);

  bool CanPaste() const;

private:
  void Refill();
  void SelectLabelAt(int index);
  // The first visible Script whose label is the line, byte for byte; -1 for
  // none.
  int IndexOfLine(const std::string& line) const;
  bool RefusedAtLimit();

  std::function<void(int)> m_editconfiguration;
};

}  // namespace korvix
