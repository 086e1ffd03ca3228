#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "document/project_file.h"
#include "project_filler.h"

namespace korvix {
namespace {

TEST(RoundTrip, EverySectionFilledGivesBackIdenticalBytes) {
  CKorvixDoc original;
  testing::FillEverySection(original);
  original.m_picontrollers[0].valuetext = "12.5";
  original.m_scripts[0].idlabel = std::string("Alarm") + kActionScriptMarker;
  const std::string stored = StoreProject(original);

  CKorvixDoc loaded;
  const LoadResult result = LoadProject(stored, loaded);
  ASSERT_TRUE(result.Ok()) << result.message;
  EXPECT_EQ(StoreProject(loaded), stored);

  EXPECT_EQ(loaded.m_picontrollers[0].valuetext, PIControllerRecord{}.valuetext);
  EXPECT_EQ(loaded.m_scripts[0].idlabel, original.m_scripts[0].idlabel);
  EXPECT_EQ(loaded.m_projectnote, original.m_projectnote);
  EXPECT_EQ(loaded.m_datawindows[1].widthfactor, original.m_datawindows[1].widthfactor);
  EXPECT_EQ(loaded.m_lockpassword, original.m_lockpassword);
  EXPECT_EQ(loaded.m_emailserver.smtppassword, original.m_emailserver.smtppassword);
  EXPECT_EQ(loaded.m_buttonarrays[1].buttons[1].placement, original.m_buttonarrays[1].buttons[1].placement);
  EXPECT_EQ(loaded.m_lognextdue, original.m_lognextdue);
}

TEST(RoundTrip, TextsAtEveryLengthBoundaryComeBackByteForByte) {
  CKorvixDoc original;
  testing::FillEverySection(original);
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) {
    high.push_back(static_cast<char>(c));
  }
  for (std::size_t length : testing::kBoundaryTextLengths) {
    std::string text(length, 'a');
    for (std::size_t i = 0; i < length; ++i) {
      text[i] = high[i % high.size()];
    }
    original.m_projectnote = text;
    original.m_variables[0].valuetext = text;
    const std::string stored = StoreProject(original);

    CKorvixDoc loaded;
    ASSERT_TRUE(LoadProject(stored, loaded).Ok()) << length;
    EXPECT_EQ(loaded.m_projectnote, text) << length;
    EXPECT_EQ(loaded.m_variables[0].valuetext, text) << length;
  }
}

// Files saved by the program, kept in the repository, store again as the
// very bytes they hold: what the records keep is what the file stores.
TEST(RoundTrip, HeldProjectFilesStoreAsTheirOwnBytes) {
  for (const char* name :
       {"Samples/Demo.kvx", "fuzz/corpus/empty.kvx", "fuzz/corpus/screens.kvx", "fuzz/corpus/automation.kvx"}) {
    std::ifstream in(std::string(KORVIX_SOURCE_DIR) + "/" + name, std::ios::binary);
    ASSERT_TRUE(in) << name;
    const std::string held{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    CKorvixDoc doc;
    const LoadResult result = LoadProject(held, doc);
    ASSERT_TRUE(result.Ok()) << name << ": " << result.message;
    EXPECT_TRUE(StoreProject(doc) == held) << name;
  }
}

TEST(RoundTrip, StoreMarksTheProjectAsCurrentVersion) {
  CKorvixDoc doc;
  StoreProject(doc);
  EXPECT_EQ(doc.m_fileversion, 15.61);
  EXPECT_EQ(doc.m_doubleformat, 1);
}

}  // namespace
}  // namespace korvix
