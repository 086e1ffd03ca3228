#include "expressions/brace_names.h"

#include <algorithm>

namespace korvix {

BraceVerdict ReplaceBraceNames(std::string& text, std::string_view replacement) {
  for (size_t open = text.find('{'); open != std::string::npos; open = text.find('{')) {
    const size_t close = text.find('}');
    if (close == std::string::npos || open > close) break;
    const std::string_view piece = std::string_view(text).substr(open, close - open + 1);
    if (piece.find_first_of("()><=,") != std::string_view::npos) return BraceVerdict::BadName;
    if (std::count(piece.begin(), piece.end(), '{') > 1) return BraceVerdict::Misused;
    text.replace(open, close - open + 1, replacement);
  }
  return text.find_first_of("{}") == std::string::npos ? BraceVerdict::Sound : BraceVerdict::Misused;
}

std::optional<std::string> BraceProblem(std::string& text, std::string_view replacement, const char* misusedmessage) {
  switch (ReplaceBraceNames(text, replacement)) {
    case BraceVerdict::BadName: return kBadBraceNameMessage;
    case BraceVerdict::Misused: return misusedmessage;
    case BraceVerdict::Sound: break;
  }
  return std::nullopt;
}

}  // namespace korvix
