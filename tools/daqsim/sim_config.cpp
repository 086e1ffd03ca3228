#include "daqsim/sim_config.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace korvix::daqsim {

namespace {

constexpr double kMaxDelayMs = 60000;

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::optional<double> Number(const std::string& word) {
  double value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

// "A", "A-P", "ABC", "a-dX": the slots named, or none when a letter is no address.
std::optional<std::vector<int>> Slots(const std::string& letters) {
  std::vector<int> slots;
  for (size_t i = 0; i < letters.size(); ++i) {
    const std::optional<int> first = SlotOf(letters[i]);
    if (!first) return std::nullopt;
    if (i + 2 < letters.size() && letters[i + 1] == '-') {
      const std::optional<int> last = SlotOf(letters[i + 2]);
      if (!last || *last < *first || (*first < 16) != (*last < 16)) return std::nullopt;
      for (int s = *first; s <= *last; ++s) slots.push_back(s);
      i += 2;
    } else {
      slots.push_back(*first);
    }
  }
  return slots;
}

// The text after the first `skip` words of a line, blanks trimmed.
std::string Rest(const std::string& line, size_t skip) {
  size_t at = 0;
  for (size_t w = 0; w < skip; ++w) {
    at = line.find_first_not_of(" \t", at);
    at = line.find_first_of(" \t", at);
    if (at == std::string::npos) return "";
  }
  const size_t begin = line.find_first_not_of(" \t", at);
  if (begin == std::string::npos) return "";
  const size_t end = line.find_last_not_of(" \t\r");
  return line.substr(begin, end - begin + 1);
}

std::string ParseRule(const std::vector<std::string>& w, const std::string& line, AnswerRule& rule) {
  rule.prefix = w[0] == "*" ? "" : w[0];
  const std::string& kind = w[1];
  const auto numbers = [&](size_t first, size_t count, std::vector<double>& out) {
    for (size_t i = first; i < first + count; ++i) {
      if (i >= w.size()) return false;
      const std::optional<double> v = Number(w[i]);
      if (!v) return false;
      out.push_back(*v);
    }
    return true;
  };
  std::vector<double> v;
  if (kind == "constant") {
    rule.kind = AnswerRule::Kind::Constant;
    rule.text = Rest(line, 2);
    if (rule.text.empty()) return "constant needs a text";
    return "";
  }
  if (kind == "echo") {
    rule.kind = AnswerRule::Kind::Echo;
    return w.size() == 2 ? "" : "echo takes nothing more";
  }
  if (kind == "counter") {
    rule.kind = AnswerRule::Kind::Counter;
    if (!numbers(2, 2, v) || w.size() > 5 || (w.size() == 5 && !numbers(4, 1, v))) {
      return "counter needs: first last [step]";
    }
    rule.from = v[0];
    rule.to = v[1];
    if (v.size() == 3) rule.step = v[2];
    if (rule.step <= 0 || rule.to < rule.from) return "counter needs first <= last and a step above 0";
    return "";
  }
  if (kind == "ramp" || kind == "sine") {
    rule.kind = kind == "ramp" ? AnswerRule::Kind::Ramp : AnswerRule::Kind::Sine;
    if (!numbers(2, 3, v) || w.size() > 6 || (w.size() == 6 && !numbers(5, 1, v))) {
      return kind + " needs: from to period-ms [decimals]";
    }
    rule.from = v[0];
    rule.to = v[1];
    rule.period_ms = v[2];
    if (rule.period_ms <= 0) return "the period must be above 0 ms";
    if (v.size() == 4) {
      // Checked as a number first: converting one out of range is undefined.
      if (!(v[3] >= 0 && v[3] <= 9) || v[3] != std::floor(v[3])) return "decimals must be 0 to 9";
      rule.decimals = static_cast<int>(v[3]);
    }
    return "";
  }
  return "unknown answer kind '" + kind + "'";
}

std::string ParseFault(const std::vector<std::string>& w, const std::string& line, ModuleFaults& f) {
  if (w.size() < 2) return "fault needs a name";
  const std::string& name = w[1];
  if (name == "talk") {
    f.talk = true;
    const std::string text = Rest(line, 2);
    if (!text.empty()) f.talktext = text;
    return "";
  }
  if (w.size() > 2) return "fault " + name + " takes nothing more";
  if (name == "silent")
    f.silent = true;
  else if (name == "reset")
    f.reset = true;
  else if (name == "stream")
    f.stream = true;
  else if (name == "highbyte")
    f.highbyte = true;
  else if (name == "nocr")
    f.nocr = true;
  else
    return "unknown fault '" + name + "'";
  return "";
}

}  // namespace

std::optional<int> SlotOf(char address) {
  if (address >= 'A' && address <= 'P') return address - 'A';
  if (address >= 'a' && address <= 'p') return 16 + (address - 'a');
  return std::nullopt;
}

char AddressOf(int slot) { return static_cast<char>(slot < 16 ? 'A' + slot : 'a' + (slot - 16)); }

ConfigResult ParseConfig(const std::string& text) {
  SimConfig config;
  std::vector<int> current;
  std::istringstream in(text);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    const size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    const std::vector<std::string> w = Words(line);
    if (w.empty()) continue;
    const auto fail = [&](const std::string& why) {
      return ConfigResult{std::nullopt, "line " + std::to_string(number) + ": " + why};
    };

    if (w[0] == "module") {
      if (w.size() != 2 && !(w.size() == 4 && w[2] == "delay")) return fail("module needs: letters [delay ms]");
      const std::optional<std::vector<int>> slots = Slots(w[1]);
      if (!slots || slots->empty()) return fail("'" + w[1] + "' names no module letters A-P or a-p");
      double delay = 2;
      if (w.size() == 4) {
        const std::optional<double> d = Number(w[3]);
        if (!d || *d < 0) return fail("the delay must be a number of ms, 0 or more");
        // Longer than any reply wait, and short enough to stay a whole number
        // of nanoseconds when the reply is scheduled.
        if (*d > kMaxDelayMs) return fail("the delay must be at most 60000 ms");
        delay = *d;
      }
      for (int s : *slots) {
        if (config.modules[s].present) return fail(std::string("module ") + AddressOf(s) + " is defined twice");
        config.modules[s].present = true;
        config.modules[s].delay_ms = delay;
      }
      current = *slots;
      continue;
    }
    if (current.empty()) return fail("a 'module' line must come first");
    if (w[0] == "fault") {
      ModuleFaults faults = config.modules[current[0]].faults;
      const std::string error = ParseFault(w, line, faults);
      if (!error.empty()) return fail(error);
      for (int s : current) config.modules[s].faults = faults;
      continue;
    }
    if (w.size() < 2) return fail("a rule needs: command kind [values]");
    AnswerRule rule;
    const std::string error = ParseRule(w, line, rule);
    if (!error.empty()) return fail(error);
    for (int s : current) config.modules[s].rules.push_back(rule);
  }
  return ConfigResult{config, ""};
}

SimConfig DefaultConfig() {
  SimConfig config;
  AnswerRule any;
  any.kind = AnswerRule::Kind::Counter;
  any.from = 0;
  any.to = 9999;
  for (ModuleConfig& m : config.modules) {
    m.present = true;
    m.rules.push_back(any);
  }
  return config;
}

}  // namespace korvix::daqsim
