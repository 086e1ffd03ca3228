#pragma once

// ID Label comparison and character codes in square brackets.
// Byte strings; ASCII-only case folding, never the locale.

#include <string>
#include <string_view>

namespace korvix {

// 1 when the two texts are equal once every blank (' ') is removed from both
// and ASCII letters are folded to one case; bytes above 0x7F and every other
// byte (tabs, NUL) compare exactly. An empty text, or one that is empty once
// its blanks are gone, never matches (two empty labels are not equal).
bool LabelsEqual(std::string_view a, std::string_view b);

// Replaces each decimal character code in square brackets by that byte:
// "[" + one to three decimal digits with value 0..255 + "]" ("[13]", "[065]",
// "[0]" gives a NUL byte). Anything else stays as it is: "[256]", "[1234]",
// "[]", "[abc]", "[ 13]", "[-1]", a "[" or "]" without its partner. Brackets
// never nest: in "[[65]" the first "[" stays and "[65]" becomes "A". The
// result is not scanned again, so "[91]65]" gives "[65]".
std::string ExpandCharCodes(std::string_view text);

}  // namespace korvix
