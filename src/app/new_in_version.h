#pragma once

#include <string>
#include <vector>

#include "platform/profile.h"

namespace korvix {

inline constexpr char kNewInVersionCaption[] = "New in this Version";

// True once per release: the first start of a release records it and shows
// what is new.
bool TakeNewInVersionTurn(Profile& profile);

// The paragraphs of "New in this Version", in order.
const std::vector<std::string>& NewInVersionParagraphs();

}  // namespace korvix
