// The web log's page build off the interface thread. While the log is read
// the Run-Loop holds back timed records (whose shortest interval is 0.1 s),
// so the read is what must stay short, and flat as the log grows.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "publishing/local_page_file.h"
#include "publishing/web_log_page.h"
#include "publishing/web_log_tail.h"

namespace {

using namespace korvix;

std::string Folder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvix-weblog-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
  }();
  return folder;
}

// A log of 20 columns of about `megabytes` MB, made once per size.
std::string Log(int megabytes) {
  const std::string path = Folder() + "/log" + std::to_string(megabytes) + ".csv";
  if (std::filesystem::exists(path)) return path;
  std::string header = "Date,Time";
  for (int c = 2; c < 20; ++c) header += ",Sensor" + std::to_string(c);
  std::string row = "12/10/26,17:00:00";
  for (int c = 2; c < 20; ++c) row += ",123.45";
  row += "\r\n";
  std::ofstream out(path, std::ios::binary);
  out << header << "\r\n";
  const std::size_t target = static_cast<std::size_t>(megabytes) * 1'000'000;
  std::string block;
  while (block.size() < 1'000'000) block += row;
  for (std::size_t written = 0; written < target; written += block.size()) out << block;
  return path;
}

void BM_WebLogRead(benchmark::State& state) {
  const std::string path = Log(static_cast<int>(state.range(0)));
  int linelen = 0;
  ReadWebLogTail(path, 1, 50, linelen);
  for (auto _ : state) benchmark::DoNotOptimize(ReadWebLogTail(path, 1, 50, linelen));
}
BENCHMARK(BM_WebLogRead)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_WebLogPageWithoutFtp(benchmark::State& state) {
  const std::string path = Log(static_cast<int>(state.range(0)));
  const WebLogSettings settings;
  const std::string page = Folder() + "/page.html";
  int linelen = 0;
  ReadWebLogTail(path, 1, 50, linelen);
  for (auto _ : state) {
    const WebLogTail tail = ReadWebLogTail(path, settings.m_weblognth, settings.m_weblogrows, linelen);
    const std::string rows = SelectWebLogRows(tail.data, settings.m_weblognth, settings.m_weblogrows);
    WriteLocalPage(page, BuildWebLogPage(settings, tail.header, rows));
  }
}
BENCHMARK(BM_WebLogPageWithoutFtp)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// 1000 rows every 10th: the tail estimate covers the whole file.
void BM_WebLogWholeFileEveryTenth(benchmark::State& state) {
  const std::string path = Folder() + "/rows1000.csv";
  {
    std::ofstream out(path, std::ios::binary);
    out << "n,value\r\n";
    for (int i = 0; i < 1000; ++i) out << i << ",23.5\r\n";
  }
  WebLogSettings settings;
  settings.m_weblognth = 10;
  settings.m_weblogrows = 1000;
  const std::string page = Folder() + "/page1000.html";
  int linelen = 0;
  for (auto _ : state) {
    const WebLogTail tail = ReadWebLogTail(path, settings.m_weblognth, settings.m_weblogrows, linelen);
    const std::string rows = SelectWebLogRows(tail.data, settings.m_weblognth, settings.m_weblogrows);
    WriteLocalPage(page, BuildWebLogPage(settings, tail.header, rows));
  }
}
BENCHMARK(BM_WebLogWholeFileEveryTenth)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(Folder());
  return 0;
}
