#include "recording/log_field_order.h"

#include "recording/log_column_edits.h"

namespace korvix {

namespace {

constexpr const char* kWarningCaption = "Warning";
constexpr const char* kOrderChangedMessage =
    "The current field order does not match the field order of \rthe existing file. Do you want to erase the old "
    "data from \rthe log file? <Recommended>";

}  // namespace

bool LogHeaderMatches(TextMemFile& memfile, const std::vector<std::string>& titles) {
  for (const std::string& title : titles) {
    if (memfile.ReadMemFileLine() != title) return false;
  }
  return memfile.ReadMemFileLine() == kEndOfLineMark;
}

void CheckLogFieldOrder(const CKorvixDoc& doc, const std::string& path, TextMemFile& memfile, MessageSink& sink,
                        const std::function<void(const std::string&)>& clear) {
  if (!memfile.LoadTextFile(path)) return;
  if (memfile.IsEmpty()) {
    memfile.Empty();
    return;
  }
  const bool matches = LogHeaderMatches(memfile, LogColumnTitles(doc));
  memfile.Empty();
  if (matches) return;
  if (sink.Show(kWarningCaption, kOrderChangedMessage, MessageIcon::Exclamation, MessageButtons::YesNoDefaultNo) ==
      MessageResult::Yes) {
    clear(path);
  }
}

}  // namespace korvix
