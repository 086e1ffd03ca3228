#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "expressions/label_reader.h"
#include "platform/message_sink.h"
#include "recording/chart_memory.h"
#include "recording/run_clock.h"
#include "render/chart_memory_books.h"
#include "render/object_run_states.h"

namespace korvix {

// The sample memories of the Chart Recorders, one per record slot: slots 0
// to 9 belong to the live recorders, 10 to 109 to the Chart Recorder part
// of the clipboard. A memory holds CR LF ended records "date,time,v1,...";
// once the recorded time passes the recorder's span it is written round
// over its oldest bytes, with its books keeping count. A live recorder's
// books are in the view's run-time states of it, so that they move with the
// recorder when an earlier one is deleted; the clipboard's are kept here.
class ChartMemories {
public:
  static constexpr int kMemoryCount = kMaxChartRecorders + kClipboardSlots;
  // A day of ten fields at a 50 ms scan rate fits easily.
  static constexpr std::size_t kDefaultLimit = std::size_t{256} << 20;

  ChartMemories(CKorvixDoc& doc, ObjectRunStates& states, LabelReader& labels, RunClock& clock, MessageSink& sink,
                std::size_t limit = kDefaultLimit);

  // One round's sampling of live recorder `index` at `tick`: when its scan
  // interval has passed, the scan stamp skips the missed intervals and one
  // sample is written. True when a sample was taken.
  bool SampleChartRecorder(int index, uint32_t tick);
  // Run-Loop start or "Start Chart Recorder": the shown window and the base
  // time at the clock's texts of this moment, an empty memory, the first
  // sample in the next round.
  void StartChartRecorder(int index, uint32_t tick);
  // Every live recorder stops; the samples stay to be viewed and saved.
  void HaltChartRecorders();
  // "Halt Chart Recorder": live recorder `index` stops, its samples stay.
  void HaltChartRecorder(int index);
  bool IsRunning(int index);
  // A new or opened project: every memory and its books empty, every shown
  // window reset.
  void EmptyAll();

  void ChartWrite(int index);
  int WriteChartMemory(int index, const std::string& text);
  // The next field from the position; "\n" ends a record.
  std::string ReadChartField(int index);
  void MemorySeekRev(int index);

  // Copy and paste carry the samples and their books with the record.
  void TransferChartMemory(int from, int to);
  // The live recorder in `index` was deleted out of `count`: the memories
  // above it move down one. Their books move with the run-time states.
  void RemoveChartMemory(int index, int count);
  // Forgets the samples of live recorder `index` together with their books,
  // which would otherwise point past the empty memory.
  void EmptyChartMemory(int index) { ResetMemory(index); }

  ChartMemory& Memory(int index) { return m_memories.at(static_cast<std::size_t>(index)); }
  // The books of the memory in the same slot.
  ChartMemoryBooks& Books(int index);

private:
  ChartRecorderRecord& RecordOf(int index);
  ChartRecorderRunState& StateOf(int index) { return m_states.ChartRecorders()[index]; }
  // The bytes alone, for a move whose books travel by other means.
  void MoveBytes(int from, int to);
  // Forgets the samples and starts the books afresh, so the next record
  // begins at offset 0.
  void ResetMemory(int index);
  // Moves the position on after a byte, round at the end once wrapped, and
  // pushes a readmark that the position reached.
  static void AfterByte(ChartMemory& memory, ChartMemoryBooks& books, bool wraps);
  // The memory could take no more: it is given up and every recorder halts.
  void MemoryFilled(int index);
  bool SpanExceeded(const ChartRecorderRecord& r) const;
  void Report(const std::string& text);

  CKorvixDoc& m_doc;
  ObjectRunStates& m_states;
  LabelReader& m_labels;
  RunClock& m_clock;
  MessageSink& m_sink;
  std::vector<ChartMemory> m_memories;
  std::vector<ChartMemoryBooks> m_clipboardbooks;
};

}  // namespace korvix
