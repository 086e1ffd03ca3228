// The recording work of one Run-Loop pass: a Chart Recorder sample of ten
// fields into a memory that writes round, reading one record back field by
// field, and a data-log record of 100 columns flushed to the disk.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "recording/chart_memories.h"
#include "recording/data_log.h"

namespace {

using namespace korvix;

class TableLabels final : public LabelReader {
public:
  void GetLabelValue(std::string& out, std::string_view label, bool) override {
    out = label.size() % 2 ? "23.5" : "-7";
  }
};

struct Recording {
  CKorvixDoc doc;
  TableLabels labels;
  FakeWallClock wall;
  FakeMillisecondClock ticks;
  RunClock clock{wall, ticks};
  RecordingMessageSink sink;
  ObjectRunStates states;
};

void BM_ChartWriteWrapped(benchmark::State& state) {
  Recording r;
  ChartMemories memories(r.doc, r.states, r.labels, r.clock, r.sink);
  const int index = r.doc.m_chartrecorders.Add();
  ChartRecorderRecord& recorder = r.doc.m_chartrecorders[index];
  for (int f = 0; f < kMaxChartRecorderFields; ++f)
    recorder.fields[recorder.fields.Add()].label = "Field" + std::to_string(f);
  recorder.span = 10;
  recorder.spanunit = 0;
  memories.StartChartRecorder(index, 0);
  for (int second = 0; second < 12; ++second) {
    r.wall.now.second = second;
    memories.ChartWrite(index);
  }
  for (auto _ : state) {
    r.ticks.now += 10;
    memories.ChartWrite(index);
  }
  state.counters["memory_bytes"] = static_cast<double>(memories.Memory(index).Length());
  if (!r.sink.shown.empty()) state.SkipWithError("a memory message was shown");
}
BENCHMARK(BM_ChartWriteWrapped);

void BM_ReadChartRecord(benchmark::State& state) {
  Recording r;
  ChartMemories memories(r.doc, r.states, r.labels, r.clock, r.sink);
  const int index = r.doc.m_chartrecorders.Add();
  ChartRecorderRecord& recorder = r.doc.m_chartrecorders[index];
  for (int f = 0; f < kMaxChartRecorderFields; ++f)
    recorder.fields[recorder.fields.Add()].label = "Field" + std::to_string(f);
  memories.ChartWrite(index);
  for (auto _ : state) {
    memories.Memory(index).Seek(0);
    for (std::string f = memories.ReadChartField(index); f != "\n"; f = memories.ReadChartField(index))
      benchmark::DoNotOptimize(f);
  }
}
BENCHMARK(BM_ReadChartRecord);

void BM_WriteDataLogRecord(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "korvix-logbench-XXXXXX").string();
  if (!mkdtemp(folder.data())) {
    state.SkipWithError("no temporary folder");
    return;
  }
  Recording r;
  PosixLogFileAccess files;
  DataLog log(r.doc, r.labels, r.clock, r.sink, files, r.ticks);
  const int columns = static_cast<int>(state.range(0));
  r.doc.m_logfieldcount = columns;
  r.doc.m_logcoldate = 0;
  r.doc.m_logcoltime = 1;
  for (int c = 2; c < columns; ++c) {
    const int dw = r.doc.m_datawindows.Add();
    r.doc.m_datawindows[dw].idlabel = "Temp" + std::to_string(c);
    r.doc.m_datawindows[dw].logcolumn = c;
  }
  const std::string path = folder + "/DataLog.txt";
  for (auto _ : state) log.WriteDataLogRecord(path);
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
  if (!r.sink.shown.empty()) state.SkipWithError("a file message was shown");
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WriteDataLogRecord)->Arg(3)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
