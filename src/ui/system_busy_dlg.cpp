#include "ui/system_busy_dlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/latin1.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "System Busy";
constexpr const char* kCancelText = "Cancel";

}  // namespace

CSystemBusyDlg::CSystemBusyDlg(QWidget* mainwindow)
    : QDialog(mainwindow), m_mainwindow(mainwindow), m_text(new QLabel), m_progress(new QProgressBar) {
  setWindowTitle(kCaption);
  // Blocks the other windows while the thread pumps for the long work.
  setWindowModality(Qt::ApplicationModal);
  m_text->setAlignment(Qt::AlignCenter);
  m_progress->setTextVisible(false);
  auto* cancel = new QPushButton(kCancelText);
  connect(cancel, &QPushButton::clicked, this, [this] { m_running = false; });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_text);
  layout->addWidget(m_progress);
  layout->addWidget(cancel, 0, Qt::AlignHCenter);
  setMinimumWidth(300);
}

CSystemBusyDlg::~CSystemBusyDlg() { Close(); }

void CSystemBusyDlg::Show(const std::string& text) {
  m_text->setText(ToQString(text));
  m_running = true;
  show();
  raise();
  repaint();
}

void CSystemBusyDlg::SetRange(int low, int high) { m_progress->setRange(low, high); }

void CSystemBusyDlg::SetPos(int position) { m_progress->setValue(position); }

void CSystemBusyDlg::Close() {
  hide();
  if (m_mainwindow) m_mainwindow->activateWindow();
}

}  // namespace korvix
