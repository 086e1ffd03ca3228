#pragma once

#include <sys/types.h>
#include <string>
#include <string_view>

namespace korvix {

// Creates a fresh file beside `path`, named after it with a dot, six
// letters or digits and ".tmp", exclusively and never through a link, so nothing that
// waits under a predictable name is ever written through. `mode` is given
// to the system as for any new file, so the umask applies. Returns the open
// descriptor with `temp` set to its name, or -1 with errno set.
int CreateFileBeside(const std::string& path, mode_t mode, std::string& temp);

// True when `name` (a bare file name) has the form CreateFileBeside gives a
// temporary of the file named `base`.
bool IsTemporaryName(const std::string& name, const std::string& base);

// Writes all of `bytes`, retrying after signals. False with errno set.
bool WriteAllBytes(int fd, std::string_view bytes);

}  // namespace korvix
