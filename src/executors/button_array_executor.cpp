#include "executors/button_array_executor.h"

#include "texts/label_texts.h"

namespace korvix {

ButtonArrayExecutor::ArrayRun& ButtonArrayExecutor::Run(int index) {
  if (static_cast<size_t>(index) >= m_runs.size()) m_runs.resize(static_cast<size_t>(index) + 1);
  return m_runs[static_cast<size_t>(index)];
}

bool ButtonArrayExecutor::IsRunning(int index) const {
  return static_cast<size_t>(index) < m_runs.size() && m_runs[static_cast<size_t>(index)].running;
}

void ButtonArrayExecutor::Start(int index) {
  Run(index) = ArrayRun{};
  Run(index).running = 1;
  m_services.InvalidateControl(ScreenObjectKind::ButtonArray, index);
}

void ButtonArrayExecutor::Stop(int index) {
  if (!IsRunning(index)) return;
  Run(index) = ArrayRun{};
  m_services.InvalidateControl(ScreenObjectKind::ButtonArray, index);
}

void ButtonArrayExecutor::ExecuteButtonArray(int index) {
  if (!IsRunning(index)) return;
  ArrayRun& run = Run(index);
  ButtonArrayRecord& array = m_doc.m_buttonarrays[index];
  if (!run.started) {
    run.button = -1;
    for (int k = 0; k < array.buttons.Count(); ++k) {
      if (array.buttons[k].isdown) run.button = k;
    }
    if (run.button < 0) {
      Stop(index);
      return;
    }
    const ButtonArrayButton& button = array.buttons[run.button];
    ActionSlot texts;
    texts.action = button.action;
    texts.param = button.param;
    texts.second = button.second;
    texts.fontsize = button.fontsize;
    texts.barcode = button.barcode;
    texts.barsize = button.barsize;
    run.started = true;
    const ActionProgress progress =
        m_actions.Start(texts, ActionHolder{CommandKind::ButtonArray, index, run.button}, run.wait);
    if (progress != ActionProgress::Waiting) Stop(index);
    return;
  }
  const ActionProgress progress =
      m_actions.Continue(ActionHolder{CommandKind::ButtonArray, index, run.button}, run.wait);
  if (progress != ActionProgress::Waiting) Stop(index);
}

bool ButtonArrayExecutor::HaltButtonArrayAction(const std::string& label) {
  bool found = false;
  for (int i = 0; i < m_doc.m_buttonarrays.Count(); ++i) {
    if (!LabelsEqual(m_doc.m_buttonarrays[i].idlabel, label)) continue;
    found = true;
    Stop(i);
  }
  return found;
}

bool ButtonArrayExecutor::StartButtonArray(const std::string& label) {
  bool found = false;
  for (int i = 0; i < m_doc.m_buttonarrays.Count(); ++i) {
    if (!LabelsEqual(m_doc.m_buttonarrays[i].idlabel, label)) continue;
    found = true;
    Start(i);
  }
  return found;
}

bool ButtonArrayExecutor::IsButtonArrayRunning(const std::string& label, bool& running) const {
  bool found = false;
  running = false;
  for (int i = 0; i < m_doc.m_buttonarrays.Count(); ++i) {
    if (!LabelsEqual(m_doc.m_buttonarrays[i].idlabel, label)) continue;
    found = true;
    running = running || IsRunning(i);
  }
  return found;
}

void ButtonArrayExecutor::SelectSubButton(int index, int k) {
  ButtonArrayRecord& array = m_doc.m_buttonarrays[index];
  for (int j = 0; j < array.buttons.Count(); ++j) array.buttons[j].isdown = j == k ? 1 : 0;
  m_services.InvalidateControl(ScreenObjectKind::ButtonArray, index);
  if (array.executeonchange) Start(index);
}

bool ButtonArrayExecutor::SetButtonArrayAction(const std::string& label, const std::string& title) {
  bool found = false;
  for (int i = 0; i < m_doc.m_buttonarrays.Count(); ++i) {
    ButtonArrayRecord& array = m_doc.m_buttonarrays[i];
    if (!LabelsEqual(array.idlabel, label)) continue;
    found = true;
    for (int k = 0; k < array.buttons.Count(); ++k) {
      if (LabelsEqual(array.buttons[k].title, title)) {
        SelectSubButton(i, k);
        break;
      }
    }
  }
  return found;
}

void ButtonArrayExecutor::Reset() {
  // In place: a halt may come from inside an action that still holds its state.
  for (ArrayRun& run : m_runs) run = ArrayRun{};
}

}  // namespace korvix
