#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "render/chart/chart_traces.h"

namespace korvix {
namespace {

// A window of 100 s across 501 pixels: 200 ms a column, the left edge at
// 00:00:09.90 for the window time 00:01:00.00.
class ChartTracesTest : public ::testing::Test {
protected:
  ChartTracesTest() {
    r.hdivisions = 10;
    r.vdivisions = 8;
    r.timediv = "10.0";
    r.windowdate = "01/01/25";
    r.windowtime = "00:01:00.00";
    ChartRecorderField field;
    field.unitdiv = "10";
    field.position = "1.00";
    r.fields.Add(field);
  }

  static std::string Record(const std::string& time, const std::string& value) {
    return "01/01/25," + time + "," + value + "\r\n";
  }

  void Fill(const std::vector<std::string>& records) {
    std::string bytes;
    for (const std::string& record : records) bytes += record;
    ASSERT_TRUE(memory.Assign(bytes));
    books.oldestrec = 0;
    books.readmark = 0;
    books.writepos = static_cast<int>(bytes.size());
  }

  ChartWalk Walk() { return BuildChartTraces(memory, books, r, area, traces); }

  ChartRecorderRecord r;
  ChartMemoryBooks books;
  ChartMemory memory{1 << 20};
  Rect area{0, 0, 501, 401};
  ChartTraces traces;
};

TEST_F(ChartTracesTest, AnEmptyMemoryOrOneWithoutACompleteRecordDrawsNoTraces) {
  EXPECT_EQ(Walk(), ChartWalk::Drawn);
  EXPECT_EQ(traces.count, 0);
  Fill({Record("00:00:30.00", "5")});
  books.writepos = books.oldestrec;
  EXPECT_EQ(Walk(), ChartWalk::Drawn);
  EXPECT_EQ(traces.count, 0);
}

TEST_F(ChartTracesTest, TheWalkStartsOnTheNewestRecordOlderThanTheLeftEdge) {
  const std::string early = Record("00:00:05.00", "0");
  const std::string before = Record("00:00:09.80", "0");
  const std::string atedge = Record("00:00:09.90", "0");
  const std::string inside = Record("00:00:20.00", "0");
  struct Case {
    std::vector<std::string> records;
    int readmark;  // the record the next walk starts from
  };
  const Case cases[] = {
      {{early, before, atedge, inside}, static_cast<int>(early.size())},
      {{early, atedge, inside}, 0},
      {{atedge, inside}, 0},
      {{inside}, 0},
  };
  for (const Case& c : cases) {
    Fill(c.records);
    // A bookmark left anywhere in the memory finds the same start.
    books.readmark = books.writepos;
    ASSERT_EQ(Walk(), ChartWalk::Drawn);
    EXPECT_EQ(books.readmark, c.readmark) << c.records.size() << " records";
  }
}

TEST_F(ChartTracesTest, ValuesPlotAsUnitsPerDivisionAboveThePositionClampedToTheArea) {
  // Two more fields at the same position, whose Unit/Div of 0 or no number
  // would divide by zero: every value of theirs plots at the position.
  for (const char* unitdiv : {"0", "ten"}) {
    ChartRecorderField field = r.fields[0];
    field.unitdiv = unitdiv;
    r.fields.Add(field);
  }
  // Column 51 of the area is 00:00:20.10 and more; 30 with 10 units per
  // division, 1 division up: 4 of 8 divisions, 200 of 400 pixel rows.
  Fill({Record("00:00:20.10", "30,30,30"), Record("00:00:20.20", "1000,1000,1000"),
        Record("00:00:20.40", "-1000,-1000,-1000"), Record("00:00:20.60", "Error,Error,Error")});
  ASSERT_EQ(Walk(), ChartWalk::Drawn);
  const std::vector<Point> expected{{51, 200}, {51, 200}, {51, 200}, {51, 200}, {52, 0},   {52, 0},
                                    {52, 0},   {52, 0},   {53, 400}, {53, 400}, {53, 400}, {53, 400},
                                    {54, 350}, {54, 350}, {54, 350}, {54, 350}};
  EXPECT_EQ(traces.runs[0], expected);
  EXPECT_EQ(traces.count, 16);
  std::vector<Point> atposition;
  for (int x = 51; x <= 54; ++x) atposition.insert(atposition.end(), 4, Point{x, 350});
  EXPECT_EQ(traces.runs[1], atposition);
  EXPECT_EQ(traces.runs[2], atposition);
}

TEST_F(ChartTracesTest, SamplesInOneColumnGiveTheirFirstHighestLowestAndLast) {
  Fill({Record("00:00:20.01", "10"), Record("00:00:20.03", "40"), Record("00:00:20.05", "-10"),
        Record("00:00:20.07", "0"), Record("00:00:20.09", "20")});
  ASSERT_EQ(Walk(), ChartWalk::Drawn);
  ASSERT_EQ(traces.count, 4);
  const auto y = [](int value) { return 400 - ChartValueHeight(std::to_string(value), 10, 50, 0.5, 401); };
  EXPECT_EQ(traces.runs[0], (std::vector<Point>{{51, y(10)}, {51, y(40)}, {51, y(-10)}, {51, y(20)}}));
}

TEST_F(ChartTracesTest, DegenerateScalesAndRecordingsEndTheWalkWithinTheShownColumns) {
  // A trace area of one pixel draws nothing.
  Fill({Record("00:00:20.00", "1"), Record("00:00:30.00", "2")});
  area = {0, 0, 1, 401};
  EXPECT_EQ(Walk(), ChartWalk::Drawn);
  EXPECT_EQ(traces.count, 0);

  // Time/Div 0.0 draws as 0.1: 2 ms a column, the window 1 s wide.
  area = {0, 0, 501, 401};
  r.timediv = "0.0";
  Fill({Record("00:00:59.50", "1"), Record("00:00:59.52", "2"), Record("00:01:00.00", "3")});
  EXPECT_EQ(Walk(), ChartWalk::Drawn);
  ASSERT_EQ(traces.count, 12);
  EXPECT_EQ(traces.runs[0][0].x, 1);
  EXPECT_EQ(traces.runs[0][4].x, 11);
  EXPECT_EQ(traces.runs[0][8].x, 251);

  // Days before and after the window: one point each side, the line between
  // them crossing the area.
  r.timediv = "10.0";
  Fill({"12/30/24,00:00:20.00,1\r\n", Record("00:00:30.00", "2"), "01/04/25,00:00:20.00,3\r\n"});
  EXPECT_EQ(Walk(), ChartWalk::Drawn);
  ASSERT_EQ(traces.count, 12);
  EXPECT_LT(traces.runs[0][0].x, 0);
  EXPECT_EQ(traces.runs[0][4].x, 101);
  EXPECT_GT(traces.runs[0][8].x, 501);
}

TEST_F(ChartTracesTest, AWindowFarFromEverySampleTakesOneColumnJustOutsideTheArea) {
  struct Case {
    const char* date;  // of the window
    const char* time;
    bool right;  // the samples lie right of the area
  };
  const Case cases[] = {
      {"00/00/00", "00:00:00.00", true},  // a window never placed
      {"01/01/00", "00:00:00.00", true},
      {"12/31/99", "23:59:59.99", false},
      {"01/03/25", "00:00:00.00", false},
  };
  for (const Case& c : cases) {
    Fill({Record("00:00:20.00", "1"), Record("00:00:30.00", "2"), Record("00:00:40.00", "3")});
    r.windowdate = c.date;
    r.windowtime = c.time;
    ASSERT_EQ(Walk(), ChartWalk::Drawn) << c.date;
    ASSERT_EQ(traces.count, 4) << c.date;
    const int x = traces.runs[0][0].x;
    if (c.right) {
      EXPECT_GT(x, area.right) << c.date;
      EXPECT_LT(x, area.right + (1 << 21)) << c.date;
    } else {
      EXPECT_LT(x, area.left) << c.date;
      EXPECT_GT(x, area.left - (1 << 21)) << c.date;
    }
  }
}

TEST_F(ChartTracesTest, AWideAreaTakesAtMost2048Columns) {
  area = {0, 0, 3001, 401};
  r.timediv = "30.0";  // 100 ms a column
  std::vector<std::string> records;
  for (int i = 0; i < 3000; ++i) {
    char time[16];
    std::snprintf(time, sizeof time, "00:%02d:%02d.%02d", 10 + i / 600, i / 10 % 60, i % 10 * 10);
    records.push_back(Record(time, "1"));
  }
  Fill(records);
  r.windowtime = "00:12:30.00";
  EXPECT_EQ(Walk(), ChartWalk::Drawn);
  EXPECT_EQ(traces.count, 4 * ChartTraces::kMaxColumns);
}

TEST_F(ChartTracesTest, AWrappedMemoryIsWalkedFromItsOldestRecordRoundTheEnd) {
  // The newest record lies at the front, the oldest after it.
  const std::string newest = Record("00:00:40.00", "2");
  const std::string overwritten = "5.00,9\r\n";
  const std::string oldest = Record("00:00:30.00", "1");
  ASSERT_TRUE(memory.Assign(newest + overwritten + oldest));
  books.wrapped = 1;
  books.oldestrec = static_cast<int>(newest.size() + overwritten.size());
  books.writepos = static_cast<int>(newest.size());
  books.readmark = books.writepos;
  ASSERT_EQ(Walk(), ChartWalk::Drawn);
  ASSERT_EQ(traces.count, 8);
  EXPECT_EQ(traces.runs[0][0].x, 101);
  EXPECT_EQ(traces.runs[0][4].x, 151);
  EXPECT_EQ(books.readmark, books.oldestrec);
}

// Records reach the memory with other line ends than the writer's CR LF
// from a recalled plot file, which is stored as it stands, and a record
// runs round the end of a wrapped memory from the first sample that wraps
// it. Each is read to its LF and plots as its CR LF form would.
TEST_F(ChartTracesTest, EveryRecordIsReadToItsLfWhereverItsLineEndsAndWhereverItLies) {
  const std::vector<std::string> plain{Record("00:00:20.10", "30"), Record("00:00:30.00", "-10"),
                                       Record("00:00:40.00", "1000")};
  Fill(plain);
  ASSERT_EQ(Walk(), ChartWalk::Drawn);
  ASSERT_EQ(traces.count, 12);
  const ChartTraceRuns expected = traces.runs;

  struct Case {
    const char* name;
    std::string bytes;  // the records oldest first, each in one piece
    std::size_t split;  // this many bytes of the newest record lie at the
                        // memory's end, the rest at its front; 0: unwrapped
  };
  const std::string newest = plain[2];
  const Case cases[] = {
      {"LF only", "01/01/25,00:00:20.10,30\n01/01/25,00:00:30.00,-10\n01/01/25,00:00:40.00,1000\n", 0},
      {"CR LF and LF mixed", plain[0] + "01/01/25,00:00:30.00,-10\n" + newest, 0},
      {"a CR before CR LF", "01/01/25,00:00:20.10,30\r\r\n" + plain[1] + newest, 0},
      {"round the end after one byte", plain[0] + plain[1] + newest, 1},
      {"round the end between CR and LF", plain[0] + plain[1] + newest, newest.size() - 1},
      {"LF only round the end", plain[0] + plain[1] + "01/01/25,00:00:40.00,1000\n", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.split == 0) {
      Fill({c.bytes});
    } else {
      // As the writer leaves it: the newest record's head at the end, its
      // tail at the front over what is left of an overwritten record.
      const std::size_t newestsize = c.bytes.size() - c.bytes.rfind('\n', c.bytes.size() - 2) - 1;
      const std::string older = c.bytes.substr(0, c.bytes.size() - newestsize);
      const std::string head = c.bytes.substr(older.size(), c.split);
      const std::string tail = c.bytes.substr(older.size() + c.split);
      const std::string overwritten = "0:05.00,7\r\n";
      ASSERT_TRUE(memory.Assign(tail + overwritten + older + head));
      books.wrapped = 1;
      books.writepos = static_cast<int>(tail.size());
      books.oldestrec = static_cast<int>(tail.size() + overwritten.size());
      books.readmark = books.writepos;
    }
    ASSERT_EQ(Walk(), ChartWalk::Drawn);
    EXPECT_EQ(traces.count, 12);
    EXPECT_EQ(traces.runs, expected);
    books = ChartMemoryBooks();
  }
}

TEST_F(ChartTracesTest, BooksOutsideTheMemoryAreReportedAsDamaged) {
  Fill({Record("00:00:30.00", "1")});
  books.oldestrec = 5000;
  EXPECT_EQ(Walk(), ChartWalk::Damaged);
  EXPECT_EQ(traces.count, 0);
}

}  // namespace
}  // namespace korvix
