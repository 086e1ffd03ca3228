#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "fake_labels.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "recording/chart_memories.h"

namespace korvix {
namespace {

TEST(StoredChartValueTest, ValuesAreStoredAsOneFieldOfAtLeastFourCharacters) {
  struct Case {
    const char* value;
    const char* stored;
  };
  for (const Case& c :
       {Case{"1,234", "1234"}, Case{"On", "1"}, Case{"Off", "0"}, Case{"on", "00on"}, Case{"-7", "-007"},
        Case{"", "0000"}, Case{"-", "-000"}, Case{"5", "0005"}, Case{"1.5", "01.5"}, Case{"12.50", "12.50"},
        Case{"Error", "Error"}, Case{"Overflow", "Overflow"}, Case{"4\r\n2", "0042"}, Case{"O,n", "1"}})
    EXPECT_EQ(StoredChartValue(c.value), c.stored) << c.value;
}

class ChartMemoriesTest : public ::testing::Test {
protected:
  explicit ChartMemoriesTest(std::size_t limit = ChartMemories::kDefaultLimit)
      : m_memories(m_doc, m_states, m_labels, m_clock, m_sink, limit) {
    m_wall.now.year = 2009;
    m_wall.now.month = 3;
    m_wall.now.day = 14;
    m_wall.now.hour = 12;
  }

  // A running recorder sampling `labels` every `scanrate` ms.
  int AddRecorder(std::vector<std::string> labels, int scanrate = 1000) {
    const int index = m_doc.m_chartrecorders.Add();
    ChartRecorderRecord& r = m_doc.m_chartrecorders[index];
    for (const std::string& label : labels) r.fields[r.fields.Add()].label = label;
    r.scanrate = scanrate;
    m_memories.StartChartRecorder(index, m_ticks.now);
    return index;
  }

  // One sample at whole second `second` of the wall clock.
  void SampleAt(int index, int second) {
    m_wall.now.second = second;
    m_ticks.now = static_cast<uint32_t>(second) * 1000;
    ASSERT_TRUE(m_memories.SampleChartRecorder(index, m_ticks.now));
  }

  ChartRecorderRecord& Recorder(int index) { return m_doc.m_chartrecorders[index]; }
  ChartRecorderRunState& State(int index) { return m_states.ChartRecorders()[index]; }
  const std::string& Bytes(int index) { return m_memories.Memory(index).Bytes(); }

  // Reads the record at `offset` field by field, up to its "\n".
  std::vector<std::string> RecordAt(int index, std::size_t offset) {
    m_memories.Memory(index).Seek(offset);
    std::vector<std::string> fields;
    for (std::string f = m_memories.ReadChartField(index); f != "\n"; f = m_memories.ReadChartField(index))
      fields.push_back(f);
    return fields;
  }

  CKorvixDoc m_doc;
  ObjectRunStates m_states;
  FakeLabels m_labels;
  FakeWallClock m_wall;
  FakeMillisecondClock m_ticks;
  RunClock m_clock{m_wall, m_ticks};
  RecordingMessageSink m_sink;
  ChartMemories m_memories;
};

TEST_F(ChartMemoriesTest, TheFirstSampleComesInTheNextRoundAndSetsBothStamps) {
  m_labels.values = {{"A", "5"}, {"B", "-7"}, {"C", "Error"}};
  m_ticks.now = 10000;
  m_wall.now.second = 5;
  m_clock.UpdateTimestamp();
  const int index = AddRecorder({"A", "B", "C"});
  EXPECT_EQ(static_cast<uint32_t>(State(index).lastscan), 9000u);
  ASSERT_TRUE(m_memories.SampleChartRecorder(index, 10000));
  EXPECT_EQ(Bytes(index), "03/14/09,12:00:05.00,0005,-007,Error\r\n");
  const ChartRecorderRecord& r = Recorder(index);
  EXPECT_EQ(r.startdate, "03/14/09");
  EXPECT_EQ(r.starttime, "12:00:05.00");
  EXPECT_EQ(r.lastdate, r.startdate);
  EXPECT_EQ(r.lasttime, r.starttime);
  EXPECT_EQ(State(index).writepos, 38);
}

TEST_F(ChartMemoriesTest, MissedScansAreSkippedNotCaughtUp) {
  m_ticks.now = 10000;
  const int index = AddRecorder({"A"});
  struct Round {
    uint32_t tick;
    bool sampled;
  };
  for (const Round& round :
       {Round{10000, true}, Round{10500, false}, Round{14500, true}, Round{14999, false}, Round{15000, true}})
    EXPECT_EQ(m_memories.SampleChartRecorder(index, round.tick), round.sampled) << round.tick;
  EXPECT_EQ(Bytes(index).size(), 3u * 27);
}

TEST_F(ChartMemoriesTest, TheScanStampSurvivesTheCounterWrap) {
  m_ticks.now = 0xFFFFFF00u;
  const int index = AddRecorder({"A"}, 1000);
  EXPECT_TRUE(m_memories.SampleChartRecorder(index, 0xFFFFFF00u));
  EXPECT_FALSE(m_memories.SampleChartRecorder(index, 0x00000100u));
  EXPECT_TRUE(m_memories.SampleChartRecorder(index, 0x000002E8u));
}

TEST_F(ChartMemoriesTest, RecordersWithoutFieldsOrNotRunningAreNeverSampled) {
  const int empty = AddRecorder({});
  const int halted = AddRecorder({"A"});
  m_memories.HaltChartRecorders();
  EXPECT_FALSE(m_memories.SampleChartRecorder(empty, 50000));
  EXPECT_FALSE(m_memories.SampleChartRecorder(halted, 50000));
  EXPECT_TRUE(Bytes(empty).empty());
  EXPECT_TRUE(Bytes(halted).empty());
}

TEST_F(ChartMemoriesTest, TheSampleThatPassesTheSpanWrapsAndOverwritesTheOldest) {
  m_labels.values = {{"A", "5"}};
  const int index = AddRecorder({"A"});
  ChartRecorderRecord& r = Recorder(index);
  ChartRecorderRunState& books = State(index);
  r.span = 10;
  r.spanunit = 0;
  constexpr std::size_t kRecord = 27;
  for (int second = 0; second <= 10; ++second) SampleAt(index, second);
  EXPECT_EQ(books.wrapped, 0);  // exactly the span does not wrap
  EXPECT_EQ(Bytes(index).size(), 11 * kRecord);
  books.readmark = 30;  // a reader's bookmark in the second record

  SampleAt(index, 11);
  EXPECT_EQ(books.wrapped, 1);
  EXPECT_EQ(Bytes(index).size(), 11 * kRecord + 1);
  EXPECT_EQ(books.writepos, 26);
  EXPECT_EQ(books.oldestrec, 27);
  EXPECT_EQ(r.starttime, "12:00:01.00");
  EXPECT_EQ(r.lasttime, "12:00:11.00");
  EXPECT_EQ(books.readmark, 30);  // not reached yet

  SampleAt(index, 12);
  EXPECT_EQ(Bytes(index).size(), 11 * kRecord + 1);
  EXPECT_EQ(books.writepos, 53);
  EXPECT_EQ(books.oldestrec, 54);
  EXPECT_EQ(r.starttime, "12:00:02.00");
  EXPECT_EQ(books.readmark, 55);  // pushed ahead of the writer
  EXPECT_EQ(RecordAt(index, books.oldestrec), (std::vector<std::string>{"03/14/09", "12:00:02.00", "0005"}));
  // The record that went round the end reads on from offset 0.
  EXPECT_EQ(RecordAt(index, 11 * kRecord), (std::vector<std::string>{"03/14/09", "12:00:11.00", "0005"}));
  EXPECT_TRUE(m_sink.shown.empty());
}

TEST_F(ChartMemoriesTest, FieldsEndAtCommaOrCrAndTheRecordAtLf) {
  const int index = AddRecorder({"A", "B"});
  m_labels.values = {{"A", "12.50"}, {"B", ""}};
  SampleAt(index, 1);
  m_memories.Memory(index).Seek(0);
  for (const char* expected : {"03/14/09", "12:00:01.00", "12.50", "0000", "\n"})
    EXPECT_EQ(m_memories.ReadChartField(index), expected);
  EXPECT_EQ(m_memories.ReadChartField(index), "\n");
  ASSERT_EQ(m_sink.shown.size(), 1u);
  EXPECT_EQ(m_sink.shown[0].caption, "Memory Access Error");
  EXPECT_EQ(m_sink.shown[0].text, "Unexpected end of Chart Recorder Memory.");
}

TEST_F(ChartMemoriesTest, SeekingBackStepsRoundOnlyInAWrappedMemory) {
  const int index = AddRecorder({"A"});
  SampleAt(index, 1);
  ChartMemory& memory = m_memories.Memory(index);
  memory.Seek(1);
  m_memories.MemorySeekRev(index);
  EXPECT_EQ(memory.Position(), 0u);
  m_memories.MemorySeekRev(index);
  EXPECT_EQ(memory.Position(), 0u);
  ASSERT_EQ(m_sink.shown.size(), 1u);
  EXPECT_EQ(m_sink.shown[0].text, "Illegal Operation in MemorySeekRev routine.");
  State(index).wrapped = 1;
  m_memories.MemorySeekRev(index);
  EXPECT_EQ(memory.Position(), memory.Length() - 1);
}

TEST_F(ChartMemoriesTest, HaltKeepsTheSamplesAndARestartEmptiesThem) {
  const int index = AddRecorder({"A"});
  SampleAt(index, 1);
  SampleAt(index, 2);
  m_memories.HaltChartRecorders();
  EXPECT_EQ(State(index).running, 0);
  EXPECT_EQ(Bytes(index).size(), 54u);
  ChartRecorderRunState& state = State(index);
  state.wrapped = 1;
  state.readmark = 7;
  m_ticks.now = 5000;
  m_memories.StartChartRecorder(index, m_ticks.now);
  EXPECT_EQ(state.running, 1);
  EXPECT_TRUE(Bytes(index).empty());
  EXPECT_EQ(static_cast<uint32_t>(state.lastscan), 4000u);
  EXPECT_EQ(state.wrapped + state.readmark + state.writepos + state.oldestrec, 0);
  EXPECT_EQ(Recorder(index).starttime, "");
}

TEST_F(ChartMemoriesTest, SamplesTravelWithTheRecordThroughClipboardAndDelete) {
  const int first = AddRecorder({"A"});
  const int second = AddRecorder({"A"});
  SampleAt(first, 1);
  SampleAt(second, 2);
  const std::string secondbytes = Bytes(second);
  m_memories.TransferChartMemory(first, kMaxChartRecorders);
  EXPECT_EQ(Bytes(kMaxChartRecorders), Bytes(first));
  m_memories.RemoveChartMemory(first, 2);
  EXPECT_EQ(Bytes(first), secondbytes);
  EXPECT_TRUE(Bytes(second).empty());
  m_memories.EmptyAll();
  EXPECT_TRUE(Bytes(kMaxChartRecorders).empty());
  EXPECT_EQ(Recorder(first).windowtime, "00:00:00.00");
}

// The books say where the samples lie, so a copy that left them behind would
// read a pasted recorder's memory from the wrong places; a delete leaves
// them to the run-time states, which move down with the records.
TEST_F(ChartMemoriesTest, BooksTravelWithTheSamplesToTheClipboardAndBackButNotOnDelete) {
  const int first = AddRecorder({"A"});
  const int second = AddRecorder({"A"});
  SampleAt(first, 1);
  SampleAt(first, 2);
  State(first).readmark = 27;
  const ChartMemoryBooks copied = m_memories.Books(first);
  m_memories.TransferChartMemory(first, kMaxChartRecorders);
  const ChartMemoryBooks& clipboard = m_memories.Books(kMaxChartRecorders);
  EXPECT_EQ(std::tuple(clipboard.readmark, clipboard.oldestrec, clipboard.writepos, clipboard.wrapped),
            std::tuple(27, 0, 54, 0));

  m_memories.TransferChartMemory(kMaxChartRecorders, second);
  EXPECT_EQ(Bytes(second), Bytes(first));
  EXPECT_EQ(State(second).writepos, copied.writepos);
  EXPECT_EQ(State(second).readmark, copied.readmark);

  State(second).readmark = 0;
  m_memories.RemoveChartMemory(first, 2);
  EXPECT_EQ(State(first).readmark, 27);
  EXPECT_EQ(State(second).readmark, 0);

  m_memories.EmptyAll();
  EXPECT_EQ(m_memories.Books(kMaxChartRecorders).writepos, 0);
  EXPECT_EQ(State(first).writepos + State(first).readmark, 0);
}

class SmallChartMemoriesTest : public ChartMemoriesTest {
protected:
  SmallChartMemoriesTest() : ChartMemoriesTest(60) {}
};

TEST_F(SmallChartMemoriesTest, AFullMemoryIsGivenUpAndEveryRecorderHalts) {
  const int first = AddRecorder({"A"});
  const int second = AddRecorder({"A"});
  SampleAt(first, 1);
  SampleAt(first, 2);
  EXPECT_TRUE(m_sink.shown.empty());
  SampleAt(first, 3);
  ASSERT_EQ(m_sink.shown.size(), 1u);
  EXPECT_EQ(m_sink.shown[0].caption, "Memory Access Error");
  EXPECT_EQ(m_sink.shown[0].text,
            "The Chart Recorder memory has been filled up. \rAll Chart Recorders will be halted.");
  EXPECT_EQ(State(first).running, 0);
  EXPECT_EQ(State(second).running, 0);
  EXPECT_TRUE(Bytes(first).empty());
  // The next start records from the front again.
  m_memories.StartChartRecorder(first, m_ticks.now);
  SampleAt(first, 9);
  EXPECT_EQ(Bytes(first).substr(0, 20), "03/14/09,12:00:09.00");
}

}  // namespace
}  // namespace korvix
