#pragma once

#include <QDialog>
#include <QPointer>

#include "platform/busy_progress.h"

class QLabel;
class QProgressBar;

namespace korvix {

// "System Busy": a message, a progress bar and Cancel over long work that
// pumps messages as it goes. The main window takes no input while it shows.
class CSystemBusyDlg final : public QDialog, public BusyProgress {
  Q_OBJECT

public:
  explicit CSystemBusyDlg(QWidget* mainwindow);
  ~CSystemBusyDlg() override;

  // Shown and painted at once, before the work that follows holds the
  // thread.
  void Show(const std::string& text) override;
  void SetRange(int low, int high) override;
  void SetPos(int position) override;
  bool Running() const override { return m_running; }
  void Close() override;

  bool m_running = false;

protected:
  void reject() override { m_running = false; }

private:
  QPointer<QWidget> m_mainwindow;
  QLabel* m_text;
  QProgressBar* m_progress;
};

}  // namespace korvix
