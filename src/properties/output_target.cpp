#include "properties/output_target.h"

#include "properties/shared_checks.h"

namespace korvix {

namespace {

constexpr const char* kOwnTargetMessage = "Can not send output value to itself.";

}  // namespace

std::optional<std::string> OutputTargetProblem(std::string_view target, std::string_view ownlabel) {
  if (auto problem = VariablesProblem(target)) return problem;
  return OwnLabelProblem(target, ownlabel, kOwnTargetMessage);
}

}  // namespace korvix
