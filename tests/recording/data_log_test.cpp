#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <string>

#include "../app/scratch_folder.h"
#include "fake_labels.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "recording/data_log.h"

namespace korvix {
namespace {

// The real files, except that chosen files sit on a disk with only `room`
// bytes left: a write stops there with `error`, or a flush fails.
class FillingFiles final : public LogFileAccess {
public:
  struct Disk {
    std::size_t room = 0;
    int error = ENOSPC;
    int syncerror = 0;
  };
  std::map<std::string, Disk> disks;

  int OpenExclusive(const std::string& path, int& handle) override {
    const int error = m_real.OpenExclusive(path, handle);
    if (error == 0) m_paths[handle] = path;
    return error;
  }
  int SeekEnd(int handle, int64_t& position) override { return m_real.SeekEnd(handle, position); }
  int Write(int handle, const char* data, std::size_t size, std::size_t& written) override {
    const auto disk = disks.find(m_paths[handle]);
    if (disk == disks.end()) return m_real.Write(handle, data, size, written);
    const std::size_t part = std::min(size, disk->second.room);
    const int error = m_real.Write(handle, data, part, written);
    if (error != 0) return error;
    return part < size ? disk->second.error : 0;
  }
  int Truncate(int handle, int64_t length) override { return m_real.Truncate(handle, length); }
  int Sync(int handle) override {
    const auto disk = disks.find(m_paths[handle]);
    return disk != disks.end() && disk->second.syncerror != 0 ? disk->second.syncerror : m_real.Sync(handle);
  }
  int Close(int handle) override {
    m_paths.erase(handle);
    return m_real.Close(handle);
  }

private:
  PosixLogFileAccess m_real;
  std::map<int, std::string> m_paths;
};

// Another exclusive opener of the log lets go once the retry has waited
// `releaseat` ms.
class ReleasingClock final : public MillisecondClock {
public:
  uint32_t now = 0;
  uint32_t releaseat = 0;
  int holder = -1;
  LogFileAccess* files = nullptr;
  uint32_t Now() override { return now; }
  void SleepMs(uint32_t ms) override {
    now += ms;
    if (holder >= 0 && now >= releaseat) {
      files->Close(holder);
      holder = -1;
    }
  }
};

class DataLogTest : public ::testing::Test {
protected:
  DataLogTest() {
    m_labels.values["dir"] = m_folder.Path();
    m_doc.m_overflowfile = "{dir}/Overflow.txt";
    m_wall.now.year = 2009;
    m_wall.now.month = 3;
    m_wall.now.day = 14;
    m_wall.now.hour = 12;
    m_wall.now.second = 5;
    m_ticks.files = &m_files;
  }

  // Date, time and the Data Window Temp1 in that order, every second.
  void SmallProject() {
    m_doc.m_loginterval = "1";
    m_doc.m_logintervalunit = 0;
    m_doc.m_logfieldcount = 3;
    m_doc.m_logcoldate = 0;
    m_doc.m_logcoltime = 1;
    m_doc.m_datawindows[m_doc.m_datawindows.Add()].idlabel = "Temp1";
    m_doc.m_datawindows[0].logcolumn = 2;
    m_labels.values["Temp1"] = "23.5";
  }

  // Another opener of ours (a web-log upload) holds the log.
  void HoldLog(uint32_t releaseat) {
    ASSERT_EQ(m_files.OpenExclusive(m_log, m_ticks.holder), 0);
    m_ticks.releaseat = releaseat;
  }

  std::string Log() const { return ReadFile(m_log); }
  std::string Overflow() const { return ReadFile(m_folder / "Overflow.txt"); }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& shown : m_sink.shown) {
      EXPECT_EQ(shown.caption, "File Access Error");
      EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
      texts.push_back(shown.text);
    }
    return texts;
  }

  ScratchFolder m_folder;
  std::string m_log = m_folder / "DataLog.txt";
  CKorvixDoc m_doc;
  FakeLabels m_labels;
  FakeWallClock m_wall;
  ReleasingClock m_ticks;
  RunClock m_clock{m_wall, m_ticks};
  RecordingMessageSink m_sink;
  FillingFiles m_files;
  DataLog m_datalog{m_doc, m_labels, m_clock, m_sink, m_files, m_ticks};
};

TEST_F(DataLogTest, HeaderGoesOnceIntoAnEmptyFileAndEveryLineEndsWithCrLf) {
  SmallProject();
  m_datalog.WriteDataLogRecord(m_log);
  m_wall.now.second = 6;
  m_labels.values["Temp1"] = "Error";
  m_datalog.WriteDataLogRecord(m_log);
  EXPECT_EQ(Log(), "Date,Time,Temp1\r\n03/14/09,12:00:05,23.5\r\n03/14/09,12:00:06,Error\r\n");
  EXPECT_TRUE(m_sink.shown.empty());
}

TEST_F(DataLogTest, AnIntervalWithADecimalPointLogsTenthsOfTheRunClock) {
  SmallProject();
  struct Case {
    const char* interval;
    const char* time;
  };
  for (const Case& c : {Case{"0.5", "12:00:05.3"}, Case{"1", "12:00:05"}, Case{"1.0", "12:00:05.3"}}) {
    m_doc.m_loginterval = c.interval;
    m_wall.now.millisecond = 379;  // hundredths 37
    m_datalog.WriteDataLogRecord(m_log);
    const std::string log = Log();
    EXPECT_EQ(log.substr(log.rfind(",12:") + 1), std::string(c.time) + ",23.5\r\n") << c.interval;
  }
}

TEST_F(DataLogTest, ColumnsJoinTheirSourcesInKindOrderAndOnlyLoggedLabelsAreRead) {
  m_doc.m_logfieldcount = 4;
  m_doc.m_logcoltime = 3;
  const int v = m_doc.m_variables.Add();
  m_doc.m_variables[v].idlabel = "Var";
  m_doc.m_variables[v].logcolumn = 0;
  const int p = m_doc.m_pivottrackers.Add();
  m_doc.m_pivottrackers[p].idlabel = "Pivot";
  m_doc.m_pivottrackers[p].logcolumnsis = 0;
  m_doc.m_pivottrackers[p].logcolumnrun = 1;
  const int d = m_doc.m_datawindows.Add();
  m_doc.m_datawindows[d].idlabel = "Dw";
  m_doc.m_datawindows[d].logcolumn = 0;
  const int l = m_doc.m_signallamps.Add();
  m_doc.m_signallamps[l].idlabel = "Lamp";
  m_labels.values = {{"Var", "1"}, {"Dw", "2"}, {"Pivot.sis", "3"}, {"Pivot.run", "On"}, {"Lamp", "Off"}};
  m_datalog.WriteDataLogRecord(m_log);
  // Column 2 has no source and stays empty.
  EXPECT_EQ(Log(), "VarDwPivot.sis,Pivot.run,,Time\r\n123,On,,12:00:05\r\n");
  EXPECT_EQ(m_labels.reads, (std::vector<std::string>{"Var", "Dw", "Pivot.run", "Pivot.sis"}));
}

TEST_F(DataLogTest, WithoutColumnsEachRecordIsAnEmptyLine) {
  m_datalog.WriteDataLogRecord(m_log);
  EXPECT_EQ(Log(), "\r\n\r\n");
  m_datalog.WriteDataLogRecord(m_log);
  EXPECT_EQ(Log(), "\r\n\r\n\r\n");
}

TEST_F(DataLogTest, LogEventKeepsTheHeaderAndTheLatestRecordOnly) {
  SmallProject();
  m_doc.m_logclearschedule = 3;
  m_datalog.WriteDataLogRecord(m_log);
  m_wall.now.second = 9;
  m_datalog.WriteDataLogRecord(m_log);
  EXPECT_EQ(Log(), "Date,Time,Temp1\r\n03/14/09,12:00:09,23.5\r\n");
}

TEST_F(DataLogTest, ALogHeldElsewhereForUnderASecondIsWaitedFor) {
  SmallProject();
  HoldLog(600);
  m_datalog.WriteDataLogRecord(m_log);
  EXPECT_TRUE(m_sink.shown.empty());
  EXPECT_GE(m_ticks.now, 600u);
  EXPECT_EQ(Log(), "Date,Time,Temp1\r\n03/14/09,12:00:05,23.5\r\n");
}

TEST_F(DataLogTest, ALogHeldElsewhereForOverASecondIsReportedAndLeftAlone) {
  SmallProject();
  WriteFile(m_log, "kept\r\n");
  HoldLog(5000);
  m_datalog.WriteDataLogRecord(m_log);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"The data log file " + m_log + " could not be opened."}));
  EXPECT_GT(m_ticks.now, 1000u);
  m_datalog.ClearDataLog(m_log);
  EXPECT_EQ(Messages().back(), "The file " + m_log + " could not be opened for clearing.");
  EXPECT_EQ(Log(), "kept\r\n");
}

TEST_F(DataLogTest, ClearingEmptiesTheLogOrCreatesIt) {
  SmallProject();
  m_datalog.ClearDataLog(m_log);
  EXPECT_TRUE(std::filesystem::exists(m_log));
  m_datalog.WriteDataLogRecord(m_log);
  m_datalog.ClearDataLog(m_log);
  EXPECT_EQ(Log(), "");
  m_datalog.WriteDataLogRecord(m_log);
  EXPECT_EQ(Log(), "Date,Time,Temp1\r\n03/14/09,12:00:05,23.5\r\n");
  EXPECT_TRUE(m_sink.shown.empty());
}

TEST_F(DataLogTest, AFullDiskCutsTheLogBackToItsLastWholeLineAndKeepsTheTextInTheOverflowFile) {
  SmallProject();
  const std::string header = "Date,Time,Temp1\r\n";
  const std::string record = "03/14/09,12:00:05,23.5\r\n";
  struct Case {
    const char* name;
    std::string log;  // before the write
    FillingFiles::Disk disk;
    std::string overflowadded;
  };
  for (const Case& c :
       {Case{"half a record", header + "old\r\n", {10, ENOSPC, 0}, record},
        Case{"half the header", "", {4, ENOSPC, 0}, header + record}, Case{"quota", header, {0, EDQUOT, 0}, record},
        Case{"flush", header, {1000, 0, ENOSPC}, record}}) {
    WriteFile(m_log, c.log);
    WriteFile(m_folder / "Overflow.txt", "earlier\r\n");
    m_files.disks = {{m_log, c.disk}};
    m_datalog.WriteDataLogRecord(m_log);
    EXPECT_EQ(Log(), c.log) << c.name;
    EXPECT_EQ(Overflow(), "earlier\r\n" + c.overflowadded) << c.name;
    EXPECT_TRUE(m_sink.shown.empty()) << c.name;
  }
}

TEST_F(DataLogTest, FailuresBesidesTheFullLogAreReportedAndLeaveNoHalfLine) {
  SmallProject();
  const std::string header = "Date,Time,Temp1\r\n";
  const std::string overflow = m_folder / "Overflow.txt";
  struct Case {
    const char* name;
    std::map<std::string, FillingFiles::Disk> disks;
    std::string overflowfile;
    std::string message;
    std::string overflowafter;
  };
  for (const Case& c :
       {Case{"other error",
             {{m_log, {5, EIO, 0}}},
             "{dir}/Overflow.txt",
             "Error while writing to data log file.\r" + m_log + ": Input/output error",
             "earlier\r\n"},
        Case{"overflow missing folder",
             {{m_log, {5, ENOSPC, 0}}},
             "{dir}/none/Overflow.txt",
             "The data log overflow file could not be opened.\r" + m_folder / "none/Overflow.txt" +
                 ": No such file or directory",
             "earlier\r\n"},
        Case{"overflow full too",
             {{m_log, {5, ENOSPC, 0}}, {overflow, {3, ENOSPC, 0}}},
             "{dir}/Overflow.txt",
             "Error while writing to data log overflow file.\r" + overflow + ": No space left on device",
             "earlier\r\n"}}) {
    m_sink.shown.clear();
    WriteFile(m_log, header);
    WriteFile(overflow, "earlier\r\n");
    m_files.disks = c.disks;
    m_doc.m_overflowfile = c.overflowfile;
    m_datalog.WriteDataLogRecord(m_log);
    EXPECT_EQ(Messages(), (std::vector<std::string>{c.message})) << c.name;
    EXPECT_EQ(Log(), header) << c.name;
    EXPECT_EQ(ReadFile(overflow), c.overflowafter) << c.name;
  }
}

TEST_F(DataLogTest, AFullDiskIsToldOnceAndTheRecordsOfThatTimeReachTheOverflowFileWhenSpaceReturns) {
  SmallProject();
  const std::string header = "Date,Time,Temp1\r\n";
  const std::string overflow = m_folder / "Overflow.txt";
  const std::string full = "Error while writing to data log overflow file.\r" + overflow + ": No space left on device";
  WriteFile(m_log, header);
  WriteFile(overflow, "");
  struct Step {
    const char* name;
    std::map<std::string, FillingFiles::Disk> disks;
    std::vector<std::string> told;  // everything told so far
    std::string log;
    std::string overflow;
  };
  const auto record = [](const char* temp) { return std::string("03/14/09,12:00:05,") + temp + "\r\n"; };
  const Step steps[] = {
      {"both full", {{m_log, {0}}, {overflow, {0}}}, {full}, header, ""},
      {"still full", {{m_log, {0}}, {overflow, {0}}}, {full}, header, ""},
      {"overflow has room", {{m_log, {0}}}, {full}, header, record("1") + record("2") + record("3")},
      {"both full again", {{m_log, {0}}, {overflow, {0}}}, {full}, header, record("1") + record("2") + record("3")},
      {"space returns", {}, {full}, header + record("5"), record("1") + record("2") + record("3") + record("4")},
      {"full once more",
       {{m_log, {0}}, {overflow, {0}}},
       {full, full},
       header + record("5"),
       record("1") + record("2") + record("3") + record("4")},
  };
  int temp = 0;
  for (const Step& step : steps) {
    m_labels.values["Temp1"] = std::to_string(++temp);
    m_files.disks = step.disks;
    m_datalog.WriteDataLogRecord(m_log);
    EXPECT_EQ(Messages(), step.told) << step.name;
    EXPECT_EQ(Log(), step.log) << step.name;
    EXPECT_EQ(Overflow(), step.overflow) << step.name;
  }
}

}  // namespace
}  // namespace korvix
