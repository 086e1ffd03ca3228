#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "platform/message_sink.h"
#include "platform/text_mem_file.h"

namespace korvix {

// Whether the header line at the start of the loaded log holds exactly
// these titles, case counting.
bool LogHeaderMatches(TextMemFile& memfile, const std::vector<std::string>& titles);

// After the columns may have changed: when the log at `path` (label
// references expanded) has a header that no longer matches them, the user
// may have it cleared through `clear`. A log that cannot be loaded (already
// reported) or is empty is left alone.
void CheckLogFieldOrder(const CKorvixDoc& doc, const std::string& path, TextMemFile& memfile, MessageSink& sink,
                        const std::function<void(const std::string&)>& clear);

}  // namespace korvix
