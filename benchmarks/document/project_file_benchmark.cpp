// Store and load of a project filled to its limits: every screen-object
// kind full, 2000 Scripts of 50 steps, 1000 Conditionals, 1000 Variables.

#include <benchmark/benchmark.h>

#include <string>

#include "document/project_file.h"

namespace {

using korvix::CKorvixDoc;

constexpr int kStepsPerScript = 50;

template <class List>
void FillToLimit(List& list) {
  while (list.Add() >= 0) {
  }
}

template <class List>
void LabelAll(List& list, const char* prefix) {
  for (int i = 0; i < list.Count(); ++i) {
    list[i].idlabel = prefix + std::to_string(i + 1);
  }
}

CKorvixDoc& LargeProject() {
  static CKorvixDoc doc = [] {
    CKorvixDoc d;
    FillToLimit(d.m_textboxes);
    FillToLimit(d.m_imageboxes);
    FillToLimit(d.m_datawindows);
    FillToLimit(d.m_textwindows);
    FillToLimit(d.m_inputwindows);
    FillToLimit(d.m_levelgauges);
    FillToLimit(d.m_dialgauges);
    FillToLimit(d.m_metergauges);
    FillToLimit(d.m_vertgauges);
    FillToLimit(d.m_horzgauges);
    FillToLimit(d.m_dualhandgauges);
    FillToLimit(d.m_windvanes);
    FillToLimit(d.m_pivottrackers);
    FillToLimit(d.m_signallamps);
    FillToLimit(d.m_eventcounters);
    FillToLimit(d.m_eventtimers);
    FillToLimit(d.m_pushbuttons);
    FillToLimit(d.m_buttonarrays);
    FillToLimit(d.m_rockerswitches);
    FillToLimit(d.m_slidercontrols);
    FillToLimit(d.m_picontrollers);
    FillToLimit(d.m_chartrecorders);
    LabelAll(d.m_datawindows, "DataWindow");
    LabelAll(d.m_levelgauges, "Level");
    LabelAll(d.m_buttonarrays, "ButtonArray");
    FillToLimit(d.m_scripts);
    for (int i = 0; i < d.m_scripts.Count(); ++i) {
      korvix::ScriptRecord& script = d.m_scripts[i];
      script.idlabel = "Script" + std::to_string(i + 1);
      for (int s = 0; s < kStepsPerScript; ++s) {
        korvix::ScriptStep& step = script.steps[script.steps.Add()];
        step.param1 = "A" + std::to_string(s) + "RD";
        step.param2 = "DataWindow" + std::to_string(s + 1);
      }
    }
    FillToLimit(d.m_conditionals);
    for (korvix::ConditionalRecord& conditional : d.m_conditionals) {
      conditional.expression = "{Level1} > 50 OR {DataWindow2} < 3";
    }
    FillToLimit(d.m_variables);
    LabelAll(d.m_variables, "Variable");
    return d;
  }();
  return doc;
}

void BM_StoreLargeProject(benchmark::State& state) {
  CKorvixDoc& doc = LargeProject();
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string bytes = korvix::StoreProject(doc);
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.counters["file_bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_StoreLargeProject)->Unit(benchmark::kMillisecond);

void BM_LoadLargeProject(benchmark::State& state) {
  const std::string bytes = korvix::StoreProject(LargeProject());
  for (auto _ : state) {
    CKorvixDoc doc;
    const korvix::LoadResult result = korvix::LoadProject(bytes, doc);
    if (!result.Ok()) {
      state.SkipWithError(result.message.c_str());
      break;
    }
    benchmark::DoNotOptimize(doc.m_scripts.Count());
  }
}
BENCHMARK(BM_LoadLargeProject)->Unit(benchmark::kMillisecond);

}  // namespace
