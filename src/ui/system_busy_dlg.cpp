#include "ui/system_busy_dlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/latin1.h"

namespace korvix {

namespace {
constexpr char kCaption[] = "System Busy";
constexpr char kCancelText[] = "Cancel";
constexpr int kMinimumWidth = 320;
}  // namespace

CSystemBusyDlg::CSystemBusyDlg(QWidget* mainwindow)
    : QDialog(mainwindow), m_mainwindow(mainwindow), m_text(new QLabel(this)), m_progress(new QProgressBar(this)) {
  setWindowTitle(kCaption);
  setMinimumWidth(kMinimumWidth);
  // Modeless, but its own window: the main window is disabled instead, so
  // that this one stays usable for Cancel.
  setWindowModality(Qt::NonModal);
  auto* layout = new QVBoxLayout(this);
  m_text->setAlignment(Qt::AlignCenter);
  layout->addWidget(m_text);
  m_progress->setTextVisible(false);
  layout->addWidget(m_progress);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* cancel = buttons->addButton(kCancelText, QDialogButtonBox::RejectRole);
  connect(cancel, &QPushButton::clicked, this, &CSystemBusyDlg::reject);
  layout->addWidget(buttons);
}

CSystemBusyDlg::~CSystemBusyDlg() { ReleaseMainWindow(); }

void CSystemBusyDlg::Show(const std::string& text) {
  m_text->setText(ToQString(text));
  m_running = 1;
  if (m_mainwindow && m_mainwindow->isEnabled()) {
    m_mainwindow->setEnabled(false);
    m_disabledmain = true;
  }
  // The dialog is a child of the main window; it must stay enabled itself.
  setEnabled(true);
  show();
  raise();
  // Painted at once: the work that follows may keep the loop busy a while.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CSystemBusyDlg::SetRange(int low, int high) { m_progress->setRange(low, high); }

void CSystemBusyDlg::SetPos(int position) { m_progress->setValue(position); }

void CSystemBusyDlg::Close() {
  hide();
  ReleaseMainWindow();
}

void CSystemBusyDlg::reject() {
  m_running = 0;
  hide();
}

void CSystemBusyDlg::ReleaseMainWindow() {
  if (m_disabledmain && m_mainwindow) m_mainwindow->setEnabled(true);
  m_disabledmain = false;
}

}  // namespace korvix
