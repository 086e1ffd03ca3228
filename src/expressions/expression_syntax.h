#pragma once

#include <optional>
#include <string>

#include "platform/message_sink.h"

namespace korvix {

// Stands for a relational operator inside the checked copy of an expression.
constexpr char kRelationalMarker = 27;

// Brings the logical words to upper case where they stand alone, puts blanks
// around the relational operators and collapses runs of blanks, so that
// 'a>=b and c<>d' becomes 'a >= b AND c <> d'.
void NormalizeExpression(std::string& expression);

// Reads the token at `pos` (up to the next blank) and moves `pos` past the
// blanks after it. `token` becomes "logical", "relational" or "operand", or
// stays empty at the end of the text.
void ClassifyToken(size_t& pos, std::string& token, const std::string& expression);

// The entry check's verdict on a normalized expression: no value when it is
// valid, else the message that tells the user why not.
std::optional<std::string> ExpressionProblem(std::string expression);

// Shows the problem, if any, captioned "Entry Error"; 1 valid, 0 reported.
int CheckExpression(MessageSink& sink, const std::string& expression);

}  // namespace korvix
