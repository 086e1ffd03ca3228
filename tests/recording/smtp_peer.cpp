#include "smtp_peer.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace korvix {
namespace {

constexpr int kReadyTimeoutMs = 15000;
constexpr auto kStopTimeout = std::chrono::seconds(5);

std::string ReadLine(int fd) {
  std::string line;
  char c = 0;
  while (line.size() < 100) {
    pollfd wait{fd, POLLIN, 0};
    if (poll(&wait, 1, kReadyTimeoutMs) <= 0 || read(fd, &c, 1) != 1 || c == '\n') break;
    line += c;
  }
  return line;
}

}  // namespace

SmtpPeer::SmtpPeer(const std::string& mode, const std::string& outdir, const std::string& certdir,
                   const std::string& user, const std::string& password, const std::string& refusal) {
  std::vector<std::string> words = {
      "/usr/bin/python3",   KORVIX_SMTP_PEER, mode, outdir,       "--cert", certdir + "/cert.pem", "--key",
      certdir + "/key.pem", "--user",         user, "--password", password, "--refusal",           refusal};
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  int input[2];
  int output[2];
  if (pipe(input) != 0 || pipe(output) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input[0], 0);
  posix_spawn_file_actions_adddup2(&actions, output[1], 1);
  posix_spawn_file_actions_addclose(&actions, input[1]);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  const int spawned = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(input[0]);
  close(output[1]);
  m_input = input[1];
  if (spawned != 0) m_pid = -1;
  const std::string ready = spawned == 0 ? ReadLine(output[0]) : "";
  close(output[0]);
  if (ready.rfind("READY ", 0) == 0) m_port = std::atoi(ready.c_str() + 6);
}

SmtpPeer::~SmtpPeer() {
  close(m_input);
  if (m_pid < 0) return;
  const auto deadline = std::chrono::steady_clock::now() + kStopTimeout;
  while (waitpid(m_pid, nullptr, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(m_pid, SIGKILL);
      waitpid(m_pid, nullptr, 0);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

bool MakeLoopbackCertificate(const std::string& folder) {
  const std::string command =
      "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1"
      " -addext subjectAltName=IP:127.0.0.1 -keyout '" +
      folder + "/key.pem' -out '" + folder + "/cert.pem' >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

}  // namespace korvix
