#pragma once

#include <string>

#include "document/record_basics.h"
#include "document/screen_object_kind.h"

namespace korvix {

// What the executors ask of the view, the Run-Loop and recording: the
// actions whose state lives there.
class RunServices {
public:
  virtual ~RunServices() = default;
  // A page that exists (1 to the page count).
  virtual void GotoPage(int page) = 0;
  virtual void MinimizeWindow() = 0;
  virtual void RestoreWindow() = 0;
  virtual void QuitProgram() = 0;
  virtual void SaveProject() = 0;
  virtual void ShowPopupBox(const std::string& title, const std::string& message) = 0;
  // WriteDataLogRecord with the data-log file name expanded, whether or not
  // the web log is reading the file; nothing once the halt has begun.
  virtual void LogDataToFile() = 0;
  virtual void StartChartRecorderAction(const std::string& label) = 0;
  virtual void HaltChartRecorderAction(const std::string& label) = 0;
  // Chart Recorder `index` on one printed page, through the print dialog.
  virtual void PrintChartRec(int index) = 0;
  virtual void StartPIController(int index) = 0;
  virtual void HaltPIController(int index) = 0;
  virtual void SetPIControllerSetPoint(int index, long long setpoint) = 0;
  // The port is closed while another program runs in its place.
  virtual void ReopenComPort() = 0;
  // Only objects on the current page are redrawn.
  virtual void InvalidateControl(ScreenObjectKind kind, int index) = 0;
  // A part of an object on the current page, in client pixels, redrawn
  // without erasing.
  virtual void InvalidateRect(const Rect& rect) = 0;
};

}  // namespace korvix
