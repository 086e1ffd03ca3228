#pragma once

#include <string>
#include <vector>

namespace korvix {

// Starts a program as a process of its own and does not wait for it; it is
// not our child, so it leaves no zombie and outlives us. Returns false with
// `error` set when it could not be started.
bool StartDetachedProcess(const std::string& program, const std::vector<std::string>& arguments, std::string& error);

}  // namespace korvix
