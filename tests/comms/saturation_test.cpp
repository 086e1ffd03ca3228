#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "link_fixture.h"

// A saturating stream is told from a quiet line by 100 ms without a byte,
// so these cases run alone: on a loaded machine the streaming thread could
// otherwise sleep that long and the line would look quiet.
namespace korvix::testing {
namespace {

using std::chrono::milliseconds;

struct StreamCase {
  const char* name;
  bool flush;
  const char* caption;
};

void PrintTo(const StreamCase& c, std::ostream* out) { *out << c.caption; }

class EndlessInput : public LinkOnPty, public ::testing::WithParamInterface<StreamCase> {};

TEST_P(EndlessInput, IsReportedAsSaturationAndClosesThePort) {
  host.run.SetRunning(true);
  {
    // No CR and never 100 ms quiet.
    Streamer stream(pty, "A1234567", milliseconds(5));
    pty.WaitDelivered(1);
    if (GetParam().flush) {
      link.FlushComInput();
    } else {
      link.WaitForReply(5000, "Z");  // reads the stream as one line
    }
  }
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, GetParam().caption);
  EXPECT_EQ(sink.shown[0].text, "COM1 is being saturated by continuous streaming data.");
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(host.m_comport, -1);
  ASSERT_GE(host.calls.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(host.calls.begin(), host.calls.begin() + 2),
            (std::vector<std::string>{"ForgetComPort", "HaltRunLoop"}));
  EXPECT_LE(link.m_rxbuffer.size(), ComLink::kMaxReceiveBytes);
}

INSTANTIATE_TEST_SUITE_P(Streams, EndlessInput,
                         ::testing::Values(StreamCase{"ReadingALine", false, "Communications Error 201"},
                                           StreamCase{"Flushing", true, "Communications Error 401"}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace korvix::testing
