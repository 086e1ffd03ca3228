// Resident memory of the program started with an empty project, beside that
// of a bare Qt main window with a menu and a status bar of the program's
// window size, each in a process of its own on the offscreen platform, in
// the same scratch home and folder and measured after the same settle time.
// Each is started several times in turn and its median reported, as one
// reading on a busy machine can be off by a few hundred kilobytes.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr char kBareWindowOption[] = "--bare-window";
// The program's main window opens at this size.
constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 720;
// Long enough for either process to show its window and settle.
constexpr auto kSettle = std::chrono::seconds(3);
constexpr int kSamples = 3;

int BareWindow(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
  window.statusBar()->showMessage(QStringLiteral("Ready"));
  window.resize(kWindowWidth, kWindowHeight);
  window.show();
  return QApplication::exec();
}

// Kilobytes resident in the process, from its status file.
long ResidentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string word;
  while (status >> word)
    if (word == "VmRSS:") {
      long kilobytes = 0;
      status >> kilobytes;
      return kilobytes;
    }
  return -1;
}

// Starts the command with the scratch folder as its home, so that the
// program finds no project and no profile but what its own earlier starts
// there left; returns what it holds once settled, in megabytes.
double SettledMegabytes(const std::vector<std::string>& command, const std::string& home) {
  std::vector<std::string> variables{"QT_QPA_PLATFORM=offscreen", "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/config",
                                     "XDG_DATA_HOME=" + home + "/data", "XDG_RUNTIME_DIR=" + home};
  std::vector<char*> environment;
  for (std::string& v : variables) environment.push_back(v.data());
  environment.push_back(nullptr);
  std::vector<std::string> words = command;
  std::vector<char*> arguments;
  for (std::string& w : words) arguments.push_back(w.data());
  arguments.push_back(nullptr);
  // Started in the scratch folder, so that whatever either writes to its
  // working folder goes with it.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, home.c_str());
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, arguments[0], &actions, nullptr, arguments.data(), environment.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  std::this_thread::sleep_for(kSettle);
  const long kilobytes = ResidentKilobytes(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return kilobytes < 0 ? -1 : static_cast<double>(kilobytes) / 1024.0;
}

std::string SelfPath() { return std::filesystem::read_symlink("/proc/self/exe").string(); }

// The middle reading, or -1 when any start failed.
double Median(std::vector<double> readings) {
  if (std::any_of(readings.begin(), readings.end(), [](double r) { return r < 0; })) return -1;
  std::sort(readings.begin(), readings.end());
  return readings[readings.size() / 2];
}

void ResidentWithEmptyProject(benchmark::State& state) {
  std::string pattern = (std::filesystem::temp_directory_path() / "korvix-resident-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    state.SkipWithError("no scratch folder");
    return;
  }
  // The first start of a fresh profile shows what is new in this version
  // over the window; the user sees that once, so it is reported apart.
  const double firststart = SettledMegabytes({KORVIX_PROGRAM}, pattern);
  double program = 0;
  double bare = 0;
  for (auto _ : state) {
    std::vector<double> programs;
    std::vector<double> bares;
    for (int i = 0; i < kSamples; ++i) {
      programs.push_back(SettledMegabytes({KORVIX_PROGRAM}, pattern));
      bares.push_back(SettledMegabytes({SelfPath(), kBareWindowOption}, pattern));
    }
    program = Median(programs);
    bare = Median(bares);
  }
  std::filesystem::remove_all(pattern);
  if (program < 0 || bare < 0 || firststart < 0) state.SkipWithError("a process did not start");
  state.counters["program_MB"] = program;
  state.counters["bare_window_MB"] = bare;
  state.counters["over_bare_MB"] = program - bare;
  state.counters["first_start_MB"] = firststart;
}

BENCHMARK(ResidentWithEmptyProject)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == kBareWindowOption) return BareWindow(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
