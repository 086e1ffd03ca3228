#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace korvix::daqsim {

// What a module answers to the commands that begin with `prefix` (the text
// after the address letter); "*" stands for any command.
struct AnswerRule {
  enum class Kind { Constant, Counter, Ramp, Sine, Echo };
  std::string prefix;
  Kind kind = Kind::Constant;
  std::string text;         // Constant
  double from = 0, to = 0;  // Counter, Ramp: first and last; Sine: low and high
  double step = 1;          // Counter
  double period_ms = 1000;  // Ramp, Sine
  int decimals = 0;         // Ramp, Sine
};

struct ModuleFaults {
  bool silent = false;  // never answers
  bool reset = false;   // answers its first command with the reset notice
  bool talk = false;    // starts talking when a command to another module begins
  std::string talktext = "0";
  bool stream = false;    // after its first command, sends without end and without CR
  bool highbyte = false;  // every reply begins with a byte above 0x7F
  bool nocr = false;      // replies end without CR
};

struct ModuleConfig {
  bool present = false;
  double delay_ms = 2;
  std::vector<AnswerRule> rules;
  ModuleFaults faults;
};

// Modules "A" to "P" are slots 0 to 15, "a" to "p" slots 16 to 31.
constexpr int kModuleSlots = 32;
std::optional<int> SlotOf(char address);
char AddressOf(int slot);

struct SimConfig {
  std::array<ModuleConfig, kModuleSlots> modules;
};

struct ConfigResult {
  std::optional<SimConfig> config;
  std::string error;  // "line N: ..." when config is empty
};

ConfigResult ParseConfig(const std::string& text);

// Every module present, 2 ms answer delay, any command answered with a
// counter from 0 to 9999.
SimConfig DefaultConfig();

}  // namespace korvix::daqsim
