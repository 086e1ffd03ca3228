#pragma once

#include <atomic>
#include <chrono>
#include <deque>
#include <string>

#include "daqsim/module_bank.h"
#include "daqsim/sim_config.h"

namespace korvix::daqsim {

// The bank of modules on the far end of a pseudo-terminal. It keeps the wire
// honest: a byte takes one 9600-baud character time (10 bits) each way, so a
// command counts as heard only when its last byte could have arrived, and
// replies leave no faster than the line could carry them.
class Simulator {
public:
  explicit Simulator(SimConfig config);
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  // Creates the pseudo-terminal; false with the reason in `error`.
  bool Open(std::string& error);
  // The device the program opens.
  const std::string& DevicePath() const { return m_slavepath; }

  // Answers until Stop, on a thread of its own: it sharpens that thread's
  // timing (and lifts it to real-time priority where the process may).
  void Run();
  void Stop();

  static constexpr std::chrono::nanoseconds kByteTime{1041667};

private:
  using Clock = std::chrono::steady_clock;
  struct Scheduled {
    Clock::time_point due;
    std::string bytes;
  };

  void Heard(unsigned char byte, Clock::time_point at);
  void Schedule(const Reply& reply, Clock::time_point from);
  void SendDue(Clock::time_point now);
  Clock::time_point NextWake(Clock::time_point now) const;

  ModuleBank m_bank;
  int m_master = -1;
  int m_slave = -1;  // held open so that the line lives while no program uses it
  int m_wake[2] = {-1, -1};
  std::string m_slavepath;
  std::atomic<bool> m_stop{false};

  Clock::time_point m_start;
  Clock::time_point m_lastheard{};  // when the last received byte was complete
  Clock::time_point m_lastsent{};   // when the last sent byte had been carried
  std::string m_command;
  std::deque<Scheduled> m_scheduled;  // replies waiting out their delay
  std::string m_outgoing;             // bytes due, sent one character time apart
};

}  // namespace korvix::daqsim
