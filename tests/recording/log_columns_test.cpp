#include <gtest/gtest.h>

#include "recording/log_sources.h"

namespace korvix {
namespace {

TEST(RemoveLogColumnTest, TheRemovedColumnIsNoLongerLoggedAndLaterOnesMoveDown) {
  CKorvixDoc doc;
  doc.m_logfieldcount = 3;
  doc.m_logcoldate = 0;
  doc.m_logcoltime = 1;
  doc.m_datawindows[doc.m_datawindows.Add()].logcolumn = 2;
  RemoveLogColumn(doc, 1);
  EXPECT_EQ(doc.m_logcoldate, 0);
  EXPECT_EQ(doc.m_logcoltime, -1);
  EXPECT_EQ(doc.m_datawindows[0].logcolumn, 1);
  EXPECT_EQ(doc.m_logfieldcount, 2);
}

TEST(RemoveLogColumnTest, EveryKindAndAllFourPivotTrackerColumnsAreRenumbered) {
  CKorvixDoc doc;
  doc.m_logfieldcount = 9;
  doc.m_logcolwidth[8] = 123;
  doc.m_variables[doc.m_variables.Add()].logcolumn = 8;
  doc.m_eventtimers[doc.m_eventtimers.Add()].logcolumn = 4;
  doc.m_picontrollers[doc.m_picontrollers.Add()].logcolumn = 3;
  PivotTrackerRecord& pivot = doc.m_pivottrackers[doc.m_pivottrackers.Add()];
  pivot.logcolumn = 5;
  pivot.logcolumnrun = 6;
  pivot.logcolumnwater = 3;
  pivot.logcolumnsis = 7;
  RemoveLogColumn(doc, 3);
  EXPECT_EQ(doc.m_variables[0].logcolumn, 7);
  EXPECT_EQ(doc.m_eventtimers[0].logcolumn, 3);
  EXPECT_EQ(doc.m_picontrollers[0].logcolumn, -1);
  const PivotTrackerRecord& after = doc.m_pivottrackers[0];
  EXPECT_EQ(after.logcolumn, 4);
  EXPECT_EQ(after.logcolumnrun, 5);
  EXPECT_EQ(after.logcolumnwater, -1);
  EXPECT_EQ(after.logcolumnsis, 6);
  EXPECT_EQ(doc.m_logfieldcount, 8);
  EXPECT_EQ(doc.m_logcolwidth[8], 123);  // widths stay at their indices
}

TEST(RemoveLogColumnTest, MinusOneChangesNothing) {
  CKorvixDoc doc;
  doc.m_logfieldcount = 2;
  doc.m_logcoldate = 1;
  RemoveLogColumn(doc, -1);
  EXPECT_EQ(doc.m_logcoldate, 1);
  EXPECT_EQ(doc.m_logfieldcount, 2);
}

}  // namespace
}  // namespace korvix
