// Feeds arbitrary bytes from the serial line to the receive path: the COM
// link reads them into reply lines, and the dispatcher hands the lines to
// the objects that await a reply, a Script and a reset notice.

#include <cstddef>
#include <cstdint>
#include <string>

#include "comms/com_link.h"
#include "comms/run_loop_state.h"
#include "dispatch/com_link_services.h"
#include "dispatch/run_values.h"
#include "dispatch/testing/forwarding_com_link_host.h"
#include "document/korvix_doc.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "texts/number_texts.h"
#include "values/testing/fake_value_hooks.h"

namespace {

using namespace korvix;

// The line as the fuzzer wrote it, then silence.
class BytesPort final : public SerialPort {
public:
  BytesPort(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  bool Open(const std::string&) override { return m_open = true; }
  bool IsOpen() const override { return m_open; }
  SerialRead ReadByte(std::uint8_t& byte) override {
    if (m_at == m_size) {
      return SerialRead::Nothing;
    }
    byte = m_data[m_at++];
    return SerialRead::Byte;
  }
  bool Write(const std::string&) override { return true; }
  bool WaitReadable(std::chrono::microseconds) override { return m_at < m_size; }
  void Purge() override {}
  void Close() override { m_open = false; }
  bool Drained() const { return m_at == m_size; }

private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_at = 0;
  bool m_open = false;
};

// Time passes only by sleeping, so the waits of the link cost nothing.
class JumpingClock final : public MillisecondClock {
public:
  std::uint32_t Now() override { return ++m_now; }
  void SleepMs(std::uint32_t ms) override { m_now += ms; }

private:
  std::uint32_t m_now = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CKorvixDoc doc;
  DataWindowRecord& window = doc.m_datawindows[doc.m_datawindows.Add()];
  window.idlabel = "Temperature";
  window.pollcommand = "AT";
  window.multiplier = "2";
  DialGaugeRecord& dial = doc.m_dialgauges[doc.m_dialgauges.Add()];
  dial.idlabel = "Dial";
  dial.pollcommand = "BT";

  RecordingMessageSink sink;
  testing::FakeValueHooks hooks;
  testing::ForwardingComLinkHost host;
  MemoryProfile profile;
  JumpingClock clock;
  NumberTexts numbers;
  BytesPort* port = nullptr;
  ComLink link(PeersOf(host), host.run, sink, clock, profile, numbers, [&port, data, size] {
    auto made = std::make_unique<BytesPort>(data, size);
    port = made.get();
    return made;
  });
  ComLinkServices services(link);
  RunValues values(doc, sink, hooks, hooks, hooks, services, clock);
  host.values = &values;
  if (link.OpenComPort(0) != 1) {
    return 0;
  }
  host.run.SetRunning(true);
  values.State().Polled(ScreenObjectKind::DataWindow, 0).awaiting = 1;
  values.State().Polled(ScreenObjectKind::DialGauge, 0).awaiting = 1;

  // However the bytes fall, every one of them is read in a bounded number
  // of steps.
  for (std::size_t step = 0; step <= size && link.IsOpen() && !port->Drained(); ++step) {
    link.PollComPort();
    values.DispatchReceivedLines();
  }
  if (link.IsOpen() && !port->Drained()) {
    __builtin_trap();
  }
  return 0;
}
