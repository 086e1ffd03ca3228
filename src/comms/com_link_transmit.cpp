#include <string_view>

#include "comms/com_link.h"
#include "platform/realtime_priority.h"
#include "texts/label_texts.h"

namespace korvix {

namespace {

const char kNoCrSuffix[] = "/NOCR";
const char kBinarySuffix[] = "/BIN";
const char kHexSuffix[] = "/HEX";
const char kRadioEscape[] = "+++";
const char kNumberStart[] = "-.0123456789";
const char kCollisionMark[] = "*";
const char kCr[] = "\r";

// A command goes out this long after the last serial read or write at the
// earliest, so that every module has seen the end of what came before.
constexpr int kGapMs = 5;
// A line that stays busy this long is given up rather than talked over.
constexpr uint32_t kBusyLineMs = 100;
// The wait for the rest of a colliding module's answer.
constexpr uint32_t kCollisionReplyMs = 100;

bool EndsWith(const std::string& text, std::string_view tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

void TrimTrailingBlanks(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
}

}  // namespace

// "A12/HEX4" becomes "A000C": the last character is a minimum width, the
// number before the suffix is written in the suffix's base.
std::string ComLink::RewriteNumber(std::string text) {
  if (text.empty()) return text;
  const char width = text.back();
  text.pop_back();
  const bool binary = EndsWith(text, kBinarySuffix);
  if (!binary && !EndsWith(text, kHexSuffix)) {
    text.push_back(width);
    return text;
  }
  text.resize(text.size() - std::string_view(kBinarySuffix).size());
  TrimTrailingBlanks(text);

  const size_t start = text.find_first_of(kNumberStart);
  const std::string prefix = text.substr(0, start == std::string::npos ? text.size() : start);
  std::string number = start == std::string::npos ? std::string("0") : text.substr(start);

  const int32_t value = m_numbers.ParseNumberText(number);
  const int decimals = m_numbers.m_decimals;
  number = binary ? FormatBinaryText(value, decimals) : FormatHexText(value, decimals);

  // Zeros go after a sign: "-00C", never "00-C", which no module reads.
  const size_t digits_at = !number.empty() && number[0] == '-' ? 1 : 0;
  const int32_t min_width = m_numbers.ParseNumberText(std::string(1, width));
  if (static_cast<int32_t>(number.size()) < min_width) {
    number.insert(digits_at, static_cast<size_t>(min_width) - number.size(), '0');
  }
  return prefix + number;
}

int ComLink::TransmitCommand(std::string text) { return Transmit(std::move(text), false); }

int ComLink::TransmitPollCommand(std::string text) { return Transmit(std::move(text), true); }

int ComLink::Transmit(std::string text, bool leavesettling) {
  if (text.empty()) return 0;
  if (!PortSelected()) {
    if (m_run.IsRunning()) ReportNoPort();
    return 0;
  }

  text = ExpandCharCodes(text);
  bool no_cr = false;
  if (EndsWith(text, kNoCrSuffix)) {
    text.resize(text.size() - std::string_view(kNoCrSuffix).size());
    TrimTrailingBlanks(text);
    no_cr = true;
  }
  text = RewriteNumber(std::move(text));
  // Nothing left to send is no success.
  if (text.empty()) return 0;

  SettleLine();
  // Let a module that is still talking finish first.
  const uint32_t busy_since = m_clock.Now();
  for (;;) {
    const bool read = PollComPort() == 1;
    if (!IsOpen()) return 0;
    if (!read && !m_lineopen) break;
    // A poll leaves a line that is still coming in to later passes.
    if (m_lineopen && leavesettling) return 0;
    if (ElapsedMs(m_clock.Now(), busy_since) > kBusyLineMs) return 0;
  }

  if (m_run.IsRunning()) {
    m_replies.DispatchReceivedLines();
    if (!IsOpen()) return 0;
  }
  if (m_replies.IsReplyPending(text[0])) return 0;

  WaitSinceIo(kGapMs);
  RealtimePriority priority;
  priority.Raise();
  SetIoTime();
  if (!m_comhandle->Write(text)) {
    ReportFailure(Failure::CommandWrite, priority);
    return 0;
  }
  const int length = static_cast<int>(text.size());
  WaitSinceIo(length);

  if (m_run.IsRunning()) {
    uint8_t byte = 0;
    const SerialRead read = m_comhandle->ReadByte(byte);
    if (read == SerialRead::Failed) {
      ReportFailure(Failure::ReadBack, priority);
      return 0;
    }
    if (read == SerialRead::Byte && byte != '\n' && byte != '\0') {
      // Another module is talking: cancel our command instead of ending it,
      // keep what the talker says and drop the cancelled module's answer.
      if (!m_comhandle->Write(kCollisionMark)) {
        ReportFailure(Failure::StarWrite, priority);
        return 0;
      }
      priority.Drop();
      ReadReplyLine(std::string(1, static_cast<char>(byte)));
      if (m_collisions.NoteCollision(text[0], static_cast<char>(byte), m_clock.Now())) {
        ReportCollisions(text[0], static_cast<char>(byte));
      }
      m_settling = true;
      m_settlestart = m_clock.Now();
      if (!leavesettling || !IsOpen()) SettleLine();
      return 0;
    }
  }

  if (text == kRadioEscape || no_cr) {
    // The gap after an unterminated command runs from its last byte too.
    SetIoTime();
    priority.Drop();
    return 1;
  }
  if (!m_comhandle->Write(kCr)) {
    ReportFailure(Failure::CrWrite, priority);
    return 0;
  }
  WaitSinceIo(length + 1);
  SetIoTime();
  priority.Drop();
  MirrorSentSliderValue(text);
  return 1;
}

void ComLink::AwaitPollReply(uint32_t ms, const std::string& expected) {
  if (!IsOpen()) return;
  // An empty text waits the whole time, as no line begins with NUL.
  const std::string text = ExpandCharCodes(expected);
  m_awaited = text.empty() ? '\0' : text[0];
  m_awaitstart = m_clock.Now();
  m_awaitms = ms;
  m_awaiting = true;
}

// Time-outs are serviced where a wait ends, as by a wait that blocks, so
// that an object whose reply is over due no longer holds its address.
bool ComLink::LineSettling() {
  const bool waiting = m_settling || m_awaiting;
  EndCollisionWaitIfDue();
  if (m_awaiting && ElapsedMs(m_clock.Now(), m_awaitstart) >= m_awaitms) m_awaiting = false;
  const bool settling = m_settling || m_awaiting;
  if (waiting && !settling) m_replies.ServiceReplyTimeouts();
  return settling || m_lineopen;
}

void ComLink::EndCollisionWaitIfDue() {
  if (m_settling && ElapsedMs(m_clock.Now(), m_settlestart) >= kCollisionReplyMs) EndSettling();
}

void ComLink::SettleLine() {
  if (m_awaiting) {
    m_awaiting = false;
    const uint32_t waited = ElapsedMs(m_clock.Now(), m_awaitstart);
    AwaitLine(waited < m_awaitms ? m_awaitms - waited : 0, std::string(1, m_awaited));
  }
  if (!m_settling) return;
  const uint32_t waited = ElapsedMs(m_clock.Now(), m_settlestart);
  AwaitLine(waited < kCollisionReplyMs ? kCollisionReplyMs - waited : 0, "");
  EndSettling();
}

void ComLink::EndSettling() {
  m_settling = false;
  std::string lines;
  lines.swap(m_settlelines);
  StoreLine(lines);
  RemoveCancelAnswers();
}

// An address letter, "?" and CR: a module's answer to a cancelled command.
void ComLink::RemoveCancelAnswers() {
  size_t at = m_rxbuffer.find('?', 1);
  while (at != std::string::npos) {
    m_rxbuffer.erase(at - 1, 3);
    at = m_rxbuffer.find('?', at > 1 ? at - 1 : 1);
  }
}

}  // namespace korvix
