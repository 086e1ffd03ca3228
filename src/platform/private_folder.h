#pragma once

#include <string>

namespace korvix {

// A folder only this user may enter: created 0700 when missing; refused when
// it is a link, belongs to someone else or lets group or others in, since
// what the program puts there (sockets, pages before upload) must not be
// replaced or read by another account. Returns the empty string and fills
// `error` on refusal.
std::string EnsurePrivateFolder(const std::string& path, std::string& error);

// `korvix-<uid>` in the temporary folder ($TMPDIR, else /tmp): where pages
// are built before they leave the machine.
std::string PrivateTempFolderPath();

// `korvix` in $XDG_RUNTIME_DIR, else the private temporary folder.
std::string PrivateRuntimeFolderPath();

}  // namespace korvix
