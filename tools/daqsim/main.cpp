// daqsim: a bank of DAQ Modules on a pseudo-terminal, for tests and demos.

#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "daqsim/sim_config.h"
#include "daqsim/simulator.h"

namespace {

const char kUsage[] =
    "usage: daqsim [--config FILE] [--link PATH]\n"
    "  --config FILE  modules and answers (default: every module, any command\n"
    "                 answered by a counter 0..9999 after 2 ms)\n"
    "  --link PATH    also make PATH a symbolic link to the device\n"
    "Prints the device to open, then answers until interrupted.\n";

bool ReadFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  text = all.str();
  return true;
}

// Replaces an old link of ours, never a file.
bool MakeLink(const std::string& device, const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0) {
    if (!S_ISLNK(st.st_mode)) {
      std::cerr << "daqsim: " << path << " exists and is not a symbolic link\n";
      return false;
    }
    unlink(path.c_str());
  }
  if (symlink(device.c_str(), path.c_str()) != 0) {
    std::cerr << "daqsim: cannot link " << path << ": " << std::strerror(errno) << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string config_path, link_path;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--config" || arg == "--link") && i + 1 < argc) {
      (arg == "--config" ? config_path : link_path) = argv[++i];
    } else {
      std::cerr << kUsage;
      return arg == "--help" || arg == "-h" ? 0 : 2;
    }
  }

  korvix::daqsim::SimConfig config = korvix::daqsim::DefaultConfig();
  if (!config_path.empty()) {
    std::string text;
    if (!ReadFile(config_path, text)) {
      std::cerr << "daqsim: cannot read " << config_path << "\n";
      return 2;
    }
    korvix::daqsim::ConfigResult parsed = korvix::daqsim::ParseConfig(text);
    if (!parsed.config) {
      std::cerr << "daqsim: " << config_path << ": " << parsed.error << "\n";
      return 2;
    }
    config = *parsed.config;
  }

  // Signals are taken by sigwait below, not by whichever thread they hit.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);

  korvix::daqsim::Simulator simulator(config);
  std::string error;
  if (!simulator.Open(error)) {
    std::cerr << "daqsim: " << error << "\n";
    return 1;
  }
  if (!link_path.empty() && !MakeLink(simulator.DevicePath(), link_path)) return 1;
  std::cout << simulator.DevicePath() << std::endl;

  std::thread wire([&simulator] { simulator.Run(); });
  int received = 0;
  sigwait(&signals, &received);
  simulator.Stop();
  wire.join();
  if (!link_path.empty()) unlink(link_path.c_str());
  return 0;
}
