#pragma once

#include <string>

namespace korvix {

inline constexpr const char* kCode128StartB = "211214";
inline constexpr const char* kCode128Stop = "2331112";

// The module widths (bar, space, bar, space, bar, space) of the symbol of
// value code - 32, for codes 32 to 134; "" for any other code.
std::string Code128Pattern(int code);

// The characters of `text` that Code Set B carries as data (codes 32 to
// 127), in order; everything else has no symbol and is left out.
std::string Code128Data(const std::string& text);

// The check symbol's value for `data` (as Code128Data returns it) after
// start B.
int Code128Check(const std::string& data);

}  // namespace korvix
