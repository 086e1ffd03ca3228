#pragma once

#include <string>

#include "executors/run_services.h"
#include "runloop/view_runtime.h"
#include "runmode/pi_controllers.h"

namespace korvix {

// What only the window can do for the actions: the page shown, the frame,
// saving and redrawing.
class RunWindowActions {
public:
  virtual ~RunWindowActions() = default;
  virtual void GotoPage(int page) = 0;
  virtual void MinimizeWindow() = 0;
  virtual void RestoreWindow() = 0;
  virtual void QuitProgram() = 0;
  virtual void SaveProject() = 0;
  virtual void InvalidateControl(ScreenObjectKind kind, int index) = 0;
  virtual void PrintChartRec(int index) = 0;
};

// The actions' services on the view's run-time core: the data log, the
// Chart Recorders, the popup box, the COM port and the PI-Controllers; the
// rest goes to the window.
class RuntimeRunServices final : public RunServices {
public:
  RuntimeRunServices(CKorvixDoc& doc, ViewRuntime& runtime, PIControllers& picontrollers, RunWindowActions& window)
      : m_doc(doc), m_runtime(runtime), m_picontrollers(picontrollers), m_window(window) {}

  void GotoPage(int page) override { m_window.GotoPage(page); }
  void MinimizeWindow() override { m_window.MinimizeWindow(); }
  void RestoreWindow() override { m_window.RestoreWindow(); }
  void QuitProgram() override { m_window.QuitProgram(); }
  void SaveProject() override { m_window.SaveProject(); }
  void ShowPopupBox(const std::string& title, const std::string& message) override;
  void LogDataToFile() override;
  void StartChartRecorderAction(const std::string& label) override;
  void HaltChartRecorderAction(const std::string& label) override;
  void PrintChartRec(int index) override { m_window.PrintChartRec(index); }
  void StartPIController(int index) override { m_picontrollers.StartPIController(index); }
  void HaltPIController(int index) override { m_picontrollers.HaltPIController(index); }
  void SetPIControllerSetPoint(int index, long long setpoint) override {
    m_picontrollers.SetPIControllerSetPoint(index, setpoint);
  }
  void ReopenComPort() override;
  void InvalidateControl(ScreenObjectKind kind, int index) override { m_window.InvalidateControl(kind, index); }
  void InvalidateRect(const Rect& rect) override { m_runtime.InvalidateRect(rect); }

private:
  CKorvixDoc& m_doc;
  ViewRuntime& m_runtime;
  PIControllers& m_picontrollers;
  RunWindowActions& m_window;
};

}  // namespace korvix
