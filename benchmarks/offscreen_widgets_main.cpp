// The widget benchmarks run on the offscreen platform: they need no display,
// and no window manager's work is counted in their times.
#include <benchmark/benchmark.h>
#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
