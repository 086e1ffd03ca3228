#include "recording/log_column_edits.h"

#include <gtest/gtest.h>

namespace korvix {
namespace {

using Titles = std::vector<std::string>;

// Date, time, two Variables and a Pivot Tracker with its four columns.
CKorvixDoc SourcesDoc() {
  CKorvixDoc doc;
  doc.m_variables[doc.m_variables.Add()].idlabel = "V1";
  doc.m_variables[doc.m_variables.Add()].idlabel = "V2";
  doc.m_pivottrackers[doc.m_pivottrackers.Add()].idlabel = "P";
  return doc;
}

TEST(LogColumnEditsTest, AddGivesTheKthFreeSourceInKindOrderTheNextColumn) {
  CKorvixDoc doc = SourcesDoc();
  EXPECT_EQ(AvailableLogFields(doc), (Titles{"Date", "Time", "V1", "V2", "P", "P.run", "P.water", "P.sis"}));
  ASSERT_TRUE(AddLogColumn(doc, 5));  // P.run
  ASSERT_TRUE(AddLogColumn(doc, 1));  // Time
  ASSERT_TRUE(AddLogColumn(doc, 2));  // V2, the third of what is still free
  EXPECT_EQ(doc.m_pivottrackers[0].logcolumnrun, 0);
  EXPECT_EQ(doc.m_logcoltime, 1);
  EXPECT_EQ(doc.m_variables[1].logcolumn, 2);
  EXPECT_EQ(doc.m_logfieldcount, 3);
  EXPECT_EQ(LogColumnTitles(doc), (Titles{"P.run", "Time", "V2"}));
  EXPECT_EQ(AvailableLogFields(doc), (Titles{"Date", "V1", "P", "P.water", "P.sis"}));
  EXPECT_FALSE(AddLogColumn(doc, 5));
  EXPECT_FALSE(AddLogColumn(doc, -1));
  EXPECT_EQ(doc.m_logfieldcount, 3);
}

TEST(LogColumnEditsTest, NoColumnIsAddedPastTheThousandth) {
  CKorvixDoc doc = SourcesDoc();
  doc.m_logfieldcount = kLogColumnCount;
  EXPECT_TRUE(LogColumnsFull(doc));
  EXPECT_FALSE(AddLogColumn(doc, 0));
  EXPECT_EQ(doc.m_logcoldate, kNoLogColumn);
  EXPECT_EQ(doc.m_logfieldcount, kLogColumnCount);
}

TEST(LogColumnEditsTest, SwapTradesTheTwoColumnsInEverySourceTheDateAndTimeIncluded) {
  CKorvixDoc doc = SourcesDoc();
  doc.m_logfieldcount = 4;
  doc.m_logcoldate = 0;
  doc.m_logcoltime = 1;
  doc.m_pivottrackers[0].logcolumnsis = 1;  // shares the time's column
  doc.m_variables[0].logcolumn = 2;
  doc.m_pivottrackers[0].logcolumnwater = 3;
  SwapLogColumns(doc, 1, 0);
  EXPECT_EQ(LogColumnTitles(doc), (Titles{"TimeP.sis", "Date", "V1", "P.water"}));
  SwapLogColumns(doc, 2, 3);
  EXPECT_EQ(doc.m_variables[0].logcolumn, 3);
  EXPECT_EQ(doc.m_pivottrackers[0].logcolumnwater, 2);
  EXPECT_EQ(doc.m_variables[1].logcolumn, kNoLogColumn);
}

TEST(LogColumnEditsTest, AColumnThatLostItsSourceHasAnEmptyTitle) {
  CKorvixDoc doc = SourcesDoc();
  doc.m_logfieldcount = 2;
  doc.m_variables[1].logcolumn = 1;
  EXPECT_EQ(LogColumnTitles(doc), (Titles{"", "V2"}));
}

TEST(LogColumnEditsTest, ResetPutsEveryWidthBackToSeventy) {
  CKorvixDoc doc;
  doc.m_logcolwidth[0] = 5;
  doc.m_logcolwidth[999] = 300;
  ResetLogColumnWidths(doc);
  for (int width : doc.m_logcolwidth) ASSERT_EQ(width, 70);
}

}  // namespace
}  // namespace korvix
