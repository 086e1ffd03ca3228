#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/project_file.h"
#include "fixture_writer.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status;
  std::string output;
};

class KvxTool : public ::testing::Test {
protected:
  void SetUp() override {
    // Tests may run side by side in separate processes.
    m_folder = fs::temp_directory_path() /
               ("korvix_kvxtool_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                std::to_string(::getpid()));
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
  }
  void TearDown() override { fs::remove_all(m_folder); }

  std::string Write(const char* name, const std::string& bytes) {
    const std::string path = (m_folder / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  ToolRun Tool(const std::string& arguments) {
    const std::string out = (m_folder / "output.txt").string();
    const std::string command = std::string(KVXTOOL_PATH) + " " + arguments + " >" + out + " 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream file(out);
    std::stringstream text;
    text << file.rdbuf();
    return {WEXITSTATUS(status), text.str()};
  }

  fs::path m_folder;
};

TEST_F(KvxTool, InfoPrintsVersionNotePagesAndCounts) {
  CKorvixDoc doc;
  doc.m_projectnote = "Boiler room";
  doc.m_pages.Add();
  doc.m_datawindows.Add();
  doc.m_datawindows.Add();
  const std::string path = Write("plant.kvx", StoreProject(doc));

  const ToolRun run = Tool("info " + path);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("version: 15.61"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("project note: Boiler room"), std::string::npos);
  EXPECT_NE(run.output.find("pages: 2"), std::string::npos);
  EXPECT_NE(run.output.find("Data Windows: 2"), std::string::npos);
  EXPECT_NE(run.output.find("Data Parsers: 0"), std::string::npos);
}

TEST_F(KvxTool, ExitStatusTellsRefusedFromUnreadable) {
  CKorvixDoc doc;
  const std::string file = StoreProject(doc);
  struct Case {
    std::string arguments;
    int status;
    const char* says;
  };
  const Case cases[] = {
      {"info " + Write("newer.kvx", file + "more"), 1, "created with a newer version of Korvix."},
      {"info " + Write("cut.kvx", file.substr(0, 50)), 2, "it ends before the project is complete."},
      {"info " + (m_folder / "absent.kvx").string(), 2, "could not be opened"},
      {"frobnicate", 2, "usage"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Tool(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
  }
}

TEST_F(KvxTool, WhatIsNotAProjectFileIsRefusedWithoutReadingIt) {
  const std::string fifo = (m_folder / "pipe.kvx").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string sparse = (m_folder / "sparse.kvx").string();
  Write("sparse.kvx", "");
  fs::resize_file(sparse, std::uintmax_t{3} << 30);
  fs::create_directory(m_folder / "folder.kvx");
  const std::pair<std::string, const char*> cases[] = {
      {fifo, "it is not a file."},
      {(m_folder / "folder.kvx").string(), "it is not a file."},
      {"/dev/zero", "it is not a file."},
      {sparse, "it is larger than 1 GiB"},
  };
  for (const auto& [path, says] : cases) {
    const ToolRun run = Tool("info " + path);
    EXPECT_EQ(run.status, 2) << path;
    EXPECT_NE(run.output.find("The project file " + path + " could not be opened: " + says), std::string::npos)
        << run.output;
  }
}

TEST_F(KvxTool, ResaveWritesTheSameBytesTheProgramWould) {
  CKorvixDoc doc;
  doc.m_variables[doc.m_variables.Add()].idlabel = "Level\xB0";
  const std::string stored = StoreProject(doc);
  const std::string in = Write("in.kvx", stored);
  const std::string out = (m_folder / "out.kvx").string();

  const ToolRun run = Tool("resave " + in + " " + out);
  ASSERT_EQ(run.status, 0) << run.output;
  std::ifstream file(out, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  EXPECT_EQ(bytes.str(), stored);
}

}  // namespace
}  // namespace korvix
