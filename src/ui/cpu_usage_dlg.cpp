#include "ui/cpu_usage_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/help.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "CPU Usage Settings";
constexpr const char* kHelpTopic = "m_cpuusage.htm";
constexpr const char* kExplanation =
    "By default, Korvix uses all CPU time allocated to it by the OS, thus producing the fastest polling and "
    "screen update rates possible. However, if max speed is not a priority, checking the box below reduces the "
    "speed so that Korvix consumes less CPU time.";
constexpr const char* kReducedText = "Run with reduced CPU usage";
constexpr const char* kOkText = "OK";
constexpr int kTextWidth = 360;

}  // namespace

CCpuUsageDlg::CCpuUsageDlg(QWidget* parent, int reduced) : QDialog(parent), m_reduced(reduced) {
  setWindowTitle(kCaption);
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(kExplanation, this);
  text->setWordWrap(true);
  text->setMinimumWidth(kTextWidth);
  layout->addWidget(text);
  m_box = new QCheckBox(kReducedText, this);
  m_box->setChecked(reduced != 0);
  layout->addWidget(m_box);
  auto* ok = new QPushButton(kOkText, this);
  ok->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &CCpuUsageDlg::accept);
  AddHelpKey(this, kHelpTopic);
}

void CCpuUsageDlg::accept() {
  m_reduced = m_box->isChecked() ? 1 : 0;
  QDialog::accept();
}

}  // namespace korvix
