#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvix {

// The checks that several property dialogs write out themselves on OK, each
// giving the message of a refused text or no value.

constexpr std::string_view kNumberCharacters = "-.0123456789";

// Every character one of `allowed`; with `wholenumber` a decimal point,
// though allowed as a character, is refused with its own message.
std::optional<std::string> CharacterSetProblem(std::string_view text, std::string_view allowed,
                                               bool wholenumber = false);
// Offsets, scale values, trip levels: digits, signs and points only. Empty
// passes.
std::optional<std::string> NumberTextProblem(std::string_view text);
// A number text whose value is not 0; an empty text counts as 0.
std::optional<std::string> MultiplierProblem(std::string_view text);
// Fields whose text goes out as it is: a label reference would never be
// replaced by its value there.
std::optional<std::string> VariablesProblem(std::string_view text);
// A target that names the object itself, compared as ID Labels are.
std::optional<std::string> OwnLabelProblem(std::string_view target, std::string_view ownlabel,
                                           std::string_view message);

// The text without blanks at either end, as the dialogs clean label,
// command, formula and file fields before checking them. A tab or line break
// at an end stays, for the checks to refuse: it is no part of a name.
std::string TrimEntry(std::string_view text);
// The text without blanks, tabs and line breaks at either end, for the few
// fields whose editors clear all white space around them.
std::string TrimWhiteSpace(std::string_view text);

}  // namespace korvix
