#include <algorithm>

#include "comms/com_link.h"
#include "platform/realtime_priority.h"
#include "texts/label_texts.h"

namespace korvix {

namespace {

// A sender that goes quiet this long has finished its line, CR or not.
constexpr uint32_t kLineSilenceMs = 100;
// Input that never pauses this long is a stream, not replies.
constexpr uint32_t kSaturationMs = 2000;
// A line still coming in is read this long at a time, and the window has its
// turn in between.
constexpr uint32_t kReadTurnMs = 20;
// The next command may start 2 ms after a received line instead of 5.
constexpr int kAfterLineCredit = -3;

std::chrono::microseconds MsLeft(uint32_t limit, uint32_t elapsed) {
  return std::chrono::milliseconds(elapsed < limit ? limit - elapsed : 0);
}

}  // namespace

bool ComLink::ReadReplyLine(std::string line) {
  if (!PortSelected()) return false;
  m_openline = std::move(line);
  m_lineopen = true;
  m_linestart = m_clock.Now();
  m_linelook = m_linestart;
  SetIoTime();
  return ReadOpenLine();
}

bool ComLink::ReadOpenLine() {
  RealtimePriority priority;
  priority.Raise();
  const uint32_t turn = m_clock.Now();
  // Left unread this long, the line may have paused where the link could not
  // see it: that time does not count as streaming.
  const uint32_t away = ElapsedMs(turn, m_linelook);
  if (away >= kLineSilenceMs) m_linestart += away;
  bool ended = !m_openline.empty() && m_openline.back() == '\r';
  while (!ended) {
    const uint32_t now = m_clock.Now();
    if (ElapsedMs(now, m_linestart) > kSaturationMs) {
      ReportFailure(Failure::LineSaturated, priority);
      return false;
    }
    const uint32_t reading = ElapsedMs(now, turn);
    if (reading >= kReadTurnMs) {
      m_linelook = now;
      return false;
    }
    uint8_t byte = 0;
    const SerialRead read = m_comhandle ? m_comhandle->ReadByte(byte) : SerialRead::Failed;
    if (read == SerialRead::Failed) {
      ReportFailure(Failure::LineRead, priority);
      return false;
    }
    if (read == SerialRead::Byte) {
      SetIoTime();
    } else {
      const uint32_t quiet = ElapsedMs(m_clock.Now(), m_iotime);
      if (quiet < kLineSilenceMs) {
        m_comhandle->WaitReadable(std::min(MsLeft(kLineSilenceMs, quiet), MsLeft(kReadTurnMs, reading)));
        continue;
      }
      byte = '\r';
    }
    if (byte == '\0') continue;
    ended = byte == '\r';
    // A runaway line keeps its head and its end, never more than the bound.
    if (ended || m_openline.size() < kMaxLineBytes - 1) m_openline.push_back(static_cast<char>(byte));
  }
  m_lineopen = false;
  std::string line;
  line.swap(m_openline);
  if ((static_cast<unsigned char>(line[0]) & 0x80) != 0) line.erase(0, 1);
  if (line.size() >= 2 && line[1] != '?') m_collisions.NoteReply(line[0]);
  if (m_awaiting && line[0] == m_awaited) m_awaiting = false;
  StoreLine(line);
  SetIoTime(kAfterLineCredit);
  return true;
}

void ComLink::DropOpenLine() {
  m_lineopen = false;
  m_openline.clear();
}

void ComLink::StoreLine(const std::string& line) {
  std::string& buffer = m_settling ? m_settlelines : m_rxbuffer;
  if (buffer.size() + line.size() > kMaxReceiveBytes) {
    // Make room by whole lines, oldest first, so no line is left cut.
    size_t cut = buffer.size() + line.size() - kMaxReceiveBytes;
    const size_t cr = buffer.find('\r', cut - 1);
    cut = cr == std::string::npos ? buffer.size() : cr + 1;
    buffer.erase(0, cut);
  }
  buffer += line;
}

int ComLink::PollComPort() {
  if (!PortSelected()) return 0;
  // Whoever reads the line after a run left a collision's wait behind gets
  // the lines of that wait once it is over.
  EndCollisionWaitIfDue();
  if (m_lineopen) return ReadOpenLine() ? 1 : 0;
  uint8_t byte = 0;
  const SerialRead read = m_comhandle ? m_comhandle->ReadByte(byte) : SerialRead::Failed;
  if (read == SerialRead::Failed) {
    RealtimePriority normal;
    ReportFailure(Failure::PollRead, normal);
    return 0;
  }
  if (read == SerialRead::Nothing || byte == '\0' || byte == '\n' || byte == '\r') return 0;
  return ReadReplyLine(std::string(1, static_cast<char>(byte))) ? 1 : 0;
}

bool ComLink::LastLineStartsWith(char first) const {
  if (m_rxbuffer.size() < 2) return false;
  const size_t before = m_rxbuffer.rfind('\r', m_rxbuffer.size() - 2);
  const size_t begin = before == std::string::npos ? 0 : before + 1;
  return begin < m_rxbuffer.size() - 1 && m_rxbuffer[begin] == first;
}

void ComLink::WaitForReply(uint32_t ms, const std::string& expected) {
  SettleLine();
  AwaitLine(ms, expected);
}

void ComLink::AwaitLine(uint32_t ms, const std::string& expected) {
  const std::string text = ExpandCharCodes(expected);
  const uint32_t start = m_clock.Now();
  for (;;) {
    const uint32_t elapsed = ElapsedMs(m_clock.Now(), start);
    if (elapsed >= ms || !IsOpen() || !PortSelected()) break;
    if (PollComPort() == 1) {
      if (!text.empty() && LastLineStartsWith(text[0])) return;
      continue;
    }
    // An open line's bytes are waited for where it is read on; one still
    // open when the time is up is read on by whoever reads next.
    if (IsOpen() && !m_lineopen) m_comhandle->WaitReadable(MsLeft(ms, elapsed));
  }
  m_replies.ServiceReplyTimeouts();
}

int ComLink::PumpWhileHeld() {
  // A paint right after a button release would flicker the released button.
  constexpr uint32_t kPaintHoldMs = 100;
  for (;;) {
    const QueuedMessage next = m_queue.PeekQueuedMessage();
    if (next == QueuedMessage::None) break;
    if (next == QueuedMessage::Paint && ElapsedMs(m_clock.Now(), m_releasetime) <= kPaintHoldMs) break;
    if (!m_queue.PumpMessage()) {
      m_queue.PostQuitMessage();
      return 0;
    }
  }
  for (int count = 0; m_queue.OnIdle(count); ++count) {
  }
  if (ReadsWhileHeld()) PollComPort();
  return 1;
}

void ComLink::FlushComInput() {
  if (!PortSelected()) return;
  RealtimePriority priority;
  priority.Raise();
  const uint32_t start = m_clock.Now();
  uint32_t last_byte = start;
  for (;;) {
    if (ElapsedMs(m_clock.Now(), start) > kSaturationMs) {
      ReportFailure(Failure::FlushSaturated, priority);
      return;
    }
    SetIoTime();
    uint8_t byte = 0;
    const SerialRead read = m_comhandle ? m_comhandle->ReadByte(byte) : SerialRead::Failed;
    if (read == SerialRead::Failed) {
      ReportFailure(Failure::FlushRead, priority);
      return;
    }
    if (read == SerialRead::Byte) {
      last_byte = m_iotime;
      continue;
    }
    const uint32_t quiet = ElapsedMs(m_clock.Now(), last_byte);
    if (quiet >= kLineSilenceMs) break;
    m_comhandle->WaitReadable(
        std::min(MsLeft(kLineSilenceMs, quiet), MsLeft(kSaturationMs + 1, ElapsedMs(m_clock.Now(), start))));
  }
  priority.Drop();
  m_settling = false;
  m_awaiting = false;
  m_settlelines.clear();
  DropOpenLine();
  m_rxbuffer.clear();
}

}  // namespace korvix
