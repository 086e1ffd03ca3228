#pragma once

#include <stdexcept>
#include <string>

namespace korvix {

enum class LoadStatus {
  Loaded,
  NewerVersion,       // made by a newer version of the program
  OldVersionRefused,  // an old layout that this version can not convert
  Damaged,            // truncated, malformed or beyond a capacity
  CannotOpen,         // the file itself could not be read
};

struct LoadResult {
  LoadStatus status = LoadStatus::Loaded;
  std::string message;

  bool Ok() const { return status == LoadStatus::Loaded; }
};

constexpr const char* kNewerVersionMessage =
    "The project file you are trying to load was \rcreated with a newer version of Korvix. "
    "\rYou must install the newer version in order \rto load this project file.";

// Thrown inside the loader and turned into a LoadResult at its edge.
class LoadError : public std::runtime_error {
public:
  LoadError(LoadStatus status, const std::string& message) : std::runtime_error(message), m_status(status) {}
  LoadStatus Status() const { return m_status; }

private:
  LoadStatus m_status;
};

}  // namespace korvix
