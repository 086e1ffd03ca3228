#pragma once

#include <string>
#include <string_view>

namespace korvix {

// Passwords are kept in the project file with each letter substituted
// through a table chosen by the text's length; other bytes pass unchanged.
std::string Scramble(std::string_view text);
std::string Descramble(std::string_view text);

}  // namespace korvix
