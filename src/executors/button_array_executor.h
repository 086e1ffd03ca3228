#pragma once

#include <deque>
#include <string>

#include "document/korvix_doc.h"
#include "executors/action_executor.h"
#include "executors/run_services.h"

namespace korvix {

// A running Button Array carries out the action of its sub button that is
// down, one call per pass, and stops when that action is done.
class ButtonArrayExecutor {
public:
  ButtonArrayExecutor(CKorvixDoc& doc, ActionExecutor& actions, RunServices& services)
      : m_doc(doc), m_actions(actions), m_services(services) {}

  void ExecuteButtonArray(int index);
  // The running action of every array with that label ends; false when no
  // array has it.
  bool HaltButtonArrayAction(const std::string& label);
  // Every array with that label starts its action afresh.
  bool StartButtonArray(const std::string& label);
  bool IsRunning(int index) const;
  bool IsButtonArrayRunning(const std::string& label, bool& running) const;
  // The sub button with that title goes down in every array with the label
  // (arrays that execute on a change start); false when no array has it.
  bool SetButtonArrayAction(const std::string& label, const std::string& title);
  // The operator pushed sub button k down.
  void SelectSubButton(int index, int k);
  void Reset();

private:
  struct ArrayRun {
    int running = 0;
    bool started = false;
    int button = -1;
    ActionWait wait;
  };
  void Start(int index);
  void Stop(int index);
  ArrayRun& Run(int index);

  CKorvixDoc& m_doc;
  ActionExecutor& m_actions;
  RunServices& m_services;
  std::deque<ArrayRun> m_runs;
};

}  // namespace korvix
