#include "ui/port_selection_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "comms/port_map.h"
#include "ui/latin1.h"

namespace korvix {

namespace {

const char kCommunicationsErrorCaption[] = "Communications Error";

constexpr int kDeviceColumn = 1;

}  // namespace

bool ApplyPortSelection(PortSelection& ports, ComLink& link, Profile& profile, MessageSink& messages, int port,
                        const std::string& device) {
  MapComPort(profile, port, device);
  link.CloseComPort();
  ports.ForgetComPort();
  if (link.OpenComPort(port) == 1) {
    ports.SelectComPort(port);
    return true;
  }
  // The link opens silently; without this the user would not learn why no
  // module answers.
  messages.Show(kCommunicationsErrorCaption,
                "Cannot open " + ComPortName(port) + " on " + ComPortDevicePath(profile, port) +
                    ".\rCheck that the device exists, is a serial line and is not in use.",
                MessageIcon::Exclamation);
  return false;
}

CPortSelectionDlg::CPortSelectionDlg(PortSelection& ports, ComLink& link, Profile& profile, MessageSink& messages,
                                     QWidget* parent)
    : QDialog(parent),
      m_selection(ports),
      m_link(link),
      m_profile(profile),
      m_messages(messages),
      m_ports(new QTreeWidget(this)),
      m_device(new QComboBox(this)),
      m_present(new QListWidget(this)),
      m_comportbefore(ports.SelectedComPort()) {
  setWindowTitle("Port Selection");
  for (int n = 0; n < kComPortCount; ++n) m_mappingsbefore[static_cast<size_t>(n)] = ComPortMapping(profile, n);

  m_ports->setColumnCount(2);
  m_ports->setHeaderLabels({"Port", "Device"});
  m_ports->setRootIsDecorated(false);
  for (const ComPortRow& row : ComPortRows(profile))
    new QTreeWidgetItem(m_ports, {ToQString(row.name), ToQString(row.device)});

  m_device->setEditable(true);
  for (const std::string& found : FindSerialDevices()) {
    m_device->addItem(ToQString(found));
    m_present->addItem(ToQString(found));
  }

  auto* form = new QFormLayout;
  form->addRow("Device:", m_device);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_ports);
  layout->addLayout(form);
  layout->addWidget(new QLabel("Serial devices present:", this));
  layout->addWidget(m_present);
  layout->addWidget(buttons);

  connect(m_ports, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem*, QTreeWidgetItem* previous) { ShowDeviceOfSelectedPort(previous); });
  connect(m_device, &QComboBox::currentTextChanged, this, [this](const QString& text) { ShowDeviceInPortList(text); });
  connect(m_present, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { SetDevice(item->text()); });
  connect(buttons, &QDialogButtonBox::accepted, this, &CPortSelectionDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CPortSelectionDlg::reject);

  const int current = m_comportbefore >= 0 ? m_comportbefore : DefaultComPort(profile);
  SelectPort(current >= 0 && current < kComPortCount ? current : 0);
}

void CPortSelectionDlg::SelectPort(int port) { m_ports->setCurrentItem(m_ports->topLevelItem(port)); }

int CPortSelectionDlg::SelectedPort() const { return m_ports->indexOfTopLevelItem(m_ports->currentItem()); }

void CPortSelectionDlg::SetDevice(const QString& device) { m_device->setCurrentText(device); }

QString CPortSelectionDlg::Device() const { return m_device->currentText().trimmed(); }

void CPortSelectionDlg::accept() {
  m_applied = true;
  if (ApplyPortSelection(m_selection, m_link, m_profile, m_messages, SelectedPort(), FromQString(Device())))
    QDialog::accept();
}

// A refused OK has already closed the old port and stored the device that
// failed; leaving it so would cost the user the port that worked.
void CPortSelectionDlg::reject() {
  if (m_applied) {
    for (int n = 0; n < kComPortCount; ++n) {
      const std::string& before = m_mappingsbefore[static_cast<size_t>(n)];
      if (ComPortMapping(m_profile, n) != before) MapComPort(m_profile, n, before);
    }
    m_link.CloseComPort();
    m_selection.SelectComPort(m_comportbefore >= 0 && m_link.OpenComPort(m_comportbefore) == 1 ? m_comportbefore : -1);
  }
  QDialog::reject();
}

// An edit not confirmed with OK is dropped when the user moves to another
// port, so the list never shows a mapping that is not stored.
void CPortSelectionDlg::ShowDeviceOfSelectedPort(QTreeWidgetItem* previous) {
  if (previous)
    previous->setText(kDeviceColumn, ToQString(ComPortDevicePath(m_profile, m_ports->indexOfTopLevelItem(previous))));
  QTreeWidgetItem* item = m_ports->currentItem();
  if (item) m_device->setCurrentText(item->text(kDeviceColumn));
}

// The chosen port's row follows the edit, so the user sees the mapping that
// OK is about to store.
void CPortSelectionDlg::ShowDeviceInPortList(const QString& device) {
  QTreeWidgetItem* item = m_ports->currentItem();
  if (item) item->setText(kDeviceColumn, device);
}

}  // namespace korvix
