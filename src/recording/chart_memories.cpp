#include "recording/chart_memories.h"

#include <utility>

#include "recording/time_stamps.h"

namespace korvix {

namespace {

constexpr const char* kChartWriteErrorMessage = "Error in ChartWrite routine.";
constexpr const char* kMemoryFilledMessage =
    "The Chart Recorder memory has been filled up. \rAll Chart Recorders will be halted.";
constexpr const char* kUnexpectedEndMessage = "Unexpected end of Chart Recorder Memory.";

constexpr const char* kEndOfRecord = "\n";
constexpr const char* kNoWindowDate = "00/00/00";
constexpr const char* kNoWindowTime = "00:00:00.00";

constexpr int64_t kSpanUnitMs[] = {1000, 60000, 3600000, 86400000};

}  // namespace

ChartMemories::ChartMemories(CKorvixDoc& doc, ObjectRunStates& states, LabelReader& labels, RunClock& clock,
                             MessageSink& sink, std::size_t limit)
    : m_doc(doc),
      m_states(states),
      m_labels(labels),
      m_clock(clock),
      m_sink(sink),
      m_memories(kMemoryCount, ChartMemory(limit)),
      m_clipboardbooks(kClipboardSlots) {}

ChartRecorderRecord& ChartMemories::RecordOf(int index) {
  if (index < kMaxChartRecorders) return m_doc.m_chartrecorders[index];
  return m_doc.m_chartrecorders.Spare(index - kMaxChartRecorders);
}

ChartMemoryBooks& ChartMemories::Books(int index) {
  if (index < kMaxChartRecorders) return StateOf(index);
  return m_clipboardbooks.at(static_cast<std::size_t>(index - kMaxChartRecorders));
}

bool ChartMemories::SampleChartRecorder(int index, uint32_t tick) {
  const ChartRecorderRecord& r = m_doc.m_chartrecorders[index];
  ChartRecorderRunState& state = StateOf(index);
  if (!state.running || r.fields.Count() == 0) return false;
  // A rate below 1 ms samples every round rather than dividing by zero.
  const uint32_t rate = r.scanrate > 0 ? static_cast<uint32_t>(r.scanrate) : 1;
  const uint32_t last = static_cast<uint32_t>(state.lastscan);
  const uint32_t elapsed = ElapsedMs(tick, last);
  if (elapsed < rate) return false;
  state.lastscan = static_cast<int>(last + elapsed / rate * rate);
  ChartWrite(index);
  return true;
}

void ChartMemories::StartChartRecorder(int index, uint32_t tick) {
  ChartRecorderRecord& r = m_doc.m_chartrecorders[index];
  ChartRecorderRunState& state = StateOf(index);
  state.running = 1;
  m_clock.UpdateTimestamp();
  m_clock.SetBaseTime(m_clock.m_datetext, m_clock.m_timetext);
  r.windowdate = m_clock.m_datetext;
  r.windowtime = m_clock.m_timetext;
  ResetMemory(index);
  state.lastscan = static_cast<int>(tick - static_cast<uint32_t>(r.scanrate));
}

void ChartMemories::HaltChartRecorders() {
  for (int i = 0; i < m_doc.m_chartrecorders.Count(); ++i) HaltChartRecorder(i);
}

void ChartMemories::HaltChartRecorder(int index) { StateOf(index).running = 0; }

bool ChartMemories::IsRunning(int index) { return StateOf(index).running != 0; }

void ChartMemories::EmptyAll() {
  for (ChartMemory& memory : m_memories) memory.Empty();
  for (ChartMemoryBooks& books : m_clipboardbooks) books = {};
  for (int i = 0; i < m_doc.m_chartrecorders.Count(); ++i) {
    Books(i) = {};
    ChartRecorderRecord& r = m_doc.m_chartrecorders[i];
    r.windowdate = kNoWindowDate;
    r.windowtime = kNoWindowTime;
  }
}

void ChartMemories::ResetMemory(int index) {
  Memory(index).Empty();
  Books(index) = {};
  RecordOf(index).starttime.clear();
}

bool ChartMemories::SpanExceeded(const ChartRecorderRecord& r) const {
  const int unit = r.spanunit >= 0 && r.spanunit <= 3 ? r.spanunit : 0;
  const int64_t span = static_cast<int64_t>(r.span) * kSpanUnitMs[unit];
  return StampToMs(r.startdate, r.starttime) + span < StampToMs(r.lastdate, r.lasttime);
}

void ChartMemories::ChartWrite(int index) {
  ChartRecorderRecord& r = m_doc.m_chartrecorders[index];
  ChartMemoryBooks& books = Books(index);
  ChartMemory& memory = Memory(index);
  m_clock.UpdateTimestamp();
  std::string record = m_clock.m_datetext + "," + m_clock.m_timetext + ",";
  for (int k = 0; k < r.fields.Count(); ++k) {
    if (k > 0) record += ',';
    std::string value;
    m_labels.GetLabelValue(value, r.fields[k].label, false);
    record += StoredChartValue(std::move(value));
  }
  record += "\r\n";
  // A field whose label does not exist ends the run as it is read, and the
  // fields after it read what the halt left: that is no sample of the run.
  if (StateOf(index).running == 0) return;

  // Books that point past the samples (a memory emptied under a recorder)
  // start again rather than leave a gap.
  if (static_cast<std::size_t>(books.writepos) > memory.Length() || books.writepos < 0) ResetMemory(index);
  if (r.starttime.empty()) {
    r.startdate = m_clock.m_datetext;
    r.starttime = m_clock.m_timetext;
  }
  r.lastdate = m_clock.m_datetext;
  r.lasttime = m_clock.m_timetext;
  if (!books.wrapped && SpanExceeded(r)) books.wrapped = 1;

  memory.Seek(static_cast<std::size_t>(books.writepos));
  if (!WriteChartMemory(index, record)) return;
  books.writepos = static_cast<int>(memory.Position());
  if (!books.wrapped) return;

  // The new record overwrote the front of the oldest one; what is left of
  // that one is no record any more.
  for (;;) {
    char byte = 0;
    if (!memory.Get(byte)) {
      Report(kChartWriteErrorMessage);
      break;
    }
    AfterByte(memory, books, true);
    if (byte == '\n') break;
  }
  books.oldestrec = static_cast<int>(memory.Position());
  r.startdate = ReadChartField(index);
  r.starttime = ReadChartField(index);
}

void ChartMemories::AfterByte(ChartMemory& memory, ChartMemoryBooks& books, bool wraps) {
  if (wraps && memory.Position() == memory.Length()) memory.Seek(0);
  if (memory.Position() == static_cast<std::size_t>(books.readmark)) {
    ++books.readmark;
    if (static_cast<std::size_t>(books.readmark) == memory.Length()) books.readmark = 0;
  }
}

int ChartMemories::WriteChartMemory(int index, const std::string& text) {
  ChartMemory& memory = Memory(index);
  ChartMemoryBooks& books = Books(index);
  for (const char byte : text) {
    if (!memory.Put(byte)) {
      MemoryFilled(index);
      return 0;
    }
    AfterByte(memory, books, books.wrapped != 0);
  }
  return 1;
}

std::string ChartMemories::ReadChartField(int index) {
  ChartMemory& memory = Memory(index);
  const bool wraps = Books(index).wrapped != 0;
  std::string field;
  for (;;) {
    char byte = 0;
    if (!memory.Get(byte)) {
      Report(kUnexpectedEndMessage);
      return kEndOfRecord;
    }
    if (wraps && memory.Position() == memory.Length()) memory.Seek(0);
    if (byte == ',' || byte == '\r') return field;
    if (byte == '\n') return kEndOfRecord;
    field += byte;
  }
}

void ChartMemories::MemorySeekRev(int index) {
  ChartMemory& memory = Memory(index);
  if (Books(index).wrapped && memory.Position() == 0) {
    // An empty wrapped memory has no last byte to step to.
    if (memory.Length() > 0) memory.Seek(memory.Length() - 1);
  } else if (memory.Position() > 0) {
    memory.Seek(memory.Position() - 1);
  } else {
    Report(kSeekRevMessage);
  }
}

void ChartMemories::TransferChartMemory(int from, int to) {
  if (from == to) return;
  Books(to) = Books(from);
  MoveBytes(from, to);
}

void ChartMemories::MoveBytes(int from, int to) {
  ChartMemory& source = Memory(from);
  if (!Memory(to).Assign(source.Bytes())) MemoryFilled(to);
  source.Seek(source.Length());
}

void ChartMemories::RemoveChartMemory(int index, int count) {
  for (int k = index; k + 1 < count; ++k) MoveBytes(k + 1, k);
  if (count > 0) Memory(count - 1).Empty();
}

void ChartMemories::MemoryFilled(int index) {
  ResetMemory(index);
  HaltChartRecorders();
  Report(kMemoryFilledMessage);
}

void ChartMemories::Report(const std::string& text) {
  m_sink.Show(kMemoryAccessErrorCaption, text, MessageIcon::Exclamation);
}

}  // namespace korvix
