#pragma once

#include <string>

namespace korvix {

// The "System Busy" window as long work sees it: a message, a progress bar
// and the running flag that the user's Cancel or close clears.
class BusyProgress {
public:
  virtual ~BusyProgress() = default;
  virtual void Show(const std::string& text) = 0;
  virtual void SetRange(int low, int high) = 0;
  virtual void SetPos(int position) = 0;
  // m_running: true from Show until the user cancels or closes it.
  virtual bool Running() const = 0;
  virtual void Close() = 0;
};

}  // namespace korvix
