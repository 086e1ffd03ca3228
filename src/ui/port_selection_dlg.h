#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "comms/com_link.h"
#include "comms/com_link_peers.h"
#include "comms/port_map.h"
#include "platform/message_sink.h"
#include "platform/profile.h"

class QComboBox;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace korvix {

// Maps `port` to `device` (empty restores the default device), reopens the
// link on it and records it as the selected port. The old port is closed
// first, so a failure leaves no port open and none selected. True when the
// port is open.
bool ApplyPortSelection(PortSelection& ports, ComLink& link, Profile& profile, MessageSink& messages, int port,
                        const std::string& device);

// Communicate > Port Selection: COM1 to COM9 with the device each maps to,
// the serial devices present, and the device of the chosen port to edit.
class CPortSelectionDlg final : public QDialog {
  Q_OBJECT

public:
  CPortSelectionDlg(PortSelection& ports, ComLink& link, Profile& profile, MessageSink& messages,
                    QWidget* parent = nullptr);

  void SelectPort(int port);
  int SelectedPort() const;
  void SetDevice(const QString& device);
  QString Device() const;

  // Stays open when the port does not open, so that the user can correct
  // the device or cancel.
  void accept() override;
  // Puts back the mappings and the port that a refused OK changed.
  void reject() override;

private:
  void ShowDeviceOfSelectedPort(QTreeWidgetItem* previous);
  void ShowDeviceInPortList(const QString& device);

  PortSelection& m_selection;
  ComLink& m_link;
  Profile& m_profile;
  MessageSink& m_messages;
  QTreeWidget* m_ports;
  QComboBox* m_device;
  QListWidget* m_present;
  std::array<std::string, kComPortCount> m_mappingsbefore;
  int m_comportbefore;
  bool m_applied = false;
};

}  // namespace korvix
