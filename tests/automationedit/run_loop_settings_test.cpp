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

TEST(RunLoopSettings, PollingFieldsAreWholeNumbersWithinTheirBounds) {
  constexpr const char* kPositive = "Entry Error: Please enter a positive integer.";
  constexpr const char* kInteger = "Entry Error: Please enter an integer.";
  struct Case {
    PollingFields fields;
    std::optional<PollingField> focus;
    std::string message;
  } cases[] = {
      {{"0", "1", "0"}, PollingField::Wait, "Entry Error: Please enter an integer between 1 and 10000000."},
      {{"1", "0", "0"}, std::nullopt, ""},
      {{"abc", "1", "0"}, PollingField::Wait, kPositive},
      {{"2500", "abc", "0"}, PollingField::Retries, kInteger},
      {{"2500", "1", "abc"}, PollingField::Delay, kPositive},
      {{"2500", "-1", "0"}, PollingField::Retries, "Entry Error: Please enter an integer between 0 and 10000000."},
      {{"2500", "1", "10000001"}, PollingField::Delay, "Entry Error: Please enter an integer between 0 and 10000000."},
      {{"-5", "1", "0"}, PollingField::Wait, kPositive},
      {{" 10000000 ", "10000000", "10000000"}, std::nullopt, ""},
  };
  for (const Case& c : cases) {
    RecordingMessageSink sink;
    EXPECT_EQ(CheckPollingFields(sink, c.fields), c.focus) << c.fields.m_wait << "/" << c.fields.m_retries;
    if (c.message.empty()) {
      EXPECT_TRUE(sink.shown.empty());
    } else {
      ASSERT_EQ(sink.shown.size(), 1u);
      EXPECT_EQ(sink.shown[0].caption + ": " + sink.shown[0].text, c.message);
    }
  }
}

TEST(RunLoopSettings, UseDefaultShowsTheNewProjectValuesAndStoresNothingByItself) {
  CKorvixDoc doc;
  doc.m_replytimeout = 900;
  doc.m_pollretries = 4;
  doc.m_polldelay = 20;
  const PollingFields defaults = DefaultPollingFields();
  EXPECT_EQ(defaults.m_wait, "2500");
  EXPECT_EQ(defaults.m_retries, "1");
  EXPECT_EQ(defaults.m_delay, "0");
  EXPECT_EQ(PollingFieldsOf(doc).m_wait, "900");
  EXPECT_FALSE(doc.IsModified());
  StorePollingFields(doc, defaults);
  EXPECT_EQ(doc.m_replytimeout, 2500);
  EXPECT_EQ(doc.m_pollretries, 1);
  EXPECT_EQ(doc.m_polldelay, 0);
  EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace korvix
