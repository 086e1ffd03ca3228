#include "daqsim/simulator.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace korvix::daqsim {

namespace {

// A partial command longer than this is line noise, not a command.
constexpr size_t kMaxCommandBytes = 256;
const char kRadioEscape[] = "+++";
// The longest the loop sleeps with nothing to do, so Stop is seen promptly.
constexpr std::chrono::milliseconds kIdleWake(100);
constexpr std::chrono::milliseconds kRetryFullLine(10);
constexpr int kWirePriority = 10;

}  // namespace

Simulator::Simulator(SimConfig config) : m_bank(std::move(config)) {}

Simulator::~Simulator() {
  for (int fd : {m_master, m_slave, m_wake[0], m_wake[1]}) {
    if (fd >= 0) close(fd);
  }
}

bool Simulator::Open(std::string& error) {
  m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  char name[128];
  if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0 ||
      ptsname_r(m_master, name, sizeof name) != 0) {
    error = std::string("no pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  m_slavepath = name;
  m_slave = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  termios tio{};
  if (m_slave < 0 || tcgetattr(m_slave, &tio) != 0) {
    error = "cannot open " + m_slavepath + ": " + std::strerror(errno);
    return false;
  }
  // Raw until the program sets the line up itself: nothing echoed or cooked.
  cfmakeraw(&tio);
  tcsetattr(m_slave, TCSANOW, &tio);
  if (pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
    error = std::string("no pipe: ") + std::strerror(errno);
    return false;
  }
  return true;
}

void Simulator::Stop() {
  m_stop = true;
  const char wake = 1;
  (void)!write(m_wake[1], &wake, 1);
}

void Simulator::Run() {
  // Character times are a millisecond: the thread's sleeps must end on
  // time, so the kernel may not defer them, and where the process may it
  // runs ahead of ordinary work. Neither is needed to run at all.
  prctl(PR_SET_TIMERSLACK, 1UL);
  sched_param param{};
  param.sched_priority = kWirePriority;
  pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);

  m_start = Clock::now();
  while (!m_stop) {
    Clock::time_point now = Clock::now();
    SendDue(now);
    const auto wait = std::max(NextWake(now) - Clock::now(), Clock::duration::zero());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    const timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
    if (ppoll(fds, 2, &ts, nullptr) < 0 && errno != EINTR) return;
    if (fds[1].revents != 0) return;
    if ((fds[0].revents & POLLIN) == 0) continue;

    unsigned char buffer[256];
    const ssize_t n = read(m_master, buffer, sizeof buffer);
    now = Clock::now();
    for (ssize_t i = 0; i < n; ++i) {
      // A byte is heard when the line could have carried it: one character
      // time after it was written or after the byte before it, never sooner.
      m_lastheard = std::max(now, m_lastheard) + kByteTime;
      Heard(buffer[i], m_lastheard);
    }
  }
}

void Simulator::Heard(unsigned char byte, Clock::time_point at) {
  if (byte == '\0' || byte == '\n') return;
  if (m_command.empty()) {
    for (const Reply& talk : m_bank.CommandStarted(static_cast<char>(byte))) Schedule(talk, at);
  }
  if (byte == '\r' || byte == '*') {
    const double t_ms = std::chrono::duration<double, std::milli>(at - m_start).count();
    if (const std::optional<Reply> reply = m_bank.CommandEnded(m_command, byte == '*', t_ms)) {
      Schedule(*reply, at);
    }
    m_command.clear();
    return;
  }
  m_command.push_back(static_cast<char>(byte));
  if (m_command == kRadioEscape || m_command.size() > kMaxCommandBytes) m_command.clear();
}

void Simulator::Schedule(const Reply& reply, Clock::time_point from) {
  const Clock::time_point due =
      from + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(reply.delay_ms));
  auto at = std::upper_bound(m_scheduled.begin(), m_scheduled.end(), due,
                             [](Clock::time_point t, const Scheduled& s) { return t < s.due; });
  m_scheduled.insert(at, Scheduled{due, reply.bytes});
}

void Simulator::SendDue(Clock::time_point now) {
  while (!m_scheduled.empty() && m_scheduled.front().due <= now) {
    // On an idle line the reply's first character starts when it is due.
    if (m_outgoing.empty()) m_lastsent = std::max(m_lastsent, m_scheduled.front().due);
    m_outgoing += m_scheduled.front().bytes;
    m_scheduled.pop_front();
  }
  if (m_outgoing.empty()) {
    m_outgoing = m_bank.StreamChunk();
    if (!m_outgoing.empty()) m_lastsent = std::max(m_lastsent, now - kByteTime);
  }
  if (m_outgoing.empty()) return;
  // A byte is handed over when the line has carried it, at the end of its
  // character time.
  const Clock::time_point next = m_lastsent + kByteTime;
  if (next > now) return;
  const ssize_t n = write(m_master, m_outgoing.data(), 1);
  if (n < 0 && errno == EAGAIN) {
    // The program reads no more and the line is full: keep the byte and
    // try again a little later.
    m_lastsent = now + kRetryFullLine - kByteTime;
    return;
  }
  m_outgoing.erase(0, 1);
  // Keep the character pace without drift from the loop's own small
  // lateness; after a long stall, go on from now rather than burst.
  m_lastsent = now - next > kByteTime ? now : next;
}

Simulator::Clock::time_point Simulator::NextWake(Clock::time_point now) const {
  Clock::time_point wake = now + kIdleWake;
  if (!m_scheduled.empty()) wake = std::min(wake, m_scheduled.front().due);
  if (!m_outgoing.empty() || m_bank.Streaming()) wake = std::min(wake, m_lastsent + kByteTime);
  return wake;
}

}  // namespace korvix::daqsim
