#include <gtest/gtest.h>

#include "document/load_result.h"
#include "document/project_file.h"
#include "fixture_writer.h"
#include "project_filler.h"

namespace korvix {
namespace {

using testing::Bytes;
using testing::Sections;

constexpr int kVariablesSection = 27;

// A project with one Variable whose record is written by hand.
std::string WithHandWrittenVariable(const std::string& record) {
  CKorvixDoc doc;
  doc.m_variables.Add();
  doc.m_fileversion = 15.61;
  doc.m_doubleformat = 1;
  return Bytes().Int(kSectionCount).Str() + Sections(doc, 1, kVariablesSection - 1) + record +
         Sections(doc, kVariablesSection + 1, kSectionCount);
}

// An open project that a failed load must leave as it was.
struct OpenProject {
  OpenProject() {
    testing::FillEverySection(doc);
    stored = StoreProject(doc);
  }
  void ExpectUntouched() { EXPECT_EQ(StoreProject(doc), stored); }

  CKorvixDoc doc;
  std::string stored;
};

TEST(Load, ASectionCountOfZeroLoadsAnEmptyProjectWithAllDefaults) {
  OpenProject open;
  ASSERT_TRUE(LoadProject(Bytes().Int(0).Str(), open.doc).Ok());
  CKorvixDoc empty;
  EXPECT_EQ(StoreProject(open.doc), StoreProject(empty));
  EXPECT_EQ(open.doc.m_pages.Count(), 1);
  EXPECT_EQ(open.doc.m_weblogtitle, "Korvix Web Log");
}

TEST(Load, ARecordOneFieldShortKeepsTheDefaultOfTheMissingField) {
  const std::string shortRecord = Bytes().Int(6).Text("Tank").Int(1).Text("12.5").Int(2).Int(0).Int(1).Str();
  CKorvixDoc doc;
  ASSERT_TRUE(LoadProject(WithHandWrittenVariable(shortRecord), doc).Ok());
  ASSERT_EQ(doc.m_variables.Count(), 1);
  const VariableRecord& v = doc.m_variables[0];
  EXPECT_EQ(v.idlabel, "Tank");
  EXPECT_EQ(v.valueformat, 1);
  EXPECT_EQ(v.valuetext, "12.5");
  EXPECT_EQ(v.decimals, 2);
  EXPECT_EQ(v.timerrunning, 1);
  EXPECT_EQ(v.logcolumn, -1);
}

TEST(Load, ShorterSectionListsKeepTheDefaultsOfTheMissingSections) {
  CKorvixDoc doc;
  doc.m_projectnote = "note";
  doc.m_webloghtml = "mine.html";
  const std::string file = Bytes().Int(1).Str() + Sections(doc, 1, 1);
  CKorvixDoc loaded;
  ASSERT_TRUE(LoadProject(file, loaded).Ok());
  EXPECT_EQ(loaded.m_projectnote, "note");
  EXPECT_EQ(loaded.m_webloghtml, "WebLog.html");
}

TEST(Load, NewerFilesAreRefusedAndTheOpenProjectStaysAsItWas) {
  CKorvixDoc doc;
  const std::string current = StoreProject(doc);
  const std::string oneFieldOver =
      WithHandWrittenVariable(Bytes().Int(8).Text("Tank").Int(0).Text("0").Int(0).Int(1).Int(0).Int(-1).Int(5).Str());
  std::string surplusSection = current + Bytes().Int(0).Str();
  const std::string& surplus = surplusSection;
  surplusSection.replace(0, 4, Bytes().Int(kSectionCount + 1).Str());
  const std::string trailingBytes = current + "x";

  for (const std::string* file : {&oneFieldOver, &surplus, &trailingBytes}) {
    OpenProject open;
    const LoadResult result = LoadProject(*file, open.doc);
    EXPECT_EQ(result.status, LoadStatus::NewerVersion);
    EXPECT_EQ(result.message,
              "The project file you are trying to load was \rcreated with a newer version of Korvix. "
              "\rYou must install the newer version in order \rto load this project file.");
    EXPECT_TRUE(open.doc.m_loadfailed);
    open.ExpectUntouched();
  }
}

TEST(Load, EveryTruncationOfAFileFailsCleanly) {
  CKorvixDoc doc;
  testing::FillEverySection(doc, 1);
  doc.m_projectnote = "short";
  const std::string file = StoreProject(doc);
  OpenProject open;
  for (std::size_t length = 0; length < file.size(); length += 1 + length / 64) {
    const LoadResult result = LoadProject(std::string_view(file).substr(0, length), open.doc);
    ASSERT_EQ(result.status, LoadStatus::Damaged) << length;
  }
  EXPECT_FALSE(open.doc.m_loadfailed);
  open.ExpectUntouched();
}

TEST(Load, CountsBeyondTheLimitsOrBelowZeroAreRefused) {
  CKorvixDoc doc;
  const std::string file = StoreProject(doc);
  // Field 2 of the header is the Data Window count, after the section
  // count, the header's field count and `m_header1`.
  constexpr std::size_t kDataWindowCountAt = 12;
  struct Case {
    int count;
    std::string message;
  };
  const Case cases[] = {
      {2001, "Korvix can not contain more than 2000 Data Windows."},
      {-1, "The project file can not be read: \rit holds a negative count."},
  };
  for (const Case& c : cases) {
    std::string bad = file;
    bad.replace(kDataWindowCountAt, 4, Bytes().Int(c.count).Str());
    OpenProject open;
    const LoadResult result = LoadProject(bad, open.doc);
    EXPECT_EQ(result.status, LoadStatus::Damaged);
    EXPECT_EQ(result.message, c.message);
    open.ExpectUntouched();
  }

  std::string negativeFields = file;
  negativeFields.replace(4, 4, Bytes().Int(-3).Str());
  OpenProject open;
  EXPECT_EQ(LoadProject(negativeFields, open.doc).status, LoadStatus::Damaged);
}

TEST(Load, NestedListsBeyondTheirLimitsAreRefused) {
  CKorvixDoc doc;
  ScriptRecord& script = doc.m_scripts[doc.m_scripts.Add()];
  script.idlabel = "Fill";
  const std::string file = StoreProject(doc);
  // The Script's step count follows its field count and its label.
  const std::size_t at = file.find(
                             "\x04"
                             "Fill") +
                         5;
  std::string bad = file;
  bad.replace(at, 4, Bytes().Int(1001).Str());
  CKorvixDoc loaded;
  const LoadResult result = LoadProject(bad, loaded);
  EXPECT_EQ(result.status, LoadStatus::Damaged);
  EXPECT_EQ(result.message, "A Script can not contain more than 1000 Steps.");
}

}  // namespace
}  // namespace korvix
