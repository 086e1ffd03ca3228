#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace korvix::testing {

// The far end of a pseudo-terminal, played by the test: everything the link
// writes is recorded with its arrival time, and the test answers through
// Send. A handler may react to each byte as it arrives.
class PtyPair {
public:
  using Clock = std::chrono::steady_clock;
  struct Arrival {
    uint8_t byte;
    Clock::time_point at;
  };

  PtyPair();
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  const std::string& SlavePath() const { return m_slave; }
  // Blocks while the line is full, for two seconds at most.
  void Send(const std::string& bytes);
  // Sends and waits (two seconds at most) until the bytes are in the link's
  // input, so that a test may rely on them being there.
  void SendDelivered(const std::string& bytes);
  // Waits (two seconds at most) until the link's input holds `count` bytes.
  void WaitDelivered(size_t count);
  // Hangs up the line, as an unplugged adapter does.
  void CloseMaster();

  // Runs on the reader thread for every byte the link wrote.
  void OnByte(std::function<void(uint8_t, PtyPair&)> handler);

  std::vector<Arrival> Arrivals();
  std::string Received();
  // Waits (bounded) until `count` bytes have arrived.
  bool WaitForBytes(size_t count, std::chrono::milliseconds limit = std::chrono::milliseconds(3000));

private:
  void ReadLoop();

  int m_master = -1;
  int m_watch = -1;  // our own hold on the link's end, to see what it holds
  int m_wake[2] = {-1, -1};
  std::string m_slave;
  std::mutex m_lock;
  std::condition_variable m_closed;
  std::vector<Arrival> m_arrivals;
  std::function<void(uint8_t, PtyPair&)> m_handler;
  std::thread m_reader;
};

// Sends bytes on its own thread until stopped: a module that never pauses.
class Streamer {
public:
  Streamer(PtyPair& pty, std::string chunk, std::chrono::microseconds pause);
  ~Streamer();

private:
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

}  // namespace korvix::testing
