#include "recording/chart_plot_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvix {
namespace {

TEST(UnpaddedChartValueTest, NumbersLoseTheMemorysPaddingAndOtherTextsStay) {
  const std::pair<const char*, const char*> cases[] = {
      {"0005", "5"},
      {"-012", "-12"},
      {"0000", "0"},
      {"01.5", "1.5"},
      {"-0.5", "-0.5"},
      {"-000", "-0"},
      {"Error", "Error"},
      {"Overflow", "Overflow"},
      {"09/14/25", "09/14/25"},
      {"13:05:09.42", "13:05:09.42"},
      {"", "0"},
      {"0012.50", "12.50"},
  };
  for (const auto& [stored, written] : cases) EXPECT_EQ(UnpaddedChartValue(stored), written) << stored;
}

class ChartPlotFileTest : public ::testing::Test {
protected:
  ChartPlotFileTest() {
    for (const char* label : {"Tank1", "Pump"}) {
      ChartRecorderField field;
      field.label = label;
      field.order = r.fields.Count();
      r.fields.Add(field);
    }
  }

  void Fill(const std::string& bytes, int oldest, int write, int wrapped) {
    ASSERT_TRUE(memory.Assign(bytes));
    books.oldestrec = oldest;
    books.writepos = write;
    books.readmark = oldest;
    books.wrapped = wrapped;
  }

  ChartRecorderRecord r;
  ChartMemoryBooks books;
  ChartMemory memory{1 << 20};
};

TEST_F(ChartPlotFileTest, SaveWritesTheHeaderAndTheSamplesOldestFirstUnpadded) {
  EXPECT_EQ(ChartPlotText(memory, books, r), "Date,Time,Tank1,Pump\r\n");
  const std::string one = "09/14/25,13:05:09.42,0005,-012\r\n";
  Fill(one, 0, static_cast<int>(one.size()), 0);
  EXPECT_EQ(ChartPlotText(memory, books, r), "Date,Time,Tank1,Pump\r\n09/14/25,13:05:09.42,5,-12\r\n");

  // Wrapped: the newest record at the front, then what is left of an
  // overwritten one, then the oldest complete record.
  const std::string newest = "09/14/25,13:05:11.00,0003,0001\r\n";
  const std::string partial = "9.00,0007,0007\r\n";
  const std::string oldest = "09/14/25,13:05:10.00,0002,0000\r\n";
  Fill(newest + partial + oldest, static_cast<int>(newest.size() + partial.size()), static_cast<int>(newest.size()), 1);
  EXPECT_EQ(ChartPlotText(memory, books, r),
            "Date,Time,Tank1,Pump\r\n09/14/25,13:05:10.00,2,0\r\n09/14/25,13:05:11.00,3,1\r\n");

  ChartRecorderRecord none;
  EXPECT_EQ(ChartPlotText(ChartMemory(16), ChartMemoryBooks{}, none), "Date,Time,\r\n");
}

TEST_F(ChartPlotFileTest, SaveThenRecallGivesBackTheFieldsSamplesAndWindow) {
  const std::string samples = "09/14/25,13:05:09.42,0005,-012\r\n09/14/25,13:05:10.42,0006,-013\r\n";
  Fill(samples, 0, static_cast<int>(samples.size()), 0);
  r.fields[0].colour = Rgb(0, 0, 255);
  const std::string file = ChartPlotText(memory, books, r);

  ChartRecorderRecord back = r;
  back.fields[1].label = "Valve";
  ChartMemory recalled(1 << 20);
  ChartMemoryBooks backbooks = books;
  backbooks.wrapped = 1;
  EXPECT_EQ(RecallChartPlot(file, back, recalled, backbooks), std::nullopt);
  ASSERT_EQ(back.fields.Count(), 2);
  EXPECT_EQ(back.fields[0].colour, Rgb(0, 0, 255));  // the same label in its slot
  EXPECT_EQ(back.fields[1].label, "Pump");
  EXPECT_EQ(back.fields[1].colour, kColorRed);
  EXPECT_EQ(back.fields[1].position, "4.00");
  EXPECT_EQ(recalled.Bytes(), "09/14/25,13:05:09.42,5,-12\r\n09/14/25,13:05:10.42,6,-13\r\n");
  EXPECT_EQ(back.windowtime, "13:05:10.42");
  EXPECT_EQ(back.lasttime, "13:05:10.42");
  EXPECT_EQ(back.starttime, "13:05:09.42");
  EXPECT_EQ(backbooks.writepos, static_cast<int>(recalled.Length()));
  EXPECT_EQ(backbooks.oldestrec, 0);
  EXPECT_EQ(backbooks.wrapped, 0);
}

TEST_F(ChartPlotFileTest, RecallReadsTheHeaderTolerantly) {
  struct Case {
    const char* text;
    int fields;
    const char* memory;
  };
  const Case cases[] = {
      {" DATE ,Time,Tank1\r\n", 1, ""},
      {"Date,Time,\r\n", 0, ""},
      {"Date,Time,A,B", 2, ""},
      {"Date,Time,A,B\n01/01/25,00:00:01.00,1,2", 2, "01/01/25,00:00:01.00,1,2\r\n"},
      {"Date,Time, A \r\n01/01/25,00:00:01.00,1\n\n", 1, "01/01/25,00:00:01.00,1\n\n"},
  };
  for (const Case& c : cases) {
    ChartRecorderRecord recalled;
    ChartMemory into(1 << 16);
    ChartMemoryBooks intobooks;
    EXPECT_EQ(RecallChartPlot(c.text, recalled, into, intobooks), std::nullopt) << c.text;
    EXPECT_EQ(recalled.fields.Count(), c.fields) << c.text;
    EXPECT_EQ(into.Bytes(), c.memory) << c.text;
  }
}

TEST_F(ChartPlotFileTest, ARefusedFileLeavesRecorderAndMemoryAsTheyWere) {
  const std::string samples = "09/14/25,13:05:09.42,0005,-012\r\n";
  Fill(samples, 0, static_cast<int>(samples.size()), 0);
  r.windowtime = "13:05:09.42";
  const std::pair<const char*, std::string_view> cases[] = {
      {"", kNoPlotDataMessage},
      {"Day,Time,A\r\n", kNoPlotDateMessage},
      {"Date\r\n", kNoPlotTimeMessage},
      {"Date,Hour,A\r\n", kNoPlotTimeMessage},
      {"Date,Time,1,2,3,4,5,6,7,8,9,10,11\r\n", kTooManyPlotFieldsMessage},
  };
  for (const auto& [text, message] : cases) {
    EXPECT_EQ(RecallChartPlot(text, r, memory, books), std::string(message)) << text;
    EXPECT_EQ(r.fields.Count(), 2);
    EXPECT_EQ(r.fields[1].label, "Pump");
    EXPECT_EQ(memory.Bytes(), samples);
    EXPECT_EQ(r.windowtime, "13:05:09.42");
    EXPECT_EQ(books.writepos, static_cast<int>(samples.size()));
  }
  ChartMemory small(8);
  ASSERT_TRUE(small.Assign("kept"));
  EXPECT_NE(RecallChartPlot("Date,Time,A\r\n01/01/25,00:00:01.00,1\r\n", r, small, books), std::nullopt);
  EXPECT_EQ(small.Bytes(), "kept");
  EXPECT_EQ(r.fields[1].label, "Pump");
}

TEST_F(ChartPlotFileTest, AStoppedSaveOrRecallGivesNothingAndChangesNothing) {
  const std::string samples = "09/14/25,13:05:09.42,0005,-012\r\n09/14/25,13:05:10.42,0006,-013\r\n";
  Fill(samples, 0, static_cast<int>(samples.size()), 0);
  std::vector<std::size_t> told;
  const auto stopsecond = [&](std::size_t done) {
    told.push_back(done);
    return told.size() < 2;
  };
  EXPECT_EQ(ChartPlotText(memory, books, r, stopsecond), std::nullopt);
  EXPECT_EQ(told, (std::vector<std::size_t>{samples.size() / 2, samples.size()}));

  const std::string file = "Date,Time,X\r\n" + std::string(5000, '1') + "\r\n";
  told.clear();
  EXPECT_EQ(RecallChartPlot(file, r, memory, books, stopsecond), std::nullopt);
  EXPECT_EQ(told, (std::vector<std::size_t>{13 + 4096, file.size()}));
  EXPECT_EQ(r.fields[1].label, "Pump");
  EXPECT_EQ(memory.Bytes(), samples);
}

}  // namespace
}  // namespace korvix
