// Export and import of "Scripts.txt" for a project at its limit: 2000
// Scripts of 100 steps each, 200 000 step lines.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <string>

#include "automation/script_text_files.h"
#include "platform/millisecond_clock.h"
#include "platform/text_mem_file.h"

namespace {

using korvix::CKorvixDoc;

constexpr int kStepsPerScript = 100;

class YesSink final : public korvix::MessageSink {
protected:
  korvix::MessageResult Present(const std::string&, const std::string&, korvix::MessageIcon,
                                korvix::MessageButtons) override {
    return korvix::MessageResult::Yes;
  }
};

// A mix of the step kinds a real Script holds, with texts of typical length.
korvix::ScriptStep Step(int i) {
  korvix::ScriptStep step;
  switch (i % 4) {
    case 0:
      step.code = 0;
      step.param1 = "ARD" + std::to_string(i);
      step.param2 = "Tank" + std::to_string(i);
      break;
    case 1:
      step.code = 2;
      step.param1 = "500";
      break;
    case 2:
      step.code = 3;
      step.param1 = "Level is {Tank" + std::to_string(i) + "} litres";
      step.param2 = "Panel";
      break;
    default:
      step.code = 41;
      step.param1 = "Alarm";
      step.param2 = "Tank high, drain now";
      break;
  }
  return step;
}

const CKorvixDoc& FullProject() {
  static const CKorvixDoc doc = [] {
    CKorvixDoc d;
    for (int s = 0; s < korvix::kMaxScripts; ++s) {
      korvix::ScriptRecord script;
      script.idlabel = "Script" + std::to_string(s + 1);
      for (int i = 0; i < kStepsPerScript; ++i) {
        script.steps.Add(Step(i));
      }
      d.m_scripts.Add(std::move(script));
    }
    return d;
  }();
  return doc;
}

std::string FilePath() {
  return (std::filesystem::temp_directory_path() / ("korvix_bench_Scripts_" + std::to_string(::getpid()) + ".txt"))
      .string();
}

void BM_ExportScripts(benchmark::State& state) {
  const CKorvixDoc& doc = FullProject();
  YesSink sink;
  const std::string path = FilePath();
  for (auto _ : state) {
    if (korvix::ExportScripts(doc, korvix::TextFileJob{path, sink}) != korvix::TextFileOutcome::Done) {
      state.SkipWithError("export failed");
    }
  }
  state.counters["lines"] = korvix::kMaxScripts * kStepsPerScript;
  std::filesystem::remove(path);
}
BENCHMARK(BM_ExportScripts)->Unit(benchmark::kMillisecond);

void BM_ImportScripts(benchmark::State& state) {
  YesSink sink;
  korvix::MonotonicClock clock;
  korvix::TextMemFile memfile(sink, clock);
  const std::string path = FilePath();
  korvix::ExportScripts(FullProject(), korvix::TextFileJob{path, sink});
  for (auto _ : state) {
    CKorvixDoc doc;
    if (korvix::ImportScripts(doc, korvix::TextFileJob{path, sink}, memfile) != korvix::TextFileOutcome::Done ||
        doc.m_scripts.Count() != korvix::kMaxScripts) {
      state.SkipWithError("import failed");
    }
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ImportScripts)->Unit(benchmark::kMillisecond);

}  // namespace
