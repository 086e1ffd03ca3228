#include "daqsim/module_bank.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace korvix::daqsim {

namespace {

const char kUnknownCommand[] = "?";
const char kResetNotice[] = "!";
const char kStreamText[] = "0123456789";
constexpr char kHighByte = '\xFF';

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

}  // namespace

ModuleBank::ModuleBank(SimConfig config) : m_config(std::move(config)) {
  for (int s = 0; s < kModuleSlots; ++s) {
    for (const AnswerRule& rule : m_config.modules[s].rules) m_counters[s].push_back(rule.from);
  }
}

std::string ModuleBank::Framed(int slot, const std::string& text) const {
  const ModuleFaults& f = m_config.modules[slot].faults;
  std::string bytes;
  if (f.highbyte) bytes.push_back(kHighByte);
  bytes.push_back(AddressOf(slot));
  bytes += text;
  if (!f.nocr) bytes.push_back('\r');
  return bytes;
}

std::vector<Reply> ModuleBank::CommandStarted(char address) {
  std::vector<Reply> talk;
  const std::optional<int> target = SlotOf(address);
  if (!target) return talk;
  for (int s = 0; s < kModuleSlots; ++s) {
    const ModuleConfig& m = m_config.modules[s];
    if (!m.present || !m.faults.talk || m.faults.silent || *target == s) continue;
    talk.push_back({AddressOf(s), Framed(s, m.faults.talktext), 0});
  }
  return talk;
}

std::optional<Reply> ModuleBank::CommandEnded(const std::string& command, bool cancelled, double t_ms) {
  if (command.empty()) return std::nullopt;
  const std::optional<int> slot = SlotOf(command[0]);
  if (!slot) return std::nullopt;
  ModuleConfig& m = m_config.modules[*slot];
  if (!m.present || m.faults.silent) return std::nullopt;
  const bool first = !m_commanded[*slot];
  m_commanded[*slot] = true;

  Reply reply{command[0], "", m.delay_ms};
  if (cancelled) {
    reply.bytes = Framed(*slot, kUnknownCommand);
  } else if (first && m.faults.reset) {
    reply.bytes = Framed(*slot, kResetNotice);
  } else {
    reply.bytes = Framed(*slot, Answer(*slot, command.substr(1), t_ms));
  }
  if (m.faults.stream && m_streamer < 0) m_streamer = *slot;
  return reply;
}

std::string ModuleBank::Answer(int slot, const std::string& body, double t_ms) {
  const std::vector<AnswerRule>& rules = m_config.modules[slot].rules;
  const AnswerRule* best = nullptr;
  size_t index = 0;
  for (size_t i = 0; i < rules.size(); ++i) {
    if (body.compare(0, rules[i].prefix.size(), rules[i].prefix) != 0) continue;
    if (best && rules[i].prefix.size() <= best->prefix.size()) continue;
    best = &rules[i];
    index = i;
  }
  if (!best) return kUnknownCommand;

  const double phase = std::fmod(t_ms, best->period_ms) / best->period_ms;
  switch (best->kind) {
    case AnswerRule::Kind::Constant: return best->text;
    case AnswerRule::Kind::Counter: {
      double& next = m_counters[slot][index];
      const double value = next;
      next = value + best->step > best->to ? best->from : value + best->step;
      return Fixed(value, 0);
    }
    case AnswerRule::Kind::Ramp: return Fixed(best->from + (best->to - best->from) * phase, best->decimals);
    case AnswerRule::Kind::Sine:
      return Fixed(best->from + (best->to - best->from) * (1 + std::sin(2 * std::numbers::pi * phase)) / 2,
                   best->decimals);
    case AnswerRule::Kind::Echo: {
      std::string rest = body.substr(best->prefix.size());
      rest.erase(0, rest.find_first_not_of(' '));
      const size_t end = rest.find_first_not_of("-.0123456789");
      rest = rest.substr(0, end);
      return rest.empty() ? kUnknownCommand : rest;
    }
  }
  return kUnknownCommand;
}

std::string ModuleBank::StreamChunk() {
  if (m_streamer < 0) return "";
  return AddressOf(m_streamer) + std::string(kStreamText);
}

}  // namespace korvix::daqsim
