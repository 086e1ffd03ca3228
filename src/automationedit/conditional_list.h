#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "automation/script_text_files.h"
#include "document/korvix_doc.h"
#include "platform/message_sink.h"
#include "platform/text_mem_file.h"

namespace korvix {

// The "Conditional List" editor without its window: the sorted labels, the
// selected one and the requests, served as the loop raises them. Each
// Conditional comes and goes together with its action Script.
class ConditionalListEditor {
public:
  // `editconditional` runs the "Conditional Properties" editor on a
  // Conditional's index until it closes. `clipkind` is the list editors'
  // one clipboard kind.
  ConditionalListEditor(CKorvixDoc& doc, MessageSink& sink, int& clipkind, std::function<void(int)> editconditional);

  // Every Conditional's label, sorted by ASCII case-folded bytes.
  const std::vector<std::string>& Lines() const { return m_lines; }
  const std::optional<std::string>& Selected() const { return m_selected; }
  void Select(std::optional<std::string> line) { m_selected = std::move(line); }

  void New();
  void Edit();
  void Delete();
  void Copy();
  void Paste();
  // The list is refilled whatever the outcome; an import leaves nothing
  // selected.
  TextFileOutcome Export(const TextFileJob& job);
  TextFileOutcome Import(const TextFileJob& job, TextMemFile& memfile);

  // Edit, Delete and Copy need a selected line.
  bool HasSelection() const { return m_selected.has_value(); }
  bool CanPaste() const;

private:
  void Refill();
  void SelectLabelAt(int index);
  // The first Conditional whose label is the selected line, byte for byte;
  // -1 for none.
  int SelectedIndex() const;

  CKorvixDoc& m_doc;
  MessageSink& m_sink;
  int& m_clipkind;
  std::function<void(int)> m_editconditional;
  std::vector<std::string> m_lines;
  std::optional<std::string> m_selected;
};

}  // namespace korvix
