#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "daqsim/sim_config.h"

namespace korvix::daqsim {

// Bytes a module puts on the line, once `delay_ms` has passed.
struct Reply {
  char address = 0;
  std::string bytes;
  double delay_ms = 0;
};

// The answer logic of the bank of modules, free of any line or clock: the
// wire engine tells it what arrived and when, it says what goes out.
class ModuleBank {
public:
  explicit ModuleBank(SimConfig config);

  // The first byte of a command arrived: modules with the talk fault start
  // talking unless the command is for them.
  std::vector<Reply> CommandStarted(char address);
  // A command ended with CR (cancelled = false) or "*" (cancelled = true);
  // `command` holds the address letter and what followed, without the end.
  // `t_ms` is the simulator's running time, which ramps and sines follow.
  std::optional<Reply> CommandEnded(const std::string& command, bool cancelled, double t_ms);

  // The next piece of an endless stream, empty while no module streams.
  std::string StreamChunk();
  bool Streaming() const { return m_streamer >= 0; }

private:
  std::string Answer(int slot, const std::string& body, double t_ms);
  std::string Framed(int slot, const std::string& text) const;

  SimConfig m_config;
  std::array<bool, kModuleSlots> m_commanded{};
  std::array<std::vector<double>, kModuleSlots> m_counters;  // the next value, per rule
  int m_streamer = -1;
};

}  // namespace korvix::daqsim
