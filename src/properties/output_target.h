#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvix {

// "Send output value to this Screen Object": the label of the object that
// gets each new value. It goes out as typed, so a label reference in it
// would never be replaced, and an object sending to itself would feed its
// own value back for ever. The ID Label Selector that fills the field must
// stay shut when the field is focused for either refusal.
std::optional<std::string> OutputTargetProblem(std::string_view target, std::string_view ownlabel);

}  // namespace korvix
