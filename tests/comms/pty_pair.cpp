#include "pty_pair.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace korvix::testing {

PtyPair::PtyPair() {
  m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  // Non-blocking, so that a full line never holds a sender past its limit.
  if (m_master >= 0) fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
  if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
    throw std::runtime_error("no pseudo-terminal");
  }
  char name[128];
  if (ptsname_r(m_master, name, sizeof name) != 0) throw std::runtime_error("no slave name");
  m_slave = name;
  m_watch = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (m_watch < 0) throw std::runtime_error("cannot open the slave");
  // Raw from the start, so that nothing the test sends is cooked or echoed
  // before the link opens the line.
  termios tio{};
  tcgetattr(m_master, &tio);
  cfmakeraw(&tio);
  tcsetattr(m_master, TCSANOW, &tio);
  if (pipe2(m_wake, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
  m_reader = std::thread([this] { ReadLoop(); });
}

namespace {
const char kStop = 's';
const char kHangUp = 'h';
}  // namespace

PtyPair::~PtyPair() {
  (void)!write(m_wake[1], &kStop, 1);
  m_reader.join();
  if (m_master >= 0) close(m_master);
  close(m_watch);
  close(m_wake[0]);
  close(m_wake[1]);
}

void PtyPair::Send(const std::string& bytes) {
  // A line that nobody reads any more (the link closed it) takes no more.
  const auto give_up = Clock::now() + std::chrono::seconds(2);
  size_t done = 0;
  while (done < bytes.size() && Clock::now() < give_up) {
    const ssize_t n = write(m_master, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
      return;
    } else {
      pollfd pfd{m_master, POLLOUT, 0};
      poll(&pfd, 1, 10);
    }
  }
}

// The reader closes the master itself: a close while another thread polls
// the descriptor would not hang the line up until that poll returns.
void PtyPair::SendDelivered(const std::string& bytes) {
  Send(bytes);
  WaitDelivered(bytes.size());
}

void PtyPair::WaitDelivered(size_t count) {
  const auto until = Clock::now() + std::chrono::seconds(2);
  int queued = 0;
  while (Clock::now() < until && ioctl(m_watch, FIONREAD, &queued) == 0 && queued < static_cast<int>(count)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void PtyPair::CloseMaster() {
  std::unique_lock<std::mutex> guard(m_lock);
  if (m_master < 0) return;
  (void)!write(m_wake[1], &kHangUp, 1);
  m_closed.wait(guard, [this] { return m_master < 0; });
}

void PtyPair::OnByte(std::function<void(uint8_t, PtyPair&)> handler) {
  std::lock_guard<std::mutex> guard(m_lock);
  m_handler = std::move(handler);
}

std::vector<PtyPair::Arrival> PtyPair::Arrivals() {
  std::lock_guard<std::mutex> guard(m_lock);
  return m_arrivals;
}

std::string PtyPair::Received() {
  std::string text;
  for (const Arrival& a : Arrivals()) text.push_back(static_cast<char>(a.byte));
  return text;
}

bool PtyPair::WaitForBytes(size_t count, std::chrono::milliseconds limit) {
  const auto until = Clock::now() + limit;
  while (Clock::now() < until) {
    if (Arrivals().size() >= count) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

void PtyPair::ReadLoop() {
  // The far end notes arrival times: where the process may, it is woken
  // ahead of ordinary work, so that a loaded machine delays it less.
  sched_param param{};
  param.sched_priority = 10;
  pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
  for (;;) {
    int master = -1;
    {
      std::lock_guard<std::mutex> guard(m_lock);
      master = m_master;
    }
    pollfd fds[2] = {{m_wake[0], POLLIN, 0}, {master, POLLIN, 0}};
    const int nfds = master >= 0 ? 2 : 1;
    if (poll(fds, nfds, 20) < 0 && errno != EINTR) return;
    if (fds[0].revents != 0) {
      char command = kStop;
      if (read(m_wake[0], &command, 1) != 1 || command == kStop) return;
      std::lock_guard<std::mutex> guard(m_lock);
      close(m_master);
      m_master = -1;
      m_closed.notify_all();
      continue;
    }
    if (nfds < 2 || (fds[1].revents & POLLIN) == 0) {
      if (nfds == 2 && fds[1].revents != 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
      continue;
    }
    uint8_t buffer[256];
    const ssize_t n = read(master, buffer, sizeof buffer);
    const Clock::time_point at = Clock::now();
    if (n <= 0) continue;
    std::function<void(uint8_t, PtyPair&)> handler;
    {
      std::lock_guard<std::mutex> guard(m_lock);
      for (ssize_t i = 0; i < n; ++i) m_arrivals.push_back({buffer[i], at});
      handler = m_handler;
    }
    if (handler) {
      for (ssize_t i = 0; i < n; ++i) handler(buffer[i], *this);
    }
  }
}

Streamer::Streamer(PtyPair& pty, std::string chunk, std::chrono::microseconds pause)
    : m_thread([this, &pty, chunk = std::move(chunk), pause] {
        while (!m_stop) {
          pty.Send(chunk);
          std::this_thread::sleep_for(pause);
        }
      }) {}

Streamer::~Streamer() {
  m_stop = true;
  m_thread.join();
}

}  // namespace korvix::testing
