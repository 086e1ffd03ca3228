// The name list of a project filled to every limit, built as each property
// editor opens, and the check of a 1000-character math formula against it.

#include <benchmark/benchmark.h>

#include <string>

#include "document/korvix_doc.h"
#include "platform/testing/recording_message_sink.h"
#include "properties/entry_validation.h"
#include "properties/name_list.h"

namespace {

using namespace korvix;

// Labels numbered downwards, so that every group needs sorting and its
// digits ("Level10" before "Level9") do not come out in document order.
template <class List>
void Fill(List& list, const std::string& prefix) {
  for (int i = List::kLimit; i > 0; --i) list[list.Add()].idlabel = prefix + std::to_string(i);
}

struct FullProject {
  FullProject() {
    Fill(doc.m_datawindows, "DataWindow");
    Fill(doc.m_textwindows, "TextWindow");
    Fill(doc.m_inputwindows, "InputWindow");
    Fill(doc.m_levelgauges, "Level");
    Fill(doc.m_dialgauges, "Dial");
    Fill(doc.m_metergauges, "Meter");
    Fill(doc.m_vertgauges, "Vertical");
    Fill(doc.m_horzgauges, "Horizontal");
    Fill(doc.m_dualhandgauges, "DualHand");
    Fill(doc.m_windvanes, "WindVane");
    Fill(doc.m_pivottrackers, "Pivot");
    Fill(doc.m_signallamps, "Lamp");
    Fill(doc.m_eventcounters, "Counter");
    Fill(doc.m_eventtimers, "Timer");
    Fill(doc.m_buttonarrays, "Buttons");
    Fill(doc.m_picontrollers, "PI");
    Fill(doc.m_chartrecorders, "Chart");
    Fill(doc.m_conditionals, "Condition");
    Fill(doc.m_variables, "Variable");
    for (int i = 0; i < doc.m_variables.Count(); ++i) doc.m_variables[i].valueformat = i % 4;
    for (const ConditionalRecord& conditional : doc.m_conditionals) {
      doc.m_scripts[doc.m_scripts.Add()].idlabel = conditional.idlabel + kActionScriptMarker;
    }
    while (!doc.m_scripts.IsFull()) {
      doc.m_scripts[doc.m_scripts.Add()].idlabel = "Script" + std::to_string(doc.m_scripts.Count());
    }
  }
  CKorvixDoc doc;
};

// Blanks between every term, so that each of its words is looked up.
std::string LongFormula() {
  std::string formula;
  for (int i = 1; formula.size() < 990; ++i) {
    formula += "$ABS({DataWindow" + std::to_string(i) + "} - 2.5) * ";
  }
  return formula + "1";
}

void BM_BuildNameList(benchmark::State& state) {
  const FullProject project;
  size_t size = 0;
  for (auto _ : state) {
    const std::string list = BuildNameList(project.doc);
    size = list.size();
    benchmark::DoNotOptimize(list.data());
  }
  state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_BuildNameList)->Unit(benchmark::kMillisecond);

void BM_CheckLongMathFormula(benchmark::State& state) {
  const FullProject project;
  const std::string namelist = BuildNameList(project.doc);
  const std::string formula = LongFormula();
  RecordingMessageSink sink;
  for (auto _ : state) {
    if (CheckMathFormula(sink, formula, namelist) != 1) {
      state.SkipWithError("the formula was refused");
      break;
    }
  }
  state.counters["characters"] = static_cast<double>(formula.size());
}
BENCHMARK(BM_CheckLongMathFormula)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
