#include "executors/action_executor.h"

#include <fcntl.h>
#include <unistd.h>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "expressions/math_formula.h"
#include "texts/label_texts.h"
#include "texts/number_texts.h"

namespace korvix {
namespace {

constexpr const char* kOperationalCaption = "Operational Error";
constexpr const char* kFileCaption = "File Access Error";
constexpr const char* kIllegalCaption = "Illegal Operation";
constexpr const char* kErrorValue = "Error";
constexpr const char* kNoSuchObject = "\" is not the ID Label of ";
constexpr const char* kNoSuchObjectEnd = ". \rKorvix will now exit Run-Loop.";
constexpr const char* kBadTextStart = "The ";
constexpr const char* kBadTextMiddle = " \"";
constexpr const char* kBadTextEnd = "\" cannot be used.";
constexpr const char* kNoPageStart = "There is no page ";
constexpr const char* kNoPageEnd = " in this project.";
constexpr const char* kFileOpenFailed = "The file could not be opened:\r";
constexpr const char* kFileReadFailed = "The file could not be read:\r";
constexpr const char* kFileWriteFailed = "The file could not be written:\r";
constexpr const char* kSoundFailed = "The sound file could not be played:\r";
constexpr const char* kWaveExtension = ".wav";
// Module addresses answer this with their identity.
constexpr const char* kPingCommand = "ID";
constexpr uint32_t kFileRetryMs = 1000;
constexpr size_t kMaxReadBytes = 65536;

std::optional<long long> WholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool IsModuleAddress(char c) { return (c >= 'A' && c <= 'P') || (c >= 'a' && c <= 'p'); }

std::string FormulaText(double value) {
  if (std::fabs(value) < 2147483647.0 && value == std::floor(value)) {
    return std::to_string(static_cast<long long>(value));
  }
  char text[40];
  std::snprintf(text, sizeof text, "%.6f", value);
  std::string result = text;
  while (!result.empty() && result.back() == '0') result.pop_back();
  if (!result.empty() && result.back() == '.') result.pop_back();
  return result;
}

}  // namespace

ActionExecutor::ActionExecutor(CKorvixDoc& doc, RunValues& values, LinkServices& link, MillisecondClock& clock,
                               MessageSink& sink, RunLoopControl& runloop, ControlActions& controls,
                               RunServices& services, OutsideActions& outside, DialQueue& dialqueue,
                               RunningObjects& objects)
    : m_doc(doc),
      m_values(values),
      m_link(link),
      m_clock(clock),
      m_sink(sink),
      m_runloop(runloop),
      m_controls(controls),
      m_services(services),
      m_outside(outside),
      m_dialqueue(dialqueue),
      m_objects(objects) {}

CommandState& ActionExecutor::Command(const ActionHolder& holder) {
  return m_values.State().Command(holder.kind, holder.index, holder.slot);
}

void ActionExecutor::ReportMissing(std::string label, const char* kind) {
  std::string ignored;
  // A label that nothing bears gets the Run-Loop's own unknown-label halt.
  m_values.GetLabelValue(ignored, label, false);
  if (!m_runloop.IsRunning()) return;
  m_sink.Show(kIllegalCaption, "\"" + label + kNoSuchObject + kind + kNoSuchObjectEnd, MessageIcon::Exclamation);
  m_runloop.RequestHalt();
}

void ActionExecutor::ReportBadText(const std::string& what, const std::string& text) {
  m_sink.Show(kOperationalCaption, kBadTextStart + what + kBadTextMiddle + text + kBadTextEnd,
              MessageIcon::Exclamation);
}

ActionProgress ActionExecutor::Start(const ActionSlot& texts, const ActionHolder& holder, ActionWait& wait) {
  const ActionInfo* info = FindAction(texts.action, ActionNumbering::Array);
  if (!info) {
    ReportBadText("action code", std::to_string(texts.action));
    return ActionProgress::Stopped;
  }
  wait = ActionWait{};
  wait.action = static_cast<ArrayAction>(texts.action);
  wait.texts = texts;
  wait.start = m_clock.Now();
  const std::string& param = texts.param;
  switch (wait.action) {
    case ArrayAction::TransmitCommand: wait.text = Expand(param); return Transmit(holder, wait);
    case ArrayAction::WaitForData:
      wait.text = Expand(param);
      wait.snapshot = m_values.State().m_recdata;
      return AwaitData(wait);
    case ArrayAction::PauseMilliseconds: {
      const std::string text = Expand(param);
      const auto ms = WholeNumber(text);
      if (!ms || *ms < 0 || *ms > 0xFFFFFFFFLL) {
        ReportBadText("pause", text);
        return ActionProgress::Stopped;
      }
      wait.duration = static_cast<uint32_t>(*ms);
      return Pause(wait);
    }
    case ArrayAction::PauseHrsMinSec: {
      NumberTexts numbers;
      const std::string text = Expand(param);
      const int32_t ms = numbers.ParseMilliText(text);
      if (numbers.m_overflow) {
        ReportBadText("pause", text);
        return ActionProgress::Stopped;
      }
      wait.duration = static_cast<uint32_t>(ms);
      return Pause(wait);
    }
    case ArrayAction::RunScript:
      if (m_objects.StartScript(param)) return ActionProgress::Done;
      ReportMissing(param, "a Script");
      return ActionProgress::Stopped;
    case ArrayAction::HaltScript:
      if (m_objects.HaltScript(param)) return ActionProgress::Done;
      ReportMissing(param, "a Script");
      return ActionProgress::Stopped;
    case ArrayAction::RunButtonArray:
      if (m_objects.StartButtonArray(param)) return ActionProgress::Done;
      ReportMissing(param, "a Button Array");
      return ActionProgress::Stopped;
    case ArrayAction::HaltButtonArray:
      if (m_objects.HaltButtonArray(param)) return ActionProgress::Done;
      ReportMissing(param, "a Button Array");
      return ActionProgress::Stopped;
    case ArrayAction::WaitScriptEnd:
    case ArrayAction::WaitButtonArray: return AwaitEnd(wait);
    case ArrayAction::SetButtonArray:
      if (m_objects.SelectSubButton(param, texts.second)) return ActionProgress::Done;
      ReportMissing(param, "a Button Array");
      return ActionProgress::Stopped;
    case ArrayAction::IncrementCounter:
    case ArrayAction::DecrementCounter:
    case ArrayAction::ResetCounter:
    case ArrayAction::StartEventTimer:
    case ArrayAction::HaltEventTimer:
    case ArrayAction::ResetEventTimer:
    case ArrayAction::TurnOnLamp:
    case ArrayAction::TurnOffLamp:
    case ArrayAction::ToggleLamp:
    case ArrayAction::StartPIController:
    case ArrayAction::HaltPIController:
    case ArrayAction::SetPIController: return ByLabel(wait.action, param, Expand(texts.second));
    case ArrayAction::StartChartRecorder:
    case ArrayAction::HaltChartRecorder: {
      const bool found = ForEachLabelled(m_doc.m_chartrecorders, param, [](int) {});
      if (!found) {
        ReportMissing(param, "a Chart Recorder");
        return ActionProgress::Stopped;
      }
      if (wait.action == ArrayAction::StartChartRecorder) {
        m_services.StartChartRecorderAction(param);
      } else {
        m_services.HaltChartRecorderAction(param);
      }
      return ActionProgress::Done;
    }
    case ArrayAction::LogDataToFile: m_services.LogDataToFile(); return ActionProgress::Done;
    case ArrayAction::MathConversion: return MathConversion(texts);
    case ArrayAction::PlaySoundFile: return PlaySound(Expand(param));
    case ArrayAction::RunProgram: return RunProgram(Expand(param));
    case ArrayAction::ReadFromFile:
    case ArrayAction::WriteToFile: wait.text = Expand(param); return FileAccess(wait);
    case ArrayAction::GotoPageNumber: return GotoPage(Expand(param));
    case ArrayAction::DialTelephone: m_dialqueue.Add(Expand(param)); return ActionProgress::Done;
    case ArrayAction::SendEmail: return SendEmail(wait);
    case ArrayAction::PrintLabel:
      m_outside.printer.PrintLabel(Expand(param), Expand(texts.second), texts.fontsize, Expand(texts.barcode),
                                   texts.barsize);
      return ActionProgress::Done;
    case ArrayAction::PingDaqModules:
      for (char c : Expand(param)) {
        if (IsModuleAddress(c) && wait.pending.find(c) == std::string::npos) wait.pending += c;
      }
      return Ping(holder, wait);
    case ArrayAction::HaltRunLoop: m_runloop.RequestHalt(); return ActionProgress::Done;
    case ArrayAction::QuitProgram: m_services.QuitProgram(); return ActionProgress::Done;
    case ArrayAction::MinimizeWindow: m_services.MinimizeWindow(); return ActionProgress::Done;
    case ArrayAction::RestoreWindow: m_services.RestoreWindow(); return ActionProgress::Done;
    case ArrayAction::SaveProject: m_services.SaveProject(); return ActionProgress::Done;
  }
  return ActionProgress::Done;
}

ActionProgress ActionExecutor::Continue(const ActionHolder& holder, ActionWait& wait) {
  switch (wait.action) {
    case ArrayAction::TransmitCommand: return wait.phase == 0 ? Transmit(holder, wait) : AwaitReply(holder, wait);
    case ArrayAction::WaitForData: return AwaitData(wait);
    case ArrayAction::PauseMilliseconds:
    case ArrayAction::PauseHrsMinSec: return Pause(wait);
    case ArrayAction::WaitScriptEnd:
    case ArrayAction::WaitButtonArray: return AwaitEnd(wait);
    case ArrayAction::PingDaqModules: return Ping(holder, wait);
    case ArrayAction::ReadFromFile:
    case ArrayAction::WriteToFile: return FileAccess(wait);
    case ArrayAction::SendEmail: return SendEmail(wait);
    default: return ActionProgress::Done;
  }
}

ActionProgress ActionExecutor::Transmit(const ActionHolder& holder, ActionWait& wait) {
  if (wait.text.empty()) return ActionProgress::Done;
  const std::string& target = wait.texts.second;
  CommandState& command = Command(holder);
  command.command = wait.texts.param;
  command.expected = target;
  command.noreply = target.empty() ? 1 : 0;
  command.replystate = 0;
  if (holder.kind == CommandKind::PushButton || holder.kind == CommandKind::InputWindow) {
    // Operator controls queue their commands for the pass's pending sends.
    command.pending = 1;
    wait.phase = 1;
    return ActionProgress::Waiting;
  }
  // No second command to an address that still owes a reply.
  if (m_values.IsReplyPending(wait.text.front())) return ActionProgress::Waiting;
  if (m_link.TransmitCommand(wait.text) != 1) return ActionProgress::Waiting;
  if (target.empty()) return ActionProgress::Done;
  const uint32_t now = m_clock.Now();
  CommandState& sent = Command(holder);
  sent.awaiting = 1;
  sent.senttime = now;
  sent.lastrepeat = now;
  wait.phase = 1;
  return ActionProgress::Waiting;
}

ActionProgress ActionExecutor::AwaitReply(const ActionHolder& holder, ActionWait& wait) {
  const CommandState& command = Command(holder);
  if (wait.replied) return ActionProgress::Done;
  if (command.pending || command.awaiting) return ActionProgress::Waiting;
  if (holder.kind == CommandKind::Script && !wait.texts.second.empty() &&
      !LabelsEqual(wait.texts.second, kDiscardLabel)) {
    // Given up after the transmit time-out: the target shows why.
    m_values.DeliverLabelValue(wait.texts.second, kErrorValue);
  }
  return ActionProgress::Done;
}

ActionProgress ActionExecutor::Pause(ActionWait& wait) {
  return ElapsedMs(m_clock.Now(), wait.start) >= wait.duration ? ActionProgress::Done : ActionProgress::Waiting;
}

ActionProgress ActionExecutor::AwaitData(ActionWait& wait) {
  if (wait.text.empty() || m_link.ReceiveBuffer().find(wait.text) != std::string::npos) {
    return ActionProgress::Done;
  }
  const std::string& last = m_values.State().m_recdata;
  if (last != wait.snapshot && last.find(wait.text) != std::string::npos) return ActionProgress::Done;
  wait.snapshot = last;
  return ActionProgress::Waiting;
}

ActionProgress ActionExecutor::AwaitEnd(ActionWait& wait) {
  bool running = false;
  const std::string& label = wait.texts.param;
  const bool script = wait.action == ArrayAction::WaitScriptEnd;
  const bool found =
      script ? m_objects.IsScriptRunning(label, running) : m_objects.IsButtonArrayRunning(label, running);
  if (!found) {
    ReportMissing(label, script ? "a Script" : "a Button Array");
    return ActionProgress::Stopped;
  }
  return running ? ActionProgress::Waiting : ActionProgress::Done;
}

ActionProgress ActionExecutor::Ping(const ActionHolder& holder, ActionWait& wait) {
  while (true) {
    if (wait.phase == 1) {
      const CommandState& command = Command(holder);
      if (command.awaiting &&
          ElapsedMs(m_clock.Now(), command.senttime) < static_cast<uint32_t>(m_doc.m_replytimeout)) {
        return ActionProgress::Waiting;
      }
      if (command.awaiting) ++wait.failures;
      Command(holder).awaiting = 0;
      wait.pending.erase(0, 1);
      wait.phase = 0;
    }
    if (wait.pending.empty()) break;
    const char address = wait.pending.front();
    if (m_values.IsReplyPending(address)) return ActionProgress::Waiting;
    const std::string text = std::string(1, address) + kPingCommand;
    if (m_link.TransmitCommand(text) != 1) return ActionProgress::Waiting;
    CommandState& command = Command(holder);
    command.command = text;
    command.expected.clear();
    // The time-out here is the modules' reply time-out; no repeats.
    command.noreply = 1;
    command.awaiting = 1;
    command.senttime = m_clock.Now();
    wait.phase = 1;
  }
  if (wait.failures > 0 && !wait.texts.second.empty() && !m_objects.StartScript(wait.texts.second)) {
    ReportMissing(wait.texts.second, "a Script");
    return ActionProgress::Stopped;
  }
  return ActionProgress::Done;
}

bool ActionExecutor::OpenAndTransfer(ActionWait& wait) {
  const bool write = wait.action == ArrayAction::WriteToFile;
  const int handle = write ? ::open(wait.text.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644)
                           : ::open(wait.text.c_str(), O_RDONLY | O_CLOEXEC);
  if (handle < 0) return false;
  if (write) {
    const std::string line = Expand(wait.texts.second) + "\r\n";
    const ssize_t written = ::write(handle, line.data(), line.size());
    ::close(handle);
    if (written != static_cast<ssize_t>(line.size())) {
      m_sink.Show(kFileCaption, kFileWriteFailed + wait.text, MessageIcon::Exclamation);
    }
    return true;
  }
  std::string data(kMaxReadBytes, '\0');
  const ssize_t got = ::read(handle, data.data(), data.size());
  ::close(handle);
  if (got < 0) {
    m_sink.Show(kFileCaption, kFileReadFailed + wait.text, MessageIcon::Exclamation);
    return true;
  }
  data.resize(static_cast<size_t>(got));
  const size_t end = data.find_first_of("\r\n");
  if (end != std::string::npos) data.resize(end);
  m_values.DeliverLabelValue(wait.texts.second, data);
  return true;
}

ActionProgress ActionExecutor::FileAccess(ActionWait& wait) {
  if (OpenAndTransfer(wait)) return ActionProgress::Done;
  // Another program may hold the file for a moment: try again on later
  // passes before giving up.
  if (ElapsedMs(m_clock.Now(), wait.start) < kFileRetryMs) return ActionProgress::Waiting;
  m_sink.Show(kFileCaption, kFileOpenFailed + wait.text, MessageIcon::Exclamation);
  return ActionProgress::Stopped;
}

template <class List, class Act>
bool ActionExecutor::ForEachLabelled(List& list, const std::string& label, Act act) {
  bool found = false;
  for (int i = 0; i < list.Count(); ++i) {
    if (!LabelsEqual(list[i].idlabel, label)) continue;
    found = true;
    act(i);
  }
  return found;
}

ActionProgress ActionExecutor::ByLabel(ArrayAction action, const std::string& label, const std::string& second) {
  bool found = false;
  const char* kind = "";
  ControlActions& c = m_controls;
  switch (action) {
    case ArrayAction::IncrementCounter:
      kind = "an Event Counter";
      found = ForEachLabelled(m_doc.m_eventcounters, label, [&](int i) { c.IncrementCounterAction(i); });
      break;
    case ArrayAction::DecrementCounter:
      kind = "an Event Counter";
      found = ForEachLabelled(m_doc.m_eventcounters, label, [&](int i) { c.DecrementCounterAction(i); });
      break;
    case ArrayAction::ResetCounter:
      kind = "an Event Counter";
      found = ForEachLabelled(m_doc.m_eventcounters, label, [&](int i) { c.ResetCounterAction(i); });
      break;
    case ArrayAction::StartEventTimer:
      kind = "an Event Timer";
      found = ForEachLabelled(m_doc.m_eventtimers, label, [&](int i) { c.StartEventTimerAction(i); });
      break;
    case ArrayAction::HaltEventTimer:
      kind = "an Event Timer";
      found = ForEachLabelled(m_doc.m_eventtimers, label, [&](int i) { c.StopEventTimerAction(i); });
      break;
    case ArrayAction::ResetEventTimer:
      kind = "an Event Timer";
      found = ForEachLabelled(m_doc.m_eventtimers, label, [&](int i) { c.ResetEventTimerAction(i); });
      break;
    case ArrayAction::TurnOnLamp:
      kind = "a Signal Lamp";
      found = ForEachLabelled(m_doc.m_signallamps, label, [&](int i) { c.TurnOnLampAction(i); });
      break;
    case ArrayAction::TurnOffLamp:
      kind = "a Signal Lamp";
      found = ForEachLabelled(m_doc.m_signallamps, label, [&](int i) { c.TurnOffLampAction(i); });
      break;
    case ArrayAction::ToggleLamp:
      kind = "a Signal Lamp";
      found = ForEachLabelled(m_doc.m_signallamps, label, [&](int i) { c.ToggleLampAction(i); });
      break;
    case ArrayAction::StartPIController:
      kind = "a PI-Controller";
      found = ForEachLabelled(m_doc.m_picontrollers, label, [&](int i) { m_services.StartPIController(i); });
      break;
    case ArrayAction::HaltPIController:
      kind = "a PI-Controller";
      found = ForEachLabelled(m_doc.m_picontrollers, label, [&](int i) { m_services.HaltPIController(i); });
      break;
    case ArrayAction::SetPIController: {
      kind = "a PI-Controller";
      const std::optional<long long> setpoint = WholeNumber(second);
      if (!setpoint) {
        ReportBadText("set point", second);
        return ActionProgress::Stopped;
      }
      found = ForEachLabelled(m_doc.m_picontrollers, label,
                              [&](int i) { m_services.SetPIControllerSetPoint(i, *setpoint); });
      break;
    }
    default: break;
  }
  if (found) return ActionProgress::Done;
  ReportMissing(label, kind);
  return ActionProgress::Stopped;
}

ActionProgress ActionExecutor::MathConversion(const ActionSlot& texts) {
  const auto value = EvaluateMathFormula(m_values.ExpandLabelRefs(texts.second), m_values.Random());
  m_values.DeliverLabelValue(texts.param, value ? FormulaText(*value) : std::string(kErrorValue));
  return ActionProgress::Done;
}

ActionProgress ActionExecutor::GotoPage(const std::string& text) {
  const auto page = WholeNumber(text);
  if (!page || *page < 1 || *page > m_doc.m_pages.Count()) {
    m_sink.Show(kIllegalCaption, kNoPageStart + text + kNoPageEnd, MessageIcon::Exclamation);
    return ActionProgress::Stopped;
  }
  m_services.GotoPage(static_cast<int>(*page));
  return ActionProgress::Done;
}

ActionProgress ActionExecutor::PlaySound(const std::string& text) {
  std::string path = text;
  const size_t slash = path.find_last_of('/');
  if (path.find('.', slash == std::string::npos ? 0 : slash) == std::string::npos) path += kWaveExtension;
  if (m_outside.sound.PlaySoundFile(path)) return ActionProgress::Done;
  m_sink.Show(kFileCaption, kSoundFailed + path, MessageIcon::Exclamation);
  return ActionProgress::Done;
}

ActionProgress ActionExecutor::RunProgram(const std::string& text) {
  const std::string failure = m_outside.programs.RunProgram(text);
  m_services.ReopenComPort();
  if (failure.empty()) return ActionProgress::Done;
  m_sink.Show(kOperationalCaption, failure, MessageIcon::Exclamation);
  return ActionProgress::Stopped;
}

ActionProgress ActionExecutor::SendEmail(const ActionWait& wait) {
  // One e-mail at a time, and none while the web log is being uploaded.
  if (m_outside.email.SendsInFlight() != 0 || m_runloop.WebLogBusy()) return ActionProgress::Waiting;
  m_outside.email.SendEmailReport(Expand(wait.texts.param), Expand(wait.texts.second));
  return ActionProgress::Done;
}

}  // namespace korvix
