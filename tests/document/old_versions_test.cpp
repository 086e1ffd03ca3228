#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "document/project_file.h"
#include "document/scrambler.h"
#include "fixture_writer.h"

namespace korvix {
namespace {

using testing::Bytes;
using testing::Sections;

// A file of `doc` as its members stand, with section `section` replaced by
// `records` written by hand.
std::string WithSection(CKorvixDoc& doc, int section, const std::string& records) {
  return Bytes().Int(kSectionCount).Str() + Sections(doc, 1, section - 1) + records +
         Sections(doc, section + 1, kSectionCount);
}

CKorvixDoc LoadOk(const std::string& file) {
  CKorvixDoc doc;
  const LoadResult result = LoadProject(file, doc);
  EXPECT_TRUE(result.Ok()) << result.message;
  return doc;
}

TEST(OlderVersions, IntWidthFactorsAndMissingHeightFactorsTakeTheOldUnits) {
  struct Case {
    const char* kind;
    int section;
    std::function<void(CKorvixDoc&)> add;
    std::string record;  // the record up to its width factor, stored as an int
    std::function<double(const CKorvixDoc&)> width;
    std::function<double(const CKorvixDoc&)> height;
    double expectedWidth;
    double expectedHeight;
  };
  const std::string fourFields = Bytes().Int(4).Int(0).Int(30).Int(40).Int(8).Str();
  const std::string fiveFields = Bytes().Int(5).Int(0).Int(30).Int(40).Int(5).Int(8).Str();
  const Case cases[] = {
      {"Data Window", 2, [](CKorvixDoc& d) { d.m_datawindows.Add(); }, fiveFields,
       [](const CKorvixDoc& d) { return d.m_datawindows[0].widthfactor; },
       [](const CKorvixDoc& d) { return d.m_datawindows[0].heightfactor; }, 8 * 1.035, 2.0 * 0.957142858},
      {"Text Window", 5, [](CKorvixDoc& d) { d.m_textwindows.Add(); }, fiveFields,
       [](const CKorvixDoc& d) { return d.m_textwindows[0].widthfactor; },
       [](const CKorvixDoc& d) { return d.m_textwindows[0].heightfactor; }, 8 * 1.035, 3.0 * 0.957142858},
      {"Push Button", 3, [](CKorvixDoc& d) { d.m_pushbuttons.Add(); }, fourFields,
       [](const CKorvixDoc& d) { return d.m_pushbuttons[0].widthfactor; },
       [](const CKorvixDoc& d) { return d.m_pushbuttons[0].heightfactor; }, 8 * 0.7375, 4.0 * 0.714285715},
      {"Rocker Switch", 7, [](CKorvixDoc& d) { d.m_rockerswitches.Add(); }, fourFields,
       [](const CKorvixDoc& d) { return d.m_rockerswitches[0].widthfactor; },
       [](const CKorvixDoc& d) { return d.m_rockerswitches[0].heightfactor; }, 8 * 0.571428572, 5.0 * 1.642857143},
      {"Slider Control", 8, [](CKorvixDoc& d) { d.m_slidercontrols.Add(); }, fourFields,
       [](const CKorvixDoc& d) { return d.m_slidercontrols[0].widthfactor; },
       [](const CKorvixDoc& d) { return d.m_slidercontrols[0].heightfactor; }, 8.0, 5.6},
  };
  for (const Case& c : cases) {
    CKorvixDoc doc;
    doc.m_fileversion = 15.61;
    doc.m_doubleformat = 0;
    doc.m_dwheight = 2.0;
    doc.m_twheight = 3.0;
    doc.m_pbheight = 4.0;
    doc.m_rsheight = 5.0;
    c.add(doc);
    const CKorvixDoc loaded = LoadOk(WithSection(doc, c.section, c.record));
    EXPECT_DOUBLE_EQ(c.width(loaded), c.expectedWidth) << c.kind;
    EXPECT_DOUBLE_EQ(c.height(loaded), c.expectedHeight) << c.kind;
  }
}

TEST(OlderVersions, ADataWindowWithANegativeYIsInTenths) {
  struct Case {
    int x, y, expectedX, expectedY;
  };
  const Case cases[] = {{1234, -567, 123, 56}, {50, 40, 50, 40}, {-15, INT_MIN, -1, 214748364}};
  for (const Case& c : cases) {
    CKorvixDoc doc;
    doc.m_fileversion = 15.61;
    doc.m_doubleformat = 1;
    DataWindowRecord& window = doc.m_datawindows[doc.m_datawindows.Add()];
    window.x = c.x;
    window.y = c.y;
    const CKorvixDoc loaded = LoadOk(testing::WholeFile(doc));
    EXPECT_EQ(loaded.m_datawindows[0].x, c.expectedX) << c.y;
    EXPECT_EQ(loaded.m_datawindows[0].y, c.expectedY) << c.y;
  }
}

TEST(OlderVersions, ChartRecordersUpToVersion944TakeTheirOldLabel) {
  for (double version : {9.44, 9.45}) {
    CKorvixDoc doc;
    doc.m_fileversion = version;
    doc.m_doubleformat = 1;
    doc.m_chartrecorders[doc.m_chartrecorders.Add()].idlabel = "Chart7";
    const CKorvixDoc loaded = LoadOk(testing::WholeFile(doc));
    EXPECT_EQ(loaded.m_chartrecorders[0].idlabel, version == 9.44 ? "ChartRec" : "Chart7");
  }
}

TEST(OlderVersions, PasswordsAreScrambledOnlyAfterVersion1071) {
  for (double version : {10.71, 10.72}) {
    CKorvixDoc doc;
    doc.m_fileversion = version;
    doc.m_doubleformat = 1;
    // The writer scrambles; this makes the file hold "Secret" itself.
    doc.m_lockpassword = Descramble("Secret");
    doc.m_ftppassword = Descramble("Ftp-Pass1");
    const CKorvixDoc loaded = LoadOk(testing::WholeFile(doc));
    EXPECT_EQ(loaded.m_lockpassword, version == 10.71 ? "Secret" : Descramble("Secret"));
    EXPECT_EQ(loaded.m_ftppassword, version == 10.71 ? "Ftp-Pass1" : Descramble("Ftp-Pass1"));
  }
}

TEST(OlderVersions, APIControllerSizeCode68BecomesExtraLarge) {
  CKorvixDoc doc;
  doc.m_picontrollers[doc.m_picontrollers.Add()].sizecode = 68;
  doc.m_picontrollers[doc.m_picontrollers.Add()].sizecode = 36;
  const CKorvixDoc loaded = LoadOk(StoreProject(doc));
  EXPECT_EQ(loaded.m_picontrollers[0].sizecode, 48);
  EXPECT_EQ(loaded.m_picontrollers[1].sizecode, 36);
}

TEST(OlderVersions, FilesNeedingAnUnknownConversionAreRefusedAndOthersLoad) {
  struct Case {
    const char* what;
    double version;
    std::function<void(CKorvixDoc&)> fill;
    bool refused;
  };
  const auto dataWindow = [](CKorvixDoc& d) { d.m_datawindows.Add(); };
  const auto conditional = [](CKorvixDoc& d) { d.m_conditionals.Add(); };
  const auto step = [](CKorvixDoc& d) { d.m_scripts[d.m_scripts.Add()].steps.Add(); };
  const auto emptyScript = [](CKorvixDoc& d) { d.m_scripts.Add(); };
  const auto radio = [](CKorvixDoc& d) { d.m_radio.texts[2] = "12"; };
  const auto slowChart = [](CKorvixDoc& d) { d.m_chartrecorders[d.m_chartrecorders.Add()].scanrate = 5; };
  const Case cases[] = {
      {"Data Window before 3.0", 2.9, dataWindow, true},
      {"Data Window at 3.0", 3.0, dataWindow, false},
      {"Conditional before 3.2", 3.1, conditional, true},
      {"Conditional at 3.2", 3.2, conditional, false},
      {"Script step before 5.0", 4.9, step, true},
      {"Script without steps before 5.0", 4.9, emptyScript, false},
      {"Script step at 5.0", 5.0, step, false},
      {"radio text before 14.1", 14.0, radio, true},
      {"radio text at 14.1", 14.1, radio, false},
      {"illegal chart value before 14.1", 14.0, slowChart, true},
      {"illegal chart value at 14.1", 14.1, slowChart, false},
  };
  for (const Case& c : cases) {
    CKorvixDoc doc;
    doc.m_fileversion = c.version;
    doc.m_doubleformat = 1;
    c.fill(doc);
    CKorvixDoc loaded;
    const LoadResult result = LoadProject(testing::WholeFile(doc), loaded);
    EXPECT_EQ(result.status, c.refused ? LoadStatus::OldVersionRefused : LoadStatus::Loaded) << c.what;
    if (c.refused) {
      EXPECT_NE(result.message.find("can not convert"), std::string::npos) << c.what;
    }
  }
}

TEST(Scrambler, ScramblesLettersByLengthAndGivesThemBack) {
  for (const std::string plain : {"", "a", "Secret", "Pass word 123!", "ZYXWVUTSRQPONMLKJIHGFEDCBAzyx\xE9"}) {
    const std::string scrambled = Scramble(plain);
    EXPECT_EQ(Descramble(scrambled), plain);
    ASSERT_EQ(scrambled.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
      const bool letter = (plain[i] >= 'a' && plain[i] <= 'z') || (plain[i] >= 'A' && plain[i] <= 'Z');
      if (!letter) {
        EXPECT_EQ(scrambled[i], plain[i]);
      }
    }
  }
  EXPECT_NE(Scramble("Secret"), "Secret");
  EXPECT_NE(Scramble("abc"), Scramble("abcd").substr(0, 3));
}

TEST(Scrambler, StoredPasswordsNeverAppearPlainInTheFile) {
  CKorvixDoc doc;
  doc.m_lockpassword = "Opensesame";
  doc.m_ftppassword = "Uploadsecret";
  doc.m_emailserver.smtppassword = "Mailsecret";
  const std::string file = StoreProject(doc);
  for (const char* password : {"Opensesame", "Uploadsecret", "Mailsecret"}) {
    EXPECT_EQ(file.find(password), std::string::npos) << password;
  }
  const CKorvixDoc loaded = LoadOk(file);
  EXPECT_EQ(loaded.m_emailserver.smtppassword, "Mailsecret");
}

}  // namespace
}  // namespace korvix
