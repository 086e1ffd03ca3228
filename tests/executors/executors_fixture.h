#pragma once

#include <string>
#include <vector>

#include "automation/step_codes.h"
#include "dispatch/run_values.h"
#include "document/korvix_doc.h"
#include "executors/executors.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "values/testing/fake_value_hooks.h"

namespace korvix::testing {

// Records what the executors ask of the view, the Run-Loop and the outside.
class FakeRunServices final : public RunServices,
                              public SoundPlayer,
                              public ProgramRunner,
                              public TelephoneLine,
                              public EmailReporter,
                              public LabelPrinter {
public:
  std::vector<std::string> calls;
  std::string programfailure;
  std::string dialfailure;
  int sendsinflight = 0;
  std::vector<Rect> invalidated;

  void GotoPage(int page) override { calls.push_back("page " + std::to_string(page)); }
  void MinimizeWindow() override { calls.push_back("minimize"); }
  void RestoreWindow() override { calls.push_back("restore"); }
  void QuitProgram() override { calls.push_back("quit"); }
  void SaveProject() override { calls.push_back("save"); }
  void ShowPopupBox(const std::string& title, const std::string& message) override {
    calls.push_back("popup " + title + "|" + message);
  }
  void LogDataToFile() override { calls.push_back("log"); }
  void StartChartRecorderAction(const std::string& label) override { calls.push_back("chart on " + label); }
  void HaltChartRecorderAction(const std::string& label) override { calls.push_back("chart off " + label); }
  void PrintChartRec(int index) override { calls.push_back("chart print " + std::to_string(index)); }
  void StartPIController(int index) override { calls.push_back("pi on " + std::to_string(index)); }
  void HaltPIController(int index) override { calls.push_back("pi off " + std::to_string(index)); }
  void SetPIControllerSetPoint(int index, long long setpoint) override {
    calls.push_back("pi set " + std::to_string(index) + "=" + std::to_string(setpoint));
  }
  void ReopenComPort() override { calls.push_back("reopen"); }
  void InvalidateControl(ScreenObjectKind, int) override {}
  void InvalidateRect(const Rect& rect) override { invalidated.push_back(rect); }

  bool PlaySoundFile(const std::string& path) override {
    calls.push_back("sound " + path);
    return path.find("missing") == std::string::npos;
  }
  std::string RunProgram(const std::string& commandline) override {
    calls.push_back("run " + commandline);
    return programfailure;
  }
  std::string Dial(const std::string& number) override {
    calls.push_back("dial " + number);
    return dialfailure;
  }
  void HangUp() override { calls.push_back("hangup"); }
  void SendEmailReport(const std::string& address, const std::string& message) override {
    calls.push_back("email " + address + "|" + message);
    ++sendsinflight;
  }
  int SendsInFlight() const override { return sendsinflight; }
  void PrintLabel(const std::string& printer, const std::string& text, int fontsize, const std::string& barcode,
                  int barsize) override {
    calls.push_back("print " + printer + "|" + text + "|" + std::to_string(fontsize) + "|" + barcode + "|" +
                    std::to_string(barsize));
  }
};

// The Conditionals and the dispatcher reach the executors through this.
class StarterRelay final : public ScriptStarter {
public:
  Executors* executors = nullptr;
  void RunScriptByName(const std::string& label) override { executors->RunScriptByName(label); }
  void TakeScriptReply(int index, const std::string& line) override {
    executors->Scripts().TakeScriptReply(index, line);
  }
};

// A project in memory with the label values, the executors and fakes round
// them; one Pass() is what a Run-Loop pass does for Scripts and replies.
class ExecutorsFixture {
protected:
  ExecutorsFixture() : ExecutorsFixture(nullptr) {}
  // `real`: the outside actions to use instead of the recording fakes.
  explicit ExecutorsFixture(OutsideActions* real)
      : executors{doc, values, hooks, clock, sink, hooks, services, real ? *real : outside} {
    relay.executors = &executors;
  }

  ScriptRecord& AddScript(const std::string& label, const std::vector<ScriptStep>& steps) {
    ScriptRecord& script = doc.m_scripts[doc.m_scripts.Add()];
    script.idlabel = label;
    for (const ScriptStep& step : steps) script.steps.Add(step);
    return script;
  }
  VariableRecord& AddVariable(const std::string& label, const std::string& value = "0") {
    VariableRecord& variable = doc.m_variables[doc.m_variables.Add()];
    variable.idlabel = label;
    variable.valuetext = value;
    return variable;
  }
  std::string Value(const std::string& label) {
    std::string out;
    values.GetLabelValue(out, label, false);
    return out;
  }
  bool Running(const std::string& label) {
    bool running = false;
    executors.IsScriptRunning(label, running);
    return running;
  }
  void Pass() {
    executors.ExecuteRunningButtonArrays();
    executors.ExecuteRunningScripts();
    values.DispatchReceivedLines();
    values.ServiceReplyTimeouts();
    values.ServicePendingSends();
  }
  void PassFor(uint32_t ms, uint32_t step = 10) {
    for (uint32_t t = 0; t < ms; t += step) {
      clock.now += step;
      Pass();
    }
  }

  CKorvixDoc doc;
  RecordingMessageSink sink;
  FakeValueHooks hooks;
  FakeMillisecondClock clock;
  FakeRunServices services;
  StarterRelay relay;
  RunValues values{doc, sink, hooks, hooks, relay, hooks, clock};
  OutsideActions outside{services, services, services, services, services};
  Executors executors{doc, values, hooks, clock, sink, hooks, services, outside};
};

inline ScriptStep Step(int code, const std::string& param1 = "", const std::string& param2 = "") {
  ScriptStep step = NewScriptStep(code);
  step.param1 = param1;
  step.param2 = param2;
  return step;
}

// Sets a Variable to the text: the step a test script uses to leave traces.
inline ScriptStep Mark(const std::string& label, const std::string& text) { return Step(20, label, text); }

}  // namespace korvix::testing
