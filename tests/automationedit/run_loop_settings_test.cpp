#include "automationedit/run_loop_settings.h"

#include <gtest/gtest.h>

#include "platform/testing/recording_message_sink.h"

namespace korvix {
namespace {

TEST(RunLoopSettings, CommandTextsLoseBlanksAndEmptyLines) {
  struct Case {
    std::string typed;
    std::string stored;
  } cases[] = {
      {"A RD\r\n\r\n B RS", "ARD\r\nBRS\r\n"},
      {"\r\n\r\n\r\n", "\r\n"},
      {"", ""},
      {"   ", ""},
      {"\r\nARD\r\n", "ARD\r\n"},
      {"ARD", "ARD\r\n"},
      {"ARD\r\n\r\n\r\n\r\nBRS\r\n\r\n", "ARD\r\nBRS\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(NormaliseCommandText(c.typed), c.stored) << c.typed;
}

TEST(RunLoopSettings, OkNormalisesChecksBracesAndStoresOnlyWhenAsked) {
  CKorvixDoc doc;
  doc.m_runinitsend = "AOLD\r\n";
  RunLoopInitFields fields = RunLoopInitFieldsOf(doc);
  EXPECT_EQ(fields.m_retransmit, 1);
  EXPECT_EQ(fields.m_autostart, 0);
  fields.m_initcommands = "A RD\r\n\r\n";
  fields.m_exitcommands = " B RS";
  fields.m_startscript = " {Start ";
  RecordingMessageSink sink;
  EXPECT_FALSE(CheckRunLoopInitFields(sink, fields));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(fields.m_initcommands, "ARD\r\n");
  EXPECT_EQ(fields.m_exitcommands, "BRS\r\n");
  EXPECT_EQ(fields.m_startscript, "{Start");
  EXPECT_EQ(doc.m_runinitsend, "AOLD\r\n");
  EXPECT_FALSE(doc.IsModified());

  fields.m_startscript = " Missing Script ";
  fields.m_autostart = 1;
  fields.m_retransmit = 0;
  EXPECT_TRUE(CheckRunLoopInitFields(sink, fields));
  StoreRunLoopInitFields(doc, fields);
  EXPECT_EQ(doc.m_runinitscript, "Missing Script");
  EXPECT_EQ(doc.m_runinitsend, "ARD\r\n");
  EXPECT_EQ(doc.m_runexitsend, "BRS\r\n");
  EXPECT_EQ(doc.m_autostartrunloop, 1);
  EXPECT_EQ(doc.m_retransmitonreset, 0);
  EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace korvix
