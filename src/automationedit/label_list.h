#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "platform/message_sink.h"

namespace korvix {

// What every list editor keeps between the requests the loop raises: the
// project, where refusals go, the list editors' one clipboard kind, the
// sorted lines and the selected one.
class LabelListEditor {
public:
  // Every listed label, sorted by ASCII case-folded bytes.
  const std::vector<std::string>& Lines() const { return m_lines; }
  const std::optional<std::string>& Selected() const { return m_selected; }
  void Select(std::optional<std::string> line) { m_selected = std::move(line); }

  // Edit, Delete and Copy need a selected line.
  bool HasSelection() const { return m_selected.has_value(); }

protected:
  LabelListEditor(CKorvixDoc& doc, MessageSink& sink, int& clipkind) : m_doc(doc), m_sink(sink), m_clipkind(clipkind) {}

  CKorvixDoc& m_doc;
  MessageSink& m_sink;
  int& m_clipkind;
  std::vector<std::string> m_lines;
  std::optional<std::string> m_selected;
};

// Lines in the list's order: ASCII letters folded, other bytes as they are.
bool ListLineLess(const std::string& a, const std::string& b);

}  // namespace korvix
