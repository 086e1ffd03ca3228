#include "comms/com_link.h"

#include <utility>

#include "comms/port_map.h"
#include "platform/realtime_priority.h"

namespace korvix {

namespace {

// Modules on a freshly opened line need this long before the first command.
constexpr uint32_t kSettleMs = 100;

}  // namespace

ComLink::ComLink(ComLinkPeers peers, const RunLoopState& run, MessageSink& sink, MillisecondClock& clock,
                 Profile& profile, NumberTexts& numbers, SerialPortFactory factory)
    : m_run(run),
      m_ports(peers.ports),
      m_halt(peers.halt),
      m_replies(peers.replies),
      m_labels(peers.labels),
      m_popups(peers.popups),
      m_mirrors(peers.mirrors),
      m_queue(peers.queue),
      m_sink(sink),
      m_clock(clock),
      m_profile(profile),
      m_numbers(numbers),
      m_factory(std::move(factory)) {}

ComLink::~ComLink() { CloseComPort(); }

int ComLink::OpenComPort(int n) {
  // A second handle would keep the first device locked until the program ends.
  CloseComPort();
  if (n < 0) return 0;
  std::unique_ptr<SerialPort> port = m_factory();
  if (!port->Open(ComPortDevicePath(m_profile, n))) return 0;
  m_comhandle = std::move(port);
  SetIoTime();
  m_clock.SleepMs(kSettleMs);
  return 1;
}

void ComLink::CloseComPort() {
  m_settling = false;
  m_awaiting = false;
  m_settlelines.clear();
  DropOpenLine();
  if (!m_comhandle) return;
  m_comhandle->Purge();
  m_comhandle->Close();
  m_comhandle.reset();
}

bool ComLink::IsOpen() const { return m_comhandle && m_comhandle->IsOpen(); }

void ComLink::WaitReadable(uint32_t ms) {
  if (IsOpen()) {
    m_comhandle->WaitReadable(std::chrono::milliseconds(ms));
  } else {
    m_clock.SleepMs(ms);
  }
}

bool ComLink::PortSelected() { return m_ports.SelectedComPort() != -1; }

void ComLink::SetIoTime(int offset_ms) {
  m_iotime = m_clock.Now() + static_cast<uint32_t>(offset_ms);
  m_iostamp = FineClock::now() + std::chrono::milliseconds(offset_ms);
}

void ComLink::WaitSinceIo(int ms) { WaitUntil(m_iostamp + std::chrono::milliseconds(ms)); }

}  // namespace korvix
