#pragma once

#include <gtest/gtest.h>

#include <string>

#include "comms/com_link.h"
#include "comms/port_map.h"
#include "fake_com_link_host.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "pty_pair.h"
#include "texts/number_texts.h"

namespace korvix::testing {

// A link on COM1, which is mapped to a pseudo-terminal that the test plays.
class LinkOnPty : public ::testing::Test {
protected:
  void SetUp() override {
    host.sink = &sink;
    MapComPort(profile, 0, pty.SlavePath());
    ASSERT_EQ(link.OpenComPort(0), 1);
  }

  // Sends a command and waits until the far end has all of `expected`.
  std::string SendAndCollect(const std::string& command, size_t expected, int* result) {
    const size_t before = pty.Received().size();
    *result = link.TransmitCommand(command);
    pty.WaitForBytes(before + expected);
    return pty.Received().substr(before);
  }

  PtyPair pty;
  MemoryProfile profile;
  FakeComLinkHost host;
  RecordingMessageSink sink;
  MonotonicClock clock;
  NumberTexts numbers;
  ComLink link{PeersOf(host), host.run, sink, clock, profile, numbers};
};

}  // namespace korvix::testing
