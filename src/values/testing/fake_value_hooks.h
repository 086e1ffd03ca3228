#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "expressions/script_starter.h"
#include "values/value_hooks.h"

namespace korvix::testing {

// Records what label values ask of the Run-Loop, the view, the Script
// executor and the link, in one list of calls.
class FakeValueHooks final : public RunLoopControl,
                             public ObjectActions,
                             public ControlTriggers,
                             public ScriptStarter,
                             public LinkServices {
public:
  bool running = true;
  bool weblogbusy = false;
  int halts = 0;
  int initsends = 0;
  std::vector<std::string> calls;
  std::vector<std::pair<ScreenObjectKind, int>> invalidated;
  std::vector<std::string> scriptsrun;
  std::vector<std::pair<int, std::string>> scriptreplies;
  // Runs inside RunScriptByName, as an executor that acts at once would.
  std::function<void(const std::string&)> onscript;

  std::string rxbuffer;
  std::vector<std::string> sent;
  int transmitresult = 1;
  int flushes = 0;

  bool IsRunning() override { return running; }
  void RequestHalt() override {
    ++halts;
    running = false;
  }
  void SendInitCommands() override { ++initsends; }
  bool WebLogBusy() override { return weblogbusy; }

  void InvalidateObject(ScreenObjectKind kind, int index) override { invalidated.emplace_back(kind, index); }
  ControlTriggers& Triggers() override { return *this; }
  void TurnOnLampAction(int index) override { Call("TurnOnLamp", index); }
  void TurnOffLampAction(int index) override { Call("TurnOffLamp", index); }
  void ToggleLampAction(int index) override { Call("ToggleLamp", index); }
  void IncrementCounterAction(int index) override { Call("IncrementCounter", index); }
  void DecrementCounterAction(int index) override { Call("DecrementCounter", index); }
  void ResetCounterAction(int index) override { Call("ResetCounter", index); }
  void StartEventTimerAction(int index) override { Call("StartTimer", index); }
  void StopEventTimerAction(int index) override { Call("StopTimer", index); }
  void ResetEventTimerAction(int index) override { Call("ResetTimer", index); }
  void SetButtonArrayAction(const std::string& label, const std::string& value) override {
    calls.push_back("SetButtonArray " + label + "=" + value);
  }
  void ShowTransmitTimeout(const std::string& command) override { calls.push_back("TransmitTimeout " + command); }

  void RunScriptByName(const std::string& label) override {
    scriptsrun.push_back(label);
    if (onscript) onscript(label);
  }
  void TakeScriptReply(int index, const std::string& line) override { scriptreplies.emplace_back(index, line); }

  std::string& ReceiveBuffer() override { return rxbuffer; }
  int TransmitCommand(std::string command) override {
    sent.push_back(std::move(command));
    return transmitresult;
  }
  void WaitForReply(uint32_t ms, const std::string& expected) override {
    calls.push_back("WaitForReply " + std::to_string(ms) + " " + expected);
  }
  void FlushComInput() override {
    ++flushes;
    rxbuffer.clear();
  }

private:
  void Call(const char* what, int index) { calls.push_back(std::string(what) + " " + std::to_string(index)); }
};

}  // namespace korvix::testing
