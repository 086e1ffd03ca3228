#pragma once

#include <sched.h>

namespace korvix {

// Lifts the calling thread to a real-time class for the byte-exact parts of
// the protocol, where the process may; where it may not, the timing is
// simply less tight. Whatever was raised is dropped again by Drop or, on
// every other way out of a scope, by the destructor.
class RealtimePriority {
public:
  RealtimePriority() = default;
  RealtimePriority(const RealtimePriority&) = delete;
  RealtimePriority& operator=(const RealtimePriority&) = delete;
  ~RealtimePriority() { Drop(); }

  void Raise();
  void Drop();
  bool Raised() const { return m_raised; }

private:
  bool m_raised = false;
  int m_policy = SCHED_OTHER;
  sched_param m_param{};
};

}  // namespace korvix
