#pragma once

#include <string>

namespace korvix {

enum class LocalPageStatus { Written, NotCreated, WriteFailed };

// Writes a page that is about to be uploaded: created or truncated, 0600,
// never through a link, held exclusively while it is written; a lock held
// elsewhere is tried again for up to a second.
LocalPageStatus WriteLocalPage(const std::string& path, const std::string& text);

}  // namespace korvix
