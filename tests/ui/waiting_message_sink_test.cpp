#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <atomic>
#include <thread>

#include "platform/testing/recording_message_sink.h"
#include "ui/waiting_message_sink.h"

namespace korvix {
namespace {

TEST(WaitingMessageSink, WorkerWaitsForTheAnswerGivenOnTheInterfaceThread) {
  QObject receiver;
  RecordingMessageSink target;
  target.answers.push_back(MessageResult::No);
  WaitingMessageSink sink(&receiver, target);
  std::atomic<bool> returned{false};
  MessageResult result = MessageResult::Yes;
  std::thread worker([&] {
    result = sink.Show("Korvix", "Question?", MessageIcon::Question, MessageButtons::YesNo);
    returned = true;
  });
  while (!returned) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  worker.join();
  ASSERT_EQ(target.shown.size(), 1u);
  EXPECT_EQ(target.shown[0].text, "Question?");
  EXPECT_EQ(result, MessageResult::No);
}

TEST(WaitingMessageSink, CancelReleasesTheWorkerAndDropsTheBox) {
  QObject receiver;
  RecordingMessageSink target;
  WaitingMessageSink sink(&receiver, target);
  std::atomic<bool> returned{false};
  std::thread worker([&] {
    sink.Show("Korvix", "Never seen.", MessageIcon::Exclamation);
    returned = true;
  });
  while (!returned) {
    sink.Cancel();
    std::this_thread::yield();
  }
  worker.join();
  QCoreApplication::processEvents();
  sink.Show("Korvix", "After cancel.", MessageIcon::Exclamation);
  QCoreApplication::processEvents();
  EXPECT_TRUE(target.shown.empty());
}

}  // namespace
}  // namespace korvix
