#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/message_sink.h"

namespace korvix {

// The checks a property dialog runs on its text fields when OK is pressed.
// Each "Problem" function gives the message that explains why a text is
// refused, or no value when it is acceptable; each Check function shows that
// message, captioned "Entry Error", and returns 1 when the text is
// acceptable, 0 when it reported a problem. None of them changes the text.

// An ID Label once its blanks are removed: not empty, without braces,
// parentheses, commas, relational operators, control bytes, 0xA0 or 0xA2,
// not one of the global variables and not made of digits and arithmetic signs
// alone.
std::optional<std::string> IdLabelProblem(std::string label);
int CheckIdLabel(MessageSink& sink, const std::string& label);

// The words of `text` that are listed in `namelist` as an ID Label, compared
// without case, in the order in which they stand and as they were typed.
// Words are cut at blanks and line breaks, in a formula also at its
// operators and parentheses, so that 'Tank1*2' names 'Tank1'. A word with
// other punctuation, as in '{Tank1}' or 'Tank1,', is never one.
std::vector<std::string> UnbracedLabels(const std::string& text, const std::string& namelist, bool isformula);

// For a math formula the first such word is an error. In free text each one
// is a question, captioned "Possible Entry Error", whether to go back: Yes
// returns 0, No goes on with the next word. 1 when nothing sends the user
// back.
int WarnUnbracedLabels(MessageSink& sink, const std::string& text, const std::string& namelist, bool isformula);

// Label references may not hold "()><=," and braces must pair up unnested.
std::optional<std::string> BraceNamesProblem(std::string text);
int CheckBraceNames(MessageSink& sink, const std::string& text);

// Digits only, once blanks and label references are removed; empty passes.
std::optional<std::string> PositiveIntegerProblem(std::string text);
int CheckPositiveInteger(MessageSink& sink, const std::string& text);

// Digits, minus signs and decimal points anywhere, once blanks and label
// references are removed; empty passes.
std::optional<std::string> IntegerProblem(std::string text);
int CheckInteger(MessageSink& sink, const std::string& text);

// Seconds, Hrs:Min or Hrs:Min:Sec with two-digit minutes and seconds, once
// blanks and label references are removed; empty passes.
std::optional<std::string> TimeTextProblem(std::string text);
int CheckTimeText(MessageSink& sink, const std::string& text);

// A formula of numbers, label references, + - * / ^, balanced parentheses
// and the functions of kMathFunctions (upper case, each followed by "(").
// An ID Label of `namelist` written without braces is refused first.
std::optional<std::string> MathFormulaProblem(const std::string& formula, const std::string& namelist);
int CheckMathFormula(MessageSink& sink, const std::string& formula, const std::string& namelist);

}  // namespace korvix
