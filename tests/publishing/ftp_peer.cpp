#include "ftp_peer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace korvix {

namespace {

const char* ModeArgument(FtpPeerMode mode) {
  switch (mode) {
    case FtpPeerMode::Normal: break;
    case FtpPeerMode::Stall: return "--stall";
    case FtpPeerMode::NoFinalReply: return "--no-final-reply";
  }
  return nullptr;
}

}  // namespace

FtpPeer::FtpPeer(const std::string& root, FtpPeerMode mode, int port) {
  int in[2];
  int out[2];
  if (::pipe(in) != 0 || ::pipe(out) != 0) throw std::runtime_error("pipe failed");
  m_pid = ::fork();
  if (m_pid == 0) {
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    ::close(in[1]);
    ::close(out[0]);
    const std::string portarg = std::to_string(port);
    ::execl("/usr/bin/python3", "python3", KORVIX_FTP_PEER_SCRIPT, root.c_str(), portarg.c_str(), ModeArgument(mode),
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  m_stdin = in[1];
  std::string line;
  char c = 0;
  while (::read(out[0], &c, 1) == 1 && c != '\n') line += c;
  ::close(out[0]);
  m_port = line.empty() ? 0 : std::stoi(line);
  if (m_port == 0) {
    ::close(m_stdin);
    ::waitpid(m_pid, nullptr, 0);
    throw std::runtime_error("the FTP peer did not start (is python3-pyftpdlib installed, the port free?)");
  }
}

FtpPeer::~FtpPeer() {
  ::close(m_stdin);
  for (int i = 0; i < 50; ++i) {
    if (::waitpid(m_pid, nullptr, WNOHANG) == m_pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ::kill(m_pid, SIGKILL);
  ::waitpid(m_pid, nullptr, 0);
}

int ClosedLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(fd);
  return ntohs(address.sin_port);
}

}  // namespace korvix
