#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvix {

// Shown when a name between curly braces holds a character that would end it
// early inside a formula, command or expression.
constexpr const char* kBadBraceNameMessage =
    "The name of a variable cannot contain commas, \rparentheses, or relational operators.";

enum class BraceVerdict { Sound, BadName, Misused };

// Replaces each label reference of `text` by `replacement`, leftmost first,
// for as long as the first "{" stands before the first "}". BadName when a
// reference holds any of "()><=,"; Misused when a reference holds a nested
// "{" or a brace is left over afterwards. Blanks inside a name and an empty
// pair of braces are sound.
BraceVerdict ReplaceBraceNames(std::string& text, std::string_view replacement);

// The same, as the message that refuses the text: the bad-name message, or
// `misusedmessage` for braces that do not pair up.
std::optional<std::string> BraceProblem(std::string& text, std::string_view replacement, const char* misusedmessage);

}  // namespace korvix
