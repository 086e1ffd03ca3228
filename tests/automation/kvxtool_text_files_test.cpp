#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>

#include "document/project_file.h"
#include "text_file_projects.h"

namespace korvix {
namespace {

using testing::Fixture;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

struct ToolRun {
  int status;
  std::string errors;
};

ToolRun Tool(const ScratchFolder& folder, const std::string& arguments) {
  const std::string errors = (folder / "errors.txt").string();
  const std::string command = std::string(KVXTOOL_PATH) + " " + arguments + " 2>" + errors;
  const int status = std::system(command.c_str());
  return {WEXITSTATUS(status), ReadBytes(errors)};
}

TEST(KvxToolTextFiles, ExportsImportsAndRefusesThroughTheBinary) {
  ScratchFolder folder;
  CKorvixDoc scripts = testing::EveryStepProject();
  CKorvixDoc conditionals = testing::AlarmProject();
  const std::string project1 = (folder / "steps.kvx").string();
  const std::string project2 = (folder / "alarm.kvx").string();
  ASSERT_TRUE(SaveProjectFile(scripts, project1).ok);
  ASSERT_TRUE(SaveProjectFile(conditionals, project2).ok);
  const std::string text = (folder / "out.txt").string();
  const std::string in = (folder / "in.txt").string();
  const std::string out = (folder / "out.kvx").string();
  const std::string again = (folder / "again.txt").string();

  struct Case {
    const char* name;
    std::string exporter;
    std::string importer;
    std::string project;
    const char* fixture;
    const char* invalid;
  } cases[] = {
      {"scripts", "export-scripts", "import-scripts", project1, "every-step.Scripts.txt",
       "Illegal File Format: The file format of Scripts.txt is invalid.\n"},
      {"conditionals", "export-conditionals", "import-conditionals", project2, "alarm.Conditionals.txt",
       "Illegal File Format: The file format of Conditionals.txt is invalid.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(out);
    ToolRun run = Tool(folder, c.exporter + " " + c.project + " " + text);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(ReadBytes(text), Fixture(c.fixture));

    WriteBytes(in, Fixture(c.fixture));
    run = Tool(folder, c.importer + " " + c.project + " " + in + " " + out);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    run = Tool(folder, c.exporter + " " + out + " " + again);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(ReadBytes(again), Fixture(c.fixture));

    std::filesystem::remove(out);
    WriteBytes(in, "garbage");
    run = Tool(folder, c.importer + " " + c.project + " " + in + " " + out);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, c.invalid);
    EXPECT_FALSE(std::filesystem::exists(out));

    run = Tool(folder, c.exporter + " " + (folder / "absent.kvx").string() + " " + text);
    EXPECT_EQ(run.status, 2);
    run = Tool(folder, c.importer + " " + (folder / "absent.kvx").string() + " " + in + " " + out);
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

// The tool imports a file the user typed: a slip in its name must not leave
// an empty file behind and be blamed on the file's format.
TEST(KvxToolTextFiles, AnInputThatCannotBeReadExitsTwoWithItsReasonAndCreatesNothing) {
  ScratchFolder folder;
  const std::string project = (folder / "p.kvx").string();
  CKorvixDoc doc = testing::AlarmProject();
  ASSERT_TRUE(SaveProjectFile(doc, project).ok);
  std::filesystem::create_directory(folder / "folder");
  const std::string out = (folder / "out.kvx").string();
  struct Case {
    std::filesystem::path in;
    std::string reason;
  } cases[] = {
      {folder / "Scripts.txt", "No such file or directory"},
      {folder / "no" / "such", "No such file or directory"},
      {folder / "folder", "not a regular file"},
  };
  for (const char* importer : {"import-scripts", "import-conditionals"}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(importer) + " " + c.in.string());
      const bool wasthere = std::filesystem::exists(c.in);
      const ToolRun run = Tool(folder, std::string(importer) + " " + project + " " + c.in.string() + " " + out);
      EXPECT_EQ(run.status, 2);
      EXPECT_EQ(run.errors, "kvxtool: cannot read " + c.in.string() + ": " + c.reason + "\n");
      EXPECT_EQ(std::filesystem::exists(c.in), wasthere);
      EXPECT_FALSE(std::filesystem::exists(out));
    }
  }
}

TEST(KvxToolTextFiles, WarningsStillSucceed) {
  ScratchFolder folder;
  CKorvixDoc doc;
  const std::string project = (folder / "p.kvx").string();
  ASSERT_TRUE(SaveProjectFile(doc, project).ok);
  WriteBytes(folder / "in.txt", "\r\nTank\r\n\r\n<Show Message> , Hi , TW1 , Purple , White");
  const ToolRun run = Tool(
      folder, "import-scripts " + project + " " + (folder / "in.txt").string() + " " + (folder / "o.kvx").string());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors,
            "Illegal Color Name: Purple is not a valid color format. \nThis color will be replaced with Black.\n"
            "File Access Error: Unexpected end of m_memfile.\n");
  CKorvixDoc saved;
  ASSERT_TRUE(OpenProjectFile((folder / "o.kvx").string(), saved).Ok());
  ASSERT_EQ(saved.m_scripts.Count(), 1);
  EXPECT_EQ(saved.m_scripts[0].steps[0].color2, 0xFFFFFF);
}

}  // namespace
}  // namespace korvix
