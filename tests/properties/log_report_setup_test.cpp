#include "properties/log_report_setup.h"

#include <gtest/gtest.h>

#include "platform/testing/recording_message_sink.h"

namespace korvix {
namespace {

TEST(ReportFontSizesTest, IndexAndSizeMapBothWaysAndAnUnlistedSizeIsReported) {
  RecordingMessageSink sink;
  for (int index = 0; index < static_cast<int>(kReportFontSizes.size()); ++index) {
    EXPECT_EQ(IndexFromFontSize(sink, FontSizeFromIndex(index)), index);
  }
  EXPECT_EQ(FontSizeFromIndex(0), 720);
  EXPECT_EQ(FontSizeFromIndex(15), 80);
  EXPECT_TRUE(sink.shown.empty());

  EXPECT_EQ(IndexFromFontSize(sink, 130), 0);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Operational Error");
  EXPECT_EQ(sink.shown[0].text, "Invalid Dialog Box Selection.");
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Stop);
}

TEST(ReportFieldsTest, MarginNamesRunInTenthsOfAnInch) {
  EXPECT_EQ(ReportMarginName(0), "0.0''");
  EXPECT_EQ(ReportMarginName(7), "0.7''");
  EXPECT_EQ(ReportMarginName(20), "2.0''");
}

TEST(ReportFieldsTest, DefaultsLoadAndStoreUnchanged) {
  RecordingMessageSink sink;
  const DataLogSettings defaults;
  DataLogSettings settings;
  settings.m_reportheaderfont = 1;  // overwritten by the store
  StoreLogReportFields(LoadLogReportFields(defaults, sink), settings);
  EXPECT_EQ(settings.m_reportheaderfont, 160);
  EXPECT_EQ(settings.m_reportbodyfont, 100);
  EXPECT_EQ(settings.m_reportpagefont, 110);
  EXPECT_EQ(settings.m_reportheaderon, 1);
  EXPECT_EQ(settings.m_reporttitleson, 2);
  EXPECT_EQ(settings.m_reportpagepos, 5);
  EXPECT_EQ(settings.m_reportgrid, 1);
  EXPECT_EQ(settings.m_reportshading, 1);
  EXPECT_EQ(settings.m_reporttitle, "Data Log Report\r\nCompany Name");
  EXPECT_TRUE(sink.shown.empty());
}

TEST(ReportFieldsTest, StoredValuesOutsideTheirListsShowAsTheFirstEntry) {
  RecordingMessageSink sink;
  DataLogSettings settings;
  settings.m_reportmargintop = 21;
  settings.m_reportmarginleft = -1;
  settings.m_reportmarginright = 20;
  settings.m_reportpagepos = 7;
  settings.m_reportspacing = 3;
  settings.m_reportbodyfont = 130;
  const LogReportFields fields = LoadLogReportFields(settings, sink);
  EXPECT_EQ(fields.margintop, 0);
  EXPECT_EQ(fields.marginleft, 0);
  EXPECT_EQ(fields.marginright, 20);
  EXPECT_EQ(fields.pagepos, 0);
  EXPECT_EQ(fields.spacing, 0);
  EXPECT_EQ(fields.bodyfont, 0);
  EXPECT_EQ(sink.shown.size(), 1u) << "only the font size is reported";
}

TEST(ReportFieldsTest, TheHeaderContentHoldsAtMostAThousandCharacters) {
  LogReportFields fields;
  fields.title = std::string(1000, 'x');
  EXPECT_FALSE(LogReportFieldsProblem(fields));
  fields.title += 'x';
  EXPECT_TRUE(LogReportFieldsProblem(fields));
}

}  // namespace
}  // namespace korvix
