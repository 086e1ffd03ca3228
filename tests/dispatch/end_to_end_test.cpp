#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

#include "comms/com_link.h"
#include "comms/port_map.h"
#include "comms/run_loop_state.h"
#include "daqsim/simulator.h"
#include "dispatch/com_link_services.h"
#include "dispatch/run_values.h"
#include "dispatch/testing/forwarding_com_link_host.h"
#include "document/korvix_doc.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "texts/number_texts.h"
#include "values/testing/fake_value_hooks.h"

namespace korvix::testing {
namespace {

TEST(EndToEnd, AReplyFromTheSimulatedModuleReachesBothObjectsThatAwaitIt) {
  daqsim::ConfigResult parsed = daqsim::ParseConfig("module C\n  T constant 23.5 C\n");
  ASSERT_TRUE(parsed.config) << parsed.error;
  daqsim::Simulator simulator(*parsed.config);
  std::string error;
  ASSERT_TRUE(simulator.Open(error)) << error;
  std::thread wire([&] { simulator.Run(); });

  CKorvixDoc doc;
  DataWindowRecord& window = doc.m_datawindows[doc.m_datawindows.Add()];
  window.idlabel = "Temperature";
  window.pollcommand = "CT";
  DialGaugeRecord& dial = doc.m_dialgauges[doc.m_dialgauges.Add()];
  dial.idlabel = "TempDial";
  dial.pollcommand = "C{Channel}";
  dial.multiplier = "2";
  VariableRecord& channel = doc.m_variables[doc.m_variables.Add()];
  channel.idlabel = "Channel";
  channel.valuetext = "T";

  RecordingMessageSink sink;
  FakeValueHooks hooks;
  ForwardingComLinkHost host;
  MemoryProfile profile;
  MonotonicClock clock;
  NumberTexts numbers;
  ComLink link(PeersOf(host), host.run, sink, clock, profile, numbers);
  ComLinkServices services(link);
  RunValues values(doc, sink, hooks, hooks, hooks, services, clock);
  host.values = &values;
  MapComPort(profile, 0, simulator.DevicePath());
  ASSERT_EQ(link.OpenComPort(0), 1);
  host.run.SetRunning(true);

  ASSERT_EQ(link.TransmitCommand(values.ExpandLabelRefs(window.pollcommand)), 1);
  values.State().Polled(ScreenObjectKind::DataWindow, 0).awaiting = 1;
  values.State().Polled(ScreenObjectKind::DialGauge, 0).awaiting = 1;
  EXPECT_TRUE(values.IsReplyPending('C'));
  link.WaitForReply(3000, "C");  // ends with the reply; the bound is for a loaded machine
  values.DispatchReceivedLines();

  EXPECT_EQ(doc.m_datawindows[0].valuetext, "23.5");
  EXPECT_EQ(doc.m_dialgauges[0].valuetext, "47.0");
  EXPECT_FALSE(values.IsReplyPending('C'));
  EXPECT_TRUE(link.m_rxbuffer.empty());
  EXPECT_TRUE(sink.shown.empty());

  link.CloseComPort();
  simulator.Stop();
  wire.join();
}

}  // namespace
}  // namespace korvix::testing
