#pragma once

#include <QDialog>
#include <QPointer>

#include "platform/busy_progress.h"

class QLabel;
class QProgressBar;

namespace korvix {

// The "System Busy" window: a message, a progress bar and Cancel. The long
// work reads Running() between items; the main window takes no input while
// it is shown.
class CSystemBusyDlg final : public QDialog, public BusyProgress {
  Q_OBJECT

public:
  explicit CSystemBusyDlg(QWidget* mainwindow);
  ~CSystemBusyDlg() override;

  void Show(const std::string& text) override;
  void SetRange(int low, int high) override;
  void SetPos(int position) override;
  bool Running() const override { return m_running == 1; }
  void Close() override;

  // 1 from Show until the user presses Cancel or closes the window.
  int m_running = 0;

protected:
  void reject() override;

private:
  void ReleaseMainWindow();

  QPointer<QWidget> m_mainwindow;
  QLabel* m_text;
  QProgressBar* m_progress;
  bool m_disabledmain = false;
};

}  // namespace korvix
