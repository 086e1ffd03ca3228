#pragma once

#include <QDialog>

namespace korvix {

// Offers the installer that the background check downloaded: accepted means
// "Install", rejected "Not Now".
class CSoftwareUpdateDlg final : public QDialog {
  Q_OBJECT

public:
  explicit CSoftwareUpdateDlg(QWidget* parent = nullptr);
};

}  // namespace korvix
