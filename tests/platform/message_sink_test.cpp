#include <gtest/gtest.h>

#include "platform/testing/recording_message_sink.h"

namespace korvix {
namespace {

TEST(MessageSink, ClosesAShownPopupBeforeEveryMessage) {
  RecordingMessageSink sink;
  int closed = 0;
  sink.SetPopupCloser([&] { ++closed; });
  sink.Show("Entry Error", "first\rsecond", MessageIcon::Exclamation);
  sink.Show("Over Limit", "x", MessageIcon::Exclamation);
  EXPECT_EQ(closed, 2);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[0].text, "first\rsecond");
}

TEST(RecordingMessageSink, AnswersQuestionsFromItsQueue) {
  RecordingMessageSink sink;
  sink.answers = {MessageResult::No};
  EXPECT_EQ(sink.Show("Possible Entry Error", "?", MessageIcon::Question, MessageButtons::YesNo), MessageResult::No);
  EXPECT_EQ(sink.Show("Possible Entry Error", "?", MessageIcon::Question, MessageButtons::YesNo), MessageResult::Yes);
  EXPECT_EQ(sink.Show("Entry Error", "!", MessageIcon::Exclamation), MessageResult::Ok);
}

}  // namespace
}  // namespace korvix
